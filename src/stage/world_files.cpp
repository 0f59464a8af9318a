// Loading a world. Five text files of whitespace-separated integers and words describe it:
// stage.txt (room count and two kept values per room), score.txt (par, best, rank), name.txt
// (a word per room), map.txt (corner, size and raw grid per room) and screen.txt (backdrop and
// stars). They are read in that order and checked completely before anything of the old world
// is touched, so a bad world is refused with a message naming the file and the fault, and
// nothing half-built stays behind.
#include "stage/world_files.h"

#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "base/data_reader.h"
#include "base/save_paths.h"
#include "platform/platform.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "text/sjis.h"

WorldState world;

namespace {

// One text file of the world, read through the data-file reader. Every read names what it
// wanted, so that a fault can be reported as "file: what is wrong".
class WorldTextFile {
public:
    explicit WorldTextFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    bool open(std::string& fault) {
        if (reader_.open(path_)) return true;
        switch (reader_.fault()) {
        case DataReader::Fault::Missing: fault = path_ + " ファイルを開けません"; break;
        case DataReader::Fault::TooLarge: fault = path_ + " ファイルが大きすぎます"; break;
        default: fault = path_ + " ファイルを読めません"; break;
        }
        return false;
    }

    bool readWord(std::string_view& word, const std::string& what, std::string& fault) {
        if (!reader_.word(word)) {
            fault = path_ + " " + what + "がありません(ファイルが途中で終わっています)";
            return false;
        }
        return true;
    }

    // A world's numbers are whole words: "12abc" is refused, not read as 12.
    bool readInt(int& value, const std::string& what, std::string& fault) {
        std::string_view word;
        if (!readWord(word, what, fault)) return false;
        if (!DataReader::wholeNumber(word, value)) {
            fault = path_ + " " + what + "が数値ではありません(" + std::string(word.substr(0, 32)) + ")";
            return false;
        }
        return true;
    }

    // Nothing may follow the last room: more values than rooms means the files disagree.
    bool expectEnd(const std::string& countSource, std::string& fault) {
        if (!reader_.atEnd()) {
            fault = path_ + " 部屋の数が" + countSource + "と合いません(余分な値があります)";
            return false;
        }
        return true;
    }

private:
    std::string path_;
    DataReader reader_;
};

}  // namespace

std::string worldPath(int worldNumber, const char* file) {
    char path[64];
    std::snprintf(path, sizeof path, "map/%03d/%s", worldNumber, file);
    return path;
}

namespace {

std::string roomLabel(int room) { return "部屋" + std::to_string(room); }

// Everything the text files say, before it is moved into the world.
struct WorldText {
    std::vector<Room> rooms;
    Backdrop backdrop;
};

bool readStageAndScore(int worldNumber, WorldText& out, std::string& fault) {
    WorldTextFile stage(worldPath(worldNumber, "stage.txt"));
    WorldTextFile score(savedOrShipped(worldPath(worldNumber, "score.txt")));
    if (!stage.open(fault) || !score.open(fault)) return false;
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
        const std::string label = roomLabel(i);
        if (!stage.readInt(room.reserved1, label + "の値", fault) ||
            !stage.readInt(room.reserved2, label + "の値", fault))
            return false;
        if (!score.readInt(room.par, label + "の目標手数", fault) ||
            !score.readInt(room.bestMoves, label + "の最高記録", fault) ||
            !score.readInt(room.bestRank, label + "のランク", fault))
            return false;
        if (room.par < 0 || room.par > 999 || room.bestMoves < 0 || room.bestMoves > 999 ||
            room.bestRank < 0 || room.bestRank > 3) {
            fault = score.path() + " " + label + "の記録が正しくありません";
            return false;
        }
    }
    return stage.expectEnd("stage.txtの部屋の数", fault) && score.expectEnd("stage.txtの部屋の数", fault);
}

