// The stage: the room reset, one frame of play, one frame of drawing, and the end of a world.
#include "stage/stage.h"

#include <algorithm>

#include "frame/frame.h"
#include "input/input.h"
#include "stage/blocks.h"
#include "stage/camera.h"
#include "stage/effects.h"
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/stars.h"
#include "stage/turning.h"
#include "stage/world.h"

void resetRoom(int roomIndex) {
    world.roomRestartPending = 0;
    if (roomIndex < 0 || roomIndex >= static_cast<int>(world.rooms.size())) return;
    Room& room = world.rooms[static_cast<size_t>(roomIndex)];
    room.turnState = 0;
    room.turnAngle = 0;
    room.orientation = 0;
    room.turnCount = 0;
    if (stageSlots.setupCells) stageSlots.setupCells(roomIndex);
    placeBlocks(roomIndex);
    if (stageSlots.placePlayer) stageSlots.placePlayer();
}

void requestRoomRestart() {
    if (!pressed(kButtonRestart) || world.roomRestartPending != 0 || !playerIn(stageSlots.playerNormal))
        return;
    if (stageSlots.closeShownPanel) stageSlots.closeShownPanel();
    world.roomRestartPending = 1;
    if (!app.overlayStep) app.overlayStep = startFade;
}

void updateStage() {
    if (world.rooms.empty()) return;
    requestRoomRestart();
    if (currentRoomRef().turnState != 0) {
        advanceTurn();
        return;
    }
    startTurnIfAsked();
    if (stageSlots.runCells) stageSlots.runCells();
    stepBlocks();
    if (stageSlots.stepPlayer) stageSlots.stepPlayer();
    stepEffects();
}

// The far background and the castle: a window of each picture, moving with the camera at a
// tenth and an eighth of its speed, stretched over the screen.
static void drawBackdropPicture(const Surface* picture, float left, float top) {
    const Backdrop& b = world.backdrop;
    if (!picture) return;
    // The loader keeps the windows' places within reach; held there here as well, a place off
    // every picture stays a place off the picture rather than an out-of-range conversion.
    const auto place = [](float v) { return static_cast<int>(std::clamp(v, -1.0e9f, 1.0e9f)); };
    transparentBlit(app.backBuffer.get(), 0, 0, 640, 480, picture, place(left), place(top), b.viewW, b.viewH,
                    kMagenta);
}

static void drawGearFrames() {
    if (!world.gearFrame) return;
    const float cx = camera->x, cy = camera->y;
    for (const Room& room : world.rooms) {
        const int w = room.width * kCellSize, h = room.height * kCellSize;
        if (!(room.originX - 32 < cx + 640 && cx < room.originX + w + 32 && room.originY - 32 < cy + 480 &&
              cy < room.originY + h + 32))
            continue;
        // The gear behind the room turns the other way while the room turns.
        rotateBlit(app.backBuffer.get(), static_cast<int>(room.originX - 32 - cx),
                   static_cast<int>(room.originY - 32 - cy), w + 64, h + 64, world.gearFrame.get(), 0, 0, 320, 320,
                   -room.turnAngle, kMagenta);
    }
}

void drawStage() {
    if (world.rooms.empty() || !camera) return;
    Backdrop& b = world.backdrop;
    const float cx = camera->x, cy = camera->y;
    if (b.mode == 1) drawBackdropPicture(b.back.get(), b.backX + cx / 10, b.backY + cy / 10);
    if (b.starsOn == 1) {
        drawStarField(app.backBuffer.get(), 13, b.starClock, 0.1, b.starX, b.starY, 640, 480, 1000, 1200, 8);
        if (++b.starClock > 100000000) b.starClock = 0;
    }
    if (b.mode == 1) drawBackdropPicture(b.castle.get(), b.castleX + cx / 8, b.castleY + cy / 8);
    drawGearFrames();
    if (stageSlots.drawOtherRoomCells) stageSlots.drawOtherRoomCells();
    if (currentRoomRef().turnState != 0) {
        drawTurnSnapshot();
        drawBlocks(3, kBlockLayersFull, app.backBuffer.get());
    } else {
        if (stageSlots.drawCurrentRoomCells) stageSlots.drawCurrentRoomCells(2, app.backBuffer.get());
        drawBlocks(2, kBlockLayersFull, app.backBuffer.get());
        if (stageSlots.drawPlayer) stageSlots.drawPlayer(2, app.backBuffer.get());
        drawBlocks(2, kBlockLayersOverlay, app.backBuffer.get());
    }
    drawEffects();
}

void endStage() {
    // The records are kept even when the world is abandoned; a score file that cannot be written
    // leaves the old one in place.
    if ((world.loaded || !world.rooms.empty()) && stageSlots.writeScoreFile) stageSlots.writeScoreFile();
    if (stageSlots.freeCells) stageSlots.freeCells();
    for (Room& room : world.rooms) {
        room.blocks.clear();
        room.blocks.shrink_to_fit();
        room.blockCount = 0;
    }
    for (SurfacePtr& sheet : world.blockSheets) releaseSurface(sheet);
    player.reset();
    releaseSurface(world.effectSheet);
    world.effects.clear();
    world.effects.shrink_to_fit();
    releaseSurface(world.gearFrame);
    for (SurfacePtr& sheet : world.tileSheets) releaseSurface(sheet);
    releaseSurface(world.turnSnapshot);
    releaseSurface(world.backdrop.castle);
    releaseSurface(world.backdrop.back);
    world.rooms.clear();
    world.rooms.shrink_to_fit();
    world.roomCount = 0;
    world.backdrop = Backdrop{};
    world.roomRestartPending = 0;
    world.loaded = false;
}
