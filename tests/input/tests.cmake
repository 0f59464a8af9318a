list(APPEND YOMOGI_TEST_SOURCES
  tests/input/buttons_test.cpp
  tests/input/key_config_test.cpp
  tests/input/short_tap_test.cpp
)
