// The progress files written and read back: score files, unlocking in the save file, the map
// replaced by a cleared map, the ending test, and writes that never leave a half-written file.
#include <filesystem>

#include "result_support.h"

using ProgressFiles = ResultTest;

namespace {

// A map of the test world (three 2 x 2 rooms) with the given hall codes.
std::string clearedMap(const std::string& hallCodes, int roomWidth = 2) {
    std::string text = "000 000 002 002\n" + hallCodes + "\n";
    text += "002 000 " + std::to_string(roomWidth) + " 002\n200 1 10 11\n";
    text += "004 000 002 002\n200 1 10 11\n";
    return text;
}

}  // namespace

TEST_F(ProgressFiles, ScoreFileHoldsThreeDigitsPerValue) {
    world.rooms[0].par = 0;
    world.rooms[0].bestMoves = 0;
    world.rooms[1].par = 5;
    world.rooms[1].bestMoves = 12;
    world.rooms[1].bestRank = 2;
    world.rooms[2].par = 7;
    ASSERT_TRUE(writeScoreFile(3));
    EXPECT_EQ(read("map/003/score.txt"), "000 000 000\n005 012 002\n007 999 000\n");
    EXPECT_FALSE(std::filesystem::exists("map/003/score.txt.new"));
    int par = 0, best = 0, rank = 0;
    std::FILE* file = std::fopen("map/003/score.txt", "r");
    ASSERT_NE(file, nullptr);
    for (int r = 0; r < 3; ++r) {
        ASSERT_EQ(std::fscanf(file, "%d %d %d", &par, &best, &rank), 3);
        EXPECT_EQ(par, world.rooms[static_cast<size_t>(r)].par);
        EXPECT_EQ(best, world.rooms[static_cast<size_t>(r)].bestMoves);
    }
    std::fclose(file);
}

TEST_F(ProgressFiles, AFailedWriteLeavesTheOldFile) {
    write("map/000/score.txt", "010 999 000\n");
    // Something in the way of the new file (as a crash might leave) makes the write fail.
    std::filesystem::create_directories("map/000/score.txt.new/blocked");
    EXPECT_FALSE(writeScoreFile(0));
    EXPECT_EQ(read("map/000/score.txt"), "010 999 000\n");
    std::filesystem::remove_all("map/000/score.txt.new");
    // A half-written new file left behind by a crash is simply replaced.
    write("map/000/score.txt.new", "01");
    EXPECT_TRUE(writeScoreFile(0));
    EXPECT_EQ(read("map/000/score.txt"), "010 999 000\n010 999 000\n010 999 000\n");
    EXPECT_FALSE(std::filesystem::exists("map/000/score.txt.new"));
    // A world directory that does not exist cannot be written, and nothing is created.
    std::filesystem::remove_all("map/004");
    EXPECT_FALSE(writeScoreFile(4));
    EXPECT_FALSE(std::filesystem::exists("map/004"));
}

TEST_F(ProgressFiles, SaveFileReadsItsThreeNumbers) {
    int cursor = -1, positions = -1, unlocked = -1;
    EXPECT_FALSE(readSaveFile(cursor, positions, unlocked));
    write("data/save.txt", "1 5");
    EXPECT_FALSE(readSaveFile(cursor, positions, unlocked));
    EXPECT_EQ(cursor, -1);
    write("data/save.txt", "2\n5\n3 ");
    EXPECT_TRUE(readSaveFile(cursor, positions, unlocked));
    EXPECT_EQ(cursor, 2);
    EXPECT_EQ(positions, 5);
    EXPECT_EQ(unlocked, 3);
}

TEST_F(ProgressFiles, FirstClearOfTheLastRoomUnlocksOnlyTheNextWorld) {
    write("data/save.txt", "2 5 2");
    world.number = 2;
    runFirstClear(2);
    EXPECT_EQ(read("data/save.txt"), "3 5 3");
    // The same clear in an older world changes nothing.
    write("data/save.txt", "2 5 2");
    world.number = 1;
    runFirstClear(2);
    EXPECT_EQ(read("data/save.txt"), "2 5 2");
    // Not the last room: nothing.
    world.number = 2;
    runFirstClear(1);
    EXPECT_EQ(read("data/save.txt"), "2 5 2");
    // The last world opens nothing.
    write("data/save.txt", "4 5 4");
    world.number = 4;
    runFirstClear(2);
    EXPECT_EQ(read("data/save.txt"), "4 5 4");
    // Without a save file nothing is written.
    std::filesystem::remove("data/save.txt");
    world.number = 2;
    runFirstClear(2);
    EXPECT_FALSE(std::filesystem::exists("data/save.txt"));
}

