// Liquid: a block of water that falls and pools like a crate, but lets the player and other
// blocks into it. The player floats in it (a press of the jump button lifts it a little, and
// falling water carries it along); crates and other blocks are held and sink one pixel per frame;
// only the heavy weight falls through unhindered.
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "input/input.h"
#include "stage/blocks_internal.h"
#include "stage/collision.h"

void blockLiquid(int index) {
    Room& room = currentRoomRef();
    Block& block = blocks::at(index);

    // Water falls like a crate but meets only water; its puffs are the splash row.
    auto meetsWater = [](const Block& other) { return other.perFrame == blockLiquid; };
    blocks::fallOntoWhatIsBelow(index, 1, 10, 1, meetsWater);
    blocks::moveSideways(index, meetsWater, false);

    // The player floats below the top five pixels of the water.
    if (player && boxesOverlap(player->x, player->y, kPlayerSize, kPlayerSize, block.x, block.y + 5,
                               kBlockSize, kBlockSize - 5)) {
        player->vx = 0;
        player->vy = 0;
        player->contact = kContactLanded;
        if (boxesOverlap(player->x, player->y, kPlayerSize, kPlayerSize, block.x, block.y,
                         kBlockSize, kBlockSize) &&
            input.buttons[kButtonJump].state == 2)
            player->vy -= 2;
        if (block.vy != 0) player->vy = block.vy;
    }

    blocks::forEachNearby(index, block.x, block.y, 0, 0, kBlockSize, kBlockSize, [&](int j) {
        Block& other = room.blocks[static_cast<size_t>(j)];
        if (other.perFrame == blockLiquid || other.perFrame == blockArrow ||
            other.type == kBlockHeavy)
            return false;
        if (!boxesOverlap(block.x, block.y, kBlockSize, kBlockSize, other.x, other.y, kBlockSize,
                          kBlockSize))
            return false;
        blocks::dustOnLanding(other, 1);
        other.vx = 0;
        other.vy = 0;
        return false;
    });
}
