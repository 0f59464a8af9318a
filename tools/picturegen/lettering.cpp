#include "lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace pg {
namespace {

struct LetteringFont {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::map<char32_t, Mask> cache;
};
LetteringFont font;

}  // namespace

void openLetteringFont(const std::string& file) {
    if (font.face) return;
    if (FT_Init_FreeType(&font.library) || FT_New_Face(font.library, file.c_str(), 0, &font.face) ||
        FT_Set_Pixel_Sizes(font.face, 0, 16)) {
        std::fprintf(stderr, "picturegen: cannot open the pixel font %s\n", file.c_str());
        std::exit(1);
    }
}

Mask glyphMask(char32_t ch) {
    auto hit = font.cache.find(ch);
    if (hit != font.cache.end()) return hit->second;
    Mask m;
    m.h = 16;
    m.w = 16;
    if (FT_Load_Char(font.face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0) {
        FT_GlyphSlot g = font.face->glyph;
        m.w = int(g->advance.x >> 6);
        if (m.w <= 0) m.w = 8;
        m.on.assign(size_t(m.w) * m.h, 0);
        int ascent = int(font.face->size->metrics.ascender >> 6);
        const FT_Bitmap& b = g->bitmap;
        for (unsigned y = 0; y < b.rows; ++y)
            for (unsigned x = 0; x < b.width; ++x) {
                bool bit = (b.buffer[y * b.pitch + x / 8] >> (7 - x % 8)) & 1;
                int px = g->bitmap_left + int(x), py = ascent - g->bitmap_top + int(y);
                if (bit && px >= 0 && py >= 0 && px < m.w && py < m.h) m.on[size_t(py) * m.w + px] = 1;
            }
    } else {
        m.on.assign(size_t(m.w) * m.h, 0);
    }
    font.cache[ch] = m;
    return m;
}

Mask textMask(const std::u32string& text) {
    std::vector<Mask> glyphs;
    int w = 0;
    for (char32_t c : text) {
        glyphs.push_back(glyphMask(c));
        w += glyphs.back().w;
    }
    Mask m;
    m.w = w;
    m.h = 16;
    m.on.assign(size_t(m.w) * m.h, 0);
    int x0 = 0;
    for (auto& g : glyphs) {
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
                if (g.at(x, y)) m.on[size_t(y) * m.w + x0 + x] = 1;
        x0 += g.w;
    }
    return m;
}

std::u32string utf32(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        char32_t cp;
        int len;
        if (c < 0x80) { cp = c; len = 1; }
        else if ((c >> 5) == 6) { cp = c & 0x1F; len = 2; }
        else if ((c >> 4) == 14) { cp = c & 0x0F; len = 3; }
        else { cp = c & 0x07; len = 4; }
        for (int k = 1; k < len && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

Mask tinyText(const std::string& text) {
    // 3 x 5 cells, rows top to bottom, bit 2 = left column
    static const std::map<char, std::array<int, 5>> shapes = {
        {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
        {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
        {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
        {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}},
        {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
        {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
        {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}},
        {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}},
        {'6', {3, 4, 7, 5, 7}}, {'7', {7, 1, 1, 2, 2}}, {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 6}},
        {'!', {2, 2, 2, 0, 2}}, {'.', {0, 0, 0, 0, 2}}, {'-', {0, 0, 7, 0, 0}}, {' ', {0, 0, 0, 0, 0}},
    };
    Mask m;
    m.w = int(text.size()) * 4 - (text.empty() ? 0 : 1);
    m.h = 5;
    m.on.assign(size_t(std::max(m.w, 0)) * m.h, 0);
    for (size_t i = 0; i < text.size(); ++i) {
        auto it = shapes.find(text[i]);
        if (it == shapes.end()) continue;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 3; ++x)
                if ((it->second[y] >> (2 - x)) & 1) m.on[size_t(y) * m.w + i * 4 + x] = 1;
    }
    return m;
}

void stamp(Image& img, const Mask& m, int x, int y, int scale, Colour c) { stampRamp(img, m, x, y, scale, {c}); }

void stampRamp(Image& img, const Mask& m, int x, int y, int scale, const std::vector<Colour>& ramp) {
    // only the rows the mask uses take part in the ramp, so short letters get the whole ramp too
    int top = m.h, bottom = -1;
    for (int yy = 0; yy < m.h; ++yy)
        for (int xx = 0; xx < m.w; ++xx)
            if (m.at(xx, yy)) { top = std::min(top, yy); bottom = std::max(bottom, yy); }
    if (bottom < 0) return;
    int span = std::max(bottom - top, 1);
    for (int yy = 0; yy < m.h; ++yy)
        for (int xx = 0; xx < m.w; ++xx) {
            if (!m.at(xx, yy)) continue;
            size_t idx = ramp.size() == 1 ? 0 : std::min(ramp.size() - 1, size_t((yy - top) * ramp.size() / (span + 1)));
            rect(img, x + xx * scale, y + yy * scale, scale, scale, ramp[idx]);
        }
}

Mask grown(const Mask& m, int by) {
    Mask g;
    g.w = m.w + 2 * by;
    g.h = m.h + 2 * by;
    g.on.assign(size_t(g.w) * g.h, 0);
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x) {
            bool any = false;
            for (int dy = -by; dy <= by && !any; ++dy)
                for (int dx = -by; dx <= by && !any; ++dx) any = m.at(x - by + dx, y - by + dy);
            g.on[size_t(y) * g.w + x] = any;
        }
    return g;
}

}  // namespace pg
