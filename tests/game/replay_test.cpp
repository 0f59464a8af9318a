// Every shipped room (every world of content/map/) is cleared at its par by its solution script
// tests/game/solutions/NNN/roomR.txt, replayed by the game itself (headless, --world): the CLEAR
// panel shows and the record reaches the world's score file at the game end. A room without a
// script fails. In world 0, the first clear opens the next door of the hall and the last room
// unlocks world 1.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_run.h"
#include "base/data_reader.h"

namespace {

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;
using testgame::readText;

namespace fs = std::filesystem;

// One shipped puzzle room: world, room, its par from the world's score file, and the number of
// rooms of its world.
struct Replay {
    int world;
    int room;
    int par;
    int roomCount;
};

std::string worldDirectory(int world) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d", world);
    return name;
}

fs::path solutionPath(int world, int room) {
    return fs::path(YOMOGI_SOURCE_DIR) / "tests/game/solutions" / worldDirectory(world) /
           ("room" + std::to_string(room) + ".txt");
}

// Every puzzle room (room 1 up; room 0 is the hall) of every world in content/map/, with its
// par as score.txt ships it.
std::vector<Replay> shippedRooms() {
    std::vector<Replay> rooms;
    const fs::path maps = fs::path(YOMOGI_SOURCE_DIR) / "content/map";
    for (int world = 0; world < 1000; ++world) {
        const fs::path dir = maps / worldDirectory(world);
        if (!fs::is_directory(dir)) continue;
        DataReader stage, score;
        int count = 0;
        if (!stage.open((dir / "stage.txt").string()) || !stage.number(count) ||
            !score.open((dir / "score.txt").string()))
            continue;
        for (int room = 0; room < count; ++room) {
            int par = -1, best = 0, rank = 0;
            if (!score.number(par) || !score.number(best) || !score.number(rank)) break;
            if (room > 0) rooms.push_back({world, room, par, count});
        }
    }
    return rooms;
}

TEST(ReplayFiles, EveryShippedRoomHasASolutionScript) {
    const std::vector<Replay> rooms = shippedRooms();
    EXPECT_FALSE(rooms.empty()) << "no world found in content/map";
    for (const Replay& r : rooms)
        EXPECT_TRUE(fs::exists(solutionPath(r.world, r.room))) << "missing " << solutionPath(r.world, r.room);
}

class ReplayTest : public ::testing::TestWithParam<Replay> {};

TEST_P(ReplayTest, ClearsTheRoomAtItsPar) {
    const Replay& r = GetParam();
    GameDirectory dir;
    const std::string world = "map/" + worldDirectory(r.world) + "/";
    // The rooms are played in order: the hall stands as the clear of the room before left it.
    if (r.room > 1) {
        char before[32];
        std::snprintf(before, sizeof before, "clear%03d.txt", r.room - 1);
        if (fs::exists(dir.file(world + before)))
            fs::copy_file(dir.file(world + before), dir.file(world + "map.txt"), fs::copy_options::overwrite_existing);
    }
    ASSERT_TRUE(fs::exists(solutionPath(r.world, r.room))) << solutionPath(r.world, r.room);
    ASSERT_EQ(dir.run("--headless --world " + std::to_string(r.world) + " --input '" +
                      solutionPath(r.world, r.room).string() + "' --trace t.jsonl"),
              1)
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
    const std::string score = readText(dir.file(world + "score.txt"));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%03d %03d %03d\n", r.par, r.par, 0);
    const size_t lineStart = [&] {
        size_t at = 0;
        for (int i = 0; i < r.room; ++i) at = score.find('\n', at) + 1;
        return at;
    }();
    EXPECT_EQ(score.substr(lineStart, 12), expected) << score;
    EXPECT_EQ(score.size(), static_cast<size_t>(r.roomCount) * 12u);
}

INSTANTIATE_TEST_SUITE_P(ShippedRooms, ReplayTest, ::testing::ValuesIn(shippedRooms()), [](const auto& info) {
    return "World" + std::to_string(info.param.world) + "Room" + std::to_string(info.param.room);
});

TEST(ReplayFiles, FirstClearOfRoom1OpensDoor2OfTheHall) {
    GameDirectory dir;
    const std::string shipped = readText(dir.file("map/000/map.txt"));
    ASSERT_EQ(shipped.find("0240 "), std::string::npos);
    ASSERT_EQ(dir.run("--headless --world 0 --input '" + solutionPath(0, 1).string() + "'"), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), readText(dir.file("map/000/clear001.txt")));
    EXPECT_EQ(readText(dir.file("data/save.txt")), "0 5 0") << "room 1 is not the last room";
}

TEST(ReplayFiles, FirstClearOfTheLastRoomUnlocksWorld1) {
    GameDirectory dir;
    int last = 0;
    for (const Replay& r : shippedRooms())
        if (r.world == 0) last = r.room;
    ASSERT_GE(last, 2);
    char before[32], after[32];
    std::snprintf(before, sizeof before, "map/000/clear%03d.txt", last - 1);
    std::snprintf(after, sizeof after, "map/000/clear%03d.txt", last);
    std::filesystem::copy_file(dir.file(before), dir.file("map/000/map.txt"), std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(readText(dir.file("data/save.txt")), "0 5 0");
    ASSERT_EQ(dir.run("--headless --world 0 --input '" + solutionPath(0, last).string() + "'"), 1) << dir.standardError();
    EXPECT_EQ(readText(dir.file("data/save.txt")), "1 5 1");
    EXPECT_EQ(readText(dir.file("map/000/map.txt")), readText(dir.file(after)));
}

}  // namespace
