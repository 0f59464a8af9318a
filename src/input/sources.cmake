# Sources of the input subsystem.
list(APPEND YOMOGI_SOURCES)
