// Capturing, restoring and stepping the state of play.
#include "game/play_state.h"

#include "game/cells.h"
#include "game/game.h"
#include "stage/stage.h"
#include "stage/stage_slots.h"
#include "stage/world_files.h"

void capturePlay(PlaySnapshot& s) {
    s.rooms = world.rooms;
    s.currentRoom = world.currentRoom;
    s.targetRoom = world.targetRoom;
    s.effects = world.effects;
    s.struckBlock = world.struckBlock;
    s.roomRestartPending = world.roomRestartPending;
    s.starReseed = world.starReseed;
    s.starClock = world.backdrop.starClock;
    s.activeCell = activeCell;
    s.hasPlayer = player != nullptr;
    if (player) s.player = *player;
    s.hasCamera = camera != nullptr;
    if (camera) s.camera = *camera;
    s.shelly = companions.shelly;
    s.ghosts[0] = companions.ghosts[0];
    s.ghosts[1] = companions.ghosts[1];
    s.displayOpacity = companions.displayOpacity;
    s.results = results;
    s.game = game;
    s.overlayStep = app.overlayStep;
    s.fadeLevel = app.fadeLevel;
    s.fadeSpeed = app.fadeSpeed;
    s.fadeRun = app.fadeRun;
    s.fadeState = app.fadeState;
    for (int i = 0; i < kButtonCount; ++i) s.buttons[i] = input.buttons[i].state;
    s.random = randomState();
}

PlaySnapshot capturePlay() {
    PlaySnapshot s;
    capturePlay(s);
    return s;
}

void restorePlay(const PlaySnapshot& s) {
    world.rooms = s.rooms;
    world.roomCount = static_cast<int>(world.rooms.size());
    world.currentRoom = s.currentRoom;
    world.targetRoom = s.targetRoom;
    world.effects = s.effects;
    world.struckBlock = s.struckBlock;
    world.roomRestartPending = s.roomRestartPending;
    world.starReseed = s.starReseed;
    world.backdrop.starClock = s.starClock;
    // The turning picture belongs to the turn that was running when it was taken.
    releaseSurface(world.turnSnapshot);
    activeCell = s.activeCell;
    if (s.hasPlayer) {
        if (!player) player = std::make_unique<Player>();
        static_cast<PlayerRecord&>(*player) = s.player;
    } else {
        player.reset();
    }
    if (s.hasCamera) {
        if (!camera) camera = std::make_unique<Camera>();
        *camera = s.camera;
    } else {
        camera.reset();
    }
    companions.shelly = s.shelly;
    companions.ghosts[0] = s.ghosts[0];
    companions.ghosts[1] = s.ghosts[1];
    companions.displayOpacity = s.displayOpacity;
    static_cast<ResultRecord&>(results) = s.results;
    game = s.game;
    app.overlayStep = s.overlayStep;
    app.fadeLevel = s.fadeLevel;
    app.fadeSpeed = s.fadeSpeed;
    app.fadeRun = s.fadeRun;
    app.fadeState = s.fadeState;
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].state = s.buttons[i];
    seedRandom(s.random);
}

namespace {

void writeWorldScore() { writeScoreFile(world.number); }

// A restart asked for closes the panel that is shown.
void closeShownPanel() { results.resultPhase = 3; }

}  // namespace

void fillStageSlots() {
    stageSlots.setupCells = setupCells;
    stageSlots.runCells = runCells;
    stageSlots.drawCurrentRoomCells = drawCurrentRoomCells;
    stageSlots.drawOtherRoomCells = drawOtherRoomCells;
    stageSlots.freeCells = freeCells;
    stageSlots.placePlayer = placePlayer;
    stageSlots.stepPlayer = stepPlayer;
    stageSlots.drawPlayer = drawPlayer;
    stageSlots.playerNormal = playerNormal;
    stageSlots.playerDestroyed = playerDestroyed;
    stageSlots.playerFallen = playerFallen;
    stageSlots.writeScoreFile = writeWorldScore;
    stageSlots.closeShownPanel = closeShownPanel;
}

bool startPlay(int worldNumber, WorldPictures pictures) {
    fillStageSlots();
    createCompanions(pictures);
    createPlayer(pictures);
    if (!loadWorld(worldNumber, pictures)) {
        freePlayer();
        freeCompanions();
        return false;
    }
    createCamera();
    setupResultResources(pictures);
    return true;
}

void stopPlay() {
    clearWorld();
    freePlayer();
    freeCamera();
    releaseResultResources();
    freeCompanions();
}

int stepPlay() {
    if (game.gameStartPending) {
        game.gameStartPending = 0;
        app.fadeRun = 1;
    }
    const int leaving = gameUpdate();
    if (app.overlayStep) app.overlayStep();
    return leaving;
}
