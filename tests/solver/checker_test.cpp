// yomogi-check on small worlds made here: a sound world passes, and each way of breaking it is
// refused with a message that says what is wrong.
#include <gtest/gtest.h>

#include "solver/solver_support.h"

namespace {

using solvertest::Grid;
using solvertest::runTool;
using solvertest::TestRoom;
using solvertest::TestWorld;

// The hall: start cell bottom left, the door to room 1 bottom right; room 2's door opens with
// the first clear of room 1.
Grid hall(bool secondDoor) {
    Grid g = solvertest::walled(10);
    g[8][1] = 200;
    g[8][8] = 230;
    if (secondDoor) g[8][5] = 240;
    return g;
}

// One clockwise turn makes the pillar a shelf and brings the goal down to the floor, far from
// the start cell: par 1.
Grid turnRoom() {
    Grid g = solvertest::walled(8);
    for (int r = 1; r <= 5; ++r) g[static_cast<size_t>(r)][4] = 10;
    g[1][6] = 1220;
    g[6][1] = 200;
    return g;
}

TestWorld soundWorld() {
    TestWorld w;
    w.rooms = {{hall(false), 0, "ホール"}, {turnRoom(), 1, "マワルヘヤ"}, {turnRoom(), 1, "モウイチド"}};
    return w;
}

// The cleared maps of rooms 1 and 2: the world as it is, with the hall's second door open.
void addClearedMaps(TestWorld& w) {
    const Grid opened = hall(true);
    w.files["clear001.txt"] = solvertest::mapText(w, &opened);
    w.files["clear002.txt"] = solvertest::mapText(w, &opened);
}

struct Checked {
    int status;
    std::string out;
};

Checked check(TestWorld w, void (*breakFiles)(TestWorld&) = nullptr) {
    addClearedMaps(w);
    if (breakFiles) breakFiles(w);
    testgame::GameDirectory dir;
    solvertest::writeWorld(dir, 0, w);
    const solvertest::Run run = runTool(dir, "yomogi-check", "--world 0");
    return {run.status, run.out};
}

TEST(Checker, PassesASoundWorld) {
    const Checked c = check(soundWorld());
    EXPECT_EQ(c.status, 0) << c.out;
    EXPECT_NE(c.out.find("room 1: par 1 proven"), std::string::npos) << c.out;
    EXPECT_NE(c.out.find("room 2: par 1 proven"), std::string::npos) << c.out;
    EXPECT_NE(c.out.find("0 faults"), std::string::npos) << c.out;
}

struct Breakage {
    const char* name;  // test name
    void (*breakRooms)(TestWorld&);
    const char* message;
    void (*breakFiles)(TestWorld&) = nullptr;  // after the cleared maps are made
};

void nothing(TestWorld&) {}

const Breakage kBreakages[] = {
    {"NonSquareRoom",
     [](TestWorld& w) { w.rooms[2].grid.push_back(std::vector<int>(8, 10)); },
     "world 0: the loader refuses the world"},
    {"DoorToNoRoom",
     [](TestWorld& w) { w.rooms[0].grid[8][3] = 250; },
     "world 0: the loader refuses the world"},
    {"DoorOutsideTheHall",
     [](TestWorld& w) { w.rooms[1].grid[6][3] = 230; },
     "world 0 room 1: a door outside the hall"},
    {"NoStartCell",
     [](TestWorld& w) { w.rooms[2].grid[6][1] = 0; },
     "world 0: the loader refuses the world: map/000/map.txt 部屋2にスタート地点がありません"},
    {"NoGoal",
     [](TestWorld& w) { w.rooms[2].grid[1][6] = 0; },
     "world 0 room 2: no goal cell"},
    {"GoalNeverUpright",
     [](TestWorld& w) {
         // Every turn drops the player out through the walls where it lands.
         Grid g = solvertest::walled(8);
         g[6][0] = g[6][7] = 0;
         g[6][3] = 200;
         g[1][3] = 2220;  // upright only upside down
         w.rooms[2].grid = g;
     },
     "world 0 room 2: no solution: every reachable state was searched; the goal is never upright"},
    {"KanjiInAName",
     [](TestWorld& w) { w.rooms[1].name = "回る部屋"; },
     "world 0 room 1: the name \"回る部屋\" has characters the bitmap font cannot draw: 回 部 屋"},
    {"HalfWidthLetterInAName",
     [](TestWorld& w) { w.rooms[0].name = "ホールA"; },
     "world 0 hall: the name \"ホールA\" has characters the bitmap font cannot draw: A"},
    {"ClearedMapRefused", nothing, "world 0 room 1: map/000/clear001.txt would be refused as a map",
     [](TestWorld& w) { w.files["clear001.txt"].resize(200); }},
    {"ClearedMapMovesARoom", nothing, "world 0 room 2: map/000/clear002.txt moves or resizes room 0",
     [](TestWorld& w) { w.files["clear002.txt"].replace(0, 3, "001"); }},
    {"ChainDoesNotOpenTheNextRoom", nothing,
     "world 0 room 2: the hall of clear001.txt, the map a player has when this room is next, has no door to it",
     [](TestWorld& w) { w.files["clear001.txt"] = solvertest::mapText(w); }},
    {"ParBeaten",
     [](TestWorld& w) { w.rooms[1].par = 3; },
     "world 0 room 1: score.txt gives par 3, the solver proves 1"},
    {"GoalWithinTheStartCountdown",
     [](TestWorld& w) {
         Grid g = solvertest::walled(8);
         g[6][1] = 200;
         g[6][4] = 220;
         w.rooms[2].grid = g;
         w.rooms[2].par = 0;
     },
     "world 0 room 2: the goal can be reached 16 frames after stepping off the start cell, while its countdown "
     "runs: the CLEAR panel closes at once and the first clear is lost"},
};

class CheckerRefuses : public ::testing::TestWithParam<Breakage> {};

TEST_P(CheckerRefuses, WithItsReason) {
    const Breakage& b = GetParam();
    TestWorld w = soundWorld();
    b.breakRooms(w);
    const Checked c = check(w, b.breakFiles);
    EXPECT_EQ(c.status, 1) << c.out;
    EXPECT_NE(c.out.find(b.message), std::string::npos) << "expected \"" << b.message << "\"\n" << c.out;
}

INSTANTIATE_TEST_SUITE_P(Worlds, CheckerRefuses, ::testing::ValuesIn(kBreakages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
