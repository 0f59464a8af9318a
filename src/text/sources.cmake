# Sources of the text subsystem.
list(APPEND YOMOGI_SOURCES
  src/text/glyph_lookup.cpp
  src/text/glyph_text.cpp
  src/text/font_surfaces.cpp
)
