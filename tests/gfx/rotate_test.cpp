// Turned pictures: corner arithmetic, the parallelogram mapping and the colour key.
#include <cmath>
#include <random>

#include "gfx/surface_internal.h"
#include "gfx_support.h"

namespace {

constexpr uint32_t kNoKey = 0xFFFFFFFF;
constexpr uint32_t kBackground = 0x010101;

class Rotate : public GfxTest {};

// Source pixel (x, y) holds a value naming it.
Surface numbered(int w, int h) {
    Surface s = deviceSurface(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) put(s, x, y, static_cast<uint32_t>(0x100 * (y + 1) + x + 1));
    return s;
}
uint32_t name(int x, int y) { return static_cast<uint32_t>(0x100 * (y + 1) + x + 1); }

// Everything outside the rectangle (x, y, w, h) is still background.
int touchedOutside(const Surface& s, int x, int y, int w, int h) {
    int count = 0;
    for (int py = 0; py < s.height; ++py)
        for (int px = 0; px < s.width; ++px)
            if ((px < x || px >= x + w || py < y || py >= y + h) && at(s, px, py) != kBackground)
                ++count;
    return count;
}

TEST_F(Rotate, NoTurnIsAPlainOrStretchedCopy) {
    Surface src = numbered(4, 3);
    for (int angle : {0, 360, -360, 720}) {
        Surface dst = deviceSurface(24, 24, kBackground);
        rotateBlit(&dst, 5, 6, 4, 3, &src, 0, 0, 4, 3, angle, kNoKey);
        Surface copy = deviceSurface(24, 24, kBackground);
        copyBlit(&copy, 5, 6, 4, 3, &src, 0, 0);
        EXPECT_EQ(dst.pixels, copy.pixels) << angle;
    }
    Surface big = deviceSurface(24, 24, kBackground);
    rotateBlit(&big, 2, 2, 8, 6, &src, 0, 0, 4, 3, 0, kNoKey);
    Surface stretched = deviceSurface(24, 24, kBackground);
    stretchBlit(&stretched, 2, 2, 8, 6, &src, 0, 0, 4, 3);
    EXPECT_EQ(big.pixels, stretched.pixels);
}

TEST_F(Rotate, QuarterTurnsLandOnTheSameSquare) {
    Surface src = numbered(4, 4);
    Surface right = deviceSurface(24, 24, kBackground);
    rotateBlit(&right, 10, 10, 4, 4, &src, 0, 0, 4, 4, 90, kNoKey);
    Surface left = deviceSurface(24, 24, kBackground);
    rotateBlit(&left, 10, 10, 4, 4, &src, 0, 0, 4, 4, -90, kNoKey);
    Surface left270 = deviceSurface(24, 24, kBackground);
    rotateBlit(&left270, 10, 10, 4, 4, &src, 0, 0, 4, 4, 270, kNoKey);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            // Positive angles turn clockwise: the picture's bottom-left comes to the top-left.
            EXPECT_EQ(at(right, 10 + i, 10 + j), name(j, 3 - i)) << i << "," << j;
            EXPECT_EQ(at(left, 10 + i, 10 + j), name(3 - j, i)) << i << "," << j;
        }
    EXPECT_EQ(touchedOutside(right, 10, 10, 4, 4), 0);
    EXPECT_EQ(touchedOutside(left, 10, 10, 4, 4), 0);
    EXPECT_EQ(left.pixels, left270.pixels);
}

TEST_F(Rotate, OddWidthTurnsAboutTheTruncatedCentre) {
    // 5 x 3 at (10, 10) turns about (12, 11): turned half a turn it covers columns 9..13 and
    // rows 9..11, one pixel up and left of where it stood.
    Surface src = numbered(5, 3);
    Surface dst = deviceSurface(24, 24, kBackground);
    rotateBlit(&dst, 10, 10, 5, 3, &src, 0, 0, 5, 3, 180, kNoKey);
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 5; ++i) EXPECT_EQ(at(dst, 9 + i, 9 + j), name(4 - i, 2 - j));
    EXPECT_EQ(touchedOutside(dst, 9, 9, 5, 3), 0);
}

