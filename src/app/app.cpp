// The runner's hooks into the frame loop, and the reset of the frame state between tests.
#include "app/app.h"

FrameHooks frameHooks;

void resetAppState() {
    app = AppState{};
    display = DisplayState{};
    frameHooks = FrameHooks{};
    seedRandom(0);
}
