// The runner says what fails instead of swallowing it: a trace or record that cannot be written
// ends the run with status 2 and a message, and options that cannot work are refused at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/game_run.h"

namespace {

using testgame::GameDirectory;

}  // namespace

TEST(RunnerFailures, ATraceOrRecordThatCannotBeWrittenEndsWithStatusTwo) {
    GameDirectory game;
    // The trace's place is taken by a directory: the rename at the end cannot put it there.
    std::filesystem::create_directories(game.file("t.jsonl"));
    EXPECT_EQ(game.run("--headless --frames 5 --trace t.jsonl"), 2);
    EXPECT_NE(game.standardError().find("cannot write the trace"), std::string::npos) << game.standardError();
    // Something stands where the record's new file would go.
    std::filesystem::create_directories(game.file("rec.txt.new/x"));
    EXPECT_EQ(game.run("--headless --frames 5 --record rec.txt"), 2);
    EXPECT_NE(game.standardError().find("rec.txt"), std::string::npos) << game.standardError();
    // Both fine: the plain status of the game.
    EXPECT_EQ(game.run("--headless --frames 5 --trace u.jsonl --record r.txt"), 1) << game.standardError();
}

TEST(RunnerFailures, OptionsThatCannotWorkAreRefusedAtStartUp) {
    GameDirectory game;
    std::filesystem::create_directories(game.file("scripts"));
    EXPECT_EQ(game.run("--headless --frames 5 --input scripts --trace t.jsonl"), 2);
    EXPECT_NE(game.standardError().find("scripts"), std::string::npos) << game.standardError();
    EXPECT_FALSE(std::filesystem::exists(game.file("t.jsonl"))) << "refused before the first frame";
    EXPECT_EQ(game.run("--headless --frames 10 --shot 11:a.bmp --trace t.jsonl"), 2);
    EXPECT_NE(game.standardError().find("--shot"), std::string::npos) << game.standardError();
    EXPECT_FALSE(std::filesystem::exists(game.file("t.jsonl")));
    EXPECT_FALSE(std::filesystem::exists(game.file("a.bmp")));
    EXPECT_EQ(game.run("--headless --frames 10 --shot 10:a.bmp"), 1) << game.standardError();
    EXPECT_TRUE(std::filesystem::exists(game.file("a.bmp")));
}