TEST_F(Rotate, AboutAPivot) {
    Surface src = numbered(4, 4);
    Surface dst = deviceSurface(24, 24, kBackground);
    rotateBlitAbout(&dst, 10, 10, 4, 4, &src, 0, 0, 4, 4, 90, kNoKey, 0, 0);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) EXPECT_EQ(at(dst, 6 + i, 10 + j), name(j, 3 - i));
    EXPECT_EQ(touchedOutside(dst, 6, 10, 4, 4), 0);
    // A pivot at the centre is rotateBlit itself.
    Surface centred = deviceSurface(24, 24, kBackground);
    rotateBlitAbout(&centred, 3, 4, 5, 7, &src, 0, 0, 4, 4, 33, kNoKey, 2, 3);
    Surface plain = deviceSurface(24, 24, kBackground);
    rotateBlit(&plain, 3, 4, 5, 7, &src, 0, 0, 4, 4, 33, kNoKey);
    EXPECT_EQ(centred.pixels, plain.pixels);
}

TEST_F(Rotate, KeyPixelsAreLeftOutWithoutBlendingEdges) {
    Surface src = numbered(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if ((x + y) % 3 == 0) put(src, x, y, 0xFF00FF);
    Surface dst = deviceSurface(40, 40, kBackground);
    rotateBlit(&dst, 10, 10, 20, 20, &src, 0, 0, 20, 20, 45, kMagenta);
    int drawn = 0;
    for (uint32_t p : dst.pixels) {
        if (p == kBackground) continue;
        ++drawn;
        EXPECT_NE(p, 0xFF00FFu);
        int x = static_cast<int>(p & 0xFF) - 1, y = static_cast<int>(p >> 8) - 1;
        ASSERT_TRUE(x >= 0 && x < 20 && y >= 0 && y < 20) << std::hex << p;  // a source pixel
    }
    // Two thirds of a 20 x 20 picture turned by 45 degrees, give or take its rim.
    EXPECT_GT(drawn, 400 * 2 / 3 - 40);
    EXPECT_LT(drawn, 400 * 2 / 3 + 40);
    // The same without a key draws the magenta pixels too.
    Surface all = deviceSurface(40, 40, kBackground);
    rotateBlit(&all, 10, 10, 20, 20, &src, 0, 0, 20, 20, 45, kNoKey);
    int magenta = 0;
    for (uint32_t p : all.pixels) magenta += p == 0xFF00FF;
    EXPECT_GT(magenta, 100);
}

// The turned copy computed pixel by pixel: the corners turned in single precision and
// truncated, then for every destination pixel centre its place in the parallelogram by exact
// integer division.
Surface referenceTurn(Surface dst, int x, int y, int w, int h, const Surface& src, int sx, int sy,
                      int sw, int sh, int angle, uint32_t keyPixel, bool keyed) {
    int a = ((angle % 360) + 360) % 360;
    const int cx = x + w / 2, cy = y + h / 2;
    auto turn = [&](int px, int py, int64_t& ox, int64_t& oy) {
        float dx = static_cast<float>(px - cx), dy = static_cast<float>(py - cy);
        float c = cosTable[a], s = sinTable[a];
        float xc = dx * c, ys = dy * s, xs = dx * s, yc = dy * c;
        ox = static_cast<int64_t>(std::trunc(xc - ys)) + cx;
        oy = static_cast<int64_t>(std::trunc(xs + yc)) + cy;
    };
    int64_t x0, y0, x1, y1, x2, y2;
    turn(x, y, x0, y0);
    turn(x + w, y, x1, y1);
    turn(x, y + h, x2, y2);
    const int64_t ax = x1 - x0, ay = y1 - y0, bx = x2 - x0, by = y2 - y0;
    int64_t det = ax * by - ay * bx;
    if (det == 0) return dst;
    auto floorDiv = [](int64_t p, int64_t q) { return p / q - ((p % q != 0) && ((p < 0) != (q < 0))); };
    for (int Y = 0; Y < dst.height; ++Y)
        for (int X = 0; X < dst.width; ++X) {
            int64_t ex = 2 * X + 1 - 2 * x0, ey = 2 * Y + 1 - 2 * y0;
            int64_t nu = ex * by - ey * bx, nv = ax * ey - ay * ex;
            int64_t u = floorDiv(nu * sw, 2 * det), v = floorDiv(nv * sh, 2 * det);
            if (u < 0 || u >= sw || v < 0 || v >= sh) continue;
            int64_t px = sx + u, py = sy + v;
            if (px < 0 || px >= src.width || py < 0 || py >= src.height) continue;
            uint32_t p = src.row(static_cast<int>(py))[px];
            if (keyed && p == keyPixel) continue;
            dst.row(Y)[X] = p;
        }
    return dst;
}

TEST_F(Rotate, EveryAngleMatchesThePixelByPixelReference) {
    std::mt19937 rng(3);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = numbered(17, 13);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 17; ++x)
            if ((x * 3 + y) % 7 == 0) put(src, x, y, 0xFF00FF);
    for (int round = 0; round < 600; ++round) {
        Surface dst = deviceSurface(40, 36, kBackground);
        int x = pick(-10, 30), y = pick(-10, 30), w = pick(1, 30), h = pick(1, 30);
        int sx = pick(-4, 8), sy = pick(-4, 8), sw = pick(1, 20), sh = pick(1, 16);
        int angle = pick(-400, 400);
        bool keyed = round % 2 == 0;
        Surface expected =
            referenceTurn(dst, x, y, w, h, src, sx, sy, sw, sh, angle, 0xFF00FF, keyed);
        rotateBlit(&dst, x, y, w, h, &src, sx, sy, sw, sh, angle, keyed ? kMagenta : kNoKey);
        ASSERT_EQ(dst.pixels, expected.pixels) << x << " " << y << " " << w << " " << h << " / "
                                               << sx << " " << sy << " " << sw << " " << sh
                                               << " angle " << angle;
    }
}

