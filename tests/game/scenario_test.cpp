// Whole scenes driven by input scripts through the headless runner and checked on the trace:
// doors and their RANK panel, the turn as the trace shows it, failing and the OVER menu, the
// restart key, the camera's glide, and leaving the world with the NEXT menu.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_run.h"

namespace {

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;
using testgame::readText;
using testgame::writeText;

// One frame of the trace, with its game object taken apart.
struct Frame {
    std::string line, game;
    int number = 0;
    bool inGame() const { return game != "null" && game != "<missing>"; }
    int current() const { return intField(game, "current"); }
    std::string panel() const { return field(game, "panel"); }
    int phase() const { return intField(field(game, "result"), "phase"); }
    int choice() const { return intField(field(game, "result"), "choice"); }
    std::string player() const { return field(game, "player"); }
    int playerX() const { return intField(player(), "x"); }
    std::string playerState() const { return field(player(), "state"); }
    std::string turn() const { return field(game, "turn"); }
    double cameraX() const { return std::atof(field(field(game, "camera"), "x").c_str()); }
    int glide() const { return intField(field(game, "camera"), "glide"); }
    int restart() const { return intField(game, "restart"); }
    std::string fade() const { return field(line, "fade"); }
};

std::vector<Frame> run(GameDirectory& dir, const std::string& script, int world = 0) {
    writeText(dir.file("script.txt"), script);
    const int status = dir.run("--headless --world " + std::to_string(world) + " --input script.txt --trace t.jsonl");
    EXPECT_EQ(status, 1) << dir.standardError();
    std::vector<Frame> frames;
    for (const std::string& line : dir.lines("t.jsonl")) {
        Frame f;
        f.line = line;
        f.game = field(line, "game");
        f.number = intField(line, "frame");
        frames.push_back(f);
    }
    return frames;
}

std::string solution(const char* name) {
    return readText(std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/000/" + name);
}

// A small world 0 of two rooms: a hall with its door to room 1 right beside the start cell, and a
// room whose floor holds a hazard two cells to the right of its start cell.
void writeTrapWorld(GameDirectory& dir) {
    std::string hall = "000 000 010 010\n", room = "012 000 010 010\n";
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const bool wall = r == 0 || r == 9 || c == 0 || c == 9;
            int h = wall ? 10 : 0, k = wall ? 10 : 0;
            if (r == 8 && c == 1) h = k = 210;
            if (r == 8 && c == 2) h = 230;
            if (r == 8 && c == 4) k = 90;
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "%04d ", h);
            hall += buffer;
            std::snprintf(buffer, sizeof buffer, "%04d ", k);
            room += buffer;
        }
        hall += "\n";
        room += "\n";
    }
    writeText(dir.file("map/000/map.txt"), hall + "\n" + room + "\n");
    writeText(dir.file("map/000/stage.txt"), "2\n0 0\n0 0\n");
    writeText(dir.file("map/000/score.txt"), "000 000 000\n003 999 000\n");
    writeText(dir.file("map/000/name.txt"), "HALL\nTRAP\n");
    writeText(dir.file("map/000/screen.txt"), "0\n");
}

// Into the trap room: the door beside the start cell opens in 30 frames.
const char* kIntoTrapRoom =
    "80 -\n7 RIGHT\n40 -\n1 ENTER\n";

TEST(GameScenario, DoorShowsTheRankPanelWhileThePlayerStandsInIt) {
    GameDirectory dir;
    // Door 1 of world 0 is the cell beside the start cell: seven frames of walking stop in it.
    auto frames = run(dir, "80 -\n7 RIGHT\n40 -\n7 LEFT\n40 -\n1 ESCAPE\n");
    int rankShownAt = -1, closingAt = -1, closedAt = -1;
    for (const Frame& f : frames) {
        if (!f.inGame()) continue;
        if (rankShownAt < 0 && f.panel() == "\"rank\"" && f.phase() == 2) {
            rankShownAt = f.number;
            EXPECT_EQ(intField(f.game, "target"), 1);
            EXPECT_GE(f.playerX(), 64);
            EXPECT_LE(f.playerX(), 72);
        }
        if (rankShownAt > 0 && closingAt < 0 && f.phase() == 3) closingAt = f.number;
        if (closingAt > 0 && closedAt < 0 && f.panel() == "\"none\"") closedAt = f.number;
    }
    ASSERT_GT(rankShownAt, 0);
    ASSERT_GT(closingAt, rankShownAt);
    EXPECT_GT(closedAt, closingAt);
    EXPECT_LT(closedAt - closingAt, 10) << "the RANK panel closes in a few frames";
}

