// How a crowded room's blocks are stepped quickly and exactly as before: the order of the steps
// (kept from frame to frame while the blocks stand the same way) against the exchange of places
// found afresh, and the blocks filed by place against a look at every block.
#include <algorithm>
#include <random>
#include <vector>

#include "stage/blocks_nearby.h"
#include "stage/collision.h"
#include "stage/stage_fixture.h"

namespace {

using namespace stagetest;

class BlocksOrder : public StageTest {};

std::vector<int> stepped;
void recordStep(int index) { stepped.push_back(index); }

// The order of the rules: for each place from the first, any later block standing higher
// swaps in.
std::vector<int> exchangeOfPlaces(const std::vector<int>& heights) {
    std::vector<int> order(heights.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    for (size_t i = 0; i < order.size(); ++i)
        for (size_t k = i + 1; k < order.size(); ++k)
            if (heights[static_cast<size_t>(order[k])] < heights[static_cast<size_t>(order[i])])
                std::swap(order[i], order[k]);
    return order;
}

TEST_F(BlocksOrder, StepsInTheOrderOfTheExchangeOfPlacesFrameAfterFrame) {
    // Blocks on a few heights only, so that they often stand level; each frame some move, and
    // levels form and break while the order by height mostly holds, or turns over entirely.
    std::mt19937 random(11);
    for (int blocksInRoom : {1, 2, 3, 7, 40, 150}) {
        Grid grid = walledRoom(14);
        buildRoom(grid);
        Room& room = world.rooms[0];
        room.blocks.assign(static_cast<size_t>(blocksInRoom), Block{});
        room.blockCount = blocksInRoom;
        for (Block& b : room.blocks) {
            b.perFrame = recordStep;
            b.y = static_cast<int>(random() % 4) * 32;
        }
        for (int frame = 0; frame < 300; ++frame) {
            const int moves = frame % 50 == 49 ? blocksInRoom : static_cast<int>(random() % 3);
            for (int m = 0; m < moves; ++m) {
                Block& b = room.blocks[random() % room.blocks.size()];
                b.y = static_cast<int>(random() % 4) * 32 + (random() % 5 == 0 ? 1 : 0);
            }
            std::vector<int> heights;
            for (const Block& b : room.blocks) heights.push_back(b.y);
            stepped.clear();
            stepBlocks();
            ASSERT_EQ(stepped, exchangeOfPlaces(heights)) << blocksInRoom << " blocks, frame " << frame;
            for (Block& b : room.blocks) b.active = 1;  // the probes never fall out of view
        }
    }
}

TEST_F(BlocksOrder, NearbyBlocksHoldEveryBlockABoxCanMeetInIndexOrder) {
    // Blocks anywhere, inside the room, on its border and far beyond it (where the filing keeps
    // them under the border cells), boxes of every small size anywhere.
    std::mt19937 random(5);
    buildRoom(walledRoom(12));
    Room& room = world.rooms[0];
    room.blocks.assign(200, Block{});
    room.blockCount = 200;
    auto somewhere = [&random] {
        const int spread = random() % 4 == 0 ? 3000 : 500;
        return static_cast<int>(random() % (2 * spread)) - spread + 192;
    };
    for (Block& b : room.blocks) {
        b.x = somewhere();
        b.y = somewhere();
    }
    blocks::fileBlocks(room);
    for (int trial = 0; trial < 20000; ++trial) {
        if (trial % 10 == 0) {  // a block moves, as it does in its step, and is filed again
            const int moved = static_cast<int>(random() % room.blocks.size());
            room.blocks[static_cast<size_t>(moved)].x = somewhere();
            room.blocks[static_cast<size_t>(moved)].y = somewhere();
            blocks::refile(moved);
        }
        const int self = static_cast<int>(random() % room.blocks.size());
        const int after = random() % 3 == 0 ? static_cast<int>(random() % room.blocks.size()) : -1;
        const int x = random() % 2 ? somewhere() : room.blocks[static_cast<size_t>(self)].x + static_cast<int>(random() % 70) - 35;
        const int y = random() % 2 ? somewhere() : room.blocks[static_cast<size_t>(self)].y + static_cast<int>(random() % 70) - 35;
        const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 40);
        blocks::NearbyBlocks near(self, x, y, w, h);
        if (after >= 0) near.find(self, after, x, y, w, h);
        std::vector<int> found;
        for (size_t k = 0; k < near.size(); ++k) found.push_back(near[k]);
        ASSERT_TRUE(std::is_sorted(found.begin(), found.end()));
        ASSERT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
        for (int j = 0; j < static_cast<int>(room.blocks.size()); ++j) {
            const Block& b = room.blocks[static_cast<size_t>(j)];
            const bool listed = std::binary_search(found.begin(), found.end(), j);
            if (j == self || j <= after) {
                ASSERT_FALSE(listed) << j;
            } else if (boxesOverlap(x, y, w, h, b.x, b.y, kBlockSize, kBlockSize)) {
                ASSERT_TRUE(listed) << "trial " << trial << ": block " << j << " at " << b.x << ", "
                                    << b.y << " meets the box " << x << ", " << y << ", " << w << " x " << h;
            }
        }
    }
    blocks::closeFiling();
    // Unfiled, every block after `after` but self is near.
    blocks::NearbyBlocks all(7, 0, 0, 1, 1);
    ASSERT_EQ(all.size(), room.blocks.size() - 1);
    for (size_t k = 0; k < all.size(); ++k) EXPECT_EQ(all[k], static_cast<int>(k < 7 ? k : k + 1));
}

}  // namespace
