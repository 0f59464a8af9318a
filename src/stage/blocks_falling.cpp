// The blocks that gravity pulls down: crates (and the hazard and spring blocks that fall like
// them), the heavy weight, the ghost block, and the sticky block that joins its own kind.
// Each frame a block gains speed, moves one axis at a time, and is pushed back out of walls and
// other blocks; one that comes down on the player standing on the ground crushes it.
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/blocks_internal.h"
#include "stage/collision.h"

namespace {

enum class Crush { None, KeepFrame, ResetFrame };

struct Fall {
    int gravity;
    int maxSpeed;
    Crush crush;  // what a block coming down on a standing player does to it
};

// The player standing on the ground under a block that comes down onto it is crushed; one in the
// air only carries the block on its head. Returns true when the block now rests on the player.
bool comesDownOnPlayer(Block& block, int oldY, Crush crush) {
    if (!player || oldY + kBlockSize > player->y) return false;
    if (resolveContact(block.x, block.y, kBlockSize, kBlockSize, player->x, player->y, kPlayerSize,
                       kPlayerSize, kAxisVertical) != kContactLanded)
        return false;
    if (player->contact == kContactLanded && playerIn(stageSlots.playerNormal)) {
        if (crush == Crush::ResetFrame) player->frame = 0;
        player->stepFlag = 0;
        player->state = stageSlots.playerDestroyed;
    }
    return true;
}

void fall(int index, const Fall& rule) {
    const int oldY = blocks::at(index).y;
    blocks::fallOntoWhatIsBelow(index, rule.gravity, rule.maxSpeed, 0, blocks::meetsSolid);
    blocks::moveSideways(index, blocks::meetsSolid, false);
    Block& block = blocks::at(index);
    if (rule.crush != Crush::None && comesDownOnPlayer(block, oldY, rule.crush)) {
        blocks::dustOnLanding(block, 0);
        block.vy = 0;
    }
}

void joinSticky(Block& a, Block& b) {
    a.stuck = 1;
    b.stuck = 1;
}

}  // namespace

void blockFalling(int index) { fall(index, {1, 10, Crush::ResetFrame}); }

// The heavy weight falls twice as hard and ignores liquid, which holds every other block.
void blockHeavyFalling(int index) { fall(index, {2, 20, Crush::KeepFrame}); }

// The ghost block falls like a crate but passes through the player.
void blockGhostFalling(int index) { fall(index, {1, 10, Crush::None}); }

// A sticky block falls until it comes to rest next to another sticky block; from then on the
// two are joined and stay where they are, whichever way the room is turned, until the room is
// reset. It is the one block that collides with arrows and liquid too, and the one that meets
// the walls even outside its room; its loops join as they push, so they stay written out.
void blockSticky(int index) {
    Room& room = currentRoomRef();
    Block& block = blocks::at(index);
    const int oldY = block.y;

    if (!block.stuck) {
        block.vy += 1;
        if (block.vy > 10) block.vy = 10;
        block.y += block.vy;
    }
    if (collideWithCells(room.cells, block.x, block.y, kBlockSize, kBlockSize, room.width,
                         kAxisVertical))
        block.vy = 0;
    // Only the blocks within a pixel of its sides can push it or join it.
    blocks::forEachNearby(index, block.x, block.y, -1, -1, kBlockSize + 2, kBlockSize + 2, [&](int j) {
        Block& other = room.blocks[static_cast<size_t>(j)];
        const int code = blocks::pushOutOf(block, other, kAxisVertical);
        if (code == kContactFromBelow || code == kContactLanded) {
            if (other.perFrame == blockSticky) joinSticky(block, other);
            block.vy = 0;
        }
        if (boxesOverlap(block.x - 1, block.y, kBlockSize + 2, kBlockSize, other.x, other.y,
                         kBlockSize, kBlockSize) &&
            block.vy == 0 && other.vy == 0 && other.type == block.type)
            joinSticky(block, other);
        return false;
    });

    block.x += block.vx;
    if (collideWithCells(room.cells, block.x, block.y, kBlockSize, kBlockSize, room.width,
                         kAxisHorizontal))
        block.vx = 0;
    blocks::forEachNearby(index, block.x, block.y, -1, -1, kBlockSize + 2, kBlockSize + 2, [&](int j) {
        Block& other = room.blocks[static_cast<size_t>(j)];
        const int code = blocks::pushOutOf(block, other, kAxisHorizontal);
        if (code == kContactLeft || code == kContactRight) block.vx = 0;
        if (boxesOverlap(block.x, block.y - 1, kBlockSize, kBlockSize + 2, other.x, other.y,
                         kBlockSize, kBlockSize) &&
            block.vx == 0 && other.vx == 0 && other.type == block.type)
            joinSticky(block, other);
        return false;
    });

    if (comesDownOnPlayer(block, oldY, Crush::KeepFrame)) block.vy = 0;
}
