// The frame loop: one frame every 34 ms on an absolute schedule. A frame that misses its
// deadline is computed but not shown, so a slow machine keeps the game's speed and drops
// pictures instead.
#include <cstdint>

#include "app/app.h"
#include "app/startup.h"
#include "audio/audio.h"
#include "input/input.h"
#include "platform/platform.h"
#include "text/glyph_text.h"
#include "result/result.h"

void runProgram() {
    startUp();
    if (frameHooks.afterStartUp) frameHooks.afterStartUp();
    do {
        // Escape pressed in the last poll ends the loop after one more whole frame.
        if (input.buttons[kButtonEscape].state == 2) app.quitRequested = 1;
        if (frameHooks.beforeFrame) frameHooks.beforeFrame();
        frameStep();
        if (frameHooks.afterFrame) frameHooks.afterFrame();
    } while (app.quitRequested == 0);
    releaseSurface(app.backBuffer);
    releaseSurface(app.fadeSurface);
    releaseFontSurfaces();
    stopMusic("BGM");
}

void frameStep() {
    pollInput();
    app.sceneRan = app.sceneStep;
    // A scene empties the slot only together with asking to quit; an empty slot simply runs
    // nothing rather than calling through nothing.
    if (app.sceneStep) app.sceneStep();
    if (app.overlayStep) app.overlayStep();
    if (app.framePresented == 1 || app.fadeState == 1) drawFade();
    drawResultOverlay();
    app.frameRate = presentFrame();
    if (audio.musicEnabled != 0) selectMusic(audio.musicRequest);
    uint64_t effectsBefore = platformSoundsStarted();
    int requested = audio.soundRequest;
    audio.soundRequest = playSoundEffect(requested);
    app.soundStarted = platformSoundsStarted() != effectsBefore ? requested : 0;
    pumpMessages();
}

int presentFrame() {
    bool late = true;
    if (programClock() < app.frameDeadline) {
        late = false;
        platformWaitUntil(app.frameDeadline);
    }
    if (programClock() > app.nextSecond) {
        app.lastStepped = app.framesStepped;
        app.lastShown = app.framesShown;
        app.framesStepped = 0;
        app.framesShown = 0;
        if (app.lastShown == 0) app.lastShown = -1;
        if (app.lastStepped == 0) app.lastStepped = -1;
        app.nextSecond += 1000;
    }
    app.framesStepped += 1;
    app.framePresented = late ? 0 : 1;
    app.framesShown += app.framePresented;
    app.frameDeadline += 34;
    if (!late && app.backBuffer) {
        platformPresent(*app.backBuffer, 640, 480);
        fillBlack(app.backBuffer.get(), 0, 0, 640, 480);
    }
    pumpMessages();
    return late ? -app.lastShown : app.lastShown;
}
