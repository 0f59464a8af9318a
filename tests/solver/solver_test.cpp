// yomogi-solve on rooms made here: the fewest turns past a tempting dead end, a room it cannot
// solve, and a witness that the game itself replays to the clear at par, also with every turn
// pressed two frames late.
#include <gtest/gtest.h>

#include "solver/solver_support.h"

namespace {

using solvertest::Grid;
using solvertest::jsonInt;
using solvertest::runTool;
using solvertest::TestWorld;

Grid hall() {
    Grid g = solvertest::walled(10);
    g[8][1] = 200;
    g[8][8] = 230;
    return g;
}

TestWorld worldWith(const Grid& room, int par) { return TestWorld{{{hall(), 0, "ホール"}, {room, par, "ヘヤ"}}, {}}; }

// The goal stands on a ledge two cells high, too high to jump; the crate up on its shelf is the
// step. A slides the crate off the shelf to the left, D stands the room up again and the crate
// falls to the foot of the ledge: two turns. D first slides the crate right, out through the gap
// in the wall, and the goal is out of reach for good.
Grid deadEndRoom() {
    return {
        {10, 10, 10, 10, 10, 10, 10},
        {10, 10, 10, 10, 0, 30, 0},
        {10, 10, 10, 10, 0, 10, 10},
        {10, 10, 10, 0, 0, 220, 0},
        {10, 0, 0, 0, 0, 10, 10},
        {10, 200, 0, 0, 0, 10, 10},
        {10, 10, 10, 10, 10, 10, 10},
    };
}

// The goal is walled in on every side.
Grid sealedRoom() {
    Grid g = solvertest::walled(8);
    g[6][1] = 200;
    g[2][4] = 220;
    g[1][4] = g[3][4] = g[2][3] = g[2][5] = 10;
    return g;
}

TEST(Solver, FindsTwoTurnsPastATemptingDeadEnd) {
    testgame::GameDirectory dir;
    solvertest::writeWorld(dir, 0, worldWith(deadEndRoom(), 2));
    // Every reachable state is searched for the figures; walking actions of 8 frames keep that
    // quick, and the model is said with the result.
    const solvertest::Run run =
        runTool(dir, "yomogi-solve", "--world 0 --hold 8 --figures --random-runs 200 --json f.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("par 2 (minimal within the model)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("input model: walking actions nothing, LEFT, RIGHT, UP, LEFT+UP, RIGHT+UP held 8 frames"),
              std::string::npos)
        << run.out;
    const std::string json = testgame::readText(dir.file("f.json"));
    EXPECT_EQ(jsonInt(json, "par"), 2) << json;
    EXPECT_EQ(jsonInt(json, "closed"), 1) << json;
    // The dead end one turn from the entry, and the crate that the goal cannot be had without.
    const size_t byTurns = json.find("\"deadEndsByTurns\":[");
    ASSERT_NE(byTurns, std::string::npos) << json;
    EXPECT_GE(std::atoi(json.c_str() + json.find(',', byTurns) + 1), 1) << json;
    EXPECT_NE(json.find("\"parWithout\":null"), std::string::npos) << json;
    EXPECT_GE(jsonInt(json, "shortestSolutions"), 1) << json;
    const int clears = jsonInt(json, "randomClears");
    EXPECT_GT(clears, 0) << json;
    EXPECT_LT(clears, 200) << json;
}

TEST(Solver, SaysSoWhenNoSolutionIsWithinTheTurnsAllowed) {
    testgame::GameDirectory dir;
    solvertest::writeWorld(dir, 0, worldWith(sealedRoom(), 1));
    const solvertest::Run run = runTool(dir, "yomogi-solve", "--world 0 --max-turns 6 --json s.json");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("no solution"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("at most 6 turns"), std::string::npos) << run.out;
    EXPECT_EQ(jsonInt(testgame::readText(dir.file("s.json")), "solved"), 0);
}

// The game's own trace of a replay: the move count when the CLEAR panel of room 1 comes up.
int countAtClear(testgame::GameDirectory& dir, const std::string& script) {
    if (dir.run("--headless --world 0 --input '" + script + "' --trace t.jsonl") != 1) return -2;
    for (const std::string& line : dir.lines("t.jsonl")) {
        const std::string game = testgame::field(line, "game");
        if (game == "null" || testgame::intField(game, "current") != 1) continue;
        if (testgame::field(game, "panel") == "\"clear\"") return testgame::intField(testgame::field(game, "turn"), "count");
    }
    return -1;
}

// Every line that presses A or D comes `late` frames later.
std::string delayTurns(const std::string& script, int late) {
    std::string out;
    size_t at = 0;
    while (at < script.size()) {
        const size_t end = script.find('\n', at);
        const std::string line = script.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (line == "1 A" || line == "1 D") out += std::to_string(late) + " -\n";
        out += line + "\n";
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return out;
}

TEST(Solver, WitnessClearsTheRoomAtParInTheGame) {
    testgame::GameDirectory dir;
    solvertest::writeWorld(dir, 0, worldWith(deadEndRoom(), 2));
    const solvertest::Run run = runTool(dir, "yomogi-solve", "--world 0 --room 1 --witness w.txt");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string witness = testgame::readText(dir.file("w.txt"));
    EXPECT_NE(witness.find("# turn 2"), std::string::npos) << witness;
    EXPECT_EQ(countAtClear(dir, dir.file("w.txt").string()), 2) << witness << dir.standardError();

    testgame::writeText(dir.file("late.txt"), delayTurns(witness, 2));
    EXPECT_EQ(countAtClear(dir, dir.file("late.txt").string()), 2) << testgame::readText(dir.file("late.txt"));
}

}  // namespace
