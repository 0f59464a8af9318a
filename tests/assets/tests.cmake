list(APPEND YOMOGI_TEST_SOURCES
  tests/assets/picture_test.cpp
)
set_source_files_properties(tests/assets/picture_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "YOMOGI_PICTUREGEN=\"${CMAKE_BINARY_DIR}/tools/picturegen\"")
