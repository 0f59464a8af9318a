// Capturing, restoring and stepping the state of play.
#include "game/play_state.h"

#include "game/cells.h"
#include "game/game.h"
#include "stage/stage.h"
#include "stage/stage_slots.h"
#include "stage/world_files.h"

namespace {

// Every plain part of the state of play beside its place in the snapshot, so that capturing and
// restoring copy exactly the same things, each in its own direction: copy(kept, live).
template <typename Snapshot, typename Copy>
void eachPart(Snapshot& s, Copy copy) {
    copy(s.rooms, world.rooms);
    copy(s.currentRoom, world.currentRoom);
    copy(s.targetRoom, world.targetRoom);
    copy(s.effects, world.effects);
    copy(s.struckBlock, world.struckBlock);
    copy(s.roomRestartPending, world.roomRestartPending);
    copy(s.starReseed, world.starReseed);
    copy(s.starClock, world.backdrop.starClock);
    copy(s.activeCell, activeCell);
    copy(s.shelly, companions.shelly);
    copy(s.ghosts[0], companions.ghosts[0]);
    copy(s.ghosts[1], companions.ghosts[1]);
    copy(s.displayOpacity, companions.displayOpacity);
    copy(s.results, static_cast<ResultRecord&>(results));
    copy(s.game, game);
    copy(s.overlayStep, app.overlayStep);
    copy(s.fadeLevel, app.fadeLevel);
    copy(s.fadeSpeed, app.fadeSpeed);
    copy(s.fadeRun, app.fadeRun);
    copy(s.fadeState, app.fadeState);
    for (int i = 0; i < kButtonCount; ++i) copy(s.buttons[i], input.buttons[i].state);
}

}  // namespace

void capturePlay(PlaySnapshot& s) {
    eachPart(s, [](auto& kept, const auto& live) { kept = live; });
    s.hasPlayer = player != nullptr;
    if (player) s.player = *player;
    s.hasCamera = camera != nullptr;
    if (camera) s.camera = *camera;
    s.random = randomState();
}

PlaySnapshot capturePlay() {
    PlaySnapshot s;
    capturePlay(s);
    return s;
}

void restorePlay(const PlaySnapshot& s) {
    eachPart(s, [](const auto& kept, auto& live) { live = kept; });
    world.roomCount = static_cast<int>(world.rooms.size());
    // The turning picture belongs to the turn that was running when it was taken.
    releaseSurface(world.turnSnapshot);
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
    seedRandom(s.random);
}

namespace {

void writeWorldScore() { writeScoreFile(world.number); }

// A restart asked for closes the panel that is shown.
void closeShownPanel() { results.resultPhase = 3; }

}  // namespace

void fillStageSlots() {
    stageSlots = StageSlots{
        .setupCells = setupCells,
        .runCells = runCells,
        .drawCurrentRoomCells = drawCurrentRoomCells,
        .drawOtherRoomCells = drawOtherRoomCells,
        .freeCells = freeCells,
        .coverCells = coverCells,
        .placePlayer = placePlayer,
        .stepPlayer = stepPlayer,
        .drawPlayer = drawPlayer,
        .playerNormal = playerNormal,
        .playerDestroyed = playerDestroyed,
        .playerFallen = playerFallen,
        .writeScoreFile = writeWorldScore,
        .closeShownPanel = closeShownPanel,
    };
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
