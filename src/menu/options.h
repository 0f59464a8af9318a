// The options screen: four entries over a slowly scrolling sky (screen mode, music on or off,
// the joypad button page, back to the title), and the joypad page that lets the player give
// five game buttons to joystick buttons. The pages are a pair of procedures kept in two slots;
// opening a page replaces the pair. Leaving writes the joystick assignment to
// "data/JoyKey.txt".
#pragma once

#include <cstdint>

#include "gfx/surface.h"

class JsonWriter;

constexpr int kOptionEntries = 4;
constexpr int kJoypadRows = 6;  // five game buttons and the way back
constexpr int kOptionLabelBytes = 255;

enum OptionEntry { kOptionScreen = 0, kOptionMusic = 1, kOptionJoypad = 2, kOptionBack = 3 };

struct OptionsState {
    int8_t cursor = 0;
    char labels[kOptionEntries][kOptionLabelBytes] = {};
    int opacity[kOptionEntries] = {};
    int scroll = 0;  // 0..639
    SurfacePtr font;
    SurfacePtr background;
};

struct JoypadPage {
    char labels[kJoypadRows][kOptionLabelBytes] = {};
    int8_t cursor = 0;
    int8_t assignment[kJoypadRows] = {};  // a joystick button for rows 0..4; row 5 holds -1
    int opacity[kJoypadRows] = {};
};

// The page pair: the step returns non-zero when the screen is to be left.
struct OptionPages {
    int (*step)() = nullptr;
    void (*draw)() = nullptr;
};
extern OptionPages optionPages;

// The records of the running screen (nullptr when it is not running or no joypad page is open).
extern OptionsState* optionsScreen;
extern JoypadPage* joypadPage;
// The screen's own display-mode value: it starts at full screen (2) and the screen entry
// switches it between 2 and 0.
extern int optionsScreenMode;

// The table entries the joypad page's rows 0..4 stand for: Enter, R, jump, A, D.
extern const int kJoypadRowButtons[5];

void optionsEntry();
void optionsStep();
void optionsLeave();
int mainPageStep();
void mainPageDraw();
void joypadOpen();
void joypadClose();  // frees the page, if one is open
int joypadPageStep();
void joypadPageDraw();
// The lowest joystick button 0..20 held down (button 0 is the mask's bit 31); 21 when none.
int lowestPadButton();
// Gives row `row` the button n, handing its old button to the first other row that had n.
void assignPadButton(JoypadPage& page, int row, int n);
// Reads up to count whitespace-separated words (at most 254 bytes each) into labels; the ones
// the file does not hold keep the defaults. False when the file cannot be read.
bool readOptionLabels(const char* path, char (*labels)[kOptionLabelBytes], int count,
                      const char* const* defaultsUtf8);
void traceOptionsMenu(JsonWriter& json);