TEST(GameScenario, TurnShowsThirtyFramesThenTheCrateFalls) {
    GameDirectory dir;
    std::filesystem::copy_file(dir.file("map/000/clear001.txt"), dir.file("map/000/map.txt"),
                               std::filesystem::copy_options::overwrite_existing);
    auto frames = run(dir, solution("room2.txt"));
    std::vector<int> angles;
    std::string blocksBefore, blocksAfterStart, playerAfterStart;
    size_t first = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        const Frame& f = frames[i];
        if (!f.inGame() || f.current() != 2) continue;
        if (intField(f.turn(), "state") == 1) {
            if (angles.empty()) {
                first = i;
                blocksAfterStart = field(f.game, "blocks");
                blocksBefore = field(frames[i - 1].game, "blocks");
                playerAfterStart = f.player();
            }
            angles.push_back(intField(f.turn(), "angle"));
        }
    }
    ASSERT_EQ(angles.size(), 30u);
    EXPECT_EQ(angles.front(), 0);
    EXPECT_EQ(angles[1], -3);
    EXPECT_EQ(angles.back(), -87);
    EXPECT_EQ(blocksBefore, "[[30,64,192,0,1]]");
    // The crate went to its turned place and took one step of its fall in the same frame.
    EXPECT_EQ(blocksAfterStart, "[[30,192,225,1,1]]");
    EXPECT_EQ(intField(playerAfterStart, "x"), 168);
    // Nothing moves while the room turns; afterwards the crate lands on the floor.
    EXPECT_EQ(field(frames[first + 29].game, "blocks"), blocksAfterStart);
    EXPECT_EQ(intField(frames[first + 30].turn(), "state"), 0);
    EXPECT_EQ(field(frames[first + 60].game, "blocks"), "[[30,192,256,0,1]]");
    EXPECT_EQ(intField(frames[first + 60].turn(), "orientation"), 1);
}

TEST(GameScenario, FailingShowsOverAtSeventyPercentAndRetryResetsTheRoom) {
    GameDirectory dir;
    writeTrapWorld(dir);
    auto frames = run(dir, std::string(kIntoTrapRoom) + "200 -\n20 RIGHT\n120 -\n1 ENTER\n100 -\n1 ESCAPE\n");
    int fellAt = -1, overAt = -1, retriedAt = -1;
    for (const Frame& f : frames) {
        if (!f.inGame()) continue;
        if (fellAt < 0 && f.current() == 1 && f.playerState() == "\"fallen\"") fellAt = f.number;
        if (overAt < 0 && f.panel() == "\"over\"") {
            overAt = f.number;
            EXPECT_EQ(intField(f.fade(), "level"), 70);
            EXPECT_EQ(intField(f.fade(), "state"), 3);
        }
        if (overAt > 0 && retriedAt < 0 && f.playerState() == "\"appearing\"") {
            retriedAt = f.number;
            EXPECT_EQ(f.current(), 1) << "retry stays in the room";
            EXPECT_EQ(f.choice(), 1);
            EXPECT_EQ(f.playerX(), 36);
        }
    }
    EXPECT_GT(fellAt, 0);
    EXPECT_GT(overAt, fellAt);
    EXPECT_GT(retriedAt, overAt);
}

TEST(GameScenario, FailingAndChoosingTheSecondEntryGoesBackToTheHall) {
    GameDirectory dir;
    writeTrapWorld(dir);
    auto frames = run(dir, std::string(kIntoTrapRoom) + "200 -\n20 RIGHT\n120 -\n1 DOWN\n5 -\n1 ENTER\n100 -\n1 ESCAPE\n");
    int overAt = -1, backAt = -1;
    for (const Frame& f : frames) {
        if (!f.inGame()) continue;
        if (overAt < 0 && f.panel() == "\"over\"") overAt = f.number;
        if (overAt > 0 && backAt < 0 && f.playerState() == "\"appearing\"") {
            backAt = f.number;
            EXPECT_EQ(f.current(), 0);
            EXPECT_EQ(f.choice(), 2);
        }
    }
    EXPECT_GT(overAt, 0);
    EXPECT_GT(backAt, overAt);
}

TEST(GameScenario, RestartKeyResetsTheRoomOnce) {
    GameDirectory dir;
    writeTrapWorld(dir);
    // In the room: one turn, then R twice before the screen is black.
    auto frames = run(dir, std::string(kIntoTrapRoom) + "200 -\n1 A\n60 -\n1 R\n3 -\n1 R\n120 -\n1 ESCAPE\n");
    int requests = 0, resets = 0, fadesStarted = 0, lastRestart = 0, countBefore = -1;
    for (size_t i = 1; i < frames.size(); ++i) {
        const Frame& f = frames[i];
        if (!f.inGame() || !frames[i - 1].inGame()) continue;
        if (f.restart() == 1 && lastRestart == 0) {
            ++requests;
            countBefore = intField(f.turn(), "count");
        }
        if (f.restart() == 0 && lastRestart == 1) {
            ++resets;
            EXPECT_EQ(intField(f.turn(), "count"), 0);
            EXPECT_EQ(intField(f.turn(), "orientation"), 0);
            EXPECT_EQ(f.playerState(), "\"appearing\"");
        }
        if (intField(f.fade(), "on") == 1 && intField(frames[i - 1].fade(), "on") == 0) ++fadesStarted;
        lastRestart = f.restart();
    }
    EXPECT_EQ(countBefore, 1);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(fadesStarted, 1);
}

