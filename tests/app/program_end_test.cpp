// Records survive every way the program ends: the records of a world still loaded are written by
// the program's own ending (the close confirmation's Yes, Escape in a frame the game step skips, a
// fatal fault, the end of a headless run), and a clear is on the disk before the world is left.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/app.h"
#include "app/game_run.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

using testgame::GameDirectory;
using testgame::readText;
using testgame::writeText;

}  // namespace

TEST(ProgramEnd, TheRecordsOfAWorldStillLoadedAreWrittenByTheEnding) {
    GameDirectory dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.root());
    const std::string shipped = readText("map/000/score.txt");
    EXPECT_EXIT(
        {
            if (!loadWorld(0, WorldPictures::None)) std::_Exit(3);
            world.rooms[1].bestMoves = 1;
            world.rooms[2].bestMoves = 7;
            world.rooms[2].bestRank = 2;
            // What the close confirmation's Yes calls.
            shutDown();
        },
        ::testing::ExitedWithCode(1), "");
    const std::string written = readText("map/000/score.txt");
    std::filesystem::current_path(previous);
    EXPECT_NE(written, shipped);
    EXPECT_EQ(written.substr(0, 36), "000 000 000\n001 001 000\n001 007 002\n") << written;
}

TEST(ProgramEnd, AClearIsKeptWhenTheRunEndsBeforeTheWorldIsLeft) {
    GameDirectory dir;
    writeText(dir.file("script.txt"),
              readText(std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/000/room1.txt"));
    // The CLEAR panel has closed by frame 650; the world is left only at frame 796.
    ASSERT_EQ(dir.run("--headless --world 0 --input script.txt --frames 650"), 1) << dir.standardError();
    const std::string score = readText(dir.file("map/000/score.txt"));
    EXPECT_NE(score.find("\n001 001 000\n"), std::string::npos) << score;
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), readText(dir.file("map/000/clear001.txt")));
}
