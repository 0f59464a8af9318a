# Sources of the gfx subsystem.
list(APPEND YOMOGI_SOURCES
  src/gfx/display.cpp
  src/gfx/surface.cpp
  src/gfx/copies.cpp
  src/gfx/keyed_runs.cpp
  src/gfx/picture_cache.cpp
  src/gfx/blend.cpp
  src/gfx/rotate.cpp
  src/gfx/system_font.cpp
)
