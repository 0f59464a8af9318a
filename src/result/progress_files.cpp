// The progress files: the save file (which worlds are open), a score file per world, the cleared
// maps that replace a world's map as its rooms are first cleared, and the ending file.
//
// Every write replaces its file in one step: the new content goes into a file beside the old
// one, is flushed to the disk and renamed over it, so a crash or a full disk leaves either the
// old file or the new one, never half of either. A write that fails is said in a warning naming
// the file, and the game goes on with the old file. A file the game could not read is kept
// beside as <file>.bad before anything writes a new one over it.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/data_reader.h"
#include "base/save_paths.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/blocks.h"
#include "stage/stage_slots.h"
#include "stage/world.h"
#include "stage/world_files.h"
#include "text/sjis.h"

namespace {

constexpr const char* kSaveFile = "data/save.txt";

void warn(const std::string& messageUtf8) {
    platformMessage(toShiftJis(messageUtf8).c_str(), sj("警告"), BoxIcon::Warning);
}

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// relativePath replaced by text in the save directory; a failure is said, and the old file stays.
bool writeProgress(const std::string& relativePath, const std::string& text) {
    if (writeSavedFile(relativePath, text)) return true;
    warn(savePath(relativePath) + " に書き込めませんでした。前のファイルはそのまま残っています。");
    return false;
}

// Keeps a copy of an unreadable file beside it, as path.bad (or .bad2 ... when earlier ones are
// kept already), before the write that replaces it; the file itself stays in place until that
// write, so a kill in between leaves it as it was. False when no copy could be made.
bool keepUnreadable(const std::string& path) {
    if (!exists(path)) return true;
    std::string bytes;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        char buffer[16384];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, got);
        std::fclose(in);
        for (int n = 1; n <= 99; ++n) {
            const std::string kept = path + ".bad" + (n == 1 ? "" : std::to_string(n));
            if (exists(kept)) continue;
            if (writeFileAtomically(kept, bytes)) return true;
            break;
        }
    }
    warn(path + " を読めませんでしたが、とっておくこともできないので書き込みません。");
    return false;
}

int countBlocks(const std::vector<int>& grid) {
    int count = 0;
    for (int code : grid)
        if (isBlockCode(code)) ++count;
    return count;
}

// Makes a room's block array match its raw grid and fills it.
void rebuildBlocks(int index) {
    Room& room = world.rooms[static_cast<size_t>(index)];
    room.blockCount = countBlocks(room.rawGrid);
    room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
    placeBlocks(index);
}

// The score file's text: a "%03d %03d %03d\n" line per room. A first clear writes the record its
// CLEAR panel is about to store (pendingRoom, with its move count) before the panel has closed.
std::string scoreText(int pendingRoom) {
    std::string text;
    char line[64];
    for (size_t r = 0; r < world.rooms.size(); ++r) {
        const Room& room = world.rooms[r];
        int best = room.bestMoves, rank = room.bestRank;
        if (static_cast<int>(r) == pendingRoom && room.turnCount < best) {
            best = room.turnCount;
            rank = rankOf(best, room.par);
        }
        std::snprintf(line, sizeof line, "%03d %03d %03d\n", room.par, best, rank);
        text += line;
    }
    return text;
}

bool writeScoreText(int worldNumber, const std::string& text) {
    const std::string file = worldPath(worldNumber, "score.txt");
    if (world.keepBrokenScoreFile && worldNumber == world.number) {
        if (!keepUnreadable(savePath(file))) return false;
        world.keepBrokenScoreFile = false;
    }
    return writeProgress(file, text);
}

enum class SaveRead { Read, Missing, Unreadable };

SaveRead readSave(int& cursor, int& positions, int& unlocked) {
    DataReader file;
    int a = 0, b = 0, c = 0;
    if (!file.open(savedOrShipped(kSaveFile)))
        return file.fault() == DataReader::Fault::Missing ? SaveRead::Missing : SaveRead::Unreadable;
    if (!file.number(a) || !file.number(b) || !file.number(c)) return SaveRead::Unreadable;
    cursor = a;
    positions = b;
    unlocked = c;
    return SaveRead::Read;
}

