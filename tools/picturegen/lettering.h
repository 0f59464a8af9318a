// Lettering for pictures that carry words (title logo, banners, labels): glyphs come from the
// Unifont pixel font through FreeType, as one-bit masks that are then scaled by whole factors
// and coloured, so every letter stays a crisp pixel letter.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace pg {

struct Mask {
    int w = 0, h = 0;
    std::vector<uint8_t> on;
    bool at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && on[size_t(y) * w + x]; }
};

// Opens the pixel font once; the tool ends with a message when it cannot be read.
void openLetteringFont(const std::string& file);
// One character on the font's 16-pixel em square: 16 x 16 for full-width characters,
// 8 x 16 for half-width ones (advance is the character's width).
Mask glyphMask(char32_t ch);
// A line of text, characters side by side at their advances.
Mask textMask(const std::u32string& text);
// Decodes UTF-8 so sources can hold readable literals.
std::u32string utf32(const std::string& utf8);

// Tiny 3 x 5 capitals and digits for lettering smaller than the pixel font.
Mask tinyText(const std::string& text);

// Paints the mask at (x, y), every mask pixel a scale x scale square; colourAt(row of the
// mask, 0..h-1) picks the colour per mask row so letters can carry a vertical ramp.
void stamp(Image& img, const Mask& m, int x, int y, int scale, Colour c);
void stampRamp(Image& img, const Mask& m, int x, int y, int scale, const std::vector<Colour>& ramp);
// Grows a mask by one pixel in every direction (for outlines).
Mask grown(const Mask& m, int by);

}  // namespace pg
