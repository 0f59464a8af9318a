// The quarter turn. Everything moves to its turned place in the frame the turn starts, so no
// rule ever runs on a half-turned room; for the next 30 frames only the picture taken before the
// turn is drawn, turned 3 degrees further each frame, and nothing in the room moves.
#include "stage/turning.h"

#include <vector>

#include "frame/frame.h"
#include "audio/audio.h"
#include "input/input.h"
#include "stage/blocks.h"
#include "stage/collision.h"
#include "stage/camera.h"
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/world.h"

void startTurnIfAsked() {
    Room& room = currentRoomRef();
    if (room.turnState != 0 || !playerIn(stageSlots.playerNormal) || player->contact != 5) return;
    int direction = 0;
    if (pressed(kButtonTurnLeft))
        direction = 1;
    else if (pressed(kButtonTurnRight))
        direction = 3;
    if (direction == 0) return;

    const int width = room.width, height = room.height;
    std::vector<Cell> scratch(static_cast<size_t>(width) * static_cast<size_t>(height));
    turnRoom(width, height, scratch.data(), direction);
    // The turned cells take the places of the old ones; each place keeps its own position.
    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < width; ++j) {
            Cell& to = room.cells[static_cast<size_t>(i * width + j)];
            const Cell& from = scratch[static_cast<size_t>(i * width + j)];
            to.tile = from.tile;
            to.state = from.state;
            to.counter = from.counter;
            to.param = from.param;
            to.procedure = from.procedure;
        }
    }
}

// The picture of the room as it stands before the turn, in room-local coordinates.
void takeTurnSnapshot(Room& room) {
    const int w = room.width * kCellSize, h = room.height * kCellSize;
    world.turnSnapshot = createSurface(w, h);
    drawRectangle(world.turnSnapshot.get(), 0, 0, w, h, 1, kMagenta);
    if (stageSlots.drawCurrentRoomCells) stageSlots.drawCurrentRoomCells(1, world.turnSnapshot.get());
    drawBlocks(1, kBlockLayersFull, world.turnSnapshot.get());
    if (stageSlots.drawPlayer) stageSlots.drawPlayer(1, world.turnSnapshot.get());
    drawBlocks(1, kBlockLayersOverlay, world.turnSnapshot.get());
}

void turnRoom(int width, int height, Cell* scratch, int direction) {
    Room& room = currentRoomRef();
    room.turnState = 1;
    room.turnAngle = 0;
    room.turnCount = room.turnCount + 1 > 999 ? 999 : room.turnCount + 1;

    // A world stepped without pictures has nothing to show the turn with.
    if (world.pictures == WorldPictures::Decoded) takeTurnSnapshot(room);

    const int roomW = width * kCellSize, roomH = height * kCellSize;
    for (Block& b : room.blocks) {
        if (!boxInRoom(room, b.x, b.y, 32, 32)) continue;
        const int x = b.x, y = b.y;
        if (direction == 1) {
            b.x = y;
            b.y = roomW - 32 - x;
        } else {
            b.x = roomH - 32 - y;
            b.y = x;
        }
        b.worldX = b.x + room.originX;
        b.worldY = b.y + room.originY;
    }

    turnPlayer(direction);
    stopPlayer();

    if (direction == 1) {
        room.orientation = (room.orientation + 1) % 4;
        player->turnReaction = player->facing == 0 ? 1 : 2;
    } else {
        room.turnState = 3;
        room.orientation = room.orientation - 1 < 0 ? 3 : room.orientation - 1;
        player->turnReaction = player->facing == 0 ? 2 : 1;
    }

    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < width; ++j) {
            const int from = direction == 1 ? j * width + (width - 1 - i) : (height - 1 - j) * width + i;
            scratch[i * width + j] = room.cells[static_cast<size_t>(from)];
        }
    }

    audio.soundRequest = 3;
}

void advanceTurn() {
    Room& room = currentRoomRef();
    if (room.turnState == 1) {
        room.turnAngle -= 3;
        if (room.turnAngle <= -90) room.turnAngle = 0;
    } else if (room.turnState == 3) {
        room.turnAngle += 3;
        if (room.turnAngle >= 90) room.turnAngle = 0;
    }
    if (room.turnAngle == 0) {
        room.turnState = 0;
        releaseSurface(world.turnSnapshot);
    }
}

void drawTurnSnapshot() {
    if (!world.turnSnapshot) return;
    const Room& room = currentRoomRef();
    const int w = room.width * kCellSize, h = room.height * kCellSize;
    // A slight shake while the room turns: -3..2 pixels on each axis, vertical drawn first.
    const int shakeY = nextRandom() % 6 - 3;
    const int shakeX = nextRandom() % 6 - 3;
    rotateBlit(app.backBuffer.get(), static_cast<int>(room.originX - camera->x) + shakeX,
               static_cast<int>(room.originY - camera->y) + shakeY, w, h, world.turnSnapshot.get(), 0, 0, w, h,
               room.turnAngle, kMagenta);
}
