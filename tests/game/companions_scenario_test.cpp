// The companions in a real game: world 0's first room played from its solution, checked on the
// trace. Shelly dives out of the picture before the CLEAR panel can be closed, comes back with the
// player in the hall, and the right ghost swoops down while the room turns clockwise.
#include <gtest/gtest.h>

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

struct CompanionFrame {
    int current = 0;
    std::string panel, playerState;
    int phase = 0, turnState = 0;
    int x = 0, y = 0, opacity = 0, flownOff = 0;
    int rightGhostY = 0;
};

std::vector<CompanionFrame> playRoomOne(GameDirectory& dir) {
    const std::string script = readText(std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/000/room1.txt");
    // Without its script the game would play on for ever.
    EXPECT_FALSE(script.empty());
    if (script.empty()) return {};
    writeText(dir.file("script.txt"), script);
    EXPECT_EQ(dir.run("--headless --world 0 --input script.txt --trace t.jsonl"), 1)
        << dir.standardError();
    std::vector<CompanionFrame> frames;
    for (const std::string& line : dir.lines("t.jsonl")) {
        const std::string game = field(line, "game");
        if (game == "null" || game == "<missing>") continue;
        CompanionFrame f;
        f.current = intField(game, "current");
        f.panel = field(field(game, "result"), "panel");
        f.phase = intField(field(game, "result"), "phase");
        f.playerState = field(field(game, "player"), "state");
        f.turnState = intField(field(game, "turn"), "state");
        const std::string shelly = field(game, "companion");
        f.x = intField(shelly, "x");
        f.y = intField(shelly, "y");
        f.opacity = intField(shelly, "opacity");
        f.flownOff = intField(shelly, "flownOff");
        const std::string ghosts = field(game, "ghosts");  // [[x,y],[x,y]]
        const size_t second = ghosts.find("],[");
        if (second != std::string::npos)
            f.rightGhostY = std::atoi(ghosts.substr(ghosts.find(',', second + 3) + 1).c_str());
        frames.push_back(f);
    }
    return frames;
}

}  // namespace

TEST(CompanionsScenario, ShellyDivesBeforeTheClearAndReturnsWithThePlayer) {
    GameDirectory dir;
    const std::vector<CompanionFrame> frames = playRoomOne(dir);
    ASSERT_FALSE(frames.empty());

    // The frame in which she has flown off, and the first closing frame of the CLEAR panel.
    int flown = -1, closing = -1, backInHall = -1;
    for (size_t i = 0; i < frames.size(); ++i) {
        const CompanionFrame& f = frames[i];
        if (flown < 0 && f.flownOff == 1) flown = static_cast<int>(i);
        if (closing < 0 && f.panel == "\"clear\"" && f.phase == 3) closing = static_cast<int>(i);
        if (closing >= 0 && backInHall < 0 && f.current == 0 && f.playerState == "\"appearing\"")
            backInHall = static_cast<int>(i);
    }
    ASSERT_GE(flown, 1) << "Shelly never flew off";
    ASSERT_GT(closing, flown) << "the CLEAR panel closed before Shelly had gone";
    ASSERT_GT(backInHall, closing);

    // Diving: 3 pixels a frame straight down into the view's bottom, then invisible.
    EXPECT_EQ(frames[static_cast<size_t>(flown)].opacity, 0);
    EXPECT_EQ(frames[static_cast<size_t>(flown)].current, 1);
    EXPECT_EQ(frames[static_cast<size_t>(flown) - 1].y + 3, frames[static_cast<size_t>(flown)].y);
    EXPECT_GT(frames[static_cast<size_t>(flown) - 1].opacity, 0);

    // Back in the hall she reappears and fades in with the player, 2 a frame.
    const CompanionFrame& first = frames[static_cast<size_t>(backInHall)];
    EXPECT_EQ(first.flownOff, 0);
    const CompanionFrame& later = frames[static_cast<size_t>(backInHall) + 10];
    EXPECT_EQ(later.opacity - first.opacity, 20);
}

TEST(CompanionsScenario, RightGhostSinksDuringTheClockwiseTurn) {
    GameDirectory dir;
    const std::vector<CompanionFrame> frames = playRoomOne(dir);
    size_t start = 0;
    while (start < frames.size() && frames[start].turnState != 3) ++start;
    ASSERT_LT(start + 30, frames.size()) << "the room never turned clockwise";
    const int before = frames[start - 1].rightGhostY;
    int deepest = before;
    for (size_t i = start; i < start + 30; ++i) deepest = std::max(deepest, frames[i].rightGhostY);
    // The swoop ends near y 440; the free ghost hovers near 208.
    EXPECT_GT(deepest, before + 100);
    EXPECT_LE(deepest, 440);
}
