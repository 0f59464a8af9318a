// The lift: a block that rises two pixels per frame until something stops it, carrying the
// player standing on it, and squeezing the player out of the room against a ceiling or a block.
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/blocks_internal.h"
#include "stage/collision.h"

namespace {

// The player rides the lift when it stood on it before this frame's rise; a ceiling or a block
// pressing from above then squeezes it.
void carryPlayer(int index, int oldY) {
    Room& room = currentRoomRef();
    Block& lift = blocks::at(index);
    if (!player || oldY < player->y + kPlayerSize) return;
    int px = player->x, py = player->y;
    // The rider is tested against the lift's top as a 24-wide box, as the figure is.
    if (resolveContact(px, py, kPlayerSize, kPlayerSize, lift.x, lift.y, kPlayerSize, kPlayerSize,
                       kAxisVertical) != kContactLanded)
        return;
    player->vy = 0;
    player->contact = kContactLanded;
    int squeezed = collideWithCells(room.cells, px, py, kPlayerSize, kPlayerSize, room.width,
                                    kAxisVertical);
    if (!squeezed) {
        for (int j = static_cast<int>(room.blocks.size()) - 1; j >= 0; --j) {
            const Block& other = room.blocks[static_cast<size_t>(j)];
            int tx = player->x, ty = player->y;
            if (resolveContact(tx, ty, kPlayerSize, kBlockSize, other.x, other.y, kBlockSize,
                               kBlockSize, kAxisVertical) == kContactFromBelow &&
                j != index && !blockIsPassable(other)) {
                squeezed = 1;
                break;
            }
        }
    }
    player->x = px;
    player->y = py;
    if (squeezed) {
        player->stepFlag = 0;
        player->state = stageSlots.playerFallen;
    }
}

}  // namespace

void blockRising(int index) {
    Room& room = currentRoomRef();
    Block& block = blocks::at(index);
    const int oldY = block.y;

    // A lift stands still while the player is being destroyed or has fallen out.
    const bool playerDown =
        playerIn(stageSlots.playerDestroyed) || playerIn(stageSlots.playerFallen);
    block.vy = playerDown ? 0 : -2;
    block.y += block.vy;
    // A lift stops at the first thing above or below it and takes no dust.
    if (blocks::pushOutOfWalls(block, room, kAxisVertical)) block.vy = 0;
    blocks::pushOutOfBlocks(index, kAxisVertical, blocks::meetsSolid, [&](int code) {
        if (!blocks::struckVertically(code)) return false;
        block.vy = 0;
        return true;
    });
    blocks::moveSideways(index, blocks::meetsSolid, true);

    carryPlayer(index, oldY);
}
