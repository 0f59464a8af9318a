# Sources of the platform subsystem.
list(APPEND YOMOGI_SOURCES)
