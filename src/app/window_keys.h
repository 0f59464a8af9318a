// The keys a desktop window answers beside the game's own: full screen and screenshots.
#pragma once

// Alt+Enter, F11: full screen <-> window, through the display switch (display.mode and the
// options screen's mode value follow).
void toggleFullScreen();
// F12: the picture last shown as a PNG in the screenshot directory, and one line on standard
// output that names it.
void takeScreenshot();
// The game's icon on its window (nothing when the icon file is missing).
void installWindowIcon();
