// The program frame's own procedures: start-up, the frame loop, presenting a frame, the runner's
// hooks into the loop, the close confirmation and shutdown. The state the scenes share lives in
// frame/frame.h.
#pragma once

#include "frame/frame.h"

// Points where the headless runner joins the frame loop; all empty in the plain game.
struct FrameHooks {
    Procedure afterStartUp = nullptr;  // once, after startUp, before the first frame
    Procedure beforeFrame = nullptr;   // before each frame's poll
    Procedure afterFrame = nullptr;    // after each frame has ended
    Procedure beforeExit = nullptr;    // on every ending path, before the platform is closed
    int failedStatus = 0;              // set by a hook whose files could not be written: the exit status
};
extern FrameHooks frameHooks;

// Puts the frame state back to its start values (tests use it between cases).
void resetAppState();

void startUp();
void runProgram();
void frameStep();
int presentFrame();
[[noreturn]] void shutDown();

// The window's close button: asks "本当に終了しますか？" and ends the program on Yes.
void confirmClose();
