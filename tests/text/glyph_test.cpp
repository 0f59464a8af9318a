// The bitmap-font text: which sheet cell holds a character, how a text is laid out in its box,
// and the exact pixels the three drawings put down.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

constexpr uint32_t kMagentaPixel = 0xFF00FF;

GlyphSource glyphOf(const char* utf8) {
    const std::string bytes = toShiftJis(utf8);
    GlyphSource source{-1, -1};
    if (bytes.size() < 2 || !findGlyph(static_cast<uint8_t>(bytes[0]), static_cast<uint8_t>(bytes[1]), source))
        return GlyphSource{-1, -1};
    return source;
}

void expectGlyphAt(const char* utf8, int x, int y) {
    const GlyphSource source = glyphOf(utf8);
    EXPECT_EQ(source.x, x) << utf8;
    EXPECT_EQ(source.y, y) << utf8;
}

Surface surfaceOf(int w, int h, uint32_t pixel) {
    Surface s;
    s.width = w;
    s.height = h;
    s.pixels.assign(static_cast<size_t>(w) * h, pixel);
    return s;
}

class GlyphDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        saved = display;
        display.width = 640;
        display.height = 480;
        display.mode = 0;
        // A sheet of magenta with two glyphs drawn in: "あ" (cell at 0, 0) has a red diagonal
        // and a blue top row; "い" (cell at 16, 0) is filled green.
        font = surfaceOf(320, 336, kMagentaPixel);
        for (int i = 0; i < 15; ++i) {
            font.row(1 + i)[1 + i] = 0xFF0000;
            font.row(1)[1 + i] = 0x0000FF;
            for (int j = 0; j < 15; ++j) font.row(1 + i)[17 + j] = 0x00FF00;
        }
        // The full-width space's cell in the symbol block: white, so drawing it is visible.
        for (int i = 0; i < 15; ++i)
            for (int j = 0; j < 15; ++j) font.row(321 + i)[17 + j] = 0xFFFFFF;
        screen = surfaceOf(200, 200, 0x101010);
    }
    void TearDown() override { display = saved; }

    DisplayState saved;
    Surface font, screen;
};

}  // namespace

TEST(GlyphLookup, EveryBlockPlacesItsCharactersRowByRow) {
    expectGlyphAt("あ", 1, 1);
    expectGlyphAt("お", 65, 1);
    expectGlyphAt("ゆ", 33, 113);   // row 7, the fillers around it keep their cells
    expectGlyphAt("っ", 33, 289);   // index 92: column 2, row 18
    expectGlyphAt("ア", 81, 1);
    expectGlyphAt("ッ", 113, 289);
    expectGlyphAt("ポ", 145, 273);  // last of the row of ぱ-sounds
    expectGlyphAt("ａ", 161, 1);
    expectGlyphAt("ｚ", 241, 33);
    expectGlyphAt("Ａ", 161, 49);
    expectGlyphAt("Ｚ", 241, 81);
    expectGlyphAt("０", 161, 145);
    expectGlyphAt("９", 305, 145);
    expectGlyphAt("ー", 1, 305);
    expectGlyphAt("￥", 225, 305);
    expectGlyphAt("・", 1, 321);
    expectGlyphAt("　", 17, 321);  // the full-width space is symbol cell 16
}

TEST(GlyphLookup, CharactersOutsideTheSheetsHaveNoGlyph) {
    expectGlyphAt("ヴ", -1, -1);  // a katakana the sheet does not hold
    expectGlyphAt("漢", -1, -1);
    expectGlyphAt("♪", -1, -1);
    // Lead bytes whose lowest bits pick the hiragana block find nothing there.
    GlyphSource source;
    EXPECT_FALSE(findGlyph(0x88, 0x9F, source));
    EXPECT_FALSE(findGlyph(0x82, 0x40, source));
}

TEST(GlyphLayout, CountsColumnsAndRowsOfTheBox) {
    // 64 / 16 = 4 columns, one less because the width is a multiple of the cell.
    EXPECT_EQ(glyphLayout(64, 50, 16).perRow, 3);
    EXPECT_EQ(glyphLayout(65, 50, 16).perRow, 4);
    EXPECT_EQ(glyphLayout(65, 50, 16).lastRow, 2);
    EXPECT_EQ(glyphLayout(65, 48, 16).lastRow, 1);
    EXPECT_EQ(glyphLayout(65, 20, 16).lastRow, 0);
}

