// The companions of a world: Shelly, the little flyer who follows the player; the head-up display
// with the owner's icon, the turn counter and the room name; and the owner's two ghosts, who
// hover beside the current room and push it round when it turns.
#pragma once

#include "gfx/surface.h"
#include "stage/world.h"

class JsonWriter;

struct Shelly {
    int x = 312, y = 232;  // world pixels of her 16 x 16 box
    int vx = 0, vy = 0;
    int facing = 1;        // 0 sheet as stored (looking left), 1 mirrored
    int flownOff = 0;      // 1 once she has dived out of the view after a clear
    int opacity = 100;
};

struct Ghost {
    int x = 0, y = 0;  // screen pixels of the 64 x 64 picture
    float vx = 0, vy = 0;
    int sheet = 0;     // 0 the picture as stored, 1 its mirrored first row
    int column = 0;    // 1 while rising
};

// The ghosts' swoop: 100 sin and 200 cos + 240 of every whole degree, and the angle pairs of the
// clockwise and anticlockwise turns (270, 90 while no such turn runs).
struct GhostPath {
    float sinPath[360] = {};
    float cosPath[360] = {};
    int clockwise[2] = {270, 90};
    int anticlockwise[2] = {270, 90};
};

struct CompanionState {
    Shelly shelly;
    int displayOpacity = 0;
    Ghost ghosts[2];
    GhostPath path;

    SurfacePtr shellySheet, shellyMirrored;  // "bmp/shelly1.bmp" and its mirrored copy
    SurfacePtr icon;                          // "bmp/yurayura.bmp"
    SurfacePtr ghostSheet, ghostMirrored;     // "bmp/yurayuragost.bmp", its first row mirrored
    SurfacePtr sweat;                         // "bmp/ase.bmp"
};
extern CompanionState companions;

// The records at their start values and, unless pictures is None, their pictures.
void createCompanions(WorldPictures pictures = WorldPictures::Decoded);
void updateCompanions();
void drawCompanions();
void freeCompanions();

// The parts, for the dispatchers and for tests.
void resetCompanionRecords();  // start values without loading pictures
void updateShelly();
void updateGhosts();
void updateDisplayOpacity();
void drawShelly();
void drawGhosts();
void drawDisplay();

// The trace's "companion" object and "ghosts" array, written into the game object.
void traceCompanions(JsonWriter& json);
