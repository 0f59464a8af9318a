// The program frame's shared state: the scene and overlay slots, the quit flag, the frame
// figures, the back buffer, the screen fade, the display switch and the program's
// pseudo-random generator. Scenes, the stage and the panels use these; the frame loop itself and
// start-up stand above everything (app/).
#pragma once

#include <cstdint>

#include "gfx/angles.h"
#include "gfx/display.h"
#include "gfx/surface.h"

using Procedure = void (*)();

struct AppState {
    Procedure sceneStep = nullptr;    // the scene slot, called once per frame
    Procedure overlayStep = nullptr;  // the overlay slot (holds the running fade)
    int quitRequested = 0;
    int framePresented = 0;
    int frameRate = 0;

    // Screen fade.
    int fadeLevel = 0;
    int fadeSpeed = 0;
    int fadeRun = 0;
    int fadeState = 2;

    // Frame timing on the program clock (milliseconds since start).
    int64_t frameDeadline = 34;
    int64_t nextSecond = 1000;
    int framesStepped = 0;
    int framesShown = 0;
    int lastStepped = 1;
    int lastShown = 1;

    SurfacePtr backBuffer;
    SurfacePtr fadeSurface;

    // What the last frame did, for the headless runner's trace.
    Procedure sceneRan = nullptr;  // the procedure the scene slot held when the scene step ran
    int soundStarted = 0;          // the sound-effect number started in the audio step, 0 = none
};
extern AppState app;

// The screen fade: startFade is what a scene stores in the overlay slot to change over.
void startFade();
void fadeStep();
void drawFade();

void noOperation();
void badProcedure();

// Switches the display: position, logical size, mode and caption (Shift-JIS; empty for a window
// without a frame). A display that refuses full screen stays a window at its natural size.
void setDisplay(int x, int y, int width, int height, int mode, const char* titleShiftJis);
// Dispatches the window's waiting messages.
int pumpMessages();

// The program-wide pseudo-random generator (32-bit state, state * 214013 + 2531011).
void seedRandom(uint32_t seed);
int nextRandom();  // 0..32767
// The generator's state as it stands (seedRandom puts it back).
uint32_t randomState();

// Milliseconds since the program started, on the program clock (virtual when headless).
int64_t programClock();
