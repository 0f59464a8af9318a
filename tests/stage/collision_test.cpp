// The movement helpers: overlap, pushing out of walls (corners read before anything moves, the
// grid's outside reading as open space), contact resolution and the camera's geometry.
#include <gtest/gtest.h>

#include <vector>

#include "stage/collision.h"
#include "stage/world.h"

namespace {

// A grid of tiles, width cells per row.
std::vector<Cell> tiles(const std::vector<int>& codes) {
    std::vector<Cell> cells(codes.size());
    for (size_t i = 0; i < codes.size(); ++i) cells[i].tile = codes[i];
    return cells;
}

TEST(BoxesOverlap, EdgesTouchingDoNotOverlap) {
    EXPECT_EQ(boxesOverlap(0, 0, 32, 32, 32, 0, 32, 32), 0);
    EXPECT_EQ(boxesOverlap(0, 0, 32, 32, 31, 0, 32, 32), 1);
    EXPECT_EQ(boxesOverlap(0, 0, 32, 32, 0, 32, 32, 32), 0);
    EXPECT_EQ(boxesOverlap(0, 0, 32, 32, 0, -31, 32, 32), 1);
    EXPECT_EQ(boxesOverlap(5, 5, 1, 1, 5, 5, 1, 1), 1);
    EXPECT_EQ(boxesOverlap(5, 5, 0, 1, 5, 5, 1, 1), 0);  // an empty box overlaps nothing
}

TEST(BoxInRoom, OverlapWithTheRoomArea) {
    Room room;
    room.width = 4;
    room.height = 3;
    EXPECT_EQ(boxInRoom(room, 0, 0, 32, 32), 1);
    EXPECT_EQ(boxInRoom(room, 127, 95, 32, 32), 1);
    EXPECT_EQ(boxInRoom(room, 128, 0, 32, 32), 0);
    EXPECT_EQ(boxInRoom(room, 0, 96, 32, 32), 0);
    EXPECT_EQ(boxInRoom(room, -32, 0, 32, 32), 0);
    EXPECT_EQ(boxInRoom(room, -31, -31, 32, 32), 1);
}

TEST(IsSolidTile, OnlyWallsTenToTwentyNine) {
    EXPECT_EQ(isSolidTile(9), 0);
    EXPECT_EQ(isSolidTile(10), 1);
    EXPECT_EQ(isSolidTile(29), 1);
    EXPECT_EQ(isSolidTile(30), 0);
    EXPECT_EQ(isSolidTile(200), 0);
    EXPECT_EQ(isSolidTile(-10), 0);
}

TEST(CollideWithCells, BlockSunkIntoFloorRestsOnTheBorder) {
    // 3 x 3, floor on the bottom row.
    auto cells = tiles({0, 0, 0, 0, 0, 0, 10, 10, 10});
    int x = 32, y = 32 + 7;  // bottom 7 pixels into the floor row
    EXPECT_EQ(collideWithCells(cells, x, y, 32, 32, 3, kAxisVertical), 1);
    EXPECT_EQ(y, 32);
    EXPECT_EQ(x, 32);
    // Resting exactly on it is no push.
    EXPECT_EQ(collideWithCells(cells, x, y, 32, 32, 3, kAxisVertical), 0);
    EXPECT_EQ(y, 32);
}

TEST(CollideWithCells, CeilingPushesDown) {
    auto cells = tiles({10, 10, 10, 0, 0, 0, 0, 0, 0});
    int x = 40, y = 20;
    EXPECT_EQ(collideWithCells(cells, x, y, 24, 24, 3, kAxisVertical), 1);
    EXPECT_EQ(y, 32);
}

TEST(CollideWithCells, LeftCornersInWallColumnTwoMoveToNinetySix) {
    // 4 x 2, wall in column 2.
    auto cells = tiles({0, 0, 10, 0, 0, 0, 10, 0});
    int x = 80, y = 4;
    EXPECT_EQ(collideWithCells(cells, x, y, 24, 24, 4, kAxisHorizontal), 1);
    EXPECT_EQ(x, 96);
    EXPECT_EQ(y, 4);
}

TEST(CollideWithCells, RightCornersInWallMoveLeftOfIt) {
    auto cells = tiles({0, 0, 10, 0, 0, 0, 10, 0});
    int x = 50, y = 0;  // right edge at 73, in column 2
    EXPECT_EQ(collideWithCells(cells, x, y, 24, 24, 4, kAxisHorizontal), 1);
    EXPECT_EQ(x, 64 - 24);
}

TEST(CollideWithCells, WallsOnBothSidesEndAgainstTheFarSide) {
    // Walls in columns 0 and 1: both corners are read before the first push, so the right-side
    // rule still applies from the x the left-side rule left.
    auto cells = tiles({10, 10, 0});
    int x = 20, y = 0;
    EXPECT_EQ(collideWithCells(cells, x, y, 24, 24, 3, kAxisHorizontal), 1);
    EXPECT_EQ(x, (32 / 32 + 1) * 32 - 24);  // 64 - 24 = 40
}

TEST(CollideWithCells, CornersOutsideTheGridReadAsOpen) {
    // A single wall cell; boxes hanging over every border of a 2 x 2 grid are not pushed and
    // nothing beyond the grid is read (this runs under AddressSanitizer).
    auto cells = tiles({0, 0, 0, 0});
    int x = 50, y = 50;
    EXPECT_EQ(collideWithCells(cells, x, y, 32, 32, 2, kAxisVertical), 0);
    x = -100, y = -100;
    EXPECT_EQ(collideWithCells(cells, x, y, 32, 32, 2, kAxisHorizontal), 0);
    x = 1000, y = 1000;
    EXPECT_EQ(collideWithCells(cells, x, y, 32, 32, 2, kAxisVertical), 0);
    // A column past the right border does not wrap round into the next row's wall.
    auto walled = tiles({0, 0, 10, 0});
    x = 64, y = 0;
    EXPECT_EQ(collideWithCells(walled, x, y, 32, 32, 2, kAxisHorizontal), 0);
    EXPECT_EQ(x, 64);
    // An empty grid reads open everywhere.
    std::vector<Cell> none;
    x = 0, y = 0;
    EXPECT_EQ(collideWithCells(none, x, y, 32, 32, 0, kAxisVertical), 0);
}

TEST(CollideWithCells, PixelsJustLeftOfTheGridStillAddressColumnZero) {
    // Cell indices come from truncating division: -5 / 32 is 0.
    auto cells = tiles({10, 0, 0, 0});
    int x = -5, y = 0;
    EXPECT_EQ(collideWithCells(cells, x, y, 24, 24, 2, kAxisHorizontal), 1);
    EXPECT_EQ(x, 40);  // (-5 / 32 + 1) * 32 = 32 from the left rule, then 64 - 24 from the right
}

TEST(ResolveContact, VerticalLandingAndHitFromBelow) {
    int x = 0, y = 10;
    EXPECT_EQ(resolveContact(x, y, 32, 32, 0, 32, 32, 32, kAxisVertical), 5);
    EXPECT_EQ(y, 0);
    x = 0, y = 60;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 0, 32, 32, 32, kAxisVertical), 2);
    EXPECT_EQ(y, 64);
    // Same top edge: nothing decided, nothing moved.
    x = 4, y = 32;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 0, 32, 32, 32, kAxisVertical), 0);
    EXPECT_EQ(y, 32);
    EXPECT_EQ(x, 4);
    // Apart: nothing.
    x = 0, y = 0;
    EXPECT_EQ(resolveContact(x, y, 32, 32, 0, 32, 32, 32, kAxisVertical), 0);
    EXPECT_EQ(y, 0);
}

