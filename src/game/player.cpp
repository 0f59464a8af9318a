// The player character: its sheets, its placing on a room's start cell, its frame step and its
// drawing.
#include "game/player.h"

#include "frame/frame.h"
#include "gfx/picture_cache.h"
#include "stage/camera.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

constexpr int kSheetWidth = kPlayerSheetColumns * kPlayerSize;
constexpr int kSheetHeight = kPlayerSheetRows * kPlayerSize;

SurfacePtr mirrored(const Surface* sheet) {
    SurfacePtr copy = createSurface(kSheetWidth, kSheetHeight);
    mirrorSheet(copy.get(), sheet, kPlayerSize, kPlayerSize, kPlayerSheetColumns, kPlayerSheetRows);
    return copy;
}

bool haveCurrentRoom() {
    return world.currentRoom >= 0 && world.currentRoom < static_cast<int>(world.rooms.size());
}

}  // namespace

void createPlayer(WorldPictures pictures) {
    player = std::make_unique<Player>();
    app.fadeState = 2;
    if (pictures == WorldPictures::None) return;
    // From the picture keep; the record gives them back when it is freed.
    player->head = takePicture("bmp/yomogi_head.bmp", kSheetWidth, kSheetHeight);
    player->body = takePicture("bmp/yomogi_body.bmp", kSheetWidth, kSheetHeight);
    player->headMirrored = takeMade(*player->head, 1, [] { return mirrored(player->head.get()); });
    player->bodyMirrored = takeMade(*player->body, 1, [] { return mirrored(player->body.get()); });
}

void freePlayer() { player.reset(); }

void placePlayer() {
    if (!player || !haveCurrentRoom()) return;
    const Room& room = currentRoomRef();
    const int cellCount = static_cast<int>(room.cells.size());
    for (int c = 0; c < cellCount; ++c) {
        const int tile = room.cells[static_cast<size_t>(c)].tile;
        if (!isStartTile(tile)) continue;
        Player& p = *player;
        p.x = c % room.width * kCellSize + 4;  // on the cell's floor, 4 pixels in from its left
        p.y = c / room.width * kCellSize + 8;
        refreshPlayerWorldPosition();
        p.vx = 0;
        p.vy = 0;
        p.stepFlag = 0;
        p.animTick = 0;
        p.opacity = 1;
        p.animPeriod = 3;
        p.frame = 0;
        p.reactionTick = 0;
        p.turnReaction = 0;
        p.contact = kPlayerStanding;
        p.state = playerAppearing;
        p.facing = tile <= 209 ? 0 : 1;
        return;
    }
    // A room without a start cell leaves the player as it was.
}

void stepPlayer() {
    if (!player) return;
    Player& p = *player;
    if (p.state == playerNormal) {
        p.animPeriod = p.row == 0 ? 10 : 1;
    } else if (p.state == playerDestroyed || p.state == playerFallen) {
        p.contact = kPlayerNotNormal;
        p.animPeriod = 15;
    } else {
        p.contact = kPlayerNotNormal;
        p.animPeriod = 3;
    }
    p.animTick += 1;
    if (p.animTick > p.animPeriod) {
        p.animTick = 0;
        p.frame += 1;
    }
    if (p.state) p.state();
    refreshPlayerWorldPosition();
}

void drawPlayer(int mode, Surface* target) {
    if (!player) return;
    Player& p = *player;
    int x = p.x, y = p.y;
    if (mode == 2) {
        if (!target) target = app.backBuffer.get();
        const float cx = camera ? camera->x : 0.0f, cy = camera ? camera->y : 0.0f;
        x = static_cast<int>(p.worldX - cx);
        y = static_cast<int>(p.worldY - cy);
    }
    if (!target) return;
    const Surface* body = p.facing == 0 ? p.body.get() : p.bodyMirrored.get();
    const Surface* head = p.facing == 0 ? p.head.get() : p.headMirrored.get();
    if (!body || !head) return;
    const int sx = p.frame * kPlayerSize, sy = p.row * kPlayerSize;
    if (p.turnReaction == 0) {
        const auto opacity = static_cast<int16_t>(p.opacity);
        blendBlit(target, x, y, kPlayerSize, kPlayerSize, body, sx, sy, kPlayerSize, kPlayerSize,
                  opacity, kMagenta);
        blendBlit(target, x, y, kPlayerSize, kPlayerSize, head, sx, sy, kPlayerSize, kPlayerSize,
                  opacity, kMagenta);
        return;
    }
    // The head's reaction to a turn, drawn at full strength over the body.
    transparentBlit(target, x, y, kPlayerSize, kPlayerSize, body, sx, sy, kPlayerSize, kPlayerSize,
                    kMagenta);
    const int reactionRow = p.turnReaction == 1 ? 10 : 11;
    transparentBlit(target, x, y, kPlayerSize, kPlayerSize, head, p.reactionTick / 2 * kPlayerSize,
                    reactionRow * kPlayerSize, kPlayerSize, kPlayerSize, kMagenta);
    p.reactionTick += 1;
    if (p.reactionTick > 6 || p.contact == kPlayerStanding) {
        p.reactionTick = 0;
        p.turnReaction = 0;
    }
}

const char* playerStateName() {
    if (!player || !player->state) return "none";
    const auto state = player->state;
    if (state == playerAppearing) return "appearing";
    if (state == playerNormal) return "normal";
    if (state == playerExit) return "exit";
    if (state == playerLeave) return "leave";
    if (state == playerDestroyed) return "destroyed";
    if (state == playerFallen) return "fallen";
    return "none";
}
