// The star field at the far ends of its centre's range: a centre nowhere near the screen draws
// no star and never overflows the arithmetic of a star's place.
#include <gtest/gtest.h>

#include <climits>

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
