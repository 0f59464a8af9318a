# Sources of the game subsystem.
list(APPEND YOMOGI_SOURCES)
