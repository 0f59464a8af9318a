// Surfaces, pixels, lines and rectangles in the plain and the double-size mode.
#include <climits>
#include <set>
#include <utility>

#include "gfx_support.h"

namespace {

using Points = std::set<std::pair<int, int>>;

// Every device pixel of the surface that is not white.
Points inked(const Surface& s) {
    Points out;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (at(s, x, y) != 0xFFFFFF) out.insert({x, y});
    return out;
}

class Shapes : public GfxTest {};

TEST_F(Shapes, CreatedSurfacesAreWhiteAndDoubledInDoubleSizeMode) {
    SurfacePtr plain = createSurface(30, 20);
    EXPECT_EQ(plain->width, 30);
    EXPECT_EQ(plain->height, 20);
    EXPECT_EQ(inked(*plain).size(), 0u);
    useMode(1);
    SurfacePtr doubled = createSurface(30, 20);
    EXPECT_EQ(doubled->width, 60);
    EXPECT_EQ(doubled->height, 40);
    SurfacePtr screen = createScreenSurface();
    EXPECT_EQ(screen->width, 1280);
    EXPECT_EQ(screen->height, 960);
    releaseSurface(screen);
    EXPECT_EQ(screen, nullptr);
}

TEST_F(Shapes, FailedCreationGivesASurfaceOnWhichDrawingDoesNothing) {
    for (auto size : {std::pair{0, 10}, {10, -5}, {-1, -1}, {1 << 30, 1 << 30}}) {
        SurfacePtr s = createSurface(size.first, size.second);
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->pixels.empty());
        drawPixel(s.get(), 0, 0, 0);
        drawRectangle(s.get(), 0, 0, 5, 5, 1, 0);
        drawLine(s.get(), 0, 0, 5, 3, 0);
        fillSurface(s.get(), 0);
        EXPECT_EQ(readPixel(s.get(), 0, 0), kInvalidColour);
    }
}

TEST_F(Shapes, FillCoversOnlyTheLogicalScreen) {
    Surface big = deviceSurface(700, 500, 0xFFFFFF);
    fillSurface(&big, 0x0000FF);  // red as a colour reference
    EXPECT_EQ(at(big, 0, 0), 0xFF0000u);
    EXPECT_EQ(at(big, 639, 479), 0xFF0000u);
    EXPECT_EQ(at(big, 640, 0), 0xFFFFFFu);
    EXPECT_EQ(at(big, 0, 480), 0xFFFFFFu);
    Surface small = deviceSurface(10, 10, 0xFFFFFF);
    fillSurface(&small, 0);
    EXPECT_EQ(inked(small).size(), 100u);

    useMode(1);
    Surface doubled = deviceSurface(1300, 970, 0xFFFFFF);
    fillSurface(&doubled, 0);
    EXPECT_EQ(at(doubled, 1279, 959), 0u);
    EXPECT_EQ(at(doubled, 1280, 959), 0xFFFFFFu);
    EXPECT_EQ(at(doubled, 1279, 960), 0xFFFFFFu);
}

TEST_F(Shapes, PixelsConvertColourReferencesAndReadBack) {
    Surface s = deviceSurface(8, 8, 0xFFFFFF);
    drawPixel(&s, 2, 3, 0x00336699);  // blue 0x33, green 0x66, red 0x99
    EXPECT_EQ(at(s, 2, 3), 0x00996633u);
    EXPECT_EQ(readPixel(&s, 2, 3), 0x00336699u);
    EXPECT_EQ(readPixel(&s, -1, 0), kInvalidColour);
    EXPECT_EQ(readPixel(&s, 8, 0), kInvalidColour);
    EXPECT_EQ(readPixel(&s, 0, 8), kInvalidColour);
    drawPixel(&s, -1, 8, 0);  // outside: nothing happens
    EXPECT_EQ(inked(s), (Points{{2, 3}}));

    useMode(1);
    Surface d = deviceSurface(8, 8, 0xFFFFFF);
    drawPixel(&d, 1, 2, 0);
    EXPECT_EQ(inked(d), (Points{{2, 4}, {3, 4}, {2, 5}, {3, 5}}));
    EXPECT_EQ(readPixel(&d, 1, 2), 0u);
    EXPECT_EQ(readPixel(&d, 4, 0), kInvalidColour);  // device column 8
}

