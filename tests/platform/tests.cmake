list(APPEND YOMOGI_TEST_SOURCES
  tests/platform/platform_test.cpp
  tests/platform/bitmap_decode_test.cpp
  tests/platform/bitmap_header_test.cpp
)
