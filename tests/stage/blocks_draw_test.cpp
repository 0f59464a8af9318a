// Drawing blocks: the three passes and the overlay layer, keyed copies, the 30 % blend of ghost
// blocks and liquid, the additive arrows, the sheet chosen by direction and the room's turns,
// the animation column, and the three modes with their culling.
#include "stage/stage_fixture.h"

namespace {

using namespace stagetest;

constexpr uint32_t kMagentaPixel = 0xFF00FF;
constexpr uint32_t kCratePixel = 0xC00000;   // row 0 (type 30)
constexpr uint32_t kArrowPixel = 0x000040;   // row 9 (type 120)
constexpr uint32_t kLiquidPixel = 0x0000FF;  // row 10 (type 130)

class BlockDrawing : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
    }

    // Four block sheets; sheet k's crate row carries k in its green channel so that the sheet
    // used can be told from the picture; the crate cell's top-left pixel is the key colour.
    void makeSheets() {
        for (int k = 0; k < 4; ++k) {
            world.blockSheets[k] = createSurface(320, 640);
            Surface& s = *world.blockSheets[k];
            for (int y = 0; y < s.height; ++y)
                for (int x = 0; x < s.width; ++x) {
                    const int row = y / 32;
                    uint32_t p = 0x101010;
                    if (row == 0) p = kCratePixel | static_cast<uint32_t>(k) << 8 | static_cast<uint32_t>(x / 32);
                    if (row == 9) p = kArrowPixel;
                    if (row == 10) p = kLiquidPixel;
                    s.row(y)[x] = p;
                }
            s.row(0)[0] = kMagentaPixel;
        }
    }

    SurfacePtr target(uint32_t pixel) {
        SurfacePtr t = createSurface(128, 128);
        for (uint32_t& p : t->pixels) p = pixel;
        return t;
    }

    static int red(uint32_t p) { return (p >> 16) & 0xFF; }
    static int blue(uint32_t p) { return p & 0xFF; }
};

TEST_F(BlockDrawing, CrateIsAKeyedCopyFromTheTurnedSheet) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[1][1] = 1030;  // pointing left
    Room& room = buildRoom(grid);
    room.orientation = 2;
    makeSheets();
    SurfacePtr t = target(0);
    drawBlocks(1, kBlockLayersFull, t.get());
    // Sheet (2 + 1) mod 4 = 3, column 0.
    EXPECT_EQ(t->row(33)[33], kCratePixel | 3u << 8);
    EXPECT_EQ(t->row(32)[32], 0u) << "the key colour is left out";
    EXPECT_EQ(t->row(31)[33], 0u);
    EXPECT_EQ(t->row(64)[33], 0u);
    // The animation column follows tick / 5.
    block(0).tick = 12;
    drawBlocks(1, kBlockLayersFull, t.get());
    EXPECT_EQ(t->row(40)[40], kCratePixel | 3u << 8 | 2u);
}

TEST_F(BlockDrawing, PassesDrawArrowsThenBlocksThenLiquid) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[0][0] = 130;  // liquid first in index order
    grid[0][1] = 30;
    grid[0][2] = 120;
    buildRoom(grid);
    makeSheets();
    // Put all three on the same place.
    block(1).worldX = block(2).worldX = 0;
    SurfacePtr t = target(0);
    drawBlocks(1, kBlockLayersFull, t.get());
    const uint32_t p = t->row(10)[10];
    // The crate covers the arrow, then the liquid is mixed over the crate at 30 %.
    EXPECT_GT(red(p), 0);
    EXPECT_LT(red(p), red(kCratePixel));
    EXPECT_GT(blue(p), 0);
    EXPECT_LT(blue(p), 0xFF);
    // The overlay layer draws the liquid alone.
    SurfacePtr o = target(0);
    drawBlocks(1, kBlockLayersOverlay, o.get());
    EXPECT_EQ(red(o->row(10)[10]), 0);
    EXPECT_GT(blue(o->row(10)[10]), 0);
    EXPECT_LT(blue(o->row(10)[10]), 0xFF);
}

TEST_F(BlockDrawing, ArrowsAddTheirLight) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[0][0] = 120;
    buildRoom(grid);
    makeSheets();
    SurfacePtr t = target(0x2020F0);
    drawBlocks(1, kBlockLayersFull, t.get());
    EXPECT_EQ(t->row(5)[5], 0x2020FFu) << "blue saturates, the rest is kept";
}

TEST_F(BlockDrawing, GhostBlockIsThirtyPercent) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[0][0] = 60;  // row 3 of the sheet: the 0x101010 filler
    buildRoom(grid);
    makeSheets();
    SurfacePtr t = target(0xF0F0F0);
    drawBlocks(1, kBlockLayersFull, t.get());
    const int r = red(t->row(5)[5]);
    EXPECT_LT(r, 0xF0);
    EXPECT_GT(r, 0x10 + (0xF0 - 0x10) / 2) << "mostly the background";
}

TEST_F(BlockDrawing, ModeTwoDrawsEveryRoomInViewAtScreenPositions) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[0][0] = 30;
    buildRoom(grid, 0, 0);
    appendRoom(grid, 1000, 0);
    appendRoom(grid, 96, 64);
    makeSheets();
    camera = std::make_unique<Camera>();
    camera->x = 64.5f;
    camera->y = 32.0f;
    SurfacePtr t = createSurface(640, 480);
    for (uint32_t& p : t->pixels) p = 0;
    drawBlocks(2, kBlockLayersFull, t.get());
    // Room 0's crate at world (0, 0) is out of view; room 2's at (96, 64) is drawn at (31, 32)
    // (96 - 64.5 truncated), and room 1's at x 1000 is beyond the view.
    EXPECT_EQ(t->row(40)[40], kCratePixel | 0u);
    EXPECT_EQ(t->row(40)[30], 0u);
    EXPECT_EQ(t->row(40)[64], 0u);
    int drawn = 0;
    for (uint32_t p : t->pixels) drawn += p != 0;
    EXPECT_EQ(drawn, 32 * 32 - 1);
    // Mode 3 leaves the current room out.
    world.currentRoom = 2;
    for (uint32_t& p : t->pixels) p = 0;
    drawBlocks(3, kBlockLayersFull, t.get());
    drawn = 0;
    for (uint32_t p : t->pixels) drawn += p != 0;
    EXPECT_EQ(drawn, 0);
}

TEST_F(BlockDrawing, InactiveBlocksAreNotDrawn) {
    Grid grid(4, std::vector<int>(4, 0));
    grid[0][0] = 30;
    buildRoom(grid);
    makeSheets();
    block(0).active = 0;
    SurfacePtr t = target(0);
    drawBlocks(1, kBlockLayersFull, t.get());
    EXPECT_EQ(t->row(5)[5], 0u);
}

}  // namespace