TEST(GameScenario, GlideEndsWithinAPixelOfTheRoom) {
    GameDirectory dir;
    auto frames = run(dir, "80 -\n7 RIGHT\n40 -\n1 ENTER\n200 -\n1 ESCAPE\n");
    int glideFrames = 0;
    bool arrived = false;
    for (size_t i = 1; i < frames.size(); ++i) {
        const Frame& f = frames[i];
        if (!f.inGame() || !frames[i - 1].inGame()) continue;
        if (f.glide() == 1) ++glideFrames;
        // The glide reports its arrival and the player's exit acts on it in the same frame.
        if (frames[i - 1].glide() == 1 && f.glide() != 1 && !arrived) {
            arrived = true;
            EXPECT_EQ(f.current(), 1);
            // Room 1 of world 0: corner (14, 1) in cells, 10 x 10, centred on the screen.
            EXPECT_LT(std::fabs(f.cameraX() - (448 + 160 - 320)), 1.0);
            // It arrives in the frame after the one that brought it within the pixel.
            EXPECT_LT(std::fabs(frames[i - 1].cameraX() - (448 + 160 - 320)), 1.0);
            EXPECT_GE(std::fabs(frames[i - 2].cameraX() - (448 + 160 - 320)), 1.0);
        }
    }
    EXPECT_TRUE(arrived);
    EXPECT_GT(glideFrames, 40);
}

TEST(GameScenario, LeavingThroughTheHallStartCellShowsNextAndEndsTheWorld) {
    GameDirectory dir;
    auto frames = run(dir, "120 -\n1 ENTER\n150 -\n1 ENTER\n150 -\n1 ESCAPE\n");
    int leaveAt = -1, nextAt = -1, endedAt = -1, againAt = -1;
    for (const Frame& f : frames) {
        if (leaveAt < 0 && f.inGame() && f.playerState() == "\"leave\"") leaveAt = f.number;
        if (nextAt < 0 && f.inGame() && f.panel() == "\"next\"") {
            nextAt = f.number;
            EXPECT_EQ(intField(f.fade(), "level"), 70);
        }
        if (nextAt > 0 && endedAt < 0 && !f.inGame()) endedAt = f.number;
        if (endedAt > 0 && againAt < 0 && field(f.line, "scene") == "\"select\"") againAt = f.number;
    }
    EXPECT_GT(leaveAt, 0);
    EXPECT_GT(nextAt, leaveAt);
    EXPECT_GT(endedAt, nextAt);
    EXPECT_GT(againAt, endedAt) << "the world select follows the world";
    // The game end wrote the score file: one "%03d %03d %03d" line per room, as shipped.
    EXPECT_EQ(readText(dir.file("map/000/score.txt")), readText(std::string(YOMOGI_GAME_DIR) + "/map/000/score.txt"));
    EXPECT_EQ(readText(dir.file("map/000/score.txt")).size(), 6u * 12u);
}

TEST(GameScenario, AbandoningTheWorldStillRewritesTheScoreFile) {
    GameDirectory dir;
    // Any whitespace layout reads; the game end writes its own three-digit lines back.
    writeText(dir.file("map/000/score.txt"), "0 0 0 1 999 0\n3 999 0\n2\t999 0 7 999\n0\n\n4 999 0");
    auto frames = run(dir, "100 -\n1 P\n5 -\n1 ESCAPE\n");
    bool left = false;
    for (size_t i = 1; i < frames.size(); ++i)
        if (frames[i - 1].inGame() && !frames[i].inGame()) left = true;
    EXPECT_TRUE(left);
    EXPECT_EQ(readText(dir.file("map/000/score.txt")), "000 000 000\n001 999 000\n003 999 000\n002 999 000\n007 999 000\n004 999 000\n");
}

TEST(GameScenario, AWorldThatCannotBeLoadedEndsTheRunWithStatus2) {
    GameDirectory dir;
    std::filesystem::remove(dir.file("map/000/map.txt"));
    EXPECT_EQ(dir.run("--headless --world 0 --frames 50"), 2);
}

}  // namespace
