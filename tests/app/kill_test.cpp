// The kill test: the headless game clears a room of world 0 from its solution and is killed with
// SIGKILL at every point of its progress writes in turn (the atomic writer's fault points: before
// the new file, with it empty, half written, written, synced, renamed, after the directory sync).
// After each kill every progress file is whole, either as it was before the run or as the run
// leaves it, and the world loads again.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "app/scratch_game.h"

namespace {

using scratch::Ending;
using scratch::readFile;
using scratch::ScratchGame;
using scratch::writeFile;

const char* const kProgressFiles[] = {"data/save.txt", "map/000/map.txt", "map/000/score.txt"};

struct Scenario {
    const char* name;
    int room;              // the room cleared, from tests/game/solutions/000/roomR.txt
    const char* map;       // map.txt before the run: the cleared map of the room before, or none
    const char* save;      // data/save.txt before the run
    const char* score;     // score.txt before the run; nullptr: as shipped
};

const Scenario kScenarios[] = {
    {"FirstRoom", 1, nullptr, "0 5 0", nullptr},
    {"SecondRoom", 2, "map/000/clear001.txt", "0 5 0", nullptr},
    {"LastRoomOpensTheNextWorld", 3, "map/000/clear002.txt", "0 5 0", nullptr},
    {"UnreadableScoreFile", 1, nullptr, "0 5 0", "001 999\nbroken\n"},
};

// The solution with its long wait after the clear cut short: the world is left a few frames
// after the CLEAR panel has stored the record, so that every run reaches the game end's write.
std::string shortenedSolution(int room) {
    std::string script = readFile(std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions/000/room" +
                                  std::to_string(room) + ".txt");
    const size_t tail = script.rfind("250 -");
    if (tail != std::string::npos) script.replace(tail, 5, "40 -");
    return script;
}

using Contents = std::map<std::string, std::string>;

Contents progressOf(const ScratchGame& game) {
    Contents contents;
    for (const char* file : kProgressFiles) contents[file] = readFile(game.file(file));
    return contents;
}

void prepare(ScratchGame& game, const Scenario& s) {
    if (s.map) writeFile(game.file("map/000/map.txt"), readFile(game.file(s.map)));
    writeFile(game.file("data/save.txt"), s.save);
    if (s.score) writeFile(game.file("map/000/score.txt"), s.score);
    writeFile(game.file("script.txt"), shortenedSolution(s.room));
}

class KillTest : public ::testing::TestWithParam<Scenario> {};

}  // namespace

TEST_P(KillTest, EveryKillLeavesEveryFileOldOrNewAndTheWorldLoading) {
    const Scenario& s = GetParam();
    const std::string play = "--headless --world 0 --input script.txt";
    Contents before, after;
    {
        ScratchGame game;
        prepare(game, s);
        before = progressOf(game);
        // Fault points on, none of them reached: the run as it is.
        const Ending whole = game.run(play, "YOMOGI_KILL_AT=1000000");
        ASSERT_EQ(whole.status, 1) << game.standardError();
        after = progressOf(game);
        ASSERT_NE(after["map/000/score.txt"], before["map/000/score.txt"]) << "the clear was recorded";
    }
    int kills = 0;
    std::vector<Contents> loaded;  // the states already shown to load (many kills leave the same)
    for (int point = 1;; ++point) {
        ScratchGame game;
        prepare(game, s);
        const Ending ending = game.run(play, "YOMOGI_KILL_AT=" + std::to_string(point));
        if (ending.signal != SIGKILL) {
            // Past the last point: the run ended by itself, as the whole run did.
            EXPECT_EQ(ending.status, 1) << game.standardError();
            EXPECT_EQ(progressOf(game), after);
            break;
        }
        ++kills;
        for (const char* file : kProgressFiles) {
            const std::string now = readFile(game.file(file));
            EXPECT_TRUE(now == before[file] || now == after[file])
                << s.name << ", killed at point " << point << ": " << file << " is neither old nor new:\n"
                << now;
        }
        const Contents left = progressOf(game);
        if (std::find(loaded.begin(), loaded.end(), left) == loaded.end()) {
            const Ending reload = game.run("--headless --world 0 --frames 2");
            EXPECT_EQ(reload.status, 1) << "killed at point " << point << ":\n" << game.standardError();
            EXPECT_EQ(game.standardError().find("ワールドを読み込めません"), std::string::npos)
                << "killed at point " << point << ":\n" << game.standardError();
            loaded.push_back(left);
        }
        ASSERT_LT(point, 200) << "the run never ends by itself";
    }
    // Each of the progress writes of a first clear has its seven points.
    EXPECT_GE(kills, 28) << s.name;
    std::printf("%s: %d kills\n", s.name, kills);
}

INSTANTIATE_TEST_SUITE_P(WorldZero, KillTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });
