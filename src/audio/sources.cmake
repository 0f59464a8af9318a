# Sources of the audio subsystem.
list(APPEND YOMOGI_SOURCES
  src/audio/audio.cpp
)
