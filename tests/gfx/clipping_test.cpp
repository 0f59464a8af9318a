// Every copy clips against both surfaces: random and extreme rectangles, checked under the
// address sanitizer, and the stretched copy checked against a pixel-by-pixel reference.
#include <climits>
#include <random>

#include "gfx_support.h"

namespace {

class Clipping : public GfxTest {};

// Destination pixel (x + i, y + j) reads source (sx + floor(i*sw/w), sy + floor(j*sh/h)) when both
// lie inside their surfaces.
Surface referenceStretch(Surface dst, int x, int y, int w, int h, const Surface& src, int sx,
                         int sy, int sw, int sh) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return dst;
    for (int64_t py = 0; py < dst.height; ++py)
        for (int64_t px = 0; px < dst.width; ++px) {
            int64_t i = px - x, j = py - y;
            if (i < 0 || i >= w || j < 0 || j >= h) continue;
            int64_t cx = sx + i * sw / w, cy = sy + j * sh / h;
            if (cx < 0 || cx >= src.width || cy < 0 || cy >= src.height) continue;
            dst.row(static_cast<int>(py))[px] = src.row(static_cast<int>(cy))[cx];
        }
    return dst;
}

Surface numbered(int w, int h) {
    Surface s = deviceSurface(w, h);
    for (size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = static_cast<uint32_t>(i + 1);
    return s;
}

TEST_F(Clipping, StretchMatchesTheReferenceForRandomRectangles) {
    std::mt19937 rng(7);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = numbered(23, 17);
    for (int round = 0; round < 3000; ++round) {
        Surface dst = deviceSurface(31, 19, 0xABCDEF);
        int x = pick(-40, 40), y = pick(-30, 30), w = pick(-3, 60), h = pick(-3, 40);
        int sx = pick(-30, 30), sy = pick(-25, 25), sw = pick(-3, 50), sh = pick(-3, 40);
        Surface expected = referenceStretch(dst, x, y, w, h, src, sx, sy, sw, sh);
        stretchBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh);
        ASSERT_EQ(dst.pixels, expected.pixels)
            << x << " " << y << " " << w << " " << h << " / " << sx << " " << sy << " " << sw << " " << sh;
    }
}

TEST_F(Clipping, NoBlitReadsOrWritesOutsideEitherSurface) {
    std::mt19937 rng(11);
    const int extremes[] = {INT_MIN, INT_MIN + 1, -(1 << 30), -65536, -1, 0, 1, 65536, 1 << 30,
                            INT_MAX - 1, INT_MAX};
    auto pick = [&]() {
        if (rng() % 4 == 0) return extremes[rng() % std::size(extremes)];
        return std::uniform_int_distribution<int>(-80, 80)(rng);
    };
    Surface src = numbered(13, 9);
    src.pixels[5] = 0xFF00FF;
    for (int mode : {0, 1}) {
        useMode(mode);
        for (int round = 0; round < 4000; ++round) {
            Surface dst = deviceSurface(29, 21, 0x445566);
            int x = pick(), y = pick(), w = pick(), h = pick();
            int sx = pick(), sy = pick(), sw = pick(), sh = pick();
            int16_t percent = static_cast<int16_t>(pick());
            switch (round % 10) {
                case 0: blendBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, percent, kMagenta); break;
                case 1: blendBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, percent, kKeyConstantOpacity); break;
                case 2: blendBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, percent, kKeyAdditive); break;
                case 3: transparentBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, kMagenta); break;
                case 4: alphaBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, percent); break;
                case 5: copyBlit(&dst, x, y, w, h, &src, sx, sy); break;
                case 6: rotateBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, pick(), kMagenta); break;
                case 7: rotateBlitAbout(&dst, x, y, w, h, &src, sx, sy, sw, sh, pick(), 0xFFFFFFFFu,
                                        pick(), pick()); break;
                case 8: drawRectangle(&dst, x, y, w, h, round & 1, 0); drawLine(&dst, x % 100, y % 100, w % 100, h % 100, 0); break;
                case 9: fillBlack(&dst, x, y, w, h); fillWhite(&dst, sx, sy, sw, sh); drawPixel(&dst, x, y, 0); break;
            }
            ASSERT_EQ(dst.pixels.size(), 29u * 21u);
        }
    }
}

// Turned pictures placed across every edge of the destination, with a source rectangle that
// starts left of the source: only real source pixels are ever drawn.
TEST_F(Clipping, TurnedPicturesCutAtEveryEdge) {
    Surface src = numbered(16, 16);
    for (int angle = -720; angle <= 720; angle += 7) {
        for (int x : {-12, -3, 0, 9, 20}) {
            Surface dst = deviceSurface(24, 20, 0);
            rotateBlit(&dst, x, x / 2, 16, 16, &src, -4, 3, 16, 16, angle, kMagenta);
            for (uint32_t p : dst.pixels) {
                ASSERT_TRUE(p == 0 || (p >= 1 && p <= 256)) << p;
            }
        }
    }
}

}  // namespace
