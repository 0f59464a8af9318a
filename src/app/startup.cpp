// Start-up, the display modes, the close confirmation and shutdown.
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/runner.h"
#include "audio/audio.h"
#include "input/input.h"
#include "game/game.h"
#include "menu/credits.h"
#include "menu/logo.h"
#include "menu/opening.h"
#include "menu/world_select.h"
#include "platform/platform.h"
#include "text/sjis.h"

namespace {

void devicesChanged() { enumerateJoysticks(); }

}  // namespace

[[noreturn]] void programEntry() {
    platformSetHandlers({confirmClose, devicesChanged});
    // The sine and cosine tables are filled before anything runs (app.cpp).
    setDisplay(0, 0, 320, 200, 1, sj("タイトルです"));
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

void setDisplay(int x, int y, int width, int height, int mode, const char* titleShiftJis) {
    const char* title = titleShiftJis ? titleShiftJis : "";
    display.x = x;
    display.y = y;
    display.width = width;
    display.height = height;
    display.mode = mode;
    std::strncpy(display.windowTitle, title, sizeof display.windowTitle - 1);
    display.windowTitle[sizeof display.windowTitle - 1] = '\0';
    display.borderless = title[0] == '\0' ? 1 : 0;
    createSystemFont(8, 16, sj("ＭＳ 明朝"));
    // A display that refuses full screen leaves the window as it was, at its natural size.
    if (!platformSetDisplay(x, y, width, height, mode, display.borderless != 0,
                            display.windowTitle) &&
        mode == 2) {
        display.mode = 0;
    }
    pumpMessages();
}

void confirmClose() {
    if (platformAsk(sj("本当に終了しますか？"), sj("終了確認です"))) shutDown();
}

[[noreturn]] void shutDown() { endProcess(1); }

[[noreturn]] void endProcess(int status) {
    // Every ending path passes here once: the runner's files are completed first.
    if (frameHooks.beforeExit) {
        Procedure finish = frameHooks.beforeExit;
        frameHooks.beforeExit = nullptr;
        finish();
    }
    releaseSystemFont();
    platformMusicStop();
    platformClose();
    std::fflush(nullptr);
    std::exit(status);
}

void noOperation() {}

void badProcedure() {
    platformMessage(sj("関数ポインタが異常参照しています"), sj("警告"), BoxIcon::Warning);
}
