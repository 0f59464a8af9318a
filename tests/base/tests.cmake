list(APPEND YOMOGI_TEST_SOURCES
  tests/base/json_writer_test.cpp
)
