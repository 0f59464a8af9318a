// The logo screen: a title stamp flies in onto the logo, the logo shakes, grows and the view
// zooms into it while a flash fades in; then the opening starts. Enter skips it.
#pragma once

#include "gfx/surface.h"

class JsonWriter;

// Positions are in a 320 x 200 design space shown at 2 x 2.4 on the 640 x 480 screen.
struct LogoState {
    uint8_t landed = 0;  // the stamp has arrived
    uint8_t shaken = 0;  // the shake is over (also picks the logo's second picture)
    int counter = 0;     // shake steps (0..15), then the wait (up to 60)
    int stampX = -424, stampY = -447, stampW = 1175, stampH = 1022;
    int logoX = 30, logoY = 30;
    int growX = 60, growY = 72;  // screen pixels
    int logoW = 260, logoH = 170;
    int growW = 520, growH = 408;  // screen pixels
    int zoomX = 0, zoomY = 150, zoomW = 200, zoomH = 122;
    int flash = 0;  // opacity of the flash, percent
    int toggle = 0;
    SurfacePtr sheet;
};
// The record of the running logo screen, nullptr when it is not running.
extern LogoState* logo;

void logoEntry();
void logoStep();
// One step of the logo's state; true when the screen is finished.
bool logoUpdate();
void logoDraw();
void logoLeave();
// The trace's `menu` object of the logo screen (null when it is not running).
void traceLogoMenu(JsonWriter& json);
