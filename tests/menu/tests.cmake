list(APPEND YOMOGI_TEST_SOURCES
  tests/menu/logo_test.cpp
  tests/menu/image_list_test.cpp
  tests/menu/opening_test.cpp
  tests/menu/title_test.cpp
)
