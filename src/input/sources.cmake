# Sources of the input subsystem.
list(APPEND YOMOGI_SOURCES
  src/input/buttons.cpp
  src/input/joystick.cpp
  src/input/key_config.cpp
)
