// Prepared keyed pictures against the general copies on random cases: the run-by-run copy
// against the keyed copy, the copy that leaves out what later pictures cover against drawing
// everything in order, the gear laid out once against the turned blit at angle 0, and the cover
// masks against the pixels the copies really change.
#include <random>

#include "gfx/keyed_runs.h"
#include "gfx/gfx_support.h"

namespace {

class KeyedRunsTest : public GfxTest {};

constexpr uint32_t kKey = 0xFF00FF;  // magenta as a pixel

// A picture with stretches of the key (as sprites and backdrops have them) and single key
// pixels, some pixels carrying a fourth byte (which the keyed copy compares whole).
Surface keyedPicture(std::mt19937& rng, int w, int h) {
    Surface s = deviceSurface(w, h);
    bool inKey = false;
    for (uint32_t& p : s.pixels) {
        if (rng() % 7 == 0) inKey = !inKey;
        const uint32_t colour = static_cast<uint32_t>(rng()) & (rng() % 10 == 0 ? 0xFFFFFFFFu : 0xFFFFFFu);
        p = inKey || rng() % 13 == 0 ? kKey : colour;
        if (rng() % 40 == 0) p = kKey | 0x01000000u;  // magenta with a fourth byte is not the key
    }
    return s;
}

Surface noise(std::mt19937& rng, int w, int h) {
    Surface s = deviceSurface(w, h);
    for (uint32_t& p : s.pixels) p = static_cast<uint32_t>(rng()) & 0xFFFFFFu;
    return s;
}

TEST_F(KeyedRunsTest, RunsCopyAsTheKeyedCopyOnRandomRectangles) {
    std::mt19937 rng(3);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 1500; ++round) {
        const Surface picture = keyedPicture(rng, pick(1, 70), pick(1, 50));
        const KeyedRuns runs = findKeyedRuns(picture, kKey);
        const Surface base = noise(rng, pick(1, 80), pick(1, 60));
        int x = pick(-30, 80), y = pick(-30, 60), w = pick(-2, 90), h = pick(-2, 70);
        int sx = pick(-30, 70), sy = pick(-30, 50);
        if (round % 50 == 0) x = (1 << 30) + 5;  // beyond reach: nothing
        if (round % 50 == 1) sy = -(1 << 30) - 5;
        Surface expected = base, got = base;
        transparentBlit(&expected, x, y, w, h, &picture, sx, sy, w, h, kMagenta);
        copyKeyedRuns(&got, x, y, w, h, picture, runs, sx, sy);
        ASSERT_EQ(got.pixels, expected.pixels) << "round " << round << ": " << x << " " << y << " " << w << " "
                                               << h << " from " << sx << " " << sy;
    }
    // Within one surface the picture is read as it was, as the keyed copy reads it.
    Surface one = keyedPicture(rng, 40, 30);
    const KeyedRuns runs = findKeyedRuns(one, kKey);
    Surface expected = one;
    transparentBlit(&expected, 5, 3, 30, 20, &one, 0, 0, 30, 20, kMagenta);
    copyKeyedRuns(&one, 5, 3, 30, 20, one, runs, 0, 0);
    EXPECT_EQ(one.pixels, expected.pixels);
}

