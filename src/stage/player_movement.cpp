// How the player moves against the room: one axis at a time, pushed out of wall cells and out of
// the solid blocks, telling each block it strikes from which side (spikes, springs and hazards
// act on that).
#include "stage/player_record.h"
#include "stage/blocks.h"
#include "stage/collision.h"
#include "stage/world.h"

namespace {

// Ghost blocks, arrows and liquid let the player through.
bool playerPassesThrough(const Block& block) {
    return block.type == kBlockGhost || block.type == kBlockArrow || block.type == kBlockLiquid;
}

bool pointInBlock(const Block& block, int px, int py) {
    return block.x <= px && px < block.x + kBlockSize && block.y <= py && py < block.y + kBlockSize;
}

bool playerOverlapsRoom(const Room& room) {
    return boxesOverlap(player->worldX, player->worldY, kPlayerSize, kPlayerSize, room.originX,
                        room.originY, room.width * kCellSize, room.height * kCellSize) != 0;
}

void callContact(Block& block, int code) {
    if (block.contact) block.contact(code);
}

// The player's head struck a block from below, or its feet landed on one: the blocks under the
// point 1 pixel over the middle of its head (or under its feet) answer; when there is none, the
// block struck does.
void touchBlocksAt(Room& room, int px, int py, int struck, int code) {
    bool any = false;
    for (size_t i = 0; i < room.blocks.size(); ++i) {
        Block& block = room.blocks[i];
        if (!pointInBlock(block, px, py)) continue;
        any = true;
        callContact(block, code);
    }
    if (!any) callContact(room.blocks[static_cast<size_t>(struck)], code);
}

}  // namespace

void playerMoveHorizontal() {
    if (!player || world.currentRoom < 0 || world.currentRoom >= static_cast<int>(world.rooms.size()))
        return;
    Room& room = currentRoomRef();
    Player& p = *player;
    if (p.x < 0 || p.x + kPlayerSize >= kCellSize * room.width) return;
    if (playerOverlapsRoom(room) &&
        collideWithCells(room.cells, p.x, p.y, kPlayerSize, kPlayerSize, room.width,
                         kAxisHorizontal))
        p.vx = 0;
    for (size_t i = 0; i < room.blocks.size(); ++i) {
        world.struckBlock = static_cast<int>(i);
        Block& block = room.blocks[i];
        if (playerPassesThrough(block)) continue;
        const int code = resolveContact(p.x, p.y, kPlayerSize, kPlayerSize, block.x, block.y,
                                        kBlockSize, kBlockSize, kAxisHorizontal);
        if (code == kContactLeft || code == kContactRight) {
            p.vx = 0;
            callContact(block, code);
        }
    }
}

void playerMoveVertical() {
    if (!player || world.currentRoom < 0 || world.currentRoom >= static_cast<int>(world.rooms.size()))
        return;
    Room& room = currentRoomRef();
    Player& p = *player;
    if (p.y < 0 || p.y + kPlayerSize >= kCellSize * room.height) return;
    if (playerOverlapsRoom(room) &&
        collideWithCells(room.cells, p.x, p.y, kPlayerSize, kPlayerSize, room.width,
                         kAxisVertical)) {
        // Floor or ceiling: a head bump counts as standing, so a jump may follow at once.
        p.contact = kPlayerStanding;
        p.vy = 0;
    } else if (p.contact != kPlayerRising) {
        p.contact = kPlayerAirborne;
    }
    for (size_t i = 0; i < room.blocks.size(); ++i) {
        world.struckBlock = static_cast<int>(i);
        Block& block = room.blocks[i];
        if (playerPassesThrough(block)) continue;
        const int code = resolveContact(p.x, p.y, kPlayerSize, kPlayerSize, block.x, block.y,
                                        kBlockSize, kBlockSize, kAxisVertical);
        if (code == kContactFromBelow) {
            p.contact = kPlayerAirborne;
            p.vy = 0;
            touchBlocksAt(room, p.x + kPlayerSize / 2, p.y - 1, static_cast<int>(i), code);
        } else if (code == kContactLanded) {
            p.contact = kPlayerStanding;
            p.vy = 0;
            touchBlocksAt(room, p.x + kPlayerSize / 2, p.y + kPlayerSize + 1, static_cast<int>(i),
                          code);
        }
    }
}
