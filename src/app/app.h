// The program frame: scene and overlay slots, the quit flag, frame figures, the screen fade,
// the display variables, the sine and cosine tables and the program's pseudo-random generator.
#pragma once

#include <cstdint>

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

// Points where the headless runner joins the frame loop; all empty in the plain game.
struct FrameHooks {
    Procedure afterStartUp = nullptr;  // once, after startUp, before the first frame
    Procedure beforeFrame = nullptr;   // before each frame's poll
    Procedure afterFrame = nullptr;    // after each frame has ended
    Procedure beforeExit = nullptr;    // on every ending path, before the platform is closed
};
extern FrameHooks frameHooks;

struct DisplayState {
    int x = 0, y = 0;
    int width = 320, height = 200;  // logical screen size; start-up sets 640 x 480
    int mode = 1;                   // 0 window, 1 double-size window, 2 full screen
    char windowTitle[104] = {};     // Shift-JIS
    int borderless = 0;
};
extern DisplayState display;

extern float sinTable[360];
extern float cosTable[360];

// Puts the frame state back to its start values (tests use it between cases).
void resetAppState();

void startUp();
void runProgram();
void frameStep();
int presentFrame();
int pumpMessages();
void setDisplay(int x, int y, int width, int height, int mode, const char* titleShiftJis);
[[noreturn]] void shutDown();

void startFade();
void fadeStep();
void drawFade();
void noOperation();
void badProcedure();
// The window's close button: asks "本当に終了しますか？" and ends the program on Yes.
void confirmClose();

// The program-wide pseudo-random generator (32-bit state, state * 214013 + 2531011).
void seedRandom(uint32_t seed);
int nextRandom();  // 0..32767
// The generator's state as it stands (seedRandom puts it back).
uint32_t randomState();

// Milliseconds since the program started, on the program clock (virtual when headless).
int64_t programClock();
