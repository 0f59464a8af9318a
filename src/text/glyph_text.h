// Bitmap-font text: full-width Shift-JIS characters drawn glyph by glyph from font sheets, and
// the font sheets shared by the whole run.
//
// Every font sheet has the same layout: 16 x 16 cells, the glyph being the 15 x 15 pixels at
// (1, 1) of its cell, the characters grouped in six blocks (hiragana, katakana, lower- and
// upper-case Latin, digits, symbols).
#pragma once

#include <cstdint>

#include "gfx/surface.h"

struct GlyphRecord {
    int x[14] = {};
    int y[14] = {};
    int count = 0;
};

struct FontState {
    SurfacePtr fontSurface;      // "bmp/font2.bmp": result panels and companions
    SurfacePtr cursorSurface;    // "bmp/cursor.bmp"
    SurfacePtr rankFontSurface;  // "bmp/rankfont.bmp": rank marks, one 16 x 16 cell per rank
    GlyphRecord glyphTable[8];
};
extern FontState fonts;

// Start-up: the three shared font surfaces, then the glyph table "data/mojidata.txt".
void loadFontSurfaces();
void loadGlyphTable();
void releaseFontSurfaces();
// Reads a glyph table file into fonts.glyphTable. A missing file gives an empty table; a short
// or garbled one keeps what could be read. Returns false when the file could not be opened.
bool readGlyphTable(const char* path);

// Where a glyph sits in a font sheet.
struct GlyphSource {
    int x = 0, y = 0;  // top-left pixel of the 15 x 15 glyph
};
// Looks up the two-byte Shift-JIS character b0 b1; false when the sheets have no glyph for it.
bool findGlyph(uint8_t b0, uint8_t b1, GlyphSource& out);

// The box layout shared by the three text drawings: n characters per row, rows 0..lastRow.
struct GlyphLayout {
    int perRow = 0;
    int lastRow = 0;
};
GlyphLayout glyphLayout(int boxWidth, int boxHeight, int cellSize);

// key: a colour reference, or -1 for magenta. Device coordinates (the platform's keyed copy).
void drawGlyphText(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize, int key,
                   const Surface* font, const char* text);
// Every glyph through blendBlit at percent with key (-1 constant opacity, -2 additive).
void drawGlyphTextBlend(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize,
                        int key, const Surface* font, const char* text, int16_t percent);
// Every glyph at its own percent: style 0 by position, 1 by column, 2 by row, 3 all at 100 %.
// Returns 0, or -1 bad style, -2 empty text, -3 no column, -4 no row below the first.
int drawGlyphTextFade(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize,
                      double fade, int style, int key, const Surface* font, const char* text);
// The percent drawGlyphTextFade gives the glyph of measure m with span s.
int16_t fadePercent(double fade, int span, int measure);

// Writes the full-width digit "０".."９" with its terminator (3 bytes); other values leave out
// untouched.
void digitGlyph(int digit, char* out);
// Three full-width digits (hundreds, tens, units) of a value 0..999 into out (7 bytes).
void threeDigitGlyphs(int value, char* out);
