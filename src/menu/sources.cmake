# Sources of the menu subsystem.
list(APPEND YOMOGI_SOURCES
  src/menu/logo.cpp
  src/menu/scenes_pending.cpp
  src/menu/image_list.cpp
)
