// The progress files as the game writes them: world 0's first room cleared from its solution in
// the headless game, and the files it leaves behind read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/game_run.h"

namespace {

using testgame::GameDirectory;
using testgame::readText;
using testgame::writeText;

int playRoomOne(GameDirectory& dir) {
    writeText(dir.file("script.txt"),
              readText(std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/000/room1.txt"));
    return dir.run("--headless --world 0 --input script.txt");
}

bool leftoversIn(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".new") return true;
    return false;
}

}  // namespace

TEST(FirstClearScenario, FirstClearReplacesTheMapAndASecondClearChangesNothing) {
    GameDirectory dir;
    const std::string originalMap = readText(dir.file("map/000/map.txt"));
    const std::string cleared = readText(dir.file("map/000/clear001.txt"));
    const std::string save = readText(dir.file("data/save.txt"));
    ASSERT_FALSE(cleared.empty());
    ASSERT_NE(originalMap, cleared);

    ASSERT_EQ(playRoomOne(dir), 1) << dir.standardError();
    // The map now holds the cleared version (a further door of the hall opened), written in the
    // map layout; the save file is untouched because room 1 is not the world's last room.
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), cleared);
    EXPECT_EQ(readText(dir.file("data/save.txt")), save);
    const std::string score = readText(dir.file("map/000/score.txt"));
    EXPECT_NE(score.find("\n001 001 000\n"), std::string::npos) << score;
    EXPECT_FALSE(leftoversIn(dir.root()));

    // Clearing the room again is no first clear: a different cleared map is never used.
    writeText(dir.file("map/000/clear001.txt"), originalMap);
    ASSERT_EQ(playRoomOne(dir), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), cleared);
}

TEST(FirstClearScenario, ABrokenClearedMapLeavesTheWorldAsItWas) {
    GameDirectory dir;
    const std::string originalMap = readText(dir.file("map/000/map.txt"));
    writeText(dir.file("map/000/clear001.txt"), "000 000 012 012\n10 10 10\n");
    ASSERT_EQ(playRoomOne(dir), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), originalMap);
    // The clear itself still counts.
    EXPECT_NE(readText(dir.file("map/000/score.txt")).find("\n001 001 000\n"), std::string::npos);
}
