# Sources of the text subsystem.
list(APPEND YOMOGI_SOURCES
  src/text/sjis.cpp
)
