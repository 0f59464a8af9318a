# Sources of the program frame's shared state.
list(APPEND YOMOGI_SOURCES
  src/frame/frame_state.cpp
  src/frame/fade.cpp
  src/frame/display_switch.cpp
)
