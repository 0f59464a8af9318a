# Sources of the app subsystem.
list(APPEND YOMOGI_SOURCES)
