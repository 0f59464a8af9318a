// Result panels drawn over the play field (CLEAR, RANK, leave, OVER, NEXT) and the result
// overlay that the frame draws after the fade.
#pragma once

#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "gfx/surface.h"
#include "stage/world.h"

struct TextItem {
    char text[256] = {};  // Shift-JIS
    int x = 0, y = 0;
    int width = 0, height = 0;
    int step = 0;
    int opacity = 0;
    int glyphWidth = 0;
    int selected = 0;
};

struct ImageItem {
    Surface* surface = nullptr;
    int x = 0, y = 0;
    int width = 0, height = 0;
    int speed = 0, acceleration = 0;
    int cell = 0;
};

// A result procedure: one frame of a panel; its return value is stored in resultChoice.
using ResultProcedure = int (*)();

// What the panels hold from frame to frame, their pictures apart: the result slot, the choices
// made in the menus, and the items the overlay draws.
struct ResultRecord {
    ResultProcedure resultStep = nullptr;  // the result slot
    int resultPhase = 0;                   // 0 set up at next call, 2 shown, 3 closing
    int resultChoice = 0;
    int goToNextWorld = 0;      // the NEXT menu chose the next world
    int companionFlownOff = 0;  // the game's word that Shelly has dived out of the view (CLEAR waits)
    std::vector<TextItem> texts;
    std::vector<ImageItem> images;
    int newRecord = 0;
    int clearedRoom = 0;  // the room whose CLEAR panel is shown; its record is stored on closing
};

// The panels' record and their pictures.
struct ResultState : ResultRecord {
    SurfacePtr board;           // "bmp/black_board.bmp", 576 x 384
    SurfacePtr companionSheet;  // "bmp/shelly1.bmp"
    SurfacePtr rankMarks;       // "bmp/rankfont.bmp"
    SurfacePtr newRecordLabel;  // "bmp/NewRecode.bmp", 72 x 32
};
extern ResultState results;

// The text item setter: alignment 0 centre, 1 right edge, any other the left edge.
void setTextItem(TextItem& item, const char* text, int alignment, int y, int height, int step,
                 int opacity, int glyphWidth);

// The record back to its start values (no panel shown), the pictures kept.
void clearResultRecord();
// The record set up for a world and, unless pictures is None, the panels' pictures loaded.
void setupResultResources(WorldPictures pictures = WorldPictures::Decoded);
void releaseResultResources();
void drawResultOverlay();  // called by the frame after the fade

int resultClear();
int resultRank();
int resultLeave();
int resultOver();
int resultNext();

int rankOf(int moves, int par);

// A result script: exactly two menu entries. Entries that cannot be read stay empty.
void readResultScript(const char* path, std::vector<TextItem>& entries);

// --- Progress files (save, score, cleared maps, ending) -----------------------------------------
// The score file of a world: one "%03d %03d %03d\n" line per room (par, bestMoves, bestRank),
// written atomically. Returns false when it could not be written (the old file stays).
bool writeScoreFile(int worldNumber);
// First-clear processing for the room being left (unlocking in data/save.txt, replacing the
// world's map by map/NNN/clearRRR.txt and rebuilding the hall at once).
void runFirstClear(int clearedRoom);
// The ending test: 1 when every room has a best record and map/ending.txt names the world in
// play (world.number).
int endingReached();
// data/save.txt: world-select cursor, number of world positions, highest unlocked world. False
// when the file is missing or holds fewer than three numbers.
bool readSaveFile(int& cursor, int& positions, int& unlocked);
