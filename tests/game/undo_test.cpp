// Taking back turns, played through the game executable in world 0's crate room: three turns,
// then Z, Backspace and Z again put the crate, the player, the orientation and the move count back
// exactly where the trace had them before each turn, each with a short turn back the other way.
#include <gtest/gtest.h>

#include "app/game_run.h"

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;

namespace {

struct Frame {
    std::string turn, player, blocks;
    int state = 0, angle = 0, orientation = 0, count = 0;
    std::string sounds;
};

Frame frameOf(const std::string& line) {
    Frame f;
    f.turn = field(line, "turn");
    f.player = field(line, "player");
    f.blocks = field(line, "blocks");
    f.state = intField(f.turn, "state");
    f.angle = intField(f.turn, "angle");
    f.orientation = intField(f.turn, "orientation");
    f.count = intField(f.turn, "count");
    f.sounds = field(line, "sounds");
    return f;
}

// Into room 2 (door 2 opens with the map of room 1's first clear), then three turns: A drops the
// crate, D and D again; a Z while the first turn is still shown. Then Z, Backspace, Z, and one Z
// more with nothing left to take back.
const char* kScript =
    "80 -\n16 RIGHT\n50 -\n1 ENTER\n180 -\n"
    "1 A\n5 -\n1 Z\n54 -\n1 D\n60 -\n1 D\n60 -\n"
    "1 Z\n20 -\n1 BACKSPACE\n20 -\n1 Z\n20 -\n1 Z\n20 -\n";

}  // namespace

TEST(Undo, EachTurnTakenBackRestoresTheTracesStateFromBeforeIt) {
    GameDirectory game;
    std::filesystem::copy_file(game.file("map/000/clear001.txt"), game.file("map/000/map.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    testgame::writeText(game.file("undo.txt"), kScript);
    ASSERT_EQ(game.run("--headless --world 0 --input undo.txt --trace t.jsonl --frames 620"), 1)
        << game.standardError();
    std::vector<Frame> frames;
    for (const std::string& line : game.lines("t.jsonl")) frames.push_back(frameOf(line));
    ASSERT_EQ(frames.size(), 620u);

    // The turns and the turns taken back: frames where the move count went up or down.
    std::vector<size_t> turns, undos;
    for (size_t i = 1; i < frames.size(); ++i) {
        if (frames[i].count > frames[i - 1].count) turns.push_back(i);
        if (frames[i].count < frames[i - 1].count) undos.push_back(i);
    }
    ASSERT_EQ(turns.size(), 3u);
    ASSERT_EQ(undos.size(), 3u);
    EXPECT_LT(turns.back(), undos.front());
    // The crate fell after the first turn: the states differ, so the comparisons below can fail.
    EXPECT_NE(frames[turns[0] - 1].blocks, frames[turns[1] - 1].blocks);

    for (size_t k = 0; k < 3; ++k) {
        const size_t undo = undos[k];
        const size_t turn = turns[2 - k];  // the last turn goes first
        const Frame& before = frames[turn - 1];
        const Frame& taken = frames[undo];
        EXPECT_EQ(taken.count, static_cast<int>(2 - k));
        EXPECT_EQ(taken.count, before.count);
        EXPECT_EQ(taken.orientation, before.orientation);
        EXPECT_EQ(taken.player, before.player) << "undo " << k;
        EXPECT_EQ(taken.blocks, before.blocks) << "undo " << k;
        EXPECT_EQ(taken.sounds, "[3]");
        // The turn back runs the other way round from the turn it takes back, 9 degrees a frame.
        const int backwards = frames[turn].state == 1 ? 3 : 1;
        for (int step = 0; step < 10; ++step) {
            const Frame& f = frames[undo + static_cast<size_t>(step)];
            EXPECT_EQ(f.state, backwards) << "undo " << k << " step " << step;
            EXPECT_EQ(f.angle, (backwards == 3 ? 9 : -9) * step) << "undo " << k << " step " << step;
            EXPECT_EQ(f.blocks, before.blocks);
        }
        const Frame& after = frames[undo + 10];
        EXPECT_EQ(after.state, 0);
        EXPECT_EQ(after.player, before.player);
        EXPECT_EQ(after.blocks, before.blocks);
    }
    // Nothing left to take back: the last Z changes nothing and sounds nothing.
    const Frame& last = frames.back();
    EXPECT_EQ(last.count, 0);
    for (size_t i = undos[2] + 11; i < frames.size(); ++i) EXPECT_EQ(frames[i].sounds, "[]");
    // The Z pressed while the first turn was shown did nothing.
    for (size_t i = turns[0]; i < turns[1]; ++i) EXPECT_EQ(frames[i].count, 1);
}