// Clearing the last room of the highest open world opens the next. A save file that is missing
// or cannot be read counts as a new game (world 0 open), as the world select shows it; an
// unreadable one is kept beside before the new one is written.
void unlockNextWorld() {
    int cursor = 0, positions = 5, unlocked = 0;
    const SaveRead read = readSave(cursor, positions, unlocked);
    if (read != SaveRead::Read) unlocked = 0;
    if (unlocked != world.number) return;
    if (read == SaveRead::Unreadable && savedOrShipped(kSaveFile) == savePath(kSaveFile) &&
        !keepUnreadable(savePath(kSaveFile)))
        return;
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d", world.number + 1, 5, world.number + 1);
    writeProgress(kSaveFile, text);
}

std::string mapText(const std::vector<RoomGrid>& rooms) {
    std::string text;
    char field[64];
    for (const RoomGrid& room : rooms) {
        std::snprintf(field, sizeof field, "%03d %03d %03d %03d\n", room.x, room.y, room.width, room.height);
        text += field;
        for (int row = 0; row < room.height; ++row) {
            for (int column = 0; column < room.width; ++column) {
                std::snprintf(field, sizeof field, "%04d ", room.codes[static_cast<size_t>(row) * room.width + column]);
                text += field;
            }
            text += "\n";
        }
        text += "\n";
    }
    return text;
}

// A cleared map is judged whole by the loader's own rules and must keep every room's size (the
// rooms in memory cannot change shape), so that whatever map.txt holds afterwards, the world
// loads again. One that does not pass is said and not used; a world without one for the room
// simply has none.
bool readClearedMap(const std::string& path, std::vector<RoomGrid>& rooms) {
    if (!exists(path)) return false;
    std::string fault;
    bool usable = readMapFile(path, world.roomCount, rooms, fault);
    for (size_t r = 0; usable && r < rooms.size(); ++r) {
        if (rooms[r].width != world.rooms[r].width || rooms[r].height != world.rooms[r].height) {
            fault = path + " 部屋" + std::to_string(r) + "の大きさが今の部屋と違います";
            usable = false;
        }
    }
    if (!usable) warn("クリア後の地図を使えません:" + fault + "。地図はそのままです。");
    return usable;
}

void replaceMap(int clearedRoom) {
    char name[32];
    std::snprintf(name, sizeof name, "clear%03d.txt", clearedRoom);
    std::vector<RoomGrid> rooms;
    if (!readClearedMap(worldPath(world.number, name), rooms)) return;
    if (!writeProgress(worldPath(world.number, "map.txt"), mapText(rooms))) return;
    for (size_t r = 0; r < rooms.size(); ++r) {
        Room& room = world.rooms[r];
        const bool blocksChanged = countBlocks(room.rawGrid) != countBlocks(rooms[r].codes);
        room.rawGrid = std::move(rooms[r].codes);
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

bool writeScoreFile(int worldNumber) { return writeScoreText(worldNumber, scoreText(-1)); }

bool readSaveFile(int& cursor, int& positions, int& unlocked) {
    return readSave(cursor, positions, unlocked) == SaveRead::Read;
}

void runFirstClear(int clearedRoom) {
    if (clearedRoom <= 0 || clearedRoom >= world.roomCount ||
        world.roomCount != static_cast<int>(world.rooms.size()))
        return;
    if (clearedRoom == world.roomCount - 1 && world.number < 4) unlockNextWorld();
    bool laterCleared = false;
    for (int later = clearedRoom + 1; later < world.roomCount; ++later)
        if (world.rooms[static_cast<size_t>(later)].bestMoves != 999) laterCleared = true;
    if (!laterCleared) replaceMap(clearedRoom);
    // The record follows the map it belongs with: a kill between the two leaves a replaced map and
    // a room that counts as never cleared, and clearing it again replaces the map by the same
    // cleared map; the other order could keep the record and lose the map for good.
    writeScoreText(world.number, scoreText(clearedRoom));
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
