// The glyph sheets of the bitmap-font text: every full-width character the game knows has a
// fixed 16 x 16 cell, the glyph in the 15 x 15 pixels at (1, 1) of the cell. Six blocks:
//
//   hiragana   at (0, 0),     5 per row, 93 entries
//   katakana   at (80, 0),    5 per row, 93 entries
//   a..z       at (160, 0),   10 per row
//   A..Z       at (160, 48),  10 per row
//   0..9       at (160, 144), one row
//   symbols    at (0, 304),   15 per row, 17 entries
//
// Glyphs come from the Unifont pixel font at its native 16 pixels, so they are exact pixels.
// Each sheet has its own colour and key:
//   font.bmp        dark ink on magenta: the title's labels on the scroll
//   font2.bmp       warm gold on magenta, with a shadow: panels, companions, menus, credits
//   font2color.bmp  torch red on magenta: the title's highlighted label
//   font3.bmp       parchment on black: the title's descriptions (drawn keyed on black)
#include "catalog.h"
#include "lettering.h"
#include "sources.h"

namespace pg {
namespace {

struct GlyphBlock {
    int x, y, columns;
    const char* chars;  // UTF-8; the full-width space marks a filler in the kana blocks
};

// The characters of each block in the game's order.
constexpr GlyphBlock kGlyphBlocks[6] = {
    {0, 0, 5,
     "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもや　ゆ　よらりるれろわ　　　をん　　　　"
     "ぁぃぅぇぉゃ　ゅ　ょがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ　　っ"},
    {80, 0, 5,
     "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ　ユ　ヨラリルレロワ　　　ヲン　　　　"
     "ァィゥェォャ　ュ　ョガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ　　ッ"},
    {160, 0, 10, "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"},
    {160, 48, 10, "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"},
    {160, 144, 10, "０１２３４５６７８９"},
    {0, 304, 15, "ー！？”＆＋－：「」。、☆％￥・　"},
};

struct SheetStyle {
    Colour key;
    std::vector<Colour> ramp;  // top to bottom of the glyph
    Colour shadow;             // kNoKey for none
};

// The glyph of one character fitted into the 15 x 15 box: Unifont draws on a 16 x 16 em, so
// a glyph that reaches the last column or row is moved in by one.
Mask fittedGlyph(char32_t ch) {
    Mask em = glyphMask(ch);
    int ox = em.w < 16 ? (16 - em.w) / 2 : 0;  // centre half-width glyphs in the cell
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < em.h; ++y)
        for (int x = 0; x < em.w; ++x)
            if (em.at(x, y)) { minX = std::min(minX, x + ox); maxX = std::max(maxX, x + ox); minY = std::min(minY, y); maxY = std::max(maxY, y); }
    Mask m;
    m.w = m.h = 15;
    m.on.assign(15 * 15, 0);
    if (maxX < 0) return m;
    int sx = std::max(0, maxX - 14), sy = std::max(0, maxY - 14);
    sx = std::min(sx, minX);
    sy = std::min(sy, minY);
    for (int y = 0; y < em.h; ++y)
        for (int x = 0; x < em.w; ++x)
            if (em.at(x, y)) {
                int tx = x + ox - sx, ty = y - sy;
                if (tx >= 0 && ty >= 0 && tx < 15 && ty < 15) m.on[size_t(ty) * 15 + tx] = 1;
            }
    return m;
}

Image glyphSheet(const SheetStyle& style) {
    Image sheet(320, 336, style.key);
    for (const auto& block : kGlyphBlocks) {
        std::u32string chars = utf32(block.chars);
        for (size_t j = 0; j < chars.size(); ++j) {
            int cx = block.x + int(j % block.columns) * 16 + 1;
            int cy = block.y + int(j / block.columns) * 16 + 1;
            Mask g = fittedGlyph(chars[j]);
            if (style.shadow != kNoKey)
                for (int y = 0; y < 15; ++y)
                    for (int x = 0; x < 15; ++x)
                        if (g.at(x, y) && x + 1 < 15 && y + 1 < 15 && !g.at(x + 1, y + 1)) sheet.set(cx + x + 1, cy + y + 1, style.shadow);
            stampRamp(sheet, g, cx, cy, 1, style.ramp);
        }
    }
    return sheet;
}

}  // namespace

void addFonts(Catalog& out, const std::string& fontFile) {
    openLetteringFont(fontFile);
    out.push_back({"bmp/font.bmp", glyphSheet({kMagenta, {pal("ink"), pal("wood0"), pal("wood1")}, kNoKey})});
    out.push_back({"bmp/font2.bmp", glyphSheet({kMagenta, {pal("torch5"), pal("torch4"), pal("gold3"), pal("torch3")}, pal("wood0")})});
    out.push_back({"bmp/font2color.bmp", glyphSheet({kMagenta, {pal("torch4"), pal("torch3"), pal("torch2"), pal("red2")}, pal("red0")})});
    out.push_back({"bmp/font3.bmp", glyphSheet({kBlack, {pal("paper3"), pal("paper2"), pal("paper2")}, kNoKey})});
}

}  // namespace pg
