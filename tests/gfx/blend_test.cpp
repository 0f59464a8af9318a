// The blend blit's three mixes, pixel by pixel.
#include <random>

#include "gfx/blit_rows.h"
#include "gfx/surface_internal.h"
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

// The row forms of the constant opacity against the per-pixel mix for every pair of channel
// values at every opacity, with a fourth byte in the inputs that the mix must clear, and on short
// rows so that the pixels left over after the four-at-a-time part are covered.
TEST_F(Blend, ConstantOpacityRowsMatchThePixelMixForEveryPair) {
    using Row = void (*)(uint32_t*, const uint32_t*, int, int);
    std::vector<std::pair<const char*, Row>> forms = {{"portable", opacityRowPortable}};
#ifdef YOMOGI_BLIT_SSE2
    forms.push_back({"sse2", opacityRowSse2});
#endif
    std::vector<uint32_t> src(65536), base(65536);
    for (uint32_t s = 0; s < 256; ++s)
        for (uint32_t d = 0; d < 256; ++d) {
            src[s * 256 + d] = (((s * 7) & 0xFF) << 24) | (s << 16) | ((255 - s) << 8) | d;
            base[s * 256 + d] = (((d * 13) & 0xFF) << 24) | (d << 16) | (s << 8) | (255 - d);
        }
    for (const auto& [name, row] : forms) {
        SCOPED_TRACE(name);
        for (int a = 0; a <= 255; ++a) {
            const OpacityMix mix(a);
            std::vector<uint32_t> out = base;
            row(out.data(), src.data(), static_cast<int>(out.size()), a);
            int wrong = 0;
            for (size_t i = 0; i < out.size(); ++i) wrong += out[i] != mix(src[i], base[i]);
            ASSERT_EQ(wrong, 0) << "opacity " << a;
        }
        std::mt19937 rng(3);
        for (int round = 0; round < 2000; ++round) {
            const int n = static_cast<int>(rng() % 12), from = static_cast<int>(rng() % 100);
            const int a = static_cast<int>(rng() % 256);
            std::vector<uint32_t> out(base.begin() + from, base.begin() + from + n + 1);
            const uint32_t beyond = out[n];
            row(out.data(), src.data() + 7 * from, n, a);
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(out[i], OpacityMix(a)(src[7 * from + i], base[from + i])) << n << " " << i;
            }
            ASSERT_EQ(out[n], beyond) << "wrote past the row";
        }
    }
}

// The additive row against the light's rule on whole words, for every pair of byte values in
// every byte of the pixel.
TEST_F(Blend, AdditiveRowIsTheWordRuleForEveryPair) {
    std::vector<uint32_t> src(65536), out(65536);
    for (uint32_t s = 0; s < 256; ++s)
        for (uint32_t d = 0; d < 256; ++d) {
            src[s * 256 + d] = (s << 24) | (d << 16) | ((s ^ 0x5A) << 8) | (255 - d);
            out[s * 256 + d] = (d << 24) | (s << 16) | (((d * 7) & 0xFF) << 8) | (255 - s);
        }
    const std::vector<uint32_t> base = out;
    additiveRow(out.data(), src.data(), static_cast<int>(out.size()));
    for (size_t i = 0; i < out.size(); ++i) {
        const uint32_t a = src[i], b = base[i];
        const uint32_t carry = ((a & b) + (((a ^ b) >> 1) & 0x7F7F7F7Fu)) & 0x80808080u;
        const uint32_t mask = (carry << 1) - (carry >> 7);
        ASSERT_EQ(out[i], ((a + b) - mask) | mask) << std::hex << a << " + " << b;
    }
}

// The blend blit's mixes on random rectangles, stretched and clipped, in both display modes,
// against the rules pixel by pixel.
TEST_F(Blend, MixesMatchThePixelRulesOnRandomRectangles) {
    std::mt19937 rng(21);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = deviceSurface(41, 31);
    // A few source pixels carry a fourth byte: the keyed mixes compare and write only the colour.
    for (auto& p : src.pixels) {
        const int kind = pick(0, 9);
        p = kind < 2 ? 0xFF00FFu : static_cast<uint32_t>(rng()) & (kind == 9 ? 0xFFFFFFFFu : 0xFFFFFFu);
    }
    Surface base = deviceSurface(67, 53);
    for (auto& p : base.pixels) p = static_cast<uint32_t>(rng()) & 0xFFFFFFu;
    auto percentMix = [](uint32_t s, uint32_t d, int percent) {
        const float p = static_cast<float>(percent) / 100.0f, q = 1.0f - p;
        uint32_t out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const float v = static_cast<float>((s >> shift) & 0xFF) * p + static_cast<float>((d >> shift) & 0xFF) * q;
            out |= static_cast<uint32_t>(v) << shift;
        }
        return out;
    };
    auto additive = [](uint32_t s, uint32_t d) {
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            out |= std::min<uint32_t>(255, ((s >> shift) & 0xFF) + ((d >> shift) & 0xFF)) << shift;
        }
        return out;
    };
    for (int round = 0; round < 1200; ++round) {
        const int mode = round % 5 == 0 ? 1 : 0, k = mode + 1;
        useMode(mode);
        const int x = pick(-12, 34), y = pick(-12, 28), w = pick(1, 40), h = pick(1, 34);
        const int sx = pick(-4, 22), sy = pick(-4, 16);
        const int sw = pick(0, 1) ? pick(1, 25) : w, sh = pick(0, 1) ? pick(1, 20) : h;
        const int kind = round % 4;
        const int percent = kind == 0 ? 100 : pick(1, 99);
        const uint32_t key = kind == 2 ? kKeyAdditive : kind == 3 ? kKeyConstantOpacity : kMagenta;
        const int opacity = percent * 255 / 100;
        Surface dst = base, expected = base;
        for (int j = 0; j < h * k; ++j)
            for (int i = 0; i < w * k; ++i) {
                const int X = x * k + i, Y = y * k + j;
                const int64_t u = sx * k + int64_t{i} * sw / w, v = sy * k + int64_t{j} * sh / h;
                if (X < 0 || Y < 0 || X >= dst.width || Y >= dst.height) continue;
                if (u < 0 || v < 0 || u >= src.width || v >= src.height) continue;
                const uint32_t s = at(src, static_cast<int>(u), static_cast<int>(v)), d = at(base, X, Y);
                const uint32_t colour = s & 0xFFFFFF;
                uint32_t want = d;
                if (kind == 0) want = colour == key ? d : colour;
                if (kind == 1) want = colour == key ? d : percentMix(s, d, percent);
                if (kind == 2) want = additive(s, d);
                if (kind == 3) want = OpacityMix(opacity)(s, d);
                put(expected, X, Y, want);
            }
        blendBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, static_cast<int16_t>(percent), key);
        ASSERT_TRUE(dst.pixels == expected.pixels)
            << "kind " << kind << " mode " << mode << " percent " << percent << ": " << x << " " << y
            << " " << w << " " << h << " / " << sx << " " << sy << " " << sw << " " << sh;
    }
}

}  // namespace
