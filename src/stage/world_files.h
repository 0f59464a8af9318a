// Loading a world from its directory map/NNN/ (stage.txt, score.txt, name.txt, map.txt,
// screen.txt) and building the sprite sheets it needs in four orientations.
#pragma once

#include <string>
#include <vector>

#include "stage/world.h"

// Limits of what a world may hold; anything beyond them is refused at load.
constexpr int kMaxRooms = 64;
constexpr int kMaxRoomCells = 64;       // cells per side
constexpr int kMaxRoomCorner = 100000;  // room corner in cells, either sign
constexpr int kMaxNameBytes = 255;
// Backdrop windows and the star field's centre, in pixels either way: far beyond any screen, and
// near enough that no drawing arithmetic on them can overflow.
constexpr int kMaxBackdropPosition = 1000000;

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

// How strictly a world's files are judged. The game refuses only what it cannot play safely (a
// value that would read outside a sheet, a grid or an array, a room the player cannot stand in)
// and plays the rest: a door to a room the world lacks stays shut, a direction of four quarter
// turns or more is counted round, records are shown as the score file holds them, values after
// the last room are not read. The world checker also calls those a mistake of the world.
enum class WorldRules { Play, Check };

// A room as a map file gives it: corner and size in cells, raw codes row by row (directions
// counted round under Play).
struct RoomGrid {
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<int> codes;
};
// Reads a file in map.txt's layout (map.txt itself or a cleared map) for roomCount rooms; false
// with fault (UTF-8, naming the file) when the rules refuse it.
bool readMapFile(const std::string& path, int roomCount, std::vector<RoomGrid>& rooms, std::string& fault,
                 WorldRules rules = WorldRules::Play);

// Reads map/NNN/ for world worldNumber and builds the world, ending with every room reset and
// currentRoom 0; with WorldPictures::None no picture is decoded. A world whose files are missing,
// short or inconsistent is refused with a warning that names the file and the fault; the world
// is then left empty and the result is false. A score file that cannot be read only costs the
// records: the warning says so and the world is played with no room cleared.
bool loadWorld(int worldNumber, WorldPictures pictures = WorldPictures::Decoded);
// The world checker's judgement of the text files of map/NNN/ (WorldRules::Check) without touching
// the world in memory; on a fault, fills fault (UTF-8) and returns false.
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