TEST_F(ProgressFiles, FirstClearReplacesTheMapAndRebuildsTheHall) {
    write("map/000/map.txt", "old");
    write("map/000/clear001.txt", clearedMap("200 1030 41 2041"));
    world.currentRoom = 1;
    world.targetRoom = 0;
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"),
              "000 000 002 002\n0200 1030 \n0041 2041 \n\n"
              "002 000 002 002\n0200 0001 \n0010 0011 \n\n"
              "004 000 002 002\n0200 0001 \n0010 0011 \n\n");
    const Room& hall = world.rooms[0];
    EXPECT_EQ(hall.rawGrid, (std::vector<int>{200, 1030, 41, 2041}));
    ASSERT_EQ(hall.blockCount, 3);
    ASSERT_EQ(hall.blocks.size(), 3u);
    EXPECT_EQ(hall.blocks[0].type, 30);
    EXPECT_EQ(hall.blocks[0].x, 32);
    EXPECT_EQ(hall.blocks[0].param, 1);
    EXPECT_EQ(hall.blocks[2].type, 40);
    EXPECT_EQ(hall.blocks[2].param, 2);
    EXPECT_EQ(hall.cells[1].tile, 0);  // the open tile under the block
    EXPECT_EQ(hall.cells[0].tile, 200);
    EXPECT_NE(hall.cells[0].procedure, nullptr);
}

TEST_F(ProgressFiles, NoReplacementOnceALaterRoomIsCleared) {
    write("map/000/map.txt", "old");
    write("map/000/clear001.txt", clearedMap("200 1 1 1"));
    world.rooms[2].bestMoves = 8;
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"), "old");
    EXPECT_EQ(world.rooms[0].rawGrid, (std::vector<int>{200, 1, 10, 11}));
}

TEST_F(ProgressFiles, BadClearedMapsLeaveEverythingAsItWas) {
    write("map/000/map.txt", "old");
    const std::vector<int> before = world.rooms[0].rawGrid;
    // Missing.
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"), "old");
    // Short: the last room ends early.
    std::string shortMap = clearedMap("200 1 1 1");
    write("map/000/clear001.txt", shortMap.substr(0, shortMap.size() - 6));
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"), "old");
    // A room of another size.
    write("map/000/clear001.txt", clearedMap("200 1 1 1", 3));
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"), "old");
    // Garbage.
    write("map/000/clear001.txt", "000 000 002 002\n200 x 1 1\n");
    runFirstClear(1);
    EXPECT_EQ(read("map/000/map.txt"), "old");
    EXPECT_EQ(world.rooms[0].rawGrid, before);
    EXPECT_EQ(world.rooms[1].rawGrid, before);
}

