// What blocks do to the player: hazards and spikes destroy it, springs throw it up, arrows push
// it along while it overlaps them. The contact procedures are called by the player's movement
// with the side of the player that struck the block.
#include "audio/audio.h"
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/blocks_internal.h"
#include "stage/collision.h"

void contactNone(int) {}

static void playerFallsOut() {
    if (!player) return;
    player->frame = 0;
    player->stepFlag = 0;
    player->state = stageSlots.playerFallen;
}

void contactHazard(int) { playerFallsOut(); }

// Spikes are deadly only from the side they face: d is that side (0 top, 1 left, 2 bottom,
// 3 right) after the room's turns. The direction comes from the block the movement struck,
// which is the spike itself unless the call was passed on to a block under or over the middle
// of the player.
void contactSpike(int code) {
    Room& room = currentRoomRef();
    const int struck = world.struckBlock;
    if (struck < 0 || struck >= static_cast<int>(room.blocks.size())) return;
    const int d = (room.blocks[static_cast<size_t>(struck)].param + room.orientation) % 4;
    if ((code == kContactLanded && d == 0) || (code == kContactFromBelow && d == 2) ||
        (code == kContactLeft && d == 3) || (code == kContactRight && d == 1))
        playerFallsOut();
}

void contactSpring(int code) {
    if (code != kContactLanded || !player) return;
    audio.soundRequest = 2;
    player->vy -= 20;
    player->contact = kPlayerRising;
}

// An arrow pushes the player at 7 pixels per frame the way it points (after the room's turns)
// for as long as the two overlap, damping the speed across it.
void blockArrow(int index) {
    if (!player) return;
    const Room& room = currentRoomRef();
    const Block& block = blocks::at(index);
    if (!boxesOverlap(block.x, block.y, kBlockSize, kBlockSize, player->x, player->y, kPlayerSize,
                      kPlayerSize))
        return;
    switch ((block.param + room.orientation) % 4) {
    case 0:
        player->vy = -7;
        player->vx = player->vx / 2;
        playerMoveVertical();
        break;
    case 1:
        player->vx = -7;
        if (player->vy > 0) player->vy = player->vy / 4;
        playerMoveHorizontal();
        break;
    case 2:
        player->vy = 7;
        player->vx = player->vx / 2;
        playerMoveVertical();
        break;
    default:
        player->vx = 7;
        if (player->vy > 0) player->vy = player->vy / 4;
        playerMoveHorizontal();
        break;
    }
}
