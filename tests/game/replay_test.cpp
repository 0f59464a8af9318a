// Every room of world 0 is cleared at its par by its solution script, replayed by the game itself
// (headless, --world 0): the CLEAR panel shows, the record reaches map/000/score.txt at the game
// end, the first clear opens the next door of the hall, and the last room unlocks world 1.
#include <gtest/gtest.h>

#include <string>

#include "app/game_run.h"

namespace {

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;
using testgame::readText;

struct Replay {
    int room;
    int par;
    const char* solution;
    const char* mapBefore;  // the map the hall has when the room is played ("" = as shipped)
};

std::string solutionPath(const char* name) { return std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/" + name; }

class ReplayTest : public ::testing::TestWithParam<Replay> {};

TEST_P(ReplayTest, ClearsTheRoomAtItsPar) {
    const Replay& r = GetParam();
    GameDirectory dir;
    if (*r.mapBefore) std::filesystem::copy_file(dir.file(std::string("map/000/") + r.mapBefore), dir.file("map/000/map.txt"),
                                                 std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(dir.run("--headless --world 0 --input '" + solutionPath(r.solution) + "' --trace t.jsonl"), 1)
        << dir.standardError();

    // The CLEAR panel comes up in the room, showing the move count of the clear.
    bool clearShown = false;
    int countAtClear = -1;
    for (const std::string& line : dir.lines("t.jsonl")) {
        const std::string game = field(line, "game");
        if (game == "null") continue;
        if (intField(game, "current") == r.room && field(game, "panel") == "\"clear\"") {
            clearShown = true;
            countAtClear = intField(field(game, "turn"), "count");
            break;
        }
    }
    EXPECT_TRUE(clearShown);
    EXPECT_EQ(countAtClear, r.par);

    // The record written at the game end: par, best moves and rank 0, three digits each.
    const std::string score = readText(dir.file("map/000/score.txt"));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%03d %03d %03d\n", r.par, r.par, 0);
    const size_t lineStart = [&] {
        size_t at = 0;
        for (int i = 0; i < r.room; ++i) at = score.find('\n', at) + 1;
        return at;
    }();
    EXPECT_EQ(score.substr(lineStart, 12), expected) << score;
    EXPECT_EQ(score.size(), 4u * 12u);
}

INSTANTIATE_TEST_SUITE_P(World0, ReplayTest,
                         ::testing::Values(Replay{1, 1, "room1.txt", ""}, Replay{2, 1, "room2.txt", "clear001.txt"},
                                           Replay{3, 4, "room3.txt", "clear002.txt"}),
                         [](const auto& info) { return "Room" + std::to_string(info.param.room); });

TEST(ReplayFiles, FirstClearOfRoom1OpensDoor2OfTheHall) {
    GameDirectory dir;
    const std::string shipped = readText(dir.file("map/000/map.txt"));
    ASSERT_EQ(shipped.find("0240 "), std::string::npos);
    ASSERT_EQ(dir.run("--headless --world 0 --input '" + solutionPath("room1.txt") + "'"), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), readText(dir.file("map/000/clear001.txt")));
    EXPECT_EQ(readText(dir.file("data/save.txt")), "0 5 0") << "room 1 is not the last room";
}

TEST(ReplayFiles, FirstClearOfTheLastRoomUnlocksWorld1) {
    GameDirectory dir;
    std::filesystem::copy_file(dir.file("map/000/clear002.txt"), dir.file("map/000/map.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(readText(dir.file("data/save.txt")), "0 5 0");
    ASSERT_EQ(dir.run("--headless --world 0 --input '" + solutionPath("room3.txt") + "'"), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("data/save.txt")), "1 5 1");
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), readText(dir.file("map/000/clear003.txt")));
}

}  // namespace
