// The display the surfaces are made for: where the window stands, the logical screen size, the
// mode (0 window, 1 double-size window, 2 full screen) and the caption. The display switch of the
// program frame (setDisplay) sets it; the graphics read the mode's scale from it.
#pragma once

struct DisplayState {
    int x = 0, y = 0;
    int width = 320, height = 200;  // logical screen size; start-up sets 640 x 480
    int mode = 1;                   // 0 window, 1 double-size window, 2 full screen
    char windowTitle[104] = {};     // Shift-JIS
    int borderless = 0;
};
extern DisplayState display;

// Device pixels per logical pixel: 2 in the double-size mode, else 1. Every drawing operation
// doubles its coordinates by it, so callers never see the difference.
int displayScale();