TEST(ResolveContact, HorizontalSides) {
    int x = 20, y = 0;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, kAxisHorizontal), 4);
    EXPECT_EQ(x, 8);
    x = 50, y = 0;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, kAxisHorizontal), 3);
    EXPECT_EQ(x, 64);
    x = 32, y = 0;  // same left edge
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, kAxisHorizontal), 0);
    EXPECT_EQ(x, 32);
}

TEST(ResolveContact, BothAxesTriesHorizontalFirstAndOtherCodesDoNothing) {
    int x = 20, y = 10;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, kAxisBoth), 4);
    EXPECT_EQ(x, 8);
    EXPECT_EQ(y, 10);
    x = 32, y = 10;  // same left edge: the vertical rule decides
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, kAxisBoth), 2);
    EXPECT_EQ(y, 32);
    x = 20, y = 10;
    EXPECT_EQ(resolveContact(x, y, 24, 24, 32, 0, 32, 32, 9), 0);
    EXPECT_EQ(x, 20);
}

TEST(AngleBetween, Quadrants) {
    EXPECT_EQ(angleBetween(0, 0, 0, 0), 270);
    EXPECT_EQ(angleBetween(0, 0, 10, 0), 0);
    EXPECT_EQ(angleBetween(0, 0, 0, 10), 90);
    EXPECT_EQ(angleBetween(0, 0, -10, 0), 180);
    EXPECT_EQ(angleBetween(0, 0, 0, -10), 270);
    EXPECT_EQ(angleBetween(0, 0, 10, 10), 45);
    EXPECT_EQ(angleBetween(0, 0, 10, -10), 315);
    EXPECT_EQ(angleBetween(100, 100, 90, 110), 135);
    // Truncated, not rounded: atan(1/2) is 26.57 degrees.
    EXPECT_EQ(angleBetween(0, 0, 2, 1), 26);
    EXPECT_EQ(angleBetween(0, 0, 2, -1), 334);  // -26.57 truncates to -26, plus 360
}

TEST(DistanceBetween, Truncated) {
    EXPECT_EQ(distanceBetween(0, 0, 3, 4), 5);
    EXPECT_EQ(distanceBetween(0, 0, 1, 1), 1);
    EXPECT_EQ(distanceBetween(-10, 0, 10, 0), 20);
    EXPECT_EQ(distanceBetween(5, 5, 5, 5), 0);
    EXPECT_EQ(distanceBetween(0, 0, 2, 3), 3);  // 3.61
}

TEST(FreeSurfaceArray, ReleasesEverythingAndTheArray) {
    std::vector<SurfacePtr> surfaces;
    for (int i = 0; i < 3; ++i) surfaces.push_back(std::make_unique<Surface>());
    freeSurfaceArray(surfaces, 2);
    EXPECT_TRUE(surfaces.empty());
    freeSurfaceArray(surfaces, 5);  // nothing left: no harm
    EXPECT_TRUE(surfaces.empty());
}

}  // namespace
