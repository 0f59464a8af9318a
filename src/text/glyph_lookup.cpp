// Which cell of a font sheet holds a character. The sheets group the characters in six blocks;
// a character's place in its block gives its cell, row by row.
#include <array>
#include <string>
#include <vector>

#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

struct GlyphBlock {
    int originX, originY;
    int columns;
    std::vector<uint16_t> codes;  // Shift-JIS characters in index order
};

// The blocks' contents in index order. "　" marks a filler cell: a full-width space, which is
// looked up in the symbol block, so the fillers of the kana blocks are never matched.
constexpr const char* kHiragana =
    "あいうえお" "かきくけこ" "さしすせそ" "たちつてと" "なにぬねの" "はひふへほ" "まみむめも"
    "や　ゆ　よ" "らりるれろ" "わ　　　を" "ん　　　　" "ぁぃぅぇぉ" "ゃ　ゅ　ょ" "がぎぐげご"
    "ざじずぜぞ" "だぢづでど" "ばびぶべぼ" "ぱぴぷぺぽ" "　　っ";
constexpr const char* kKatakana =
    "アイウエオ" "カキクケコ" "サシスセソ" "タチツテト" "ナニヌネノ" "ハヒフヘホ" "マミムメモ"
    "ヤ　ユ　ヨ" "ラリルレロ" "ワ　　　ヲ" "ン　　　　" "ァィゥェォ" "ャ　ュ　ョ" "ガギグゲゴ"
    "ザジズゼゾ" "ダヂヅデド" "バビブベボ" "パピプペポ" "　　ッ";
constexpr const char* kLower = "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ";
constexpr const char* kUpper = "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ";
constexpr const char* kDigits = "０１２３４５６７８９";
constexpr const char* kSymbols = "ー！？”＆＋－：「」。、☆％￥・　";

enum BlockIndex { kHiraganaBlock, kKatakanaBlock, kLowerBlock, kUpperBlock, kDigitBlock, kSymbolBlock };

std::vector<uint16_t> codesOf(const char* utf8) {
    const std::string bytes = toShiftJis(utf8);
    std::vector<uint16_t> codes;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        codes.push_back(static_cast<uint16_t>((static_cast<uint8_t>(bytes[i]) << 8) |
                                              static_cast<uint8_t>(bytes[i + 1])));
    return codes;
}

const std::array<GlyphBlock, 6>& blocks() {
    static const std::array<GlyphBlock, 6> table = {{
        {0, 0, 5, codesOf(kHiragana)},
        {80, 0, 5, codesOf(kKatakana)},
        {160, 0, 10, codesOf(kLower)},
        {160, 48, 10, codesOf(kUpper)},
        {160, 144, 10, codesOf(kDigits)},
        {0, 304, 15, codesOf(kSymbols)},
    }};
    return table;
}

// The block is chosen from the lead byte's lowest two bits and the trail byte's range, the way
// Shift-JIS lays out its rows: 0x81 symbols, 0x82 digits, Latin and hiragana, 0x83 katakana.
int blockFor(uint8_t b0, uint8_t b1) {
    switch (b0 % 4) {
    case 1:
        return kSymbolBlock;
    case 3:
        return kKatakanaBlock;
    case 2:
        if (b1 >= 0x4F && b1 <= 0x58) return kDigitBlock;
        if (b1 >= 0x60 && b1 <= 0x80) return kUpperBlock;
        if (b1 >= 0x81 && b1 <= 0x9A) return kLowerBlock;
        return kHiraganaBlock;
    default:
        return kHiraganaBlock;
    }
}

}  // namespace

bool findGlyph(uint8_t b0, uint8_t b1, GlyphSource& out) {
    const GlyphBlock& block = blocks()[static_cast<size_t>(blockFor(b0, b1))];
    const uint16_t code = static_cast<uint16_t>((b0 << 8) | b1);
    for (size_t j = 0; j < block.codes.size(); ++j) {
        if (block.codes[j] != code) continue;
        const int column = static_cast<int>(j) % block.columns;
        const int row = static_cast<int>(j) / block.columns;
        out.x = block.originX + column * 16 + 1;
        out.y = block.originY + row * 16 + 1;
        return true;
    }
    return false;
}

void digitGlyph(int digit, char* out) {
    if (digit < 0 || digit > 9) return;
    static const std::string digits = toShiftJis(kDigits);
    out[0] = digits[static_cast<size_t>(digit) * 2];
    out[1] = digits[static_cast<size_t>(digit) * 2 + 1];
    out[2] = '\0';
}

void threeDigitGlyphs(int value, char* out) {
    char hundreds[3] = {}, tens[3] = {}, units[3] = {};
    digitGlyph(value / 100 % 10, hundreds);
    digitGlyph(value / 10 % 10, tens);
    digitGlyph(value % 10, units);
    std::string joined = std::string(hundreds) + tens + units;
    joined.copy(out, 6);
    out[joined.size() < 6 ? joined.size() : 6] = '\0';
}
