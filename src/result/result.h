// Result panels drawn over the play field (CLEAR, RANK, leave, OVER, NEXT) and the result
// overlay that the frame draws after the fade.
#pragma once

#include "gfx/surface.h"

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

void setupResultResources();
void releaseResultResources();
void drawResultOverlay();  // called by the frame after the fade

int resultClear();
int resultRank();
int resultLeave();
int resultOver();
int resultNext();

int rankOf(int moves, int par);

// --- Progress files (save, score, cleared maps, ending) -----------------------------------------
// The score file of a world: one "%03d %03d %03d\n" line per room (par, bestMoves, bestRank),
// written atomically. Returns false when it could not be written (the old file stays).
bool writeScoreFile(int worldNumber);
// First-clear processing for the room being left (unlocking in data/save.txt, replacing the
// world's map by map/NNN/clearRRR.txt and rebuilding the hall at once).
void runFirstClear(int clearedRoom);
// The ending test: 1 when every room has a best record and map/ending.txt names currentWorld.
int endingReached();
