// Loading a world from its directory map/NNN/ (stage.txt, score.txt, name.txt, map.txt,
// screen.txt) and building the sprite sheets it needs in four orientations.
#pragma once

#include <string>

#include "stage/world.h"

// Limits of what a world may hold; anything beyond them is refused at load.
constexpr int kMaxRooms = 64;
constexpr int kMaxRoomCells = 64;       // cells per side
constexpr int kMaxRoomCorner = 100000;  // room corner in cells, either sign
constexpr int kMaxNameBytes = 255;

// The sheets of the stage.
constexpr int kSheetCell = 32;
constexpr int kTileSheetColumns = 10, kTileSheetRows = 80;
constexpr int kBlockSheetColumns = 10, kBlockSheetRows = 20;

// Raw grid codes: high x 1000 + low.
inline int codeHigh(int code) { return code / 1000; }
inline int codeLow(int code) { return code % 1000; }
inline bool isBlockCode(int code) { return codeLow(code) >= 30 && codeLow(code) <= 199; }
inline bool isStartTile(int tile) { return tile >= 200 && tile <= 219; }

// The path of a file of world worldNumber: "map/NNN/<file>", NNN in three digits.
std::string worldPath(int worldNumber, const char* file);

// Reads map/NNN/ for world worldNumber and builds the world, ending with every room reset and
// currentRoom 0; with WorldPictures::None no picture is decoded. A world whose files are missing,
// short or inconsistent is refused with a warning that names the file and the fault; the world
// is then left empty and the result is false.
bool loadWorld(int worldNumber, WorldPictures pictures = WorldPictures::Decoded);
// Checks the text files of map/NNN/ without touching the world in memory; on a fault, fills
// fault (UTF-8) and returns false. Used by loadWorld before anything is built.
bool checkWorldFiles(int worldNumber, std::string& fault);
// Empties the world in memory (rooms, sheets, effect slots, backdrop); the star field's reseed
// value is kept, as it lives for the whole program.
void clearWorld();

// Fills every cell of destination with the same cell of source turned by quarterTurns (1, 2, 3)
// anticlockwise. Sizes are logical pixels; both surfaces have the source's size.
void turnSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
               int quarterTurns, int columns, int rows);
// The same with every cell mirrored left to right.
void mirrorSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
                 int columns, int rows);
