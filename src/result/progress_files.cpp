// The progress files: the save file (which worlds are open), a score file per world, the cleared
// maps that replace a world's map as its rooms are first cleared, and the ending file.
//
// Every write replaces its file in one step: the new content goes into a file beside the old
// one, is flushed to the disk and renamed over it, so a crash or a full disk leaves either the
// old file or the new one, never half of either.
#include <cstdio>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/data_reader.h"
#include "base/save_paths.h"
#include "result/result.h"
#include "stage/blocks.h"
#include "stage/stage_slots.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

// A cleared map read whole before anything is written: every room's header and codes.
struct ClearedMap {
    std::vector<int> headers;             // x, y, width, height per room
    std::vector<std::vector<int>> grids;  // codes per room, row by row
};

bool readClearedMap(const std::string& path, ClearedMap& map) {
    DataReader file;
    if (!file.open(path)) return false;
    for (const Room& room : world.rooms) {
        int x = 0, y = 0, width = 0, height = 0;
        if (!file.number(x) || !file.number(y) || !file.number(width) || !file.number(height)) return false;
        // A cleared map keeps every room's size: the rooms in memory cannot change shape.
        if (width != room.width || height != room.height) return false;
        map.headers.insert(map.headers.end(), {x, y, width, height});
        std::vector<int> grid(static_cast<size_t>(width) * height);
        for (int& code : grid) {
            if (!file.number(code)) return false;
        }
        map.grids.push_back(std::move(grid));
    }
    return true;
}

std::string mapText(const ClearedMap& map) {
    std::string text;
    char field[64];
    for (size_t r = 0; r < map.grids.size(); ++r) {
        const int* h = &map.headers[r * 4];
        std::snprintf(field, sizeof field, "%03d %03d %03d %03d\n", h[0], h[1], h[2], h[3]);
        text += field;
        const int width = h[2], height = h[3];
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                std::snprintf(field, sizeof field, "%04d ",
                              map.grids[r][static_cast<size_t>(row) * width + column]);
                text += field;
            }
            text += "\n";
        }
        text += "\n";
    }
    return text;
}

int countBlocks(const Room& room) {
    int count = 0;
    for (int code : room.rawGrid) {
        const int low = code % 1000;
        if (low >= 30 && low <= 199) ++count;
    }
    return count;
}

// Makes a room's block array match its raw grid and fills it.
void rebuildBlocks(int index) {
    Room& room = world.rooms[static_cast<size_t>(index)];
    room.blockCount = countBlocks(room);
    room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
    placeBlocks(index);
}

void unlockNextWorld() {
    int cursor = 0, positions = 0, unlocked = 0;
    // Without a readable save file there is nothing to unlock from; it is left as it is.
    if (!readSaveFile(cursor, positions, unlocked)) return;
    if (unlocked != world.number) return;
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d", world.number + 1, 5, world.number + 1);
    writeSavedFile("data/save.txt", text);
}

void replaceMap(int clearedRoom) {
    char name[32];
    std::snprintf(name, sizeof name, "clear%03d.txt", clearedRoom);
    ClearedMap map;
    // A cleared map that is missing, ends early or changes a room's size is not used: the map
    // file and the rooms in memory stay exactly as they were.
    if (!readClearedMap(worldPath(world.number, name), map)) return;
    if (!writeSavedFile(worldPath(world.number, "map.txt"), mapText(map))) return;
    for (size_t r = 0; r < map.grids.size(); ++r) {
        Room& room = world.rooms[r];
        const bool blocksChanged = countBlocks(room) != [&] {
            int count = 0;
            for (int code : map.grids[r])
                if (code % 1000 >= 30 && code % 1000 <= 199) ++count;
            return count;
        }();
        room.rawGrid = map.grids[r];
        // A room whose number of blocks changed gets a block array of the new size at once, so
        // that its next reset never fills more or fewer blocks than the grid holds.
        if (blocksChanged && static_cast<int>(r) != world.targetRoom) rebuildBlocks(static_cast<int>(r));
    }
    // The hall the camera glides back to shows the new map straight away.
    if (world.targetRoom >= 0 && world.targetRoom < world.roomCount) {
        rebuildBlocks(world.targetRoom);
        if (stageSlots.setupCells) stageSlots.setupCells(world.targetRoom);
    }
}

}  // namespace

bool writeScoreFile(int worldNumber) {
    std::string text;
    char line[64];
    for (const Room& room : world.rooms) {
        std::snprintf(line, sizeof line, "%03d %03d %03d\n", room.par, room.bestMoves, room.bestRank);
        text += line;
    }
    return writeSavedFile(worldPath(worldNumber, "score.txt"), text);
}

bool readSaveFile(int& cursor, int& positions, int& unlocked) {
    DataReader file;
    int a = 0, b = 0, c = 0;
    if (!file.open(savedOrShipped("data/save.txt")) || !file.number(a) || !file.number(b) || !file.number(c)) return false;
    cursor = a;
    positions = b;
    unlocked = c;
    return true;
}

void runFirstClear(int clearedRoom) {
    if (clearedRoom <= 0 || clearedRoom >= world.roomCount ||
        world.roomCount != static_cast<int>(world.rooms.size()))
        return;
    if (clearedRoom == world.roomCount - 1 && world.number < 4) unlockNextWorld();
    for (int later = clearedRoom + 1; later < world.roomCount; ++later)
        if (world.rooms[static_cast<size_t>(later)].bestMoves != 999) return;
    replaceMap(clearedRoom);
}

int endingReached() {
    for (const Room& room : world.rooms)
        if (room.bestMoves == 999) return 0;
    DataReader file;
    int endingWorld = -1;
    // Without an ending file no world leads to the credits.
    if (!file.open("map/ending.txt") || !file.number(endingWorld)) return 0;
    return endingWorld == world.number ? 1 : 0;
}
