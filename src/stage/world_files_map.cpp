// The map layout shared by map.txt and the cleared maps clearRRR.txt: for every room its corner
// and size in cells, then its raw codes row by row. One set of rules judges both, so that a
// cleared map the game accepts is always a map.txt the next start loads.
#include <string>
#include <vector>

#include "stage/world_files.h"
#include "stage/world_text_file.h"

namespace {

// The low parts the game knows: 0..29 tiles, 30..199 blocks, 200..219 start cells, 220..229
// goals, 230..279 doors, above them decorations as far as the tile sheet has rows for them (a
// decoration's row is (low / 10 x 10 - 200) / 10 + 5, and the sheet has 80 rows).
constexpr int kHighestKnownLow = 949;

// The hall's door tiles lead to rooms 1..5.
int doorTarget(int tile) { return tile >= 230 && tile <= 279 ? (tile - 230) / 10 + 1 : 0; }

// One raw code: a negative code or a low part beyond the tile sheet would draw from outside the
// sheet and is never played. A direction of four quarter turns or more is the same direction
// counted round, and is played as such; a door to a room the world lacks stays shut. The checker
// calls both a mistake of the world.
bool judgeCode(int& code, int roomCount, const std::string& where, WorldRules rules, std::string& fault) {
    if (code < 0 || codeLow(code) > kHighestKnownLow) {
        fault = where + "のコード" + std::to_string(code) + "は使えません";
        return false;
    }
    if (codeHigh(code) > 3) {
        if (rules == WorldRules::Check) {
            fault = where + "のコード" + std::to_string(code) + "は使えません(向きは0〜3)";
            return false;
        }
        code = codeHigh(code) % 4 * 1000 + codeLow(code);
    }
    const int target = doorTarget(codeLow(code));
    if (target >= roomCount && rules == WorldRules::Check) {
        fault = where + "の扉がない部屋" + std::to_string(target) + "につながっています";
        return false;
    }
    return true;
}

bool readRoom(WorldTextFile& map, int index, int roomCount, RoomGrid& room, WorldRules rules, std::string& fault) {
    const std::string label = roomLabel(index);
    if (!map.readInt(room.x, label + "の位置", fault) || !map.readInt(room.y, label + "の位置", fault) ||
        !map.readInt(room.width, label + "の大きさ", fault) || !map.readInt(room.height, label + "の大きさ", fault))
        return false;
    if (room.x < -kMaxRoomCorner || room.x > kMaxRoomCorner || room.y < -kMaxRoomCorner || room.y > kMaxRoomCorner) {
        fault = map.path() + " " + label + "の位置が正しくありません";
        return false;
    }
    if (room.width < 1 || room.width > kMaxRoomCells || room.height < 1 || room.height > kMaxRoomCells) {
        fault = map.path() + " " + label + "の大きさが正しくありません(1〜" + std::to_string(kMaxRoomCells) + "マス)";
        return false;
    }
    // A turn maps the grid onto itself, which only a square grid allows.
    if (room.width != room.height) {
        fault = map.path() + " " + label + "が正方形ではありません(" + std::to_string(room.width) + "×" +
                std::to_string(room.height) + "の部屋は回転できません)";
        return false;
    }
    const size_t cellCount = static_cast<size_t>(room.width) * static_cast<size_t>(room.height);
    room.codes.assign(cellCount, 0);
    bool hasStart = false;
    for (size_t c = 0; c < cellCount; ++c) {
        int& code = room.codes[c];
        if (!map.readInt(code, label + "のマス", fault)) return false;
        const int row = static_cast<int>(c) / room.width + 1;
        const int column = static_cast<int>(c) % room.width + 1;
        const std::string where =
            map.path() + " " + label + "の" + std::to_string(row) + "行" + std::to_string(column) + "列目";
        if (!judgeCode(code, roomCount, where, rules, fault)) return false;
        if (isStartTile(codeLow(code))) hasStart = true;
    }
    // The player is put on the start cell whenever a room is entered or reset; without one it
    // would stand nowhere.
    if (!hasStart) {
        fault = map.path() + " " + (index == 0 ? std::string("ホール(部屋0)") : label) + "にスタート地点がありません";
        return false;
    }
    return true;
}

}  // namespace

bool readMapFile(const std::string& path, int roomCount, std::vector<RoomGrid>& rooms, std::string& fault,
                 WorldRules rules) {
    WorldTextFile map(path);
    if (!map.open(fault)) return false;
    rooms.assign(static_cast<size_t>(roomCount > 0 ? roomCount : 0), RoomGrid{});
    for (int i = 0; i < roomCount; ++i) {
        if (!readRoom(map, i, roomCount, rooms[static_cast<size_t>(i)], rules, fault)) return false;
    }
    return rules == WorldRules::Play || map.expectEnd("stage.txtの部屋の数", fault);
}