bool readNames(int worldNumber, WorldText& out, std::string& fault) {
    WorldTextFile names(worldPath(worldNumber, "name.txt"));
    if (!names.open(fault)) return false;
    for (size_t i = 0; i < out.rooms.size(); ++i) {
        const std::string label = roomLabel(static_cast<int>(i));
        std::string_view word;
        if (!names.readWord(word, label + "の名前", fault)) return false;
        if (word.size() > kMaxNameBytes) {
            fault = names.path() + " " + label + "の名前が長すぎます(" +
                    std::to_string(kMaxNameBytes) + "バイトまで)";
            return false;
        }
        Room& room = out.rooms[i];
        word.copy(room.name, word.size());
        room.name[word.size()] = '\0';
    }
    return names.expectEnd("stage.txtの部屋の数", fault);
}

// The raw codes the game knows. The low part: 0..29 tiles, 30..199 blocks, 200..219 start cells,
// 220..229 goals, 230..279 doors, above them decorations as far as the tile sheet has rows for
// them (a decoration's row is (low / 10 x 10 - 200) / 10 + 5, and the sheet has 80 rows). The
// high part is a direction in quarter turns, 0..3.
constexpr int kHighestKnownLow = 949;

bool isKnownCode(int code) {
    if (code < 0) return false;
    return codeHigh(code) <= 3 && codeLow(code) <= kHighestKnownLow;
}

// The hall's door tiles lead to rooms 1..5.
int doorTarget(int tile) { return tile >= 230 && tile <= 279 ? (tile - 230) / 10 + 1 : 0; }

bool readMap(int worldNumber, WorldText& out, std::string& fault) {
    WorldTextFile map(savedOrShipped(worldPath(worldNumber, "map.txt")));
    if (!map.open(fault)) return false;
    const int roomCount = static_cast<int>(out.rooms.size());
    for (int i = 0; i < roomCount; ++i) {
        Room& room = out.rooms[static_cast<size_t>(i)];
        const std::string label = roomLabel(i);
        int x = 0, y = 0;
        if (!map.readInt(x, label + "の位置", fault) || !map.readInt(y, label + "の位置", fault) ||
            !map.readInt(room.width, label + "の大きさ", fault) ||
            !map.readInt(room.height, label + "の大きさ", fault))
            return false;
        if (x < -kMaxRoomCorner || x > kMaxRoomCorner || y < -kMaxRoomCorner || y > kMaxRoomCorner) {
            fault = map.path() + " " + label + "の位置が正しくありません";
            return false;
        }
        if (room.width < 1 || room.width > kMaxRoomCells || room.height < 1 ||
            room.height > kMaxRoomCells) {
            fault = map.path() + " " + label + "の大きさが正しくありません(1〜" +
                    std::to_string(kMaxRoomCells) + "マス)";
            return false;
        }
        // A turn maps the grid onto itself, which only a square grid allows.
        if (room.width != room.height) {
            fault = map.path() + " " + label + "が正方形ではありません(" +
                    std::to_string(room.width) + "×" + std::to_string(room.height) +
                    "の部屋は回転できません)";
            return false;
        }
        room.originX = x * kCellSize;
        room.originY = y * kCellSize;
        const size_t cellCount = static_cast<size_t>(room.width) * static_cast<size_t>(room.height);
        room.rawGrid.assign(cellCount, 0);
        room.cells.assign(cellCount, Cell{});
        room.blockCount = 0;
        bool hasStart = false;
        for (size_t c = 0; c < cellCount; ++c) {
            int code = 0;
            if (!map.readInt(code, label + "のマス", fault)) return false;
            const int row = static_cast<int>(c) / room.width + 1;
            const int column = static_cast<int>(c) % room.width + 1;
            const std::string place = label + "の" + std::to_string(row) + "行" +
                                      std::to_string(column) + "列目";
            if (!isKnownCode(code)) {
                fault = map.path() + " " + place + "のコード" + std::to_string(code) +
                        "は使えません";
                return false;
            }
            const int target = doorTarget(codeLow(code));
            if (target >= roomCount) {
                fault = map.path() + " " + place + "の扉がない部屋" + std::to_string(target) +
                        "につながっています";
                return false;
            }
            if (isBlockCode(code)) room.blockCount += 1;
            if (isStartTile(codeLow(code))) hasStart = true;
            room.rawGrid[c] = code;
        }
        // The player is put on the hall's start cell when the world is entered; without one it
        // would stand nowhere.
        if (i == 0 && !hasStart) {
            fault = map.path() + " ホール(部屋0)にスタート地点がありません";
            return false;
        }
        if (room.blockCount > 0) room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
    }
    return map.expectEnd("stage.txtの部屋の数", fault);
}

