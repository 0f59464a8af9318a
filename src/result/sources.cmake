# Sources of the result subsystem.
list(APPEND YOMOGI_SOURCES)
