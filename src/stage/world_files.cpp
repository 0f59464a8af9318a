// Loading a world. Five text files of whitespace-separated integers and words describe it:
// stage.txt (room count and two kept values per room), score.txt (par, best, rank), name.txt
// (a word per room), map.txt (corner, size and raw grid per room) and screen.txt (backdrop and
// stars). They are read in that order and checked completely before anything of the old world
// is touched, so a world the game cannot play safely is refused with a message naming the file
// and the fault, and nothing half-built stays behind; what it can play safely, it plays.
#include "stage/world_files.h"

#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "base/save_paths.h"
#include "gfx/picture_cache.h"
#include "platform/platform.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_pictures.h"
#include "stage/world_text_file.h"
#include "text/sjis.h"

WorldState world;

std::string worldPath(int worldNumber, const char* file) {
    char path[64];
    std::snprintf(path, sizeof path, "map/%03d/%s", worldNumber, file);
    return path;
}

namespace {

// Everything the text files say, before it is moved into the world.
struct WorldText {
    std::vector<Room> rooms;
    Backdrop backdrop;
    std::string scoreFault;       // the score file could not be read: why
    bool keepBrokenScore = false;  // ... and the unreadable file is the one the next write replaces
};

bool readStage(int worldNumber, WorldText& out, WorldRules rules, std::string& fault) {
    WorldTextFile stage(worldPath(worldNumber, "stage.txt"));
    if (!stage.open(fault)) return false;
    int roomCount = 0;
    if (!stage.readInt(roomCount, "部屋の数", fault)) return false;
    if (roomCount < 1 || roomCount > kMaxRooms) {
        fault = stage.path() + " 部屋の数" + std::to_string(roomCount) + "が正しくありません(1〜" +
                std::to_string(kMaxRooms) + ")";
        return false;
    }
    out.rooms.assign(static_cast<size_t>(roomCount), Room{});
    for (int i = 0; i < roomCount; ++i) {
        Room& room = out.rooms[static_cast<size_t>(i)];
        const std::string label = roomLabel(i) + "の値";
        if (!stage.readInt(room.reserved1, label, fault) || !stage.readInt(room.reserved2, label, fault)) return false;
    }
    return rules == WorldRules::Play || stage.expectEnd("最初の部屋の数", fault);
}

// Par, best record and rank of every room. The game shows whatever record the file holds; only
// a value that is not a number of moves at all (negative, or no number) makes the file
// unreadable. Each room's par is kept as soon as it is read, so that a file that breaks off part
// way still gives the pars before the break.
bool readScoreFile(const std::string& path, std::vector<Room>& rooms, WorldRules rules, bool& missing,
                   std::string& fault) {
    WorldTextFile score(path);
    missing = false;
    if (!score.open(fault)) {
        missing = score.missing();
        return false;
    }
    for (size_t i = 0; i < rooms.size(); ++i) {
        Room& room = rooms[i];
        const std::string label = roomLabel(static_cast<int>(i));
        int par = 0, best = 0, rank = 0;
        if (!score.readInt(par, label + "の目標手数", fault)) return false;
        if (par < 0) {
            fault = score.path() + " " + label + "の目標手数が正しくありません";
            return false;
        }
        room.par = par;
        if (!score.readInt(best, label + "の最高記録", fault) || !score.readInt(rank, label + "のランク", fault))
            return false;
        const bool shown = best >= 0 && rank >= 0;
        const bool fitsThePanels = par <= 999 && best <= 999 && rank <= 3;
        if (!shown || (rules == WorldRules::Check && !fitsThePanels)) {
            fault = score.path() + " " + label + "の記録が正しくありません";
            return false;
        }
        room.bestMoves = best;
        room.bestRank = rank;
    }
    return rules == WorldRules::Play || score.expectEnd("stage.txtの部屋の数", fault);
}

// The score file is the player's, and losing it must not lose the world: when it cannot be read
// (under the game's rules), the rooms keep the pars the world shipped with, or those read before
// the fault, and none has a record.
bool readScores(int worldNumber, WorldText& out, WorldRules rules, std::string& fault) {
    const std::string scoreFile = worldPath(worldNumber, "score.txt");
    const std::string readFrom = savedOrShipped(scoreFile);
    bool missing = false;
    if (readScoreFile(readFrom, out.rooms, rules, missing, fault)) return true;
    if (rules == WorldRules::Check) return false;
    out.scoreFault = fault;
    fault.clear();
    if (readFrom != scoreFile) {
        std::vector<Room> shipped = out.rooms;
        bool shippedMissing = false;
        std::string ignored;
        if (readScoreFile(scoreFile, shipped, rules, shippedMissing, ignored))
            for (size_t i = 0; i < shipped.size(); ++i) out.rooms[i].par = shipped[i].par;
    }
    for (Room& room : out.rooms) {
        room.bestMoves = 999;
        room.bestRank = 0;
    }
    // Only a file the game itself would write over needs keeping; a shipped one is never written.
    out.keepBrokenScore = !missing && readFrom == savePath(scoreFile);
    return true;
}

bool readNames(int worldNumber, WorldText& out, WorldRules rules, std::string& fault) {
    WorldTextFile names(worldPath(worldNumber, "name.txt"));
    if (!names.open(fault)) return false;
    for (size_t i = 0; i < out.rooms.size(); ++i) {
        const std::string label = roomLabel(static_cast<int>(i));
        std::string_view word;
        if (!names.readWord(word, label + "の名前", fault)) return false;
        if (word.size() > kMaxNameBytes) {
            fault = names.path() + " " + label + "の名前が長すぎます(" + std::to_string(kMaxNameBytes) + "バイトまで)";
            return false;
        }
        Room& room = out.rooms[i];
        word.copy(room.name, word.size());
        room.name[word.size()] = '\0';
    }
    return rules == WorldRules::Play || names.expectEnd("stage.txtの部屋の数", fault);
}

bool readMap(int worldNumber, WorldText& out, WorldRules rules, std::string& fault) {
    std::vector<RoomGrid> grids;
    if (!readMapFile(savedOrShipped(worldPath(worldNumber, "map.txt")), static_cast<int>(out.rooms.size()), grids,
                     fault, rules))
        return false;
    for (size_t i = 0; i < grids.size(); ++i) {
        Room& room = out.rooms[i];
        RoomGrid& grid = grids[i];
        room.originX = grid.x * kCellSize;
        room.originY = grid.y * kCellSize;
        room.width = grid.width;
        room.height = grid.height;
        room.rawGrid = std::move(grid.codes);
        room.cells.assign(room.rawGrid.size(), Cell{});
        room.blockCount = 0;
        for (int code : room.rawGrid)
            if (isBlockCode(code)) room.blockCount += 1;
        if (room.blockCount > 0) room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
    }
    return true;
}

bool readPosition(WorldTextFile& screen, int& x, int& y, const std::string& what, std::string& fault) {
    if (!screen.readInt(x, what, fault) || !screen.readInt(y, what, fault)) return false;
    if (x < -kMaxBackdropPosition || x > kMaxBackdropPosition || y < -kMaxBackdropPosition ||
        y > kMaxBackdropPosition) {
        fault = screen.path() + " " + what + "が正しくありません(" + std::to_string(x) + ", " + std::to_string(y) + ")";
        return false;
    }
    return true;
}

bool readScreen(int worldNumber, WorldText& out, std::string& fault) {
    WorldTextFile screen(worldPath(worldNumber, "screen.txt"));
    if (!screen.open(fault)) return false;
    Backdrop& b = out.backdrop;
    if (!screen.readInt(b.mode, "表示モード", fault)) return false;
    if (b.mode != 1) return true;  // no castle, no far background, no stars
    if (!readPosition(screen, b.castleX, b.castleY, "城の位置", fault) ||
        !screen.readInt(b.viewW, "表示範囲", fault) || !screen.readInt(b.viewH, "表示範囲", fault) ||
        !readPosition(screen, b.backX, b.backY, "背景の位置", fault) ||
        !screen.readInt(b.reserved3, "予備の値", fault) || !screen.readInt(b.reserved4, "予備の値", fault) ||
        !readPosition(screen, b.starX, b.starY, "星の位置", fault))
        return false;
    if (b.viewW < 1 || b.viewH < 1 || b.viewW > 100000 || b.viewH > 100000) {
        fault = screen.path() + " 表示範囲の大きさが正しくありません";
        return false;
    }
    b.starsOn = 1;
    b.starClock = 0;
    return true;
}

bool readWorldText(int worldNumber, WorldText& out, WorldRules rules, std::string& fault) {
    return readStage(worldNumber, out, rules, fault) && readScores(worldNumber, out, rules, fault) &&
           readNames(worldNumber, out, rules, fault) && readMap(worldNumber, out, rules, fault) &&
           readScreen(worldNumber, out, fault);
}

// A sheet turned by k quarter turns, built from the unturned sheet 0.
SurfacePtr turnedCopy(const Surface* sheet, int width, int height, int k, int columns, int rows) {
    SurfacePtr turned = createSurface(width, height);
    turnSheet(turned.get(), sheet, kSheetCell, kSheetCell, k, columns, rows);
    return turned;
}

}  // namespace

