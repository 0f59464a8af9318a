# Sources of the menu subsystem.
list(APPEND YOMOGI_SOURCES
  src/menu/logo.cpp
  src/menu/image_list.cpp
  src/menu/opening.cpp
  src/menu/opening_draw.cpp
  src/menu/opening_scenery.cpp
  src/menu/title.cpp
  src/menu/title_draw.cpp
  src/menu/title_menu.cpp
  src/menu/title_paint.cpp
  src/menu/title_scenery.cpp
  src/menu/world_select.cpp
  src/menu/select_script.cpp
  src/menu/select_draw.cpp
  src/menu/options.cpp
  src/menu/options_joypad.cpp
  src/menu/credits.cpp
  src/menu/credits_draw.cpp
)
