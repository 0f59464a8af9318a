list(APPEND YOMOGI_TEST_SOURCES
  tests/audio/audio_test.cpp
)
