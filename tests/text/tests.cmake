list(APPEND YOMOGI_TEST_SOURCES
  tests/text/sjis_test.cpp
  tests/text/glyph_test.cpp
)
