// The game scene: one world played from its hall. The entry loads the world and places the
// player on the hall's start cell; each frame runs the camera, the stage and the companions;
// the end writes the records, frees the world and chooses what follows.
#include "game/game_scene.h"

#include "frame/frame.h"
#include "audio/audio.h"
#include "game/game.h"
#include "game/play_state.h"
#include "game/player.h"
#include "game/undo.h"
#include "input/input.h"
#include "game/companions.h"
#include "stage/world_files.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/stage.h"
#include "stage/world.h"

GameState game;

void enterWorld(int worldNumber) {
    game.currentWorld = worldNumber;
    // What the world select's fade looks like in the frame it reaches full black, held there.
    app.overlayStep = fadeStep;
    app.fadeLevel = 100;
    app.fadeSpeed = -2;
    app.fadeState = 1;
    app.fadeRun = 0;
    app.sceneStep = gameEntry;
}

void gameEntry() {
    game.gameStartPending = 1;
    game.gameEnded = 0;
    game.goToCredits = 0;
    results.goToNextWorld = 0;

    if (!startPlay(game.currentWorld, WorldPictures::Decoded)) {
        // The world was refused with a message; nothing of it is kept.
        if (game.worldRefused) {
            game.worldRefused();
            return;
        }
        // Entering the same broken world again would only repeat the message.
        app.quitRequested = 1;
        return;
    }
    app.sceneStep = gameStep;
    audio.musicRequest = 2;
}

void gameStep() {
    if (app.frameRate < 5) return;
    if (game.gameStartPending) {
        game.gameStartPending = 0;
        app.fadeRun = 1;
    }
    if (gameUpdate() != 0 || game.gameEnded)
        gameEnd();
    else
        gameDraw();
}

// A procedure of the result slot that the game update calls itself (OVER and NEXT are called by
// the player's states, which hold the fade around them).
static bool updateCallsResult() {
    return results.resultStep && results.resultStep != resultOver && results.resultStep != resultNext;
}

int gameUpdate() {
    if (world.roomRestartPending) {
        if (updateCallsResult()) results.resultChoice = results.resultStep();
        if (app.fadeState == 1) resetRoom(world.currentRoom);
        return 0;
    }
    updateCamera();
    if (pressed(kButtonEscape)) {
        app.quitRequested = 1;
        return 1;
    }
    if (pressed(kButtonAbandon)) return 1;
    if (updateCallsResult()) results.resultChoice = results.resultStep();
    undoBeforeStage();
    updateStage();
    undoAfterStage();
    updateCompanions();
    return 0;
}

void gameDraw() {
    drawStage();
    drawCompanions();
}

void gameEnd() {
    clearUndo();
    endStage();
    freeCamera();
    releaseResultResources();
    freeCompanions();
    installSceneAfterWorld();
}

void installSceneAfterWorld() {
    Procedure next = game.exits.worldSelect;
    if (game.goToCredits == 1) {
        next = game.exits.credits;
    } else if (game.gameEnded == 0) {
        // Abandoned with P (or ended by Escape): back to the opening.
        next = game.exits.opening;
    } else if (results.goToNextWorld != 0) {
        // The screen stays black from the leave state on; the next entry's first step lets the
        // fade run on. The last world is played again.
        next = gameEntry;
        game.currentWorld = game.currentWorld + 1 > 4 ? 4 : game.currentWorld + 1;
    }
    // A program that has not filled its exits has nowhere to go after the world: it ends.
    if (!next) app.quitRequested = 1;
    app.sceneStep = next;
}