// A picture drawn under later ones, leaving out what they cover, with other drawing between
// them (the star field between the backdrop's layers): the finished picture is the same as
// drawing everything in full, and the pixels no cover reaches are the full copy's.
TEST_F(KeyedRunsTest, LeavingOutWhatLaterPicturesCoverChangesNothingSeen) {
    std::mt19937 rng(8);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 600; ++round) {
        const Surface base = noise(rng, pick(20, 90), pick(20, 70));
        const Surface under = keyedPicture(rng, pick(10, 100), pick(10, 80));
        const KeyedRuns underRuns = findKeyedRuns(under, kKey);
        const int x = pick(-20, 30), y = pick(-20, 30), w = pick(1, 100), h = pick(1, 80);
        const int sx = pick(-20, 40), sy = pick(-20, 40);

        // Later pictures: keyed pictures copied by their runs, and squares known to be opaque.
        struct Later {
            Surface picture;
            KeyedRuns runs;
            int x, y, w, h, sx, sy;
        };
        std::vector<Later> later;
        CoverMask mask;
        mask.reset(base.width, base.height);
        for (int n = pick(0, 4); n > 0; --n) {
            Later l{keyedPicture(rng, pick(5, 60), pick(5, 50)), {}, pick(-20, 70), pick(-20, 60), pick(1, 60),
                    pick(1, 50), pick(-10, 30), pick(-10, 30)};
            const bool opaque = pick(0, 2) == 0;
            if (opaque) {  // no key at all: it covers its whole rectangle
                for (uint32_t& p : l.picture.pixels)
                    if (p == kKey) p = 0x123456;
                l.sx = l.sy = 0;
            }
            l.runs = findKeyedRuns(l.picture, kKey);
            if (opaque && pick(0, 1) == 0)
                mask.cover(l.x, l.y, std::min(l.w, l.picture.width), std::min(l.h, l.picture.height));
            else
                mask.cover(l.runs, l.x, l.y, l.w, l.h, l.sx, l.sy);
            later.push_back(std::move(l));
        }
        std::vector<std::pair<int, int>> between;
        for (int n = 0; n < 40; ++n) between.push_back({pick(0, base.width - 1), pick(0, base.height - 1)});

        Surface full = base, left = base;
        transparentBlit(&full, x, y, w, h, &under, sx, sy, w, h, kMagenta);
        copyKeyedRunsUncovered(&left, x, y, w, h, under, underRuns, sx, sy, mask);
        for (int py = 0; py < base.height; ++py)
            for (int px = 0; px < base.width; ++px)
                if (!mask.covered(px, py)) {
                    ASSERT_EQ(at(left, px, py), at(full, px, py)) << round;
                }
        for (Surface* s : {&full, &left}) {
            for (auto [px, py] : between) put(*s, px, py, 0x00ABCD);
            for (const Later& l : later) copyKeyedRuns(s, l.x, l.y, l.w, l.h, l.picture, l.runs, l.sx, l.sy);
        }
        ASSERT_EQ(left.pixels, full.pixels) << "round " << round;
    }
}

TEST_F(KeyedRunsTest, MaskCoversExactlyWhatTheCopyDraws) {
    std::mt19937 rng(21);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    constexpr uint32_t kUntouched = 0x0F0F0F0F;  // no picture holds it
    for (int round = 0; round < 800; ++round) {
        const Surface picture = keyedPicture(rng, pick(1, 140), pick(1, 40));
        const KeyedRuns runs = findKeyedRuns(picture, kKey);
        Surface dst = deviceSurface(pick(1, 150), pick(1, 50), kUntouched);
        const int x = pick(-80, 150), y = pick(-30, 50), w = pick(-1, 160), h = pick(-1, 50);
        const int sx = pick(-40, 140), sy = pick(-20, 40);
        CoverMask mask;
        mask.reset(dst.width, dst.height);
        mask.cover(runs, x, y, w, h, sx, sy);
        copyKeyedRuns(&dst, x, y, w, h, picture, runs, sx, sy);
        for (int py = 0; py < dst.height; ++py)
            for (int px = 0; px < dst.width; ++px)
                ASSERT_EQ(mask.covered(px, py), at(dst, px, py) != kUntouched) << round << ": " << px << ", " << py;
    }
    // A rectangle is clipped to the destination; the stretches not covered are listed in order.
    CoverMask mask;
    mask.reset(200, 3);
    mask.cover(-5, 1, 70, 1);
    mask.cover(130, 1, 100, 5);
    mask.cover(64, 1, 1, 1);
    std::vector<std::pair<int, int>> open;
    mask.forEachUncovered(1, 0, 200, [&](int a, int b) { open.push_back({a, b}); });
    EXPECT_EQ(open, (std::vector<std::pair<int, int>>{{65, 130}}));
    open.clear();
    mask.forEachUncovered(0, 10, 20, [&](int a, int b) { open.push_back({a, b}); });
    EXPECT_EQ(open, (std::vector<std::pair<int, int>>{{10, 20}}));
    EXPECT_TRUE(mask.covered(199, 2));
    EXPECT_FALSE(mask.covered(129, 2));
}

