list(APPEND YOMOGI_TEST_SOURCES
  tests/menu/logo_test.cpp
)
