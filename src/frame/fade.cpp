// The screen fade that scenes change over with: the screen darkens by 2 % a frame to black,
// holds there for one frame with fadeState 1 (the moment scenes switch), then clears again.
#include "frame/frame.h"

void startFade() {
    app.fadeLevel = 0;
    app.fadeState = 0;
    app.fadeSpeed = 2;
    app.overlayStep = fadeStep;
    app.fadeRun = 1;
}

void fadeStep() {
    if (app.fadeRun == 1) app.fadeLevel += app.fadeSpeed;
    if (app.fadeLevel > 100) {
        app.fadeSpeed = -app.fadeSpeed;
        app.fadeState = 1;
        app.fadeLevel = 100;
    } else if (app.fadeLevel == 70) {
        app.fadeState = 3;
    } else if (app.fadeLevel >= 0) {
        app.fadeState = 4;
    } else {
        app.fadeLevel = 0;
        app.fadeState = 2;
        app.overlayStep = nullptr;
    }
}

void drawFade() {
    if (app.overlayStep != fadeStep || !app.backBuffer || !app.fadeSurface) return;
    int opacity = static_cast<int>(app.fadeLevel * 2.5);
    alphaBlit(app.backBuffer.get(), 0, 0, 640, 480, app.fadeSurface.get(), 0, 0, 640, 480, opacity);
}
