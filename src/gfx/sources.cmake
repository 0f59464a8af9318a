# Sources of the gfx subsystem.
list(APPEND YOMOGI_SOURCES
  src/gfx/surface.cpp
  src/gfx/copies.cpp
  src/gfx/blend.cpp
  src/gfx/rotate.cpp
  src/gfx/system_font.cpp
)
# The mixes and the turned corners are exact single-precision products and sums: never let the
# compiler fuse them into one rounding.
set_source_files_properties(src/gfx/blend.cpp src/gfx/rotate.cpp PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
