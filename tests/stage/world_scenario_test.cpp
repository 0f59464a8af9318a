// The game executable on a copy of the game directory: a world refused at load ends a --world run
// with status 2 and a clear message; world 0 is played headless and the player stands, walks and
// jumps as it should.
#include <gtest/gtest.h>

#include "app/game_run.h"

namespace {

using testgame::GameDirectory;
using testgame::field;
using testgame::intField;

TEST(WorldScenario, RefusedWorldEndsAWorldRunWithStatusTwo) {
    GameDirectory dir;
    testgame::writeText(dir.file("map/000/map.txt"), "000 000 012 012\n0010 0010\n");
    EXPECT_EQ(dir.run("--headless --world 0 --frames 10"), 2);
    const std::string err = dir.standardError();
    EXPECT_NE(err.find("ワールドを読み込めません:map/000/map.txt"), std::string::npos) << err;
    EXPECT_NE(err.find("途中で終わっています"), std::string::npos) << err;
}

TEST(WorldScenario, NonSquareRoomIsRefused) {
    GameDirectory dir;
    std::string map = testgame::readText(dir.file("map/000/map.txt"));
    ASSERT_EQ(map.rfind("000 000 012 012", 0), 0u) << "world 0's hall is expected to be 12 x 12";
    map.replace(0, 15, "000 000 012 011");
    testgame::writeText(dir.file("map/000/map.txt"), map);
    EXPECT_EQ(dir.run("--headless --world 0 --frames 10"), 2);
    EXPECT_NE(dir.standardError().find("部屋0が正方形ではありません"), std::string::npos)
        << dir.standardError();
}

TEST(WorldScenario, PlayerAppearsStandsWalksAndJumpsInTheHall) {
    GameDirectory dir;
    testgame::writeText(dir.file("walk.txt"), "100 -\n10 RIGHT\n1 UP\n30 -\n");
    // A run ended by --frames ends the way the game always ends, with status 1.
    ASSERT_EQ(dir.run("--headless --world 0 --frames 141 --input walk.txt --trace trace.jsonl"), 1)
        << dir.standardError();
    const auto lines = dir.lines("trace.jsonl");
    ASSERT_GE(lines.size(), 141u);
    auto playerOf = [&](int frame) { return field(lines[static_cast<size_t>(frame - 1)], "player"); };

    // Faded in on the hall's start cell (tile 210: facing right) and standing.
    const std::string settled = playerOf(100);
    EXPECT_EQ(field(settled, "state"), "\"normal\"");
    EXPECT_EQ(intField(settled, "opacity"), 100);
    EXPECT_EQ(intField(settled, "facing"), 1);
    EXPECT_EQ(intField(settled, "vy"), 0);
    EXPECT_EQ(intField(settled, "contact"), 5);
    const int startX = intField(settled, "x"), floorY = intField(settled, "y");

    // Ten frames of RIGHT: 1, 2, ... 7, then 7 per frame, on the floor.
    const int speeds[] = {1, 2, 3, 4, 5, 6, 7, 7, 7, 7};
    int x = startX;
    for (int i = 0; i < 10; ++i) {
        const std::string p = playerOf(101 + i);
        x += speeds[i];
        EXPECT_EQ(intField(p, "vx"), speeds[i]) << 101 + i;
        EXPECT_EQ(intField(p, "x"), x) << 101 + i;
        EXPECT_EQ(intField(p, "y"), floorY) << 101 + i;
    }
    // UP with RIGHT released: the jump's -9 and the walk dying away by 3.
    EXPECT_EQ(intField(playerOf(111), "vy"), -9);
    EXPECT_EQ(intField(playerOf(111), "y"), floorY - 9);
    EXPECT_EQ(intField(playerOf(111), "vx"), 4);
    EXPECT_EQ(intField(playerOf(111), "contact"), 3);
    EXPECT_EQ(field(lines[110], "sounds"), "[2]");
    // Back on the floor.
    EXPECT_EQ(intField(playerOf(140), "y"), floorY);
    EXPECT_EQ(intField(playerOf(140), "vy"), 0);
    EXPECT_EQ(intField(playerOf(140), "contact"), 5);
}

}  // namespace