TEST(GlyphText, DigitsAreFullWidth) {
    char buffer[3] = {'x', 'y', 'z'};
    digitGlyph(7, buffer);
    EXPECT_STREQ(buffer, sj("７"));
    char untouched[3] = {'a', 'b', 0};
    digitGlyph(10, untouched);
    digitGlyph(-1, untouched);
    EXPECT_STREQ(untouched, "ab");
    char three[8];
    threeDigitGlyphs(999, three);
    EXPECT_STREQ(three, sj("９９９"));
    threeDigitGlyphs(7, three);
    EXPECT_STREQ(three, sj("００７"));
}

TEST_F(GlyphDrawing, TransparentGlyphsLandInTheirCells) {
    // Width 33 with cells of 16: two characters per row; the third starts the next row.
    drawGlyphText(&screen, 0, 0, 33, 64, 16, -1, &font, sj("あいあ"));
    // "あ" at (10, 10): blue top row, red diagonal, the rest keyed out.
    EXPECT_EQ(screen.row(10)[10], 0x0000FFu);
    EXPECT_EQ(screen.row(10)[24], 0x0000FFu);
    EXPECT_EQ(screen.row(14)[14], 0xFF0000u);
    EXPECT_EQ(screen.row(14)[15], 0x101010u);
    EXPECT_EQ(screen.row(24)[24], 0xFF0000u);
    EXPECT_EQ(screen.row(25)[25], 0x101010u);  // the cell is 15 x 15
    // "い" at (26, 10) filled green.
    EXPECT_EQ(screen.row(10)[26], 0x00FF00u);
    EXPECT_EQ(screen.row(24)[40], 0x00FF00u);
    EXPECT_EQ(screen.row(10)[41], 0x101010u);
    // The third character on the second row.
    EXPECT_EQ(screen.row(26)[10], 0x0000FFu);
    EXPECT_EQ(screen.row(30)[14], 0xFF0000u);
}

TEST_F(GlyphDrawing, MissingGlyphsKeepTheirCellEmptyAndRowsStopAtTheBox) {
    // "ヴ" takes a cell without drawing; rows below the box are never reached.
    drawGlyphText(&screen, 0, 0, 49, 20, 16, -1, &font, sj("ヴいいいいい"));
    EXPECT_EQ(screen.row(12)[12], 0x101010u);
    EXPECT_EQ(screen.row(12)[28], 0x00FF00u);
    EXPECT_EQ(screen.row(12)[44], 0x00FF00u);
    EXPECT_EQ(screen.row(28)[12], 0x101010u);  // the second row lies outside the box
    // The full-width space draws its own cell.
    drawGlyphText(&screen, 100, 100, 33, 20, 16, -1, &font, sj("　"));
    EXPECT_EQ(screen.row(112)[112], 0xFFFFFFu);
}

TEST_F(GlyphDrawing, StretchesTheGlyphToTheCellSize) {
    // Cells of 31 pixels: each glyph pixel becomes a 2 x 2 block.
    drawGlyphText(&screen, 0, 0, 100, 40, 31, -1, &font, sj("あ"));
    EXPECT_EQ(screen.row(10)[10], 0x0000FFu);
    EXPECT_EQ(screen.row(11)[39], 0x0000FFu);
    EXPECT_EQ(screen.row(12)[12], 0xFF0000u);
    EXPECT_EQ(screen.row(13)[13], 0xFF0000u);
    EXPECT_EQ(screen.row(12)[14], 0x101010u);
}

TEST_F(GlyphDrawing, BlendedGlyphsMixAtTheirPercent) {
    drawGlyphTextBlend(&screen, 0, 0, 100, 40, 16, static_cast<int>(kMagenta), &font, sj("い"), 100);
    EXPECT_EQ(screen.row(10)[10], 0x00FF00u);
    Surface faint = surfaceOf(200, 200, 0x101010);
    drawGlyphTextBlend(&faint, 0, 0, 100, 40, 16, static_cast<int>(kMagenta), &font, sj("いあ"), 0);
    EXPECT_EQ(faint.row(10)[10], 0x101010u);
    drawGlyphTextBlend(&faint, 0, 0, 100, 40, 16, static_cast<int>(kMagenta), &font, sj("いあ"), 50);
    const uint32_t half = faint.row(10)[10];
    EXPECT_GT(half & 0xFF00, 0x1000u);
    EXPECT_LT(half & 0xFF00, 0xFF00u);
    EXPECT_EQ(faint.row(14)[27], 0x101010u);  // "あ"'s keyed pixels stay untouched
}

