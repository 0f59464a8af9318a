// The opening's animated scenery: the sky, the castle, the graveyard slopes, the title logo, the
// banner, the walking Yomogi and the spinning companion. The opening builds it; when the opening
// ends normally its records, path tables and pictures stay alive, and the title takes them over
// to keep the scenery moving while it fades it out.
#pragma once

#include <memory>

#include "gfx/surface.h"

struct OpeningScenery {
    float skyX1 = 0, skyX2 = -640, skyX3 = -640;
    int castleX = -200;
    float castleY = 205;  // 180 - castleX * 0.125
    int slope1X = 0, slope1Y = 425;
    int slope2X = -872, slope2Y = 570;
    int logoY = -264;
    short bannerOpacity = 0;  // bounces between about -10 and 180 in steps of 10
    int bannerDirection = 1;
    int wavePhase = 0;
    int stage = 0;      // 0 spinner flying in, 1 castle and walker coming in, 2 logo dropping, 3 complete
    int enterSeen = 0;  // an Enter press was seen in the opening
    int ready = 0;      // the next Enter press ends the opening; everything is held in its final place
    int sweatCounter = 0;
    int sweatPeriod = 30;
    short sweatAngle = 0;
};

struct WalkerSprite {
    int x = 640;
    float y = 293.334f;
    int direction = 1;
    int frame = 0;  // 0..3
    int pathIndex = 0;
};

struct SpinnerSprite {
    int x = 640;
    float y = 323.334f;
    int angle = 359;
    int pathIndex = 0;
};

constexpr int kPathSlots = 15;
constexpr int kPathValuesRead = 12;
constexpr int kPathEnd = -999;

// The sprites' path tables from "data/titledata.txt". Each table loops where it holds -999;
// loopAt is that place among the values read, or 0 when the table has none there (a missing or
// short file, or a table without its -999): such a path stands still, every step being 0, so no
// step is ever taken from a value that was not read and no index goes past the table.
struct OpeningPaths {
    int walkerX[kPathSlots] = {};
    float walkerY[kPathSlots] = {};
    float spinnerY[kPathSlots] = {};
    int walkerXLoopAt = 0, walkerYLoopAt = 0, spinnerYLoopAt = 0;
};

// The records the opening leaves program-wide for the title; null while no opening has run or
// after the title has taken them.
struct OpeningRecords {
    std::unique_ptr<OpeningScenery> scenery;
    std::unique_ptr<WalkerSprite> walker;
    std::unique_ptr<SpinnerSprite> spinner;
    std::unique_ptr<OpeningPaths> paths;

    bool present() const { return scenery && walker && spinner && paths; }
};

// The scenery's drawing surfaces, loaded by the shared scenery load and deleted by the shared
// scenery release (both the opening and the title use them).
struct SceneryPictures {
    SurfacePtr sky;      // bmp/bg.bmp, 320 x 200
    SurfacePtr walker;   // bmp/g0.bmp, four 24 x 24 frames side by side
    SurfacePtr spinner;  // bmp/g1.bmp, 24 x 24
    SurfacePtr castle;   // bmp/castle1-3.bmp, 100 x 100
    SurfacePtr slope;    // bmp/hakaba1-2.bmp, 448 x 100
    SurfacePtr banner;   // bmp/skipstart.bmp, 96 x 84: rows 0..41 and 42..83
    SurfacePtr logo;     // bmp/titlerogo3.bmp, 600 x 264
    SurfacePtr sweat;    // bmp/ase.bmp, the 40 x 28 drop at x 40
};

struct OpeningState {
    OpeningRecords records;
    SceneryPictures pictures;
};
extern OpeningState opening;

void loadScenery();
void releaseScenery();

// Fresh records at their start values; the path tables read from path (see OpeningPaths).
OpeningRecords newOpeningRecords(const char* path);
// Reads the three path tables; false when the file cannot be opened (the tables then stand
// still).
bool readOpeningPaths(const char* path, OpeningPaths& paths);

// The step of a path at index i: 0 past the table's loop point.
inline float pathStep(const float* table, int loopAt, int i) { return i >= 0 && i < loopAt ? table[i] : 0.0f; }
inline int pathStep(const int* table, int loopAt, int i) { return i >= 0 && i < loopAt ? table[i] : 0; }

// Pieces of the opening's update that the title runs unchanged while it shows the scenery.
void turnSprites(WalkerSprite& walker, SpinnerSprite& spinner);
void moveSky(OpeningScenery& s);
void moveCastle(OpeningScenery& s);
void moveSlopes(OpeningScenery& s);
void walkAlongPath(WalkerSprite& walker, const OpeningPaths& paths);
void advanceWalkerPath(WalkerSprite& walker, const OpeningPaths& paths);
void bobSpinner(SpinnerSprite& spinner, const OpeningPaths& paths);
// The title's share of the opening's update: the sky, castle and slopes, and both sprites along
// their paths (the walker always follows its path here).
void continueScenery(OpeningRecords& records);

// The three sky copies: the whole sky stretched to 640 x 480 at skyX1 and skyX2, and its part
// from x 160 stretched to 320 x 480 at skyX3; key is a colour, or kKeyNone for plain copies.
constexpr uint32_t kKeyNone = 0xFFFFFFFF;
void drawSky(Surface* screen, const Surface* sky, const OpeningScenery& s, uint32_t key);
void drawSlopes(Surface* screen, const Surface* slope, const OpeningScenery& s, int dy, uint32_t key);
void drawWalker(Surface* screen, const Surface* walkerPicture, const WalkerSprite& w, int dy, uint32_t key);
void drawSpinner(Surface* screen, const Surface* spinnerPicture, const SpinnerSprite& sp, int dy, uint32_t key);
