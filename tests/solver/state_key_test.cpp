// The solver's key of a state must hold everything that decides what happens next: a room put
// back from its key alone, into a game left in any other state, plays on exactly as the same
// room put back whole from the game's own snapshot.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "solver/solver_support.h"
#include "entry.h"
#include "search.h"
#include "state_key.h"

namespace {

using solver::Keys;

// A random player: walks, jumps and turns, holding each choice a few frames.
std::vector<Keys> randomKeys(std::mt19937& random, int frames) {
    const Keys choices[] = {solver::kNoKeys, solver::kKeyLeft, solver::kKeyRight, solver::kKeyUp,
                            solver::kKeyLeft | solver::kKeyUp, solver::kKeyRight | solver::kKeyUp,
                            solver::kKeyA, solver::kKeyD};
    std::vector<Keys> keys;
    while (static_cast<int>(keys.size()) < frames) {
        const Keys k = choices[random() % 8];
        const int hold = 1 + static_cast<int>(random() % 6);
        for (int f = 0; f < hold; ++f) keys.push_back(k);
    }
    keys.resize(static_cast<size_t>(frames));
    return keys;
}

std::vector<std::vector<int32_t>> keysAlong(solver::RoomKey& codec, const std::vector<Keys>& inputs) {
    std::vector<std::vector<int32_t>> out;
    for (Keys k : inputs) {
        solver::stepFrame(k);
        std::vector<int32_t> key(static_cast<size_t>(codec.words()));
        if (solver::playerFailed() || solver::playerLeavingThroughGoal() || !codec.capture(key.data())) break;
        out.push_back(key);
    }
    return out;
}

void expectKeysPutBackPlay(const solver::WorldSource& source, int room) {
    std::string fault;
    ASSERT_TRUE(solver::openWorld(source, fault)) << fault;
    solver::RoomEntry entry;
    ASSERT_TRUE(solver::enterRoom(room, solver::InputModel{}, entry, fault)) << fault;
    solver::RoomKey codec;
    codec.bindToCurrentRoom();

    std::mt19937 random(7);
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        // A state somewhere along a random play from the entry.
        solver::restoreFullState(entry.state);
        for (Keys k : randomKeys(random, 40 + static_cast<int>(random() % 200))) solver::stepFrame(k);
        // The solver takes keys only between turns.
        if (solver::playerFailed() || solver::playerLeavingThroughGoal() || solver::roomTurning()) continue;
        const solver::FullState whole = solver::captureFullState();
        std::vector<int32_t> key(static_cast<size_t>(codec.words()));
        ASSERT_TRUE(codec.capture(key.data()));
        const int turns = solver::turnCount();
        const std::vector<Keys> then = randomKeys(random, 150);

        solver::restoreFullState(whole);
        const auto expected = keysAlong(codec, then);

        // Elsewhere first (other blocks, counters, panels, orientation), then the key alone.
        solver::restoreFullState(entry.state);
        for (Keys k : randomKeys(random, 120)) solver::stepFrame(k);
        if (solver::playerFailed() || solver::playerLeavingThroughGoal()) solver::restoreFullState(entry.state);
        codec.restore(key.data(), turns);
        const auto played = keysAlong(codec, then);

        ASSERT_EQ(played.size(), expected.size()) << "trial " << trial;
        for (size_t f = 0; f < expected.size(); ++f) ASSERT_EQ(played[f], expected[f]) << "trial " << trial << " frame " << f;
        compared += static_cast<int>(expected.size());
    }
    EXPECT_GT(compared, 10000);
    solver::closeWorld();
}

TEST(SolverKey, PutsBackEverythingThatDecidesPlayWithACrate) {
    expectKeysPutBackPlay({YOMOGI_GAME_DIR, 0, "clear001.txt"}, 2);  // world 0's crate room
}

// Every kind of block at once: sticky blocks, liquid, a weight, a spring, an arrow, a lift, a
// ghost block, spikes and a hazard.
void writeEveryBlockWorld(const testgame::GameDirectory& dir) {
    solvertest::Grid hall = solvertest::walled(10), room = solvertest::walled(10);
    hall[8][1] = 200;
    hall[8][8] = 230;
    room[1][8] = 1220;
    room[2][2] = room[2][4] = 140;
    room[3][6] = 130;
    room[4][2] = 40;
    room[5][4] = 110;
    room[5][7] = 3120;
    room[6][5] = 50;
    room[7][2] = 60;
    room[7][7] = 100;
    room[8][6] = 90;
    room[8][1] = 200;
    solvertest::writeWorld(dir, 0, {{{hall, 0, "ホール"}, {room, 1, "ヘヤ"}}, {}});
}

TEST(SolverKey, PutsBackEverythingThatDecidesPlayWithEveryBlock) {
    testgame::GameDirectory dir;
    writeEveryBlockWorld(dir);
    expectKeysPutBackPlay({dir.root().string(), 0, ""}, 1);
}

// The search skips playing out a jump the rules did not take (Up pressed in the air ends where
// the same action without Up does). With and without that shortcut it must find the same states
// in the same order, joined by the same edges, in fewer frames.
void expectShortcutsFindTheSameGraph(const solver::WorldSource& source, int room, int turns) {
    std::string fault;
    ASSERT_TRUE(solver::openWorld(source, fault)) << fault;
    solver::RoomEntry entry;
    solver::InputModel model;
    model.maxTurns = turns;
    ASSERT_TRUE(solver::enterRoom(room, model, entry, fault)) << fault;
    solver::RoomSearch quick(model, entry.state), full(model, entry.state);
    full.useShortcuts(false);
    ASSERT_TRUE(quick.run(false, fault)) << fault;
    ASSERT_TRUE(full.run(false, fault)) << fault;
    ASSERT_EQ(quick.states(), full.states());
    EXPECT_GT(full.states(), 1000);
    EXPECT_EQ(quick.par(), full.par());
    EXPECT_LT(quick.frames(), full.frames());
    const int words = full.keyWords();
    for (int id = 0; id < full.states(); ++id) {
        ASSERT_EQ(std::vector<int32_t>(quick.key(id), quick.key(id) + words),
                  std::vector<int32_t>(full.key(id), full.key(id) + words))
            << "state " << id;
        for (int a = 0; a < solver::kActions; ++a) ASSERT_EQ(quick.edge(id, a), full.edge(id, a)) << "state " << id << " action " << a;
        ASSERT_EQ(quick.depth(id), full.depth(id));
        ASSERT_EQ(quick.settled(id), full.settled(id));
    }
    solver::closeWorld();
}

TEST(SolverSearch, SkippedJumpsLeaveTheSameStatesWithACrate) {
    expectShortcutsFindTheSameGraph({YOMOGI_GAME_DIR, 0, "clear001.txt"}, 2, 1);
}

TEST(SolverSearch, SkippedJumpsLeaveTheSameStatesWithEveryBlock) {
    testgame::GameDirectory dir;
    writeEveryBlockWorld(dir);
    expectShortcutsFindTheSameGraph({dir.root().string(), 0, ""}, 1, 1);
}

}  // namespace
