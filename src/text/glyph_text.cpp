// Laying a text out in its box and drawing it glyph by glyph: with a colour key, through the
// blend blit at one percent, or with every glyph at its own percent (the menus' fades).
#include <cmath>
#include <cstring>

#include "text/glyph_text.h"

namespace {

constexpr int kGlyphSize = 15;

// Where the glyph of character position p is drawn.
struct GlyphPlace {
    int column, row;
    int x, y;
};

GlyphPlace placeOf(int p, const GlyphLayout& layout, int x, int y, int cellSize) {
    GlyphPlace place;
    place.column = p % layout.perRow;
    place.row = p / layout.perRow;
    place.x = x + 10 + place.column * cellSize;
    place.y = y + 10 + place.row * cellSize;
    return place;
}

int characterCount(const char* text) { return text ? static_cast<int>(std::strlen(text) / 2) : 0; }

uint32_t blendKey(int key) { return static_cast<uint32_t>(key); }

// Walks the positions of a text that fit into the box, handing each one with its glyph (if the
// sheets have one) to draw. A box too narrow for one character draws nothing rather than
// dividing by zero.
template <typename Draw>
void forEachGlyph(const char* text, int x, int y, int boxWidth, int boxHeight, int cellSize,
                  Draw draw) {
    if (!text || cellSize <= 0) return;
    const GlyphLayout layout = glyphLayout(boxWidth, boxHeight, cellSize);
    if (layout.perRow <= 0) return;
    const int count = characterCount(text);
    for (int p = 0; p < count; ++p) {
        const GlyphPlace place = placeOf(p, layout, x, y, cellSize);
        if (place.row > layout.lastRow) break;
        GlyphSource source;
        if (findGlyph(static_cast<uint8_t>(text[2 * p]), static_cast<uint8_t>(text[2 * p + 1]),
                      source))
            draw(place, source);
    }
}

}  // namespace

GlyphLayout glyphLayout(int boxWidth, int boxHeight, int cellSize) {
    GlyphLayout layout;
    if (cellSize <= 0) return layout;
    layout.perRow = boxWidth / cellSize;
    if (boxWidth % cellSize == 0) layout.perRow -= 1;
    layout.lastRow = boxHeight / cellSize;
    if (boxHeight % cellSize == 0) layout.lastRow -= 1;
    layout.lastRow -= 1;
    return layout;
}

void drawGlyphText(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize, int key,
                   const Surface* font, const char* text) {
    if (!dst || !font) return;
    const Colour keyColour = key == -1 ? kMagenta : static_cast<Colour>(key);
    forEachGlyph(text, x, y, boxWidth, boxHeight, cellSize,
                 [&](const GlyphPlace& place, const GlyphSource& source) {
                     transparentBlit(dst, place.x, place.y, cellSize - 1, cellSize - 1, font,
                                     source.x, source.y, kGlyphSize, kGlyphSize, keyColour);
                 });
}

void drawGlyphTextBlend(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize,
                        int key, const Surface* font, const char* text, int16_t percent) {
    if (!dst || !font) return;
    forEachGlyph(text, x, y, boxWidth, boxHeight, cellSize,
                 [&](const GlyphPlace& place, const GlyphSource& source) {
                     blendBlit(dst, place.x, place.y, cellSize - 1, cellSize - 1, font, source.x,
                               source.y, kGlyphSize, kGlyphSize, percent, blendKey(key));
                 });
}

int16_t fadePercent(double fade, int span, int measure) {
    // A span of 0 (every glyph in the first row of a row-wise fade) has nothing to spread the
    // fade over: those glyphs are all at measure 0 and drawn at 100 %.
    if (span == 0 || measure == 0) return 100;
    double faded = std::trunc(fade / span * measure);
    if (!std::isfinite(faded)) faded = 0;
    // The truncated value is taken as a 16-bit integer, as the menus always have.
    if (faded > 2147483647.0) faded = 2147483647.0;
    if (faded < -2147483648.0) faded = -2147483648.0;
    const int16_t faded16 = static_cast<int16_t>(static_cast<int32_t>(faded));
    return static_cast<int16_t>(100 - faded16);
}

int drawGlyphTextFade(Surface* dst, int x, int y, int boxWidth, int boxHeight, int cellSize,
                      double fade, int style, int key, const Surface* font, const char* text) {
    const GlyphLayout layout = glyphLayout(boxWidth, boxHeight, cellSize);
    const int count = characterCount(text);
    if (style < 0 || style > 3) return -1;
    if (count == 0) return -2;
    if (layout.perRow <= 0) return -3;
    if (layout.lastRow == 0) return -4;

    int span = 1;
    switch (style) {
    case 0:
        span = count;
        break;
    case 1:
        span = count < layout.perRow ? count : layout.perRow;
        break;
    case 2:
        span = count / layout.perRow < layout.lastRow ? count / layout.perRow : layout.lastRow;
        break;
    default:
        span = 1;
        break;
    }
    if (!dst || !font) return 0;

    const int perRow = layout.perRow;
    forEachGlyph(text, x, y, boxWidth, boxHeight, cellSize,
                 [&](const GlyphPlace& place, const GlyphSource& source) {
                     int measure = 0;  // style 3: every glyph at full strength
                     if (style == 0) measure = place.row * perRow + place.column;
                     if (style == 1) measure = place.column;
                     if (style == 2) measure = place.row;
                     blendBlit(dst, place.x, place.y, cellSize - 1, cellSize - 1, font, source.x,
                               source.y, kGlyphSize, kGlyphSize, fadePercent(fade, span, measure),
                               blendKey(key));
                 });
    return 0;
}
