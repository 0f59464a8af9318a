// Worlds made in a test for the solver and the checker: rooms written as rows of raw codes, the
// world's five files (names converted to Shift-JIS) and its cleared maps, in a fresh copy of
// the game directory; and yomogi-solve run on it.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/game_run.h"
#include "base/sjis.h"

namespace solvertest {

using Grid = std::vector<std::vector<int>>;

struct TestRoom {
    Grid grid;
    int par = 0;
    std::string name;  // UTF-8
};

struct TestWorld {
    std::vector<TestRoom> rooms;  // room 0 is the hall
    // Extra files of the world's directory by name (clear001.txt, ...), as they are written.
    std::map<std::string, std::string> files;
};

// A map file of the world's rooms, the hall's grid replaced by hall when given.
inline std::string mapText(const TestWorld& w, const Grid* hall = nullptr) {
    std::string text;
    for (size_t i = 0; i < w.rooms.size(); ++i) {
        const Grid& g = (i == 0 && hall) ? *hall : w.rooms[i].grid;
        char corner[64];
        std::snprintf(corner, sizeof corner, "%03d 000 %03zu %03zu\n", static_cast<int>(i) * 12, g[0].size(), g.size());
        text += corner;
        for (const auto& row : g) {
            for (int code : row) {
                char cell[16];
                std::snprintf(cell, sizeof cell, "%04d ", code);
                text += cell;
            }
            text += "\n";
        }
        text += "\n";
    }
    return text;
}

inline void writeWorld(const testgame::GameDirectory& dir, int number, const TestWorld& w) {
    char folder[32];
    std::snprintf(folder, sizeof folder, "map/%03d", number);
    const auto at = dir.file(folder);
    testgame::fs::remove_all(at);
    testgame::fs::create_directories(at);
    std::string stage = std::to_string(w.rooms.size()) + "\n", score, names;
    for (const TestRoom& r : w.rooms) {
        stage += "0 0\n";
        char line[32];
        std::snprintf(line, sizeof line, "%03d 999 000\n", r.par);
        score += line;
        names += toShiftJis(r.name) + "\n";
    }
    testgame::writeText(at / "stage.txt", stage);
    testgame::writeText(at / "score.txt", score);
    testgame::writeText(at / "name.txt", names);
    testgame::writeText(at / "screen.txt", "0\n");
    testgame::writeText(at / "map.txt", mapText(w));
    for (const auto& [name, text] : w.files) testgame::writeText(at / name, text);
}

// A square room of wall all round, open inside.
inline Grid walled(int size) {
    Grid g(static_cast<size_t>(size), std::vector<int>(static_cast<size_t>(size), 0));
    for (int i = 0; i < size; ++i) {
        g[0][static_cast<size_t>(i)] = g[static_cast<size_t>(size - 1)][static_cast<size_t>(i)] = 10;
        g[static_cast<size_t>(i)][0] = g[static_cast<size_t>(i)][static_cast<size_t>(size - 1)] = 10;
    }
    return g;
}

struct Run {
    int status = -1;
    std::string out;
};

// Runs yomogi-solve (or yomogi-check) with the arguments, from the game directory.
inline Run runTool(const testgame::GameDirectory& dir, const std::string& tool, const std::string& arguments) {
    const std::string exe = std::string(YOMOGI_GAME_DIR) + "/../" + tool;
    const std::string out = (dir.root() / "tool.txt").string();
    const std::string command = "cd '" + dir.root().string() + "' && '" + exe + "' --root '" + dir.root().string() +
                                "' " + arguments + " > '" + out + "' 2>&1";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testgame::readText(out)};
}

// The number after "key": in a JSON text, from the first occurrence after from.
inline int jsonInt(const std::string& json, const std::string& key, size_t from = 0) {
    const size_t at = json.find("\"" + key + "\":", from);
    if (at == std::string::npos) return -999;
    return std::atoi(json.c_str() + at + key.size() + 3);
}

}  // namespace solvertest
