list(APPEND YOMOGI_TEST_SOURCES
  tests/gfx/shapes_test.cpp
  tests/gfx/load_test.cpp
  tests/gfx/blend_test.cpp
  tests/gfx/copies_test.cpp
  tests/gfx/keyed_runs_test.cpp
  tests/gfx/picture_cache_test.cpp
  tests/gfx/rotate_test.cpp
  tests/gfx/clipping_test.cpp
  tests/gfx/system_font_test.cpp
)
