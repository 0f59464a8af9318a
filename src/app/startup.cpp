// Start-up, the display modes, the close confirmation and shutdown.
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>

#include "app/app.h"
#include "app/runner.h"
#include "app/window_keys.h"
#include "audio/audio.h"
#include "input/input.h"
#include "game/game.h"
#include "menu/credits.h"
#include "menu/logo.h"
#include "menu/opening.h"
#include "menu/world_select.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/world.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

void devicesChanged() { enumerateJoysticks(); }

}  // namespace

[[noreturn]] void programEntry() {
    platformSetHandlers({confirmClose, devicesChanged, shutDown, toggleFullScreen, takeScreenshot});
    // The sine and cosine tables are filled before anything runs (gfx/display.cpp).
    setDisplay(0, 0, 320, 200, 1, sj("タイトルです"));
    installWindowIcon();
    runProgram();
    shutDown();
}

void startUp() {
    setDisplay(480, 210, 640, 480, 2, sj("ヨモギとユラユラの城"));
    app.backBuffer = createScreenSurface();
    app.fadeSurface = createSurface(640, 480);
    fillSurface(app.fadeSurface.get(), kBlack);
    seedRandom(runner.seedGiven ? runner.seed : platformSystemTime());
    loadKeyConfig();
    app.sceneStep = logoEntry;
    game.exits = {creditsEntry, openingEntry, selectEntry};
    app.quitRequested = 0;
    audio.musicEnabled = 1;
    audio.musicPlaying = 0;
    loadGlyphTable();
    app.overlayStep = nullptr;
}

void confirmClose() {
    if (platformAsk(sj("本当に終了しますか？"), sj("終了確認です"))) shutDown();
}

[[noreturn]] void shutDown() { endProcess(1); }

[[noreturn]] void endProcess(int status) {
    // Every ending path passes here once. A world still in play keeps its records whatever ends
    // the program (the close confirmation, Escape in a frame the game step skips, a fatal fault,
    // the end of a headless run): the game end's writes run first. Then the runner's files.
    if (world.loaded) {
        world.loaded = false;
        writeScoreFile(world.number);
    }
    if (frameHooks.beforeExit) {
        Procedure finish = frameHooks.beforeExit;
        frameHooks.beforeExit = nullptr;
        finish();
    }
    if (frameHooks.failedStatus != 0) status = frameHooks.failedStatus;
    releaseSystemFont();
    platformMusicStop();
    platformClose();
    std::fflush(nullptr);
    std::exit(status);
}
