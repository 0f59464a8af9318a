list(APPEND YOMOGI_TEST_SOURCES
  tests/base/json_writer_test.cpp
  tests/base/data_reader_test.cpp
  tests/base/atomic_file_test.cpp
  tests/base/save_paths_test.cpp
)