// A cleared map is judged whole by the loader's own rules before it replaces map.txt: one the
// loader would refuse is refused with a warning naming it, and nothing is written.
TEST_F(ProgressFiles, ClearedMapsTheLoaderWouldRefuseAreNeverWritten) {
    write("map/000/map.txt", "old");
    const struct {
        std::string text;
        const char* fault;
    } cases[] = {
        {clearedMap("200 1 950 11"), "コード950"},                            // beyond the tile sheet
        {clearedMap("200 1 -1 11"), "コード-1"},                              // negative
        {clearedMap("1 1 10 11"), "ホール(部屋0)にスタート地点がありません"},  // a hall without start
        {"000 000 002 002\n200 1 10 11\n002 000 002 002\n1 1 10 11\n004 000 002 002\n200 1 10 11\n",
         "部屋1にスタート地点がありません"},
        {"999999 000 002 002\n200 1 10 11\n002 000 002 002\n200 1 10 11\n004 000 002 002\n200 1 10 11\n",
         "部屋0の位置が正しくありません"},
    };
    for (const auto& c : cases) {
        write("map/000/clear001.txt", c.text);
        ::testing::internal::CaptureStderr();
        runFirstClear(1);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(read("map/000/map.txt"), "old") << c.text;
        EXPECT_NE(err.find("map/000/clear001.txt"), std::string::npos) << err;
        EXPECT_NE(err.find(c.fault), std::string::npos) << err;
        EXPECT_NE(err.find("警告"), std::string::npos) << err;
        EXPECT_EQ(world.rooms[0].rawGrid, (std::vector<int>{200, 1, 10, 11}));
    }
    // What the game plays safely is taken: a door to a room the world lacks, a direction beyond
    // three quarter turns (counted round) and values after the last room.
    write("map/000/clear001.txt", clearedMap("200 250 4041 11") + "7 7\n");
    ::testing::internal::CaptureStderr();
    runFirstClear(1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(world.rooms[0].rawGrid, (std::vector<int>{200, 250, 41, 11}));
    EXPECT_EQ(read("map/000/map.txt").substr(0, 39), "000 000 002 002\n0200 0250 \n0041 0011 \n\n");
}

// The record of a clear is on the disk as soon as the CLEAR panel stores it, and a first clear
// writes it right after the map it replaced, so that a kill or a closed window can never leave a
// replaced map with a room that counts as never cleared.
TEST_F(ProgressFiles, RecordsAreWrittenWhenTheyAreMade) {
    write("map/000/score.txt", "010 999 000\n010 999 000\n010 999 000\n");
    write("map/000/clear001.txt", clearedMap("200 1 10 11"));
    world.currentRoom = 1;
    world.rooms[1].turnCount = 12;
    runFirstClear(1);
    EXPECT_EQ(read("map/000/score.txt"), "010 999 000\n010 012 001\n010 999 000\n");
    EXPECT_EQ(world.rooms[1].bestMoves, 999) << "the panel stores the record in memory itself";

    write("map/000/score.txt", "010 999 000\n010 999 000\n010 999 000\n");
    world.rooms[2].turnCount = 4;
    world.currentRoom = 2;
    results.resultStep = resultClear;
    results.resultPhase = 0;
    resultClear();
    results.resultPhase = 3;
    for (int frame = 0; frame < 200 && resultClear() == 0; ++frame) {
    }
    EXPECT_EQ(world.rooms[2].bestMoves, 4);
    EXPECT_EQ(read("map/000/score.txt"), "010 999 000\n010 999 000\n010 004 000\n");
}

// A save file that cannot be read is kept beside as save.txt.bad before a new one is written; a
// missing one is simply a new game.
TEST_F(ProgressFiles, AnUnreadableSaveFileIsKeptBeforeANewOneIsWritten) {
    world.number = 0;
    write("data/save.txt", "\x82\xa0 5");
    runFirstClear(2);
    EXPECT_EQ(read("data/save.txt"), "1 5 1");
    EXPECT_EQ(read("data/save.txt.bad"), "\x82\xa0 5");
    std::filesystem::remove("data/save.txt");
    std::filesystem::remove("data/save.txt.bad");
    runFirstClear(2);
    EXPECT_EQ(read("data/save.txt"), "1 5 1");
    EXPECT_FALSE(std::filesystem::exists("data/save.txt.bad"));
}

// A progress write that fails says so in a warning naming the file; the old file stays.
TEST_F(ProgressFiles, AFailedWriteIsSaidAndTheGameGoesOn) {
    write("map/000/score.txt", "010 999 000\n");
    std::filesystem::create_directories("map/000/score.txt.new/blocked");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(writeScoreFile(0));
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("map/000/score.txt"), std::string::npos) << err;
    EXPECT_NE(err.find("警告"), std::string::npos) << err;
    EXPECT_EQ(read("map/000/score.txt"), "010 999 000\n");

    write("data/save.txt", "0 5 0");
    std::filesystem::create_directories("data/save.txt.new/blocked");
    write("map/000/clear002.txt", clearedMap("200 1 10 11"));
    std::filesystem::create_directories("map/000/map.txt.new/blocked");
    world.number = 0;
    ::testing::internal::CaptureStderr();
    runFirstClear(2);
    err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("data/save.txt"), std::string::npos) << err;
    EXPECT_NE(err.find("map/000/map.txt"), std::string::npos) << err;
    EXPECT_EQ(read("data/save.txt"), "0 5 0");
}

TEST_F(ProgressFiles, EndingNeedsEveryRoomClearedAndTheNamedWorld) {
    world.number = 4;
    for (Room& room : world.rooms) room.bestMoves = 10;
    EXPECT_EQ(endingReached(), 0);  // no ending file: no world leads to the credits
    write("map/ending.txt", "4");
    EXPECT_EQ(endingReached(), 1);
    world.rooms[0].bestMoves = 999;
    EXPECT_EQ(endingReached(), 0);
    world.rooms[0].bestMoves = 1;
    world.number = 3;
    EXPECT_EQ(endingReached(), 0);
}
