# Sources of the gfx subsystem.
list(APPEND YOMOGI_SOURCES)