bool checkWorldFiles(int worldNumber, std::string& fault) {
    WorldText text;
    return readWorldText(worldNumber, text, WorldRules::Check, fault);
}

void clearWorld() {
    keepWorldPictures();  // for the next world that shows them
    const int reseed = world.starReseed;
    world = WorldState{};
    world.starReseed = reseed;
}

bool loadWorld(int worldNumber, WorldPictures pictures) {
    WorldText text;
    std::string fault;
    if (!readWorldText(worldNumber, text, WorldRules::Play, fault)) {
        clearWorld();
        const std::string message = "ワールドを読み込めません:" + fault;
        platformMessage(toShiftJis(message).c_str(), sj("警告"), BoxIcon::Warning);
        return false;
    }
    if (!text.scoreFault.empty()) {
        std::string message = "記録を読めません:" + text.scoreFault + "。記録なしで遊びます。";
        if (text.keepBrokenScore) message += "読めなかったファイルは score.txt.bad としてのこします。";
        platformMessage(toShiftJis(message).c_str(), sj("警告"), BoxIcon::Warning);
    }

    clearWorld();
    world.number = worldNumber;
    world.pictures = pictures;
    world.keepBrokenScoreFile = text.keepBrokenScore;
    world.roomCount = static_cast<int>(text.rooms.size());
    world.rooms = std::move(text.rooms);
    world.backdrop = std::move(text.backdrop);
    const bool decoded = pictures == WorldPictures::Decoded;
    if (decoded && world.backdrop.mode == 1) {
        world.backdrop.castle = takePicture("bmp/castle2-5-2.bmp");
        world.backdrop.back = takePicture("bmp/bg5.bmp");
    }
    if (decoded) {
        constexpr int tileW = kTileSheetColumns * kSheetCell, tileH = kTileSheetRows * kSheetCell;
        world.tileSheets[0] = takePicture("bmp/mod.bmp", tileW, tileH);
        for (int k = 1; k <= 3; ++k)
            world.tileSheets[k] = takeMade(*world.tileSheets[0], k, [&] {
                return turnedCopy(world.tileSheets[0].get(), tileW, tileH, k, kTileSheetColumns, kTileSheetRows);
            });
        constexpr int blockW = kBlockSheetColumns * kSheetCell, blockH = kBlockSheetRows * kSheetCell;
        world.blockSheets[0] = takePicture("bmp/block.bmp", blockW, blockH);
        for (int k = 1; k <= 3; ++k)
            world.blockSheets[k] = takeMade(*world.blockSheets[0], k, [&] {
                return turnedCopy(world.blockSheets[0].get(), blockW, blockH, k, kBlockSheetColumns, kBlockSheetRows);
            });
    }

    world.currentRoom = 0;
    world.targetRoom = 0;
    world.effects.assign(kEffectSlots, Effect{});
    if (decoded) world.effectSheet = takePicture("bmp/effect.bmp", 240, 96);
    world.loaded = true;
    for (int i = 0; i < world.roomCount; ++i) resetRoom(i);
    if (decoded) world.gearFrame = takePicture("bmp/big_gear1.bmp", 320, 320);
    return true;
}