TEST_F(GlyphDrawing, FadeRefusesBadArguments) {
    EXPECT_EQ(drawGlyphTextFade(&screen, 0, 0, 100, 50, 16, 50, 4, -1, &font, sj("い")), -1);
    EXPECT_EQ(drawGlyphTextFade(&screen, 0, 0, 100, 50, 16, 50, -1, -1, &font, sj("い")), -1);
    EXPECT_EQ(drawGlyphTextFade(&screen, 0, 0, 100, 50, 16, 50, 1, -1, &font, ""), -2);
    EXPECT_EQ(drawGlyphTextFade(&screen, 0, 0, 15, 50, 16, 50, 1, -1, &font, sj("い")), -3);
    EXPECT_EQ(drawGlyphTextFade(&screen, 0, 0, 100, 20, 16, 50, 1, -1, &font, sj("い")), -4);
    EXPECT_EQ(screen.row(12)[12], 0x101010u);  // none of them drew
    // The same one-row box is drawn by the other two drawings.
    drawGlyphText(&screen, 0, 0, 100, 20, 16, -1, &font, sj("い"));
    EXPECT_EQ(screen.row(12)[12], 0x00FF00u);
    Surface other = surfaceOf(200, 200, 0x101010);
    drawGlyphTextBlend(&other, 0, 0, 100, 20, 16, -1, &font, sj("い"), 100);
    EXPECT_EQ(other.row(12)[12], 0x00FF00u);
    EXPECT_EQ(drawGlyphTextFade(&other, 0, 0, 100, 50, 16, 50, 1, -1, &font, sj("い")), 0);
}

TEST(GlyphFade, PercentsFollowTheStyleMeasure) {
    // Style 1, fade 50, 13 columns: the last column is drawn at 100 - trunc(50 * 12 / 13) = 54 %.
    EXPECT_EQ(fadePercent(50, 13, 0), 100);
    EXPECT_EQ(fadePercent(50, 13, 1), 97);
    EXPECT_EQ(fadePercent(50, 13, 12), 54);
    EXPECT_EQ(fadePercent(-100, 4, 2), 150);  // negative fades brighten; the blit clamps
    EXPECT_EQ(fadePercent(50, 0, 0), 100);
}

TEST_F(GlyphDrawing, FadeDrawsEachColumnAtItsOwnPercent) {
    // Box of 14 columns less one: 13 per row. Column 0 at 100 %, column 12 at 54 %.
    Surface dst = surfaceOf(400, 100, 0x000000);
    drawGlyphTextFade(&dst, 0, 0, 14 * 16, 50, 16, 50, 1, -1, &font, sj("いいいいいいいいいいいいい"));
    EXPECT_EQ(dst.row(12)[12], 0x00FF00u);
    Surface expected = surfaceOf(400, 100, 0x000000);
    blendBlit(&expected, 10 + 12 * 16, 10, 15, 15, &font, 17, 1, 15, 15, 54, kKeyConstantOpacity);
    EXPECT_EQ(dst.row(12)[10 + 12 * 16 + 2], expected.row(12)[10 + 12 * 16 + 2]);
    EXPECT_NE(dst.row(12)[10 + 12 * 16 + 2], 0x00FF00u);
}

TEST(GlyphTable, ReadsRecordsAndTheirCounts) {
    const auto dir = std::filesystem::temp_directory_path() / ("yomogi_glyph_table_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "mojidata.txt").string();
    {
        std::ofstream out(path);
        for (int record = 0; record < 8; ++record)
            for (int k = 0; k < 14; ++k) {
                if (k == record + 2) out << "160 160\n";
                else out << k * 10 << ' ' << record << '\n';
            }
    }
    ASSERT_TRUE(readGlyphTable(path.c_str()));
    EXPECT_EQ(fonts.glyphTable[0].count, 2);
    EXPECT_EQ(fonts.glyphTable[7].count, 9);
    EXPECT_EQ(fonts.glyphTable[3].x[4], 40);
    EXPECT_EQ(fonts.glyphTable[3].y[4], 3);

    // Short and garbled files keep what was read; a missing one gives an empty table.
    { std::ofstream out(path); out << "1 2 3 4 160 160 7 8 x 9"; }
    EXPECT_TRUE(readGlyphTable(path.c_str()));
    EXPECT_EQ(fonts.glyphTable[0].x[1], 3);
    EXPECT_EQ(fonts.glyphTable[0].count, 2);
    EXPECT_EQ(fonts.glyphTable[0].x[3], 7);
    EXPECT_EQ(fonts.glyphTable[1].count, 0);
    EXPECT_FALSE(readGlyphTable((dir / "missing.txt").string().c_str()));
    EXPECT_EQ(fonts.glyphTable[0].count, 0);
    EXPECT_EQ(fonts.glyphTable[0].x[0], 0);
    std::filesystem::remove_all(dir);
}
