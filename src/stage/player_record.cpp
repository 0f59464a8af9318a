// The one player record of the program, and what the room does to it: a turn carries it round
// with the room, and stops it.
#include "stage/player_record.h"

#include "stage/world.h"

std::unique_ptr<Player> player;

namespace {

bool haveCurrentRoom() {
    return world.currentRoom >= 0 && world.currentRoom < static_cast<int>(world.rooms.size());
}

}  // namespace

void refreshPlayerWorldPosition() {
    if (!player || !haveCurrentRoom()) return;
    const Room& room = currentRoomRef();
    player->worldX = player->x + room.originX;
    player->worldY = player->y + room.originY;
}

void turnPlayer(int direction) {
    if (!player || !haveCurrentRoom()) return;
    const Room& room = currentRoomRef();
    const int w = kCellSize * room.width - 1, h = kCellSize * room.height - 1;
    Player& p = *player;
    const int x = p.x, y = p.y;
    if (direction == 1) {
        p.x = y;
        p.y = w - (x + kPlayerSize - 1);
    } else {
        p.x = h - (y + kPlayerSize - 1);
        p.y = x;
    }
    refreshPlayerWorldPosition();
}

void stopPlayer() {
    if (!player) return;
    player->vx = 0;
    player->vy = 0;
    player->contact = kPlayerAirborne;
}
