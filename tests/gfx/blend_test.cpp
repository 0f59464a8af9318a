// The blend blit's three mixes, pixel by pixel.
#include "gfx_support.h"

namespace {

class Blend : public GfxTest {
protected:
    // A 4 x 1 source: magenta, red, a grey, white.
    Surface source() {
        Surface s = deviceSurface(4, 1);
        put(s, 0, 0, 0xFF00FF);
        put(s, 1, 0, 0xFF0000);
        put(s, 2, 0, 0xC8C8C8);  // 200
        put(s, 3, 0, 0xFFFFFF);
        return s;
    }
};

TEST_F(Blend, FullPercentWithMagentaKeyIsAKeyedCopy) {
    Surface src = source();
    Surface dst = deviceSurface(6, 3, 0x646464);  // 100
    blendBlit(&dst, 1, 1, 4, 1, &src, 0, 0, 4, 1, 100, kMagenta);
    EXPECT_EQ(at(dst, 1, 1), 0x646464u);  // magenta keeps the destination
    EXPECT_EQ(at(dst, 2, 1), 0xFF0000u);
    EXPECT_EQ(at(dst, 3, 1), 0xC8C8C8u);
    EXPECT_EQ(at(dst, 4, 1), 0xFFFFFFu);
    EXPECT_EQ(at(dst, 0, 1), 0x646464u);
    EXPECT_EQ(at(dst, 5, 1), 0x646464u);
    EXPECT_EQ(at(dst, 2, 0), 0x646464u);
}

TEST_F(Blend, PercentIsClampedTo0And100) {
    Surface src = source();
    Surface over = deviceSurface(4, 1, 0x646464);
    blendBlit(&over, 0, 0, 4, 1, &src, 0, 0, 4, 1, 150, kMagenta);
    Surface full = deviceSurface(4, 1, 0x646464);
    blendBlit(&full, 0, 0, 4, 1, &src, 0, 0, 4, 1, 100, kMagenta);
    EXPECT_EQ(over.pixels, full.pixels);

    Surface under = deviceSurface(4, 1, 0x646464);
    blendBlit(&under, 0, 0, 4, 1, &src, 0, 0, 4, 1, -20, kMagenta);
    EXPECT_EQ(under.pixels, deviceSurface(4, 1, 0x646464).pixels);

    // The constant opacity is clamped the same way: -20 draws at opacity 0.
    Surface faded = deviceSurface(4, 1, 0x646464);
    blendBlit(&faded, 0, 0, 4, 1, &src, 0, 0, 4, 1, -20, kKeyConstantOpacity);
    EXPECT_EQ(faded.pixels, deviceSurface(4, 1, 0x646464).pixels);
    Surface opaque = deviceSurface(4, 1, 0x646464);
    blendBlit(&opaque, 0, 0, 4, 1, &src, 0, 0, 4, 1, 150, kKeyConstantOpacity);
    EXPECT_EQ(opaque.pixels, src.pixels);
}

TEST_F(Blend, PercentMixTruncatesSinglePrecisionProducts) {
    Surface src = deviceSurface(3, 1);
    put(src, 0, 0, 0xC8FF00);  // red 200, green 255, blue 0
    put(src, 1, 0, 0x0000FF);
    put(src, 2, 0, 0x010203);
    Surface dst = deviceSurface(3, 1);
    put(dst, 0, 0, 0x6400FF);  // red 100, green 0, blue 255
    put(dst, 1, 0, 0x00FF00);
    put(dst, 2, 0, 0x030201);
    Surface half = dst;
    blendBlit(&half, 0, 0, 3, 1, &src, 0, 0, 3, 1, 50, kMagenta);
    // red (200 + 100) / 2 = 150; green 127.5 -> 127; blue 127.5 -> 127
    EXPECT_EQ(at(half, 0, 0), 0x967F7Fu);
    EXPECT_EQ(at(half, 1, 0), 0x007F7Fu);
    EXPECT_EQ(at(half, 2, 0), 0x020202u);

    Surface third = dst;
    blendBlit(&third, 0, 0, 3, 1, &src, 0, 0, 3, 1, 30, kMagenta);
    // p = 0.3f, q = 1 - p: green 255 * p = 76.5 -> 76; blue 255 * q = 178.5 -> 178;
    // red 200 * p + 100 * q = 60.000004 + 70 -> 130.
    EXPECT_EQ(at(third, 0, 0), (130u << 16) | (76u << 8) | 178u);
    EXPECT_EQ(at(third, 1, 0), (0u << 16) | (178u << 8) | 76u);
}

TEST_F(Blend, KeyIsComparedWithThePixelAsItLiesInMemory) {
    // Key 0x0000FF would be red as a colour reference, but the keyed mix compares the pixel's
    // own bits: the pure blue pixel (0x0000FF in memory) is the one left out.
    Surface src = deviceSurface(2, 1);
    put(src, 0, 0, 0x0000FF);
    put(src, 1, 0, 0xFF0000);
    Surface dst = deviceSurface(2, 1, 0x123456);
    blendBlit(&dst, 0, 0, 2, 1, &src, 0, 0, 2, 1, 100, 0x0000FF);
    EXPECT_EQ(at(dst, 0, 0), 0x123456u);
    EXPECT_EQ(at(dst, 1, 0), 0xFF0000u);
    // Black key: black is left out, everything else drawn.
    Surface black = deviceSurface(2, 1);
    put(black, 1, 0, 0x010101);
    Surface out = deviceSurface(2, 1, 0x808080);
    blendBlit(&out, 0, 0, 2, 1, &black, 0, 0, 2, 1, 100, kBlack);
    EXPECT_EQ(at(out, 0, 0), 0x808080u);
    EXPECT_EQ(at(out, 1, 0), 0x010101u);
}

TEST_F(Blend, ConstantOpacity) {
    Surface src = deviceSurface(3, 1);
    put(src, 0, 0, 0xFF0000);
    put(src, 1, 0, 0x00FF00);
    put(src, 2, 0, 0xC8C8C8);
    Surface dst = deviceSurface(3, 1);
    put(dst, 0, 0, 0x0000FF);
    put(dst, 1, 0, 0x00FF00);
    put(dst, 2, 0, 0x646464);
    Surface full = dst;
    blendBlit(&full, 0, 0, 3, 1, &src, 0, 0, 3, 1, 100, kKeyConstantOpacity);
    EXPECT_EQ(full.pixels, src.pixels);
    // 50 % is opacity 127: (s * 127 + d * 128) / 255, truncated. The key colour plays no part.
    Surface half = dst;
    blendBlit(&half, 0, 0, 3, 1, &src, 0, 0, 3, 1, 50, kKeyConstantOpacity);
    EXPECT_EQ(at(half, 0, 0), (127u << 16) | 128u);
    EXPECT_EQ(at(half, 1, 0), 0x00FF00u);
    EXPECT_EQ(at(half, 2, 0), 0x959595u);  // (200*127 + 100*128) / 255 = 149.8 -> 149
    // The plain copy with the same arithmetic.
    Surface direct = dst;
    alphaBlit(&direct, 0, 0, 3, 1, &src, 0, 0, 3, 1, 127);
    EXPECT_EQ(direct.pixels, half.pixels);
}

TEST_F(Blend, ConstantOpacityIsExactForEveryPairOfChannelValues) {
    // Source channel values run along x, destination values along y, in all three channels.
    Surface src = deviceSurface(256, 256), base = deviceSurface(256, 256);
    for (uint32_t y = 0; y < 256; ++y)
        for (uint32_t x = 0; x < 256; ++x) {
            put(src, x, y, (x << 16) | ((255 - x) << 8) | x);
            put(base, x, y, (y << 16) | (y << 8) | (255 - y));
        }
    for (int a = 0; a <= 255; a += 1) {
        Surface dst = base;
        alphaBlit(&dst, 0, 0, 256, 256, &src, 0, 0, 256, 256, a);
        int wrong = 0;
        for (uint32_t y = 0; y < 256; ++y)
            for (uint32_t x = 0; x < 256; ++x) {
                auto mix = [a](uint32_t s, uint32_t d) { return (s * a + d * (255 - a)) / 255; };
                uint32_t want = (mix(x, y) << 16) | (mix(255 - x, y) << 8) | mix(x, 255 - y);
                wrong += at(dst, x, y) != want;
            }
        ASSERT_EQ(wrong, 0) << "opacity " << a;
    }
}

TEST_F(Blend, AdditiveMixSaturatesEveryChannelOnItsOwn) {
    Surface src = deviceSurface(4, 1);
    put(src, 0, 0, 0xFFFFFF);
    put(src, 1, 0, 0x000000);
    put(src, 2, 0, 0x201020);
    put(src, 3, 0, 0x80FF01);
    Surface dst = deviceSurface(4, 1);
    put(dst, 0, 0, 0x123456);
    put(dst, 1, 0, 0x123456);
    put(dst, 2, 0, 0xF01010);
    put(dst, 3, 0, 0x9001FE);
    blendBlit(&dst, 0, 0, 4, 1, &src, 0, 0, 4, 1, 0, kKeyAdditive);  // percent ignored
    EXPECT_EQ(at(dst, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(at(dst, 1, 0), 0x123456u);
    EXPECT_EQ(at(dst, 2, 0), 0xFF2030u);
    EXPECT_EQ(at(dst, 3, 0), 0xFFFFFFu);
}

TEST_F(Blend, OtherSpecialKeysDrawNothing) {
    Surface src = source();
    Surface dst = deviceSurface(4, 1, 0x646464);
    for (uint32_t key : {0xFFFFFFFDu, 0x01000000u, 0x80000000u}) {
        blendBlit(&dst, 0, 0, 4, 1, &src, 0, 0, 4, 1, 100, key);
    }
    EXPECT_EQ(dst.pixels, deviceSurface(4, 1, 0x646464).pixels);
}

TEST_F(Blend, StretchesByDroppingAndRepeatingWholeColumnsAndRows) {
    Surface src = source();
    Surface wide = deviceSurface(8, 2, 0x646464);
    blendBlit(&wide, 0, 0, 8, 2, &src, 0, 0, 4, 1, 100, 0x123456);
    const uint32_t expected[8] = {0xFF00FF, 0xFF00FF, 0xFF0000, 0xFF0000,
                                  0xC8C8C8, 0xC8C8C8, 0xFFFFFF, 0xFFFFFF};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(at(wide, x, y), expected[x]) << x << "," << y;
    Surface narrow = deviceSurface(2, 1, 0x646464);
    blendBlit(&narrow, 0, 0, 2, 1, &src, 0, 0, 4, 1, 100, 0x123456);
    EXPECT_EQ(at(narrow, 0, 0), 0xFF00FFu);
    EXPECT_EQ(at(narrow, 1, 0), 0xC8C8C8u);
}

TEST_F(Blend, DoubleSizeModeDoublesEveryCoordinate) {
    useMode(1);
    Surface src = deviceSurface(8, 2);  // a 4 x 1 picture loaded at double size
    for (int x = 0; x < 8; ++x) {
        put(src, x, 0, x < 4 ? 0x0000FF : 0x00FF00);
        put(src, x, 1, x < 4 ? 0x0000FF : 0x00FF00);
    }
    Surface dst = deviceSurface(10, 6, 0x646464);
    blendBlit(&dst, 1, 1, 2, 1, &src, 1, 0, 2, 1, 100, kMagenta);
    // Logical (1, 1, 2, 1) is device (2, 2, 4, 2), reading device columns 2..5.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            uint32_t want = 0x646464;
            if (y >= 2 && y < 4 && x >= 2 && x < 6) want = x < 4 ? 0x0000FF : 0x00FF00;
            EXPECT_EQ(at(dst, x, y), want) << x << "," << y;
        }
    Surface lit = deviceSurface(10, 6, 0x000001);
    blendBlit(&lit, 0, 0, 1, 1, &src, 0, 0, 1, 1, 100, kKeyAdditive);
    EXPECT_EQ(at(lit, 1, 1), 0x0000FFu);
    EXPECT_EQ(at(lit, 2, 1), 0x000001u);
    Surface faded = deviceSurface(10, 6, 0);
    blendBlit(&faded, 0, 0, 1, 1, &src, 0, 0, 1, 1, 100, kKeyConstantOpacity);
    EXPECT_EQ(at(faded, 1, 1), 0x0000FFu);
    EXPECT_EQ(at(faded, 2, 2), 0u);
}

}  // namespace