bool readScreen(int worldNumber, WorldText& out, std::string& fault) {
    WorldTextFile screen(worldPath(worldNumber, "screen.txt"));
    if (!screen.open(fault)) return false;
    Backdrop& b = out.backdrop;
    if (!screen.readInt(b.mode, "表示モード", fault)) return false;
    if (b.mode != 1) return true;  // no castle, no far background, no stars
    if (!screen.readInt(b.castleX, "城の位置", fault) || !screen.readInt(b.castleY, "城の位置", fault) ||
        !screen.readInt(b.viewW, "表示範囲", fault) || !screen.readInt(b.viewH, "表示範囲", fault) ||
        !screen.readInt(b.backX, "背景の位置", fault) || !screen.readInt(b.backY, "背景の位置", fault) ||
        !screen.readInt(b.reserved3, "予備の値", fault) ||
        !screen.readInt(b.reserved4, "予備の値", fault) ||
        !screen.readInt(b.starX, "星の位置", fault) || !screen.readInt(b.starY, "星の位置", fault))
        return false;
    if (b.viewW < 1 || b.viewH < 1 || b.viewW > 100000 || b.viewH > 100000) {
        fault = screen.path() + " 表示範囲の大きさが正しくありません";
        return false;
    }
    b.starsOn = 1;
    b.starClock = 0;
    return true;
}

bool readWorldText(int worldNumber, WorldText& out, std::string& fault) {
    return readStageAndScore(worldNumber, out, fault) && readNames(worldNumber, out, fault) &&
           readMap(worldNumber, out, fault) && readScreen(worldNumber, out, fault);
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
    return readWorldText(worldNumber, text, fault);
}

void clearWorld() {
    const int reseed = world.starReseed;
    world = WorldState{};
    world.starReseed = reseed;
}

bool loadWorld(int worldNumber, WorldPictures pictures) {
    WorldText text;
    std::string fault;
    if (!readWorldText(worldNumber, text, fault)) {
        clearWorld();
        const std::string message = "ワールドを読み込めません:" + fault;
        platformMessage(toShiftJis(message).c_str(), sj("警告"), BoxIcon::Warning);
        return false;
    }

    clearWorld();
    world.number = worldNumber;
    world.pictures = pictures;
    world.roomCount = static_cast<int>(text.rooms.size());
    world.rooms = std::move(text.rooms);
    world.backdrop = std::move(text.backdrop);
    const bool decoded = pictures == WorldPictures::Decoded;
    if (decoded && world.backdrop.mode == 1) {
        world.backdrop.castle = loadSurface("bmp/castle2-5-2.bmp");
        world.backdrop.back = loadSurface("bmp/bg5.bmp");
    }
    if (decoded) {
        constexpr int tileW = kTileSheetColumns * kSheetCell, tileH = kTileSheetRows * kSheetCell;
        world.tileSheets[0] = loadSurface("bmp/mod.bmp");
        for (int k = 1; k <= 3; ++k)
            world.tileSheets[k] = turnedCopy(world.tileSheets[0].get(), tileW, tileH, k,
                                             kTileSheetColumns, kTileSheetRows);
        constexpr int blockW = kBlockSheetColumns * kSheetCell, blockH = kBlockSheetRows * kSheetCell;
        world.blockSheets[0] = loadSurface("bmp/block.bmp");
        for (int k = 1; k <= 3; ++k)
            world.blockSheets[k] = turnedCopy(world.blockSheets[0].get(), blockW, blockH, k,
                                              kBlockSheetColumns, kBlockSheetRows);
    }

    world.currentRoom = 0;
    world.targetRoom = 0;
    world.effects.assign(kEffectSlots, Effect{});
    if (decoded) world.effectSheet = loadSurface("bmp/effect.bmp");
    world.loaded = true;
    for (int i = 0; i < world.roomCount; ++i) resetRoom(i);
    if (decoded) world.gearFrame = loadSurface("bmp/big_gear1.bmp");
    return true;
}