// The gear laid out once: on random rectangles (stretched either way, clipped by the screen
// and by the source, far out of reach) and in both display modes, the same pixels as the
// turned blit at angle 0, and its mask is exactly what it draws.
TEST_F(KeyedRunsTest, LaidOutUprightPictureIsTheTurnedBlitAtAngleZero) {
    std::mt19937 rng(30);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    constexpr uint32_t kUntouched = 0x0F0F0F0F;
    for (int round = 0; round < 400; ++round) {
        const int mode = round % 2;
        useMode(mode);
        const int k = mode + 1;
        const Surface source = keyedPicture(rng, pick(4, 60) * k, pick(4, 60) * k);
        const int sx = pick(-5, 20), sy = pick(-5, 20), sw = pick(1, 70), sh = pick(1, 70);
        const int w = pick(1, 90), h = pick(1, 90);
        int x = pick(-60, 80), y = pick(-60, 80);
        if (round % 40 == 3) x = (1 << 20) / k + 1;  // beyond the turned blit's reach
        UprightPicture laid;
        ASSERT_TRUE(layUpright(laid, &source, sx, sy, sw, sh, w, h, kMagenta, int64_t{1} << 30));
        EXPECT_TRUE(laidOutFor(laid, &source, sx, sy, sw, sh, w, h, kMagenta));
        EXPECT_FALSE(laidOutFor(laid, &source, sx, sy, sw, sh, w + 1, h, kMagenta));
        const Surface base = noise(rng, 100 * k, 90 * k);
        Surface expected = base, got = base;
        rotateBlit(&expected, x, y, w, h, &source, sx, sy, sw, sh, 0, kMagenta);
        drawUpright(&got, x, y, laid);
        ASSERT_EQ(got.pixels, expected.pixels) << "round " << round << " mode " << mode;

        Surface marked = deviceSurface(base.width, base.height, kUntouched);
        CoverMask mask;
        mask.reset(marked.width, marked.height);
        coverUpright(mask, x, y, laid);
        drawUpright(&marked, x, y, laid);
        for (int py = 0; py < marked.height; ++py)
            for (int px = 0; px < marked.width; ++px)
                ASSERT_EQ(mask.covered(px, py), at(marked, px, py) != kUntouched) << round;
    }
    // Laid out in one mode, drawn in the other: the turned blit itself, at the new scale.
    useMode(0);
    const Surface source = keyedPicture(rng, 32, 32);
    UprightPicture laid;
    ASSERT_TRUE(layUpright(laid, &source, 0, 0, 32, 32, 40, 40, kMagenta, 1 << 20));
    useMode(1);
    Surface expected = noise(rng, 200, 200), got = expected;
    rotateBlit(&expected, 3, 4, 40, 40, &source, 0, 0, 32, 32, 0, kMagenta);
    drawUpright(&got, 3, 4, laid);
    EXPECT_EQ(got.pixels, expected.pixels);
    // Too large to keep, or without a key: not laid out.
    EXPECT_FALSE(layUpright(laid, &source, 0, 0, 32, 32, 400, 400, kMagenta, 1000));
    EXPECT_FALSE(layUpright(laid, &source, 0, 0, 32, 32, 40, 40, kKeyConstantOpacity, 1 << 20));
}

}  // namespace
