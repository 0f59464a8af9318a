# Sources of the stage subsystem.
list(APPEND YOMOGI_SOURCES)
