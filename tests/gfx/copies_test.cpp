// The plain copies in device pixels: never doubled, keyed by colour reference.
#include <random>

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

// Keyed copies, stretched or not, against the rule pixel by pixel: destination column x + i
// takes source column sx + floor(i * sw / w) (rows alike) unless that pixel is the key colour,
// and nothing outside either surface is touched.
TEST_F(Copies, KeyedStretchMatchesThePixelRule) {
    std::mt19937 rng(5);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = deviceSurface(23, 17);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x)
            put(src, x, y, (x * 7 + y * 3) % 5 == 0 ? 0xFF00FF : static_cast<uint32_t>(0x10000 + y * 256 + x));
    for (int round = 0; round < 800; ++round) {
        Surface dst = deviceSurface(50, 44);
        for (size_t i = 0; i < dst.pixels.size(); ++i) dst.pixels[i] = static_cast<uint32_t>(0x400000 + i);
        Surface expected = dst;
        int x = pick(-15, 45), y = pick(-15, 40), w = pick(1, 60), h = pick(1, 50);
        int sx = pick(-5, 20), sy = pick(-5, 14), sw = round % 4 == 0 ? w : pick(1, 30), sh = pick(1, 25);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                int X = x + i, Y = y + j;
                int64_t u = sx + static_cast<int64_t>(i) * sw / w, v = sy + static_cast<int64_t>(j) * sh / h;
                if (X < 0 || Y < 0 || X >= dst.width || Y >= dst.height) continue;
                if (u < 0 || v < 0 || u >= src.width || v >= src.height) continue;
                uint32_t p = at(src, static_cast<int>(u), static_cast<int>(v));
                if (p != 0xFF00FF) put(expected, X, Y, p);
            }
        transparentBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, kMagenta);
        ASSERT_EQ(dst.pixels, expected.pixels) << x << " " << y << " " << w << " " << h << " / " << sx
                                               << " " << sy << " " << sw << " " << sh;
    }
}

}  // namespace

#include "gfx/surface_internal.h"

namespace {

// Every plain copy on random rectangles (clipped, stretched or not on either axis, overlapping
// either edge) against its rule pixel by pixel: destination (x + i, y + j) samples source
// (sx + floor(i * sw / w), sy + floor(j * sh / h)) when both lie inside their surfaces, and
// nothing else changes. Some pixels carry a fourth byte, which a copy keeps, the keyed copy
// compares whole and the mix clears.
TEST_F(Copies, FastPathsMatchThePixelRuleOnRandomRectangles) {
    std::mt19937 rng(16);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = deviceSurface(37, 29);
    for (auto& p : src.pixels) {
        const int kind = pick(0, 9);
        p = kind < 2 ? 0xFF00FFu : static_cast<uint32_t>(rng()) & (kind == 9 ? 0xFFFFFFFFu : 0xFFFFFFu);
    }
    Surface base = deviceSurface(61, 47);
    for (auto& p : base.pixels) p = static_cast<uint32_t>(rng()) & (pick(0, 9) == 0 ? 0xFFFFFFFFu : 0xFFFFFFu);

    for (int round = 0; round < 1200; ++round) {
        const int x = pick(-20, 55), y = pick(-20, 42), w = pick(1, 70), h = pick(1, 60);
        const int sx = pick(-8, 34), sy = pick(-8, 26);
        const int kind = round % 4;
        const int sw = kind != 1 && pick(0, 2) == 0 ? pick(1, 45) : w;
        const int sh = kind != 1 && pick(0, 2) == 0 ? pick(1, 35) : h;
        const int opacity = pick(0, 3) == 0 ? (pick(0, 1) ? 0 : 255) : pick(1, 254);
        Surface dst = base, expected = base;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const int X = x + i, Y = y + j;
                const int64_t u = sx + int64_t{i} * sw / w, v = sy + int64_t{j} * sh / h;
                if (X < 0 || Y < 0 || X >= dst.width || Y >= dst.height) continue;
                if (u < 0 || v < 0 || u >= src.width || v >= src.height) continue;
                const uint32_t s = at(src, static_cast<int>(u), static_cast<int>(v)), d = at(base, X, Y);
                uint32_t want = s;
                if (kind == 2) want = s == 0xFF00FF ? d : s;
                if (kind == 3) want = opacity == 0 ? d : OpacityMix(opacity)(s, d);
                put(expected, X, Y, want);
            }
        switch (kind) {
            case 0: stretchBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh); break;
            case 1: stretchBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh); break;
            case 2: transparentBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, kMagenta); break;
            case 3: alphaBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, opacity); break;
        }
        if (kind == 1) {
            // The unstretched call must be the plain copy too.
            Surface copied = base;
            copyBlit(&copied, x, y, w, h, &src, sx, sy);
            ASSERT_EQ(copied.pixels, dst.pixels) << "copyBlit, round " << round;
        }
        ASSERT_TRUE(dst.pixels == expected.pixels)
            << "kind " << kind << " opacity " << opacity << ": " << x << " " << y << " " << w << " "
            << h << " / " << sx << " " << sy << " " << sw << " " << sh;
    }
}

}  // namespace
