// A world in memory: its rooms with their cell grids and blocks, the backdrop, the sprite sheets
// in four orientations, the dust puffs and the stage's flags. Everything here lives from
// loadWorld to endStage.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/surface.h"
#include "stage/stage_pictures.h"

constexpr int kCellSize = 32;

// Whether a world is loaded with its pictures (the game) or without any (stepping the rules
// alone, as a solver does): without them nothing is drawn, and everything else runs the same.
enum class WorldPictures { Decoded, None };
constexpr int kEffectSlots = 100;

struct Cell {
    int tile = 0;     // tile code (low part of the raw code, the open tile under a block)
    int x = 0, y = 0; // room-local pixel position at load; turns do not change it
    int state = 0;    // 1 after reset
    int counter = 0;  // the cell procedure's frame counter
    int param = 0;    // thousands part of the raw code
    void (*procedure)(int cellIndex) = nullptr;
};

struct Block {
    int x = 0, y = 0;            // room-local top-left, the block is 32 x 32
    int worldX = 0, worldY = 0;  // x, y plus the room's origin, refreshed after every step
    int vx = 0, vy = 0;
    int type = 30;               // multiple of 10, 30..190
    uint8_t stuck = 0;           // sticky blocks that have joined
    int param = 0;               // direction in quarter turns: 0 up, 1 left, 2 down, 3 right
    int frames = 1;              // animation frames in the sheet row
    int tick = 0;                // animation counter, the frame shown is tick / 5
    int active = 1;              // 0 once the block has left the screen
    void (*perFrame)(int blockIndex) = nullptr;
    void (*contact)(int contactCode) = nullptr;
};

struct Room {
    char name[256] = {};  // Shift-JIS, one word of name.txt
    int reserved1 = 0;
    int par = 0;
    int bestMoves = 999;
    int reserved2 = 0;
    int bestRank = 0;
    int turnCount = 0;
    int originX = 0, originY = 0;  // world pixels of the top-left corner
    int turnAngle = 0;
    int orientation = 0;  // anticlockwise quarter turns since the reset, 0..3
    int turnState = 0;    // 0 still, 1 turning anticlockwise, 3 turning clockwise
    std::vector<Block> blocks;
    int blockCount = 0;
    std::vector<Cell> cells;  // width x height, row by row
    int width = 0, height = 0;
    std::vector<int> rawGrid;  // codes exactly as read from map.txt, kept for every reset
};

struct Backdrop {
    int castleX = 0, castleY = 0;
    int backX = 0, backY = 0;
    int viewW = 0, viewH = 0;
    int reserved3 = 0, reserved4 = 0;
    int mode = 0;
    int starsOn = 0;
    int starX = 0, starY = 0;
    int starClock = 0;
    SurfacePtr castle;
    SurfacePtr back;
};

struct Effect {
    int x = 0, y = 0;  // world position of the puff's top-left corner
    int active = 0;
    int kind = 0;      // row of the dust sheet, 0 or 1
    int tick = 0;
};

struct WorldState {
    int number = 0;  // the world directory map/NNN/ the rooms came from
    WorldPictures pictures = WorldPictures::Decoded;
    int roomCount = 0;
    std::vector<Room> rooms;
    int currentRoom = 0;
    int targetRoom = 0;
    Backdrop backdrop;
    SurfacePtr tileSheets[4];
    SurfacePtr blockSheets[4];
    SurfacePtr effectSheet;
    SurfacePtr gearFrame;
    SurfacePtr turnSnapshot;
    StagePictures prepared;  // made from the pictures above as they are first drawn
    std::vector<Effect> effects;  // kEffectSlots while a world is loaded
    int struckBlock = 0;          // the block the player's movement test struck last
    int roomRestartPending = 0;
    int starReseed = 0;           // kept across calls of the star field, 0 at program start
    bool loaded = false;
    // The score file could not be read when the world was loaded: it is kept beside as
    // score.txt.bad before the first write of a new one.
    bool keepBrokenScoreFile = false;
};
extern WorldState world;

inline Room& currentRoomRef() { return world.rooms[static_cast<size_t>(world.currentRoom)]; }
