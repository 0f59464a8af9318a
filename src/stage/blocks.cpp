// Blocks: building them from a room's raw grid, giving each its behaviour, and stepping the
// current room's blocks once per frame.
#include "stage/blocks.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "stage/blocks_nearby.h"
#include "stage/camera.h"
#include "stage/collision.h"
#include "stage/world.h"
#include "stage/world_files.h"

bool blockIsPassable(const Block& block) {
    return block.perFrame == blockArrow || block.perFrame == blockLiquid;
}

void assignBehaviour(Block& block) {
    block.frames = 1;
    block.contact = contactNone;
    switch (block.type) {
    case kBlockHeavy: block.perFrame = blockHeavyFalling; break;
    case kBlockLift: block.perFrame = blockRising; break;
    case kBlockGhost: block.perFrame = blockGhostFalling; break;
    case kBlockHazard:
        block.perFrame = blockFalling;
        block.contact = contactHazard;
        block.frames = 10;
        break;
    case kBlockStillHazard:
        block.perFrame = blockStill;
        block.contact = contactHazard;
        break;
    case kBlockSpike:
        block.perFrame = blockStill;
        block.contact = contactSpike;
        block.frames = 2;
        break;
    case kBlockSpring:
        block.perFrame = blockFalling;
        block.contact = contactSpring;
        break;
    case kBlockArrow:
        block.perFrame = blockArrow;
        block.frames = 3;
        break;
    case kBlockLiquid:
        block.perFrame = blockLiquid;
        block.frames = 4;
        break;
    case kBlockSticky: block.perFrame = blockSticky; break;
    case kBlockStill: block.perFrame = blockStill; break;
    default: block.perFrame = blockFalling; break;  // crates, and every type without rules of its own
    }
}

void placeBlocks(int roomIndex) {
    if (roomIndex < 0 || roomIndex >= static_cast<int>(world.rooms.size())) return;
    Room& room = world.rooms[static_cast<size_t>(roomIndex)];
    if (room.blocks.empty() || room.blockCount <= 0) return;
    const int count = std::min(room.blockCount, static_cast<int>(room.blocks.size()));
    int filled = 0;
    const int cellCount = static_cast<int>(room.rawGrid.size());
    for (int c = 0; c < cellCount && filled < count; ++c) {
        const int code = room.rawGrid[static_cast<size_t>(c)];
        if (!isBlockCode(code)) continue;
        Block& block = room.blocks[static_cast<size_t>(filled++)];
        block.type = codeLow(code) / 10 * 10;
        block.x = c % room.width * kCellSize;
        block.y = c / room.width * kCellSize;
        block.worldX = block.x + room.originX;
        block.worldY = block.y + room.originY;
        block.vx = 0;
        block.vy = 0;
        assignBehaviour(block);
        block.stuck = 0;
        block.active = 1;
        block.param = codeHigh(code);
        block.tick = 0;
    }
}

namespace {

// The order in which the blocks are stepped, higher blocks first: for each place from the first,
// any later block standing higher swaps in. That exchange of places depends only on which blocks
// stand higher than which, so the order found is kept, with where neighbours in it stand level,
// for as long as the blocks still stand that way: in a room at rest, every frame.
struct SteppingOrder {
    std::vector<int> order;      // block indices in stepping order
    std::vector<int> heights;    // their y, in the same order (scratch of the exchange)
    std::vector<uint8_t> level;  // level[k]: order[k] and order[k + 1] stand at the same y
};
SteppingOrder stepping;  // the game steps one room at a time, from one thread

void exchangePlaces(const Room& room, SteppingOrder& s) {
    const int n = static_cast<int>(room.blocks.size());
    s.order.resize(static_cast<size_t>(n));
    s.heights.resize(static_cast<size_t>(n));
    s.level.resize(static_cast<size_t>(n));
    int* order = s.order.data();
    int* height = s.heights.data();
    for (int i = 0; i < n; ++i) {
        order[i] = i;
        height[i] = room.blocks[static_cast<size_t>(i)].y;
    }
    for (int i = 0; i < n; ++i) {
        int top = height[i];
        for (int k = i + 1; k < n; ++k) {
            if (height[k] < top) {
                std::swap(order[i], order[k]);
                std::swap(height[k], top);
            }
        }
        height[i] = top;
    }
    for (int k = 0; k + 1 < n; ++k) s.level[static_cast<size_t>(k)] = height[k] == height[k + 1];
}

bool orderStillHolds(const Room& room, const SteppingOrder& s) {
    const size_t n = room.blocks.size();
    if (s.order.size() != n) return false;
    for (size_t k = 0; k + 1 < n; ++k) {
        const int a = room.blocks[static_cast<size_t>(s.order[k])].y;
        const int b = room.blocks[static_cast<size_t>(s.order[k + 1])].y;
        if (a > b || (a == b) != (s.level[k] != 0)) return false;
    }
    return true;
}

}  // namespace

BlockStepping blockStepping = BlockStepping::Filed;

void stepBlocks() {
    if (world.currentRoom < 0 || world.currentRoom >= static_cast<int>(world.rooms.size())) return;
    Room& room = currentRoomRef();
    const int n = static_cast<int>(room.blocks.size());
    if (n == 0) return;

    // Blocks higher in the room are stepped first, so that a stack settles from the top in one
    // frame.
    const bool filed = blockStepping == BlockStepping::Filed;
    if (!filed || !orderStillHolds(room, stepping)) exchangePlaces(room, stepping);
    if (filed) blocks::fileBlocks(room);

    const float cx = camera ? camera->x : 0.0f, cy = camera ? camera->y : 0.0f;
    for (int i = 0; i < n; ++i) {
        const int index = stepping.order[static_cast<size_t>(i)];
        Block& block = room.blocks[static_cast<size_t>(index)];
        if (!block.active) continue;
        if (block.perFrame) block.perFrame(index);
        if (filed) blocks::refile(index);
        block.worldX = block.x + room.originX;
        block.worldY = block.y + room.originY;
        // A block that has left the screen takes no further part until the room is reset.
        const int screenX = static_cast<int>(block.worldX - cx);
        const int screenY = static_cast<int>(block.worldY - cy);
        if (!boxesOverlap(screenX, screenY, kBlockSize, kBlockSize, 0, 0, 640, 480)) block.active = 0;
        block.tick += 1;
        if (block.tick >= block.frames * 5) block.tick = 0;
    }
    blocks::closeFiling();
}

void blockStill(int) {}