TEST_F(Rotate, DoubleSizeModeDoublesEverything) {
    Surface src = numbered(4, 4);
    Surface device = deviceSurface(24, 24, kBackground);
    rotateBlitAbout(&device, 10, 10, 4, 4, &src, 0, 0, 4, 4, 90, kNoKey, 2, 0);
    useMode(1);
    Surface doubled = deviceSurface(24, 24, kBackground);
    rotateBlitAbout(&doubled, 5, 5, 2, 2, &src, 0, 0, 2, 2, 90, kNoKey, 1, 0);
    EXPECT_EQ(doubled.pixels, device.pixels);
}

// With no turn the blit takes a shorter road; it must lay down exactly what the general mapping
// lays down for the unturned corners, keyed or not, clipped anywhere, in both display modes.
TEST_F(Rotate, NoTurnShortcutMatchesTheGeneralMapping) {
    std::mt19937 rng(11);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Surface src = numbered(19, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 19; ++x)
            if ((x * 5 + y * 3) % 4 == 0) put(src, x, y, (x + y) % 2 ? 0xFF00FF : 0x00FF00);
    auto backdrop = [] {
        Surface d = deviceSurface(48, 40);
        for (size_t i = 0; i < d.pixels.size(); ++i) d.pixels[i] = static_cast<uint32_t>(0x7F0000 + i);
        return d;
    };
    const int angles[] = {0, 360, -360, 720, -1080};
    int drawn = 0;
    for (int round = 0; round < 1500; ++round) {
        const int mode = round % 2;
        useMode(mode);
        const int64_t k = mode + 1;
        int x = pick(-12, 40), y = pick(-12, 36), w = pick(1, 40), h = pick(1, 40);
        int sx = pick(-6, 12), sy = pick(-6, 10), sw = pick(1, 24), sh = pick(1, 20);
        uint32_t key = round % 3 == 0 ? kNoKey : (round % 3 == 1 ? kMagenta : 0x00FF00);
        int angle = angles[round % 5];
        const bool aboutPivot = round % 4 == 3;
        int px = pick(-5, 30), py = pick(-5, 30);

        Surface fast = backdrop();
        if (aboutPivot)
            rotateBlitAbout(&fast, x, y, w, h, &src, sx, sy, sw, sh, angle, key, px, py);
        else
            rotateBlit(&fast, x, y, w, h, &src, sx, sy, sw, sh, angle, key);
        Surface general = backdrop();
        const int64_t X = x * k, Y = y * k, W = w * k, H = h * k;
        mapTurnedCorners(&general, &src, sx * k, sy * k, sw * k, sh * k, X, Y, X + W, Y, X, Y + H,
                         key);
        ASSERT_EQ(fast.pixels, general.pixels)
            << "mode " << mode << " " << x << " " << y << " " << w << " " << h << " / " << sx << " "
            << sy << " " << sw << " " << sh << " angle " << angle << " key " << key;
        if (fast.pixels != backdrop().pixels) ++drawn;
    }
    // Most rounds must actually draw something, or the comparison proves little.
    EXPECT_GT(drawn, 500);
}

}  // namespace
