// The world select: a big castle map that scrolls so that a marker stays in the middle of the
// screen. Each world has a position on the map with a spinning emblem, a name plate, a fanned
// WORLD label and a framed description that unfolds while the marker rests there. Up and Down
// move the marker along a springy path, Enter on the position where it stands starts the world,
// Backspace goes back to the title. The screen's texts and pictures come from the display
// script "data/WorldSelect.txt".
#pragma once

#include <string>
#include <vector>

#include "gfx/surface.h"
#include "menu/image_list.h"

class JsonWriter;

constexpr int kSelectImageCount = 20;
constexpr int kSelectTextCount = 12;      // image slots 8..19 are text entries
constexpr int kSelectMaxPositions = 5;    // one description slot per world
constexpr int kSelectScriptNumbers = 100;
constexpr int kSelectScriptLines = 100;
constexpr int kSelectLineLength = 254;    // the line feed included

// Image slots, in script order.
enum SelectSlot {
    kSlotMap = 0,
    kSlotOpenEmblem = 1,
    kSlotLockedEmblem = 2,
    kSlotFrame = 3,
    kSlotPushEnter = 6,
    kSlotSky = 7,
    kSlotNamePlate = 8,
    kSlotRibbonCanvas = 9,
    kSlotUpWord = 10,
    kSlotDownWord = 11,
    kSlotUpLine = 12,
    kSlotDownLine = 13,
    kSlotWorldLetters = 14,
    kSlotFirstDescription = 15,
};

struct SelectPoint {
    double x = 0, y = 0;
};

struct SelectPosition {
    int x = 0, y = 0;
};

struct SelectPositionRecord {
    int chosen = 0;       // 1 after Enter on the arrived marker
    int emblemAngle = 0;  // 0..359
    int highlight = 0;    // 0..63
};

struct SelectState {
    uint8_t stay = 1;  // 1 while the scene is to return to the title
    int unlocked = 0;  // highest position that may be chosen
    int cursor = 0;
    int count = 0;
    SelectPoint velocity;
    SelectPoint weight;
    SelectPoint marker;
    std::vector<SelectPosition> positions;
    std::vector<SelectPositionRecord> records;
    SurfacePtr images[kSelectImageCount];
    ImageSize textSizes[kSelectTextCount];
    int frameCounter = 0;  // 16 bits
    int blink = 0;         // 0..30
    int hold = 0;          // 0..30, how long Enter has been held
    int appear = 0;        // 0..30, opacity of the Push-Enter ribbon / 3
    int fadeStarted = 0;   // this scene has asked for its fade; from then on input is ignored
    int intoWorld = 0;     // 1: the fade has covered the screen on a chosen world
};
// The record of the running world select, nullptr when it is not running.
extern SelectState* worldSelect;

// What the script reader keeps for the whole run.
struct SelectScript {
    int header[2] = {};
    std::vector<int> numbers;        // only the first is used: the marker's acceleration, percent
    std::vector<std::string> lines;  // each with its line feed, at most 254 bytes
};
extern SelectScript selectScript;

void selectEntry();
void selectStep();
// One frame's rules; true when the scene is finished (the fade has covered the screen).
bool selectUpdate();
void selectDraw();
void selectLeave();
// The trace's `menu` object of the world select.
void traceSelectMenu(JsonWriter& json);

// Reads a display script into selectScript; false with "読み込みに失敗" when it cannot be opened
// (selectScript is then left as it was).
bool readSelectScript(const char* path, int numberLimit, int lineLimit);
// count zeroed positions filled from the file ("%d %d " each); a missing file is reported and
// leaves them all at (0, 0).
std::vector<SelectPosition> readPositionList(const char* path, int count);
// The three save values brought into range: count 1..5, cursor and unlocked 0..count - 1.
void clampSaveValues(int& cursor, int& count, int& unlocked);

// One step of the marker toward target; true when it has arrived.
bool approachStep(SelectPoint& marker, const SelectPoint& target, SelectPoint& velocity,
                  double ax, double ay);
// The nine-part frame around a box, from a 480 x 360 frame picture keyed on magenta.
void drawNineFrame(Surface* dst, int x, int y, int w, int h, const Surface* frame);