TEST_F(Shapes, LinesStepSidewaysLate) {
    auto line = [](int x0, int y0, int x1, int y1) {
        Surface s = deviceSurface(12, 12, 0xFFFFFF);
        drawLine(&s, x0, y0, x1, y1, 0);
        return inked(s);
    };
    // A point is a one-point vertical run.
    EXPECT_EQ(line(4, 4, 4, 4), (Points{{4, 4}}));
    EXPECT_EQ(line(3, 5, 3, 2), (Points{{3, 2}, {3, 3}, {3, 4}, {3, 5}}));
    EXPECT_EQ(line(5, 1, 2, 1), (Points{{2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    // Shallow: the error starts at 0, so the side-steps come at x = 3 and x = 5, where a
    // symmetric line would step at x = 2 and x = 4.
    EXPECT_EQ(line(0, 0, 5, 2), (Points{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}}));
    EXPECT_EQ(line(5, 2, 0, 0), (Points{{5, 2}, {4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}));
    // Steep.
    EXPECT_EQ(line(0, 0, 2, 5), (Points{{0, 0}, {0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}}));
    // Exact diagonal: e reaches dy at every step.
    EXPECT_EQ(line(0, 3, 3, 0), (Points{{0, 3}, {1, 2}, {2, 1}, {3, 0}}));
    // A line leaving the surface is cut at its edge, however far it runs.
    EXPECT_EQ(line(10, 0, 14, 0), (Points{{10, 0}, {11, 0}}));
    EXPECT_EQ(line(1, INT_MIN, 1, INT_MAX).size(), 12u);
    EXPECT_EQ(line(INT_MAX, 2, INT_MIN, 2).size(), 12u);
    // A slanted line from far away: the points on the surface are those of the whole line.
    Points far = line(-1000000000, -1000000000, 2000000011, 2000000011);
    EXPECT_EQ(far.size(), 12u);
    EXPECT_TRUE(far.count({5, 5}));
    Points shallowFar = line(-10, 0, 1990, 1000);  // point k: (k - 10, k / 2)
    for (int x = 0; x < 12; ++x) EXPECT_TRUE(shallowFar.count({x, (x + 10) / 2})) << x;
}

TEST_F(Shapes, LinesInDoubleSizeModeAreMadeOfSquares) {
    useMode(1);
    Surface s = deviceSurface(12, 12, 0xFFFFFF);
    drawLine(&s, 0, 0, 2, 1, 0);  // points (0,0), (1,0), (2,1)
    EXPECT_EQ(inked(s), (Points{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0}, {2, 1}, {3, 1},
                                {4, 2}, {5, 2}, {4, 3}, {5, 3}}));
}

TEST_F(Shapes, RectangleOutlinesAndFills) {
    Surface s = deviceSurface(10, 10, 0xFFFFFF);
    drawRectangle(&s, 1, 2, 4, 3, 0, 0);
    EXPECT_EQ(inked(s), (Points{{1, 2}, {2, 2}, {3, 2}, {4, 2}, {1, 3}, {4, 3}, {1, 4}, {2, 4},
                                {3, 4}, {4, 4}}));

    Surface f = deviceSurface(10, 10, 0xFFFFFF);
    drawRectangle(&f, 8, 8, 5, 5, 1, 0);  // cut at the surface's edge
    EXPECT_EQ(inked(f), (Points{{8, 8}, {9, 8}, {8, 9}, {9, 9}}));

    Surface one = deviceSurface(10, 10, 0xFFFFFF);
    drawRectangle(&one, 6, 7, 1, 1, 0, 0);
    EXPECT_EQ(inked(one), (Points{{6, 7}}));

    Surface thin = deviceSurface(10, 10, 0xFFFFFF);
    drawRectangle(&thin, 2, 1, 1, 3, 0, 0);
    EXPECT_EQ(inked(thin), (Points{{2, 1}, {2, 2}, {2, 3}}));

    Surface none = deviceSurface(10, 10, 0xFFFFFF);
    drawRectangle(&none, 2, 2, 0, 4, 0, 0);
    drawRectangle(&none, 2, 2, -3, 4, 1, 0);
    EXPECT_TRUE(inked(none).empty());
}

TEST_F(Shapes, RectangleOutlineInDoubleSizeModeIsTwoPixelsThick) {
    useMode(1);
    Surface s = deviceSurface(12, 12, 0xFFFFFF);
    drawRectangle(&s, 1, 1, 3, 3, 0, 0);  // device area 2..7 x 2..7
    Points expected;
    for (int y = 2; y <= 7; ++y)
        for (int x = 2; x <= 7; ++x)
            if (x < 4 || x > 5 || y < 4 || y > 5) expected.insert({x, y});
    EXPECT_EQ(inked(s), expected);

    Surface one = deviceSurface(12, 12, 0xFFFFFF);
    drawRectangle(&one, 2, 3, 1, 1, 0, 0);
    EXPECT_EQ(inked(one), (Points{{4, 6}, {5, 6}, {4, 7}, {5, 7}}));

    Surface filled = deviceSurface(12, 12, 0xFFFFFF);
    drawRectangle(&filled, 1, 0, 2, 1, 1, 0);
    EXPECT_EQ(inked(filled), (Points{{2, 0}, {3, 0}, {4, 0}, {5, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
}

}  // namespace
