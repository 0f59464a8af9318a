// The plain copies in device pixels: never doubled, keyed by colour reference.
#include "gfx_support.h"

namespace {

class Copies : public GfxTest {};

Surface numbered(int w, int h) {
    Surface s = deviceSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) put(s, x, y, static_cast<uint32_t>(y * 100 + x + 1));
    return s;
}

TEST_F(Copies, CopyIsNeverDoubled) {
    useMode(1);
    Surface src = numbered(4, 4);
    Surface dst = deviceSurface(8, 8);
    copyBlit(&dst, 2, 3, 2, 2, &src, 1, 1);
    EXPECT_EQ(at(dst, 2, 3), 102u);
    EXPECT_EQ(at(dst, 3, 3), 103u);
    EXPECT_EQ(at(dst, 2, 4), 202u);
    EXPECT_EQ(at(dst, 3, 4), 203u);
    EXPECT_EQ(at(dst, 4, 3), 0u);
    EXPECT_EQ(at(dst, 2, 5), 0u);
}

TEST_F(Copies, FillsBlackAndWhite) {
    Surface s = deviceSurface(4, 4, 0x123456);
    fillWhite(&s, 1, 1, 2, 2);
    fillBlack(&s, 2, 2, 5, 5);
    EXPECT_EQ(at(s, 0, 0), 0x123456u);
    EXPECT_EQ(at(s, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(at(s, 2, 2), 0u);
    EXPECT_EQ(at(s, 3, 3), 0u);
    EXPECT_EQ(at(s, 1, 2), 0xFFFFFFu);
}

TEST_F(Copies, StretchRepeatsAndDrops) {
    Surface src = numbered(3, 2);
    Surface dst = deviceSurface(6, 4);
    stretchBlit(&dst, 0, 0, 6, 4, &src, 0, 0, 3, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(at(dst, x, y), at(src, x / 2, y / 2));
    Surface shrunk = deviceSurface(2, 1);
    Surface wide = numbered(6, 1);
    stretchBlit(&shrunk, 0, 0, 2, 1, &wide, 0, 0, 6, 1);
    EXPECT_EQ(at(shrunk, 0, 0), 1u);  // column 0
    EXPECT_EQ(at(shrunk, 1, 0), 4u);  // column 3
    // 3 -> 2: columns 0 and floor(3/2) = 1.
    Surface two = deviceSurface(2, 1);
    stretchBlit(&two, 0, 0, 2, 1, &wide, 0, 0, 3, 1);
    EXPECT_EQ(at(two, 1, 0), 2u);
}

TEST_F(Copies, TransparentCopyLeavesOutTheKeyColour) {
    Surface src = deviceSurface(3, 1);
    put(src, 0, 0, 0xFF00FF);
    put(src, 1, 0, 0xFF0000);  // red
    put(src, 2, 0, 0x0000FF);  // blue
    Surface dst = deviceSurface(6, 1, 0x777777);
    transparentBlit(&dst, 0, 0, 6, 1, &src, 0, 0, 3, 1, kMagenta);
    EXPECT_EQ(at(dst, 0, 0), 0x777777u);
    EXPECT_EQ(at(dst, 1, 0), 0x777777u);
    EXPECT_EQ(at(dst, 2, 0), 0xFF0000u);
    EXPECT_EQ(at(dst, 5, 0), 0x0000FFu);
    // The key is a colour reference: 0x0000FF is red.
    Surface again = deviceSurface(3, 1, 0x777777);
    transparentBlit(&again, 0, 0, 3, 1, &src, 0, 0, 3, 1, 0x0000FF);
    EXPECT_EQ(at(again, 1, 0), 0x777777u);
    EXPECT_EQ(at(again, 2, 0), 0x0000FFu);
}

TEST_F(Copies, CopyWithinOneSurfaceReadsThePictureAsItWas) {
    Surface s = numbered(5, 1);
    copyBlit(&s, 1, 0, 4, 1, &s, 0, 0);
    EXPECT_EQ(s.pixels, (std::vector<uint32_t>{1, 1, 2, 3, 4}));
    Surface t = numbered(5, 1);
    transparentBlit(&t, 0, 0, 4, 1, &t, 1, 0, 4, 1, 0xFFFFFF);
    EXPECT_EQ(t.pixels, (std::vector<uint32_t>{2, 3, 4, 5, 5}));
}

}  // namespace
