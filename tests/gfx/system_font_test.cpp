// System-font text: formatting, the cell size in both modes, opaque and transparent backgrounds.
#include <string>

#include "gfx_support.h"
#include "text/sjis.h"

namespace {

class SystemFontText : public GfxTest {
protected:
    void TearDown() override {
        releaseSystemFont();
        GfxTest::TearDown();
    }
};

int count(const Surface& s, uint32_t pixel) {
    int n = 0;
    for (uint32_t p : s.pixels) n += p == pixel;
    return n;
}

TEST_F(SystemFontText, FirstDrawingCreatesTheDefaultFont) {
    releaseSystemFont();
    int w = 0, h = 0;
    EXPECT_FALSE(systemFontCell(w, h));
    Surface s = deviceSurface(64, 32, 0xFFFFFF);
    drawSystemText(&s, 0, 0, 0, 0xFFFFFFFF, "NULL");
    ASSERT_TRUE(systemFontCell(w, h));
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 16);
}

TEST_F(SystemFontText, SizesAreDoubledInDoubleSizeMode) {
    useMode(1);
    createSystemFont(8, 16, sj("ＭＳ 明朝"));
    int w = 0, h = 0;
    ASSERT_TRUE(systemFontCell(w, h));
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 32);
    // The opaque box of "%d-%s" -> "12-ab": five cells of 16 x 32 at device (4, 6).
    Surface s = deviceSurface(120, 50, 0xFFFFFF);
    drawSystemText(&s, 2, 3, 0x0000FF, 0x00FF00, "%d-%s", 12, "ab");
    EXPECT_EQ(at(s, 4, 6), 0x00FF00u);
    EXPECT_EQ(at(s, 83, 37), 0x00FF00u);
    EXPECT_EQ(at(s, 84, 37), 0xFFFFFFu);
    EXPECT_EQ(at(s, 83, 38), 0xFFFFFFu);
    EXPECT_EQ(at(s, 3, 6), 0xFFFFFFu);
    EXPECT_EQ(count(s, 0x00FF00) + count(s, 0xFF0000), 80 * 32);
    EXPECT_GT(count(s, 0xFF0000), 20);  // the glyphs, in red
}

TEST_F(SystemFontText, TransparentBackgroundDrawsOnlyTheGlyphs) {
    Surface s = deviceSurface(64, 20, 0x808080);
    drawSystemText(&s, 1, 1, 0, 0xFFFFFFFF, "NULL");
    int ink = count(s, 0), rest = count(s, 0x808080);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(ink + rest, 64 * 20);
    // Nothing outside the four cells.
    for (int y = 0; y < 20; ++y)
        for (int x = 33; x < 64; ++x) EXPECT_EQ(at(s, x, y), 0x808080u);
}

TEST_F(SystemFontText, LongTextIsCutNotOverflowed) {
    std::string longText(5000, 'W');
    Surface s = deviceSurface(32, 16, 0xFFFFFF);
    drawSystemText(&s, -8, 0, 0, 0x00FF00, "%s%s", longText.c_str(), longText.c_str());
    EXPECT_GT(count(s, 0x00FF00), 0);
    drawSystemText(nullptr, 0, 0, 0, 0, "%s", "nothing to draw on");
}

}  // namespace
