// The stage: the room reset, one frame of play, one frame of drawing, and the end of a world.
#include "stage/stage.h"

#include "frame/frame.h"
#include "input/input.h"
#include "stage/backdrop.h"
#include "stage/blocks.h"
#include "stage/camera.h"
#include "stage/effects.h"
#include "stage/player_record.h"
#include "stage/stage_slots.h"
#include "stage/turning.h"
#include "stage/world.h"
#include "stage/world_pictures.h"

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

void drawStage() {
    if (world.rooms.empty() || !camera) return;
    drawStageBackground();
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
    player.reset();
    world.effects.clear();
    world.effects.shrink_to_fit();
    // The sheets, the backdrop, the dust and the gear go back to the picture keep, so that the
    // next world that shows them finds them decoded.
    keepWorldPictures();
    world.prepared = StagePictures{};
    world.rooms.clear();
    world.rooms.shrink_to_fit();
    world.roomCount = 0;
    world.backdrop = Backdrop{};
    world.roomRestartPending = 0;
    world.loaded = false;
}
