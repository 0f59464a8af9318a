// The star field at the far ends of its centre's range: a centre nowhere near the screen draws
// no star and never overflows the arithmetic of a star's place. The field that passes over the
// stars that cannot land draws exactly the pixels of the field that places every star.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "frame/frame.h"
#include "gfx/surface.h"
#include "stage/stars.h"
#include "stage/world.h"

TEST(StarField, ACentreFarOffTheScreenDrawsNothing) {
    display.mode = 2;
    SurfacePtr target = createSurface(640, 480);
    fillBlack(target.get(), 0, 0, 640, 480);
    const int clock = 12345;
    for (const auto& [x, y] : {std::pair{INT_MAX, INT_MAX}, std::pair{INT_MIN, INT_MIN}, std::pair{INT_MAX, 240},
                              std::pair{320, INT_MIN}, std::pair{-5000, 240}}) {
        drawStarField(target.get(), 13, clock, 0.1, x, y, 640, 480, 1000, 1200, 8);
        for (int row = 0; row < 480; ++row)
            for (int column = 0; column < 640; ++column)
                ASSERT_EQ(target->row(row)[column], 0u) << x << "," << y << " drew at " << column << "," << row;
    }
    // The same field about the screen's middle does draw.
    drawStarField(target.get(), 13, clock, 0.1, 320, 240, 640, 480, 1000, 1200, 8);
    int lit = 0;
    for (int row = 0; row < 480; ++row)
        for (int column = 0; column < 640; ++column) lit += target->row(row)[column] != 0;
    EXPECT_GT(lit, 100);
}

TEST(StarField, PassingOverFarStarsDrawsThePixelsOfEveryStarPlaced) {
    const int savedMode = display.mode;
    std::mt19937 random(16);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int lit = 0, cases = 0;
    for (int mode = 0; mode <= 1; ++mode) {
        display.mode = mode;
        SurfacePtr quick = createSurface(640, 480), plain = createSurface(640, 480);
        for (int i = 0; i < 150; ++i, ++cases) {
            // The game's fields (about the screen, far above it as the backdrop scrolls, the world
            // select's), then centres and sizes anywhere, small radii and a narrow target.
            const bool game = i < 40;
            const int centreX = game ? 320 + pick(-700, 700) : pick(-3000, 3600);
            const int centreY = game ? pick(-1400, 700) : pick(-3000, 3600);
            const int width = game ? 640 : pick(1, 640), height = game ? 480 : pick(1, 480);
            const int radius = game ? 1200 : std::vector<int>{0, 1, 2, 40, 700, 1200, 6000}[pick(0, 6)];
            const int count = game ? 1000 : pick(0, 1200);
            const int bits = game ? pick(7, 8) : pick(3, 9);
            const int seed = game ? 13 : pick(0, 65535), clock = pick(0, 1 << 20);
            const double speed = game ? (pick(0, 1) ? 0.1 : 0.01) : pick(-300, 300) / 1000.0;
            fillBlack(quick.get(), 0, 0, quick->width, quick->height);
            fillBlack(plain.get(), 0, 0, plain->width, plain->height);
            drawStarField(quick.get(), seed, clock, speed, centreX, centreY, width, height, count, radius, bits);
            drawEveryStar(plain.get(), seed, clock, speed, centreX, centreY, width, height, count, radius, bits);
            ASSERT_EQ(quick->pixels, plain->pixels) << "mode " << mode << " case " << i << " centre " << centreX
                                                    << "," << centreY << " radius " << radius;
            for (uint32_t p : quick->pixels) lit += p != 0;
        }
    }
    EXPECT_GT(lit, cases * 20) << "the cases draw stars";
    display.mode = savedMode;
}
