// Loading worlds from map/NNN/: a good world read back field by field, every refused fault with
// its message and an empty world afterwards, and the turned and mirrored sheets pixel by pixel.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <fstream>
#include <string>
#include <vector>

#include "game/cells.h"
#include "platform/platform.h"
#include "stage/stage_fixture.h"
#include "text/sjis.h"

namespace {

namespace fs = std::filesystem;
using namespace stagetest;

void writeText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A 24-bit BMP of one colour (0x00RRGGBB), written by hand.
void writeBmp(const fs::path& path, int width, int height, uint32_t pixel) {
    fs::create_directories(path.parent_path());
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> file(54 + dataSize, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x) * 3;
            file[at] = static_cast<uint8_t>(pixel);
            file[at + 1] = static_cast<uint8_t>(pixel >> 8);
            file[at + 2] = static_cast<uint8_t>(pixel >> 16);
        }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                static_cast<std::streamsize>(file.size()));
}

// A game directory in a fresh temporary folder holding the pictures the loader needs and a
// two-room world 0 (a 3 x 3 hall and a 4 x 4 room); the test runs inside it.
class WorldFiles : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        root_ = fs::temp_directory_path() / ("yomogi-world-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
        previous_ = fs::current_path();
        fs::current_path(root_);
        display.mode = 0;  // single-size sheets: the turned copies are four times smaller
        // The sheets at the sizes whose cells the stage reads.
        writeBmp("bmp/mod.bmp", 320, 2560, 0x112233);
        writeBmp("bmp/block.bmp", 320, 640, 0x445566);
        writeBmp("bmp/effect.bmp", 240, 96, 0x778899);
        writeBmp("bmp/big_gear1.bmp", 320, 320, 0xAABBCC);
        writeBmp("bmp/castle2-5-2.bmp", 16, 16, 0x010203);
        writeBmp("bmp/bg5.bmp", 16, 16, 0x040506);
        writeGoodWorld();
        player = std::make_unique<Player>();
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
        StageTest::TearDown();
    }

    void writeGoodWorld() {
        writeText("map/000/stage.txt", "2\n0 0\n7 8\n");
        writeText("map/000/score.txt", "000 000 000\n005 012 002\n");
        writeText("map/000/name.txt", toShiftJis("大広間\nまわる部屋\n"));
        writeText("map/000/map.txt",
                  "000 000 003 003\n"
                  "0010 0010 0010\n"
                  "0210 0230 0041\n"
                  "0010 0010 0010\n"
                  "\n"
                  "005 -02 004 004\n"
                  "10 10 10 10\n"
                  "10 200 2041 10\n"
                  "10 130 3 10\n"
                  "10 10 10 10\n");
        writeText("map/000/screen.txt", "0\n");
    }

    // Loads and expects a refusal whose message names the file and says what is wrong.
    void expectRefused(const std::string& file, const std::string& fault) {
        ::testing::internal::CaptureStderr();
        const bool loaded = loadWorld(game.currentWorld);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_FALSE(loaded);
        EXPECT_NE(err.find("ワールドを読み込めません:map/000/" + file), std::string::npos) << err;
        EXPECT_NE(err.find(fault), std::string::npos) << err;
        EXPECT_NE(err.find("警告"), std::string::npos) << err;
        EXPECT_TRUE(world.rooms.empty());
        EXPECT_EQ(world.roomCount, 0);
        EXPECT_FALSE(world.loaded);
        EXPECT_EQ(world.tileSheets[0], nullptr);
        EXPECT_TRUE(world.effects.empty());
    }

    fs::path root_, previous_;
};

TEST_F(WorldFiles, GoodWorldReadsBackEveryField) {
    ASSERT_TRUE(loadWorld(game.currentWorld));
    ASSERT_EQ(world.roomCount, 2);
    ASSERT_EQ(world.rooms.size(), 2u);
    const Room& hall = world.rooms[0];
    const Room& room = world.rooms[1];
    EXPECT_EQ(std::string(hall.name), toShiftJis("大広間"));
    EXPECT_EQ(std::string(room.name), toShiftJis("まわる部屋"));
    EXPECT_EQ(room.reserved1, 7);
    EXPECT_EQ(room.reserved2, 8);
    // "005 012 002" as the stage end writes it.
    EXPECT_EQ(room.par, 5);
    EXPECT_EQ(room.bestMoves, 12);
    EXPECT_EQ(room.bestRank, 2);
    EXPECT_EQ(room.originX, 5 * 32);
    EXPECT_EQ(room.originY, -2 * 32);
    EXPECT_EQ(room.width, 4);
    EXPECT_EQ(room.rawGrid[6], 2041);
    EXPECT_EQ(hall.blockCount, 1);
    EXPECT_EQ(hall.blocks[0].type, 40);
    EXPECT_EQ(hall.blocks[0].param, 0);
    ASSERT_EQ(room.blockCount, 2);
    EXPECT_EQ(room.blocks[0].type, 40);
    EXPECT_EQ(room.blocks[0].param, 2);
    EXPECT_EQ(room.blocks[1].type, 130);
    EXPECT_EQ(room.cells[6].tile, 1);  // the open tile under the weight
    EXPECT_EQ(world.currentRoom, 0);
    EXPECT_EQ(world.targetRoom, 0);
    EXPECT_EQ(world.effects.size(), 100u);
    EXPECT_EQ(world.backdrop.mode, 0);
    EXPECT_EQ(world.backdrop.starsOn, 0);
    EXPECT_EQ(world.backdrop.castle, nullptr);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NE(world.tileSheets[k], nullptr) << k;
        EXPECT_NE(world.blockSheets[k], nullptr) << k;
    }
    EXPECT_NE(world.effectSheet, nullptr);
    EXPECT_NE(world.gearFrame, nullptr);
    EXPECT_TRUE(world.loaded);
    // Every room reset, the player on the hall's start cell (tile 210: facing right).
    EXPECT_EQ(player->x, 0 * 32 + 4);
    EXPECT_EQ(player->y, 1 * 32 + 8);
    EXPECT_EQ(player->facing, 1);
    EXPECT_EQ(player->state, playerAppearing);
}

TEST_F(WorldFiles, BackdropModeOneReadsTheCastleAndStars) {
    writeText("map/000/screen.txt", "1\n300 301\n640 480\n10 11\n0 0\n320 240\n");
    ASSERT_TRUE(loadWorld(game.currentWorld));
    const Backdrop& b = world.backdrop;
    EXPECT_EQ(b.castleX, 300);
    EXPECT_EQ(b.castleY, 301);
    EXPECT_EQ(b.viewW, 640);
    EXPECT_EQ(b.viewH, 480);
    EXPECT_EQ(b.backX, 10);
    EXPECT_EQ(b.backY, 11);
    EXPECT_EQ(b.starX, 320);
    EXPECT_EQ(b.starY, 240);
    EXPECT_EQ(b.starsOn, 1);
    EXPECT_EQ(b.starClock, 0);
    EXPECT_NE(b.castle, nullptr);
    EXPECT_NE(b.back, nullptr);
}

TEST_F(WorldFiles, WorldNumberHasThreeDigits) {
    game.currentWorld = 3;
    fs::rename("map/000", "map/003");
    EXPECT_TRUE(loadWorld(game.currentWorld));
    fs::rename("map/003", "map/030");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(loadWorld(game.currentWorld));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("map/003/stage.txt"), std::string::npos) << err;
}

TEST_F(WorldFiles, LineBreaksAndCarriageReturnsCarryNoMeaning) {
    writeText("map/000/stage.txt", "\xEF\xBB\xBF" "2 0 0\r\n7\r\n8");
    writeText("map/000/score.txt", "0 0 0 5 12 2");
    ASSERT_TRUE(loadWorld(game.currentWorld));
    EXPECT_EQ(world.rooms[1].reserved1, 7);
    EXPECT_EQ(world.rooms[1].bestMoves, 12);
}

TEST_F(WorldFiles, RefusedWhenAFileIsMissing) {
    fs::remove("map/000/map.txt");
    expectRefused("map.txt", "ファイルを開けません");
    writeGoodWorld();
    fs::remove("map/000/screen.txt");
    expectRefused("screen.txt", "ファイルを開けません");
}

TEST_F(WorldFiles, RefusedWhenAFileEndsEarly) {
    writeText("map/000/map.txt", "000 000 003 003\n0010 0010 0010\n0210 0230\n");
    expectRefused("map.txt", "途中で終わっています");
    writeGoodWorld();
    writeText("map/000/name.txt", "hall\n");
    expectRefused("name.txt", "部屋1の名前");
    writeGoodWorld();
    writeText("map/000/screen.txt", "1\n300 301\n640\n");
    expectRefused("screen.txt", "表示範囲");
    writeText("map/000/stage.txt", "");
    expectRefused("stage.txt", "部屋の数");
}

TEST_F(WorldFiles, RefusedWhenRoomCountsDiffer) {
    // Fewer rooms than stage.txt counts: the world cannot be built.
    writeText("map/000/name.txt", "a\n");
    expectRefused("name.txt", "部屋1の名前");
    writeGoodWorld();
    writeText("map/000/map.txt", "000 000 003 003\n10 10 10\n210 0 10\n10 10 10\n");
    expectRefused("map.txt", "部屋1の位置");
}

TEST_F(WorldFiles, RefusedRoomCountsAndSizes) {
    writeText("map/000/stage.txt", "0\n");
    expectRefused("stage.txt", "部屋の数0が正しくありません");
    writeText("map/000/stage.txt", "65\n");
    expectRefused("stage.txt", "部屋の数65");
    writeText("map/000/stage.txt", "-1\n");
    expectRefused("stage.txt", "部屋の数-1");
    writeGoodWorld();
    writeText("map/000/map.txt", "0 0 0 0\n");
    expectRefused("map.txt", "部屋0の大きさが正しくありません");
    writeText("map/000/map.txt", "0 0 -3 -3\n");
    expectRefused("map.txt", "部屋0の大きさが正しくありません");
    writeText("map/000/map.txt", "0 0 65 65\n");
    expectRefused("map.txt", "部屋0の大きさが正しくありません");
    writeText("map/000/map.txt", "0 0 2147483647 2\n");
    expectRefused("map.txt", "部屋0の大きさ");
    writeText("map/000/map.txt", "0 0 3 2\n10 10 10\n210 0 10\n");
    expectRefused("map.txt", "部屋0が正方形ではありません");
    writeText("map/000/map.txt", "999999999 0 3 3\n");
    expectRefused("map.txt", "部屋0の位置");
}

TEST_F(WorldFiles, RefusedCodesTheGameDoesNotKnow) {
    const std::string hallHead = "000 000 003 003\n10 10 10\n210 0 ";
    const std::string rest = "\n10 10 10\n\n5 0 4 4\n" + std::string("10 10 10 10 10 200 0 10 10 0 0 10 10 10 10 10\n");
    writeText("map/000/map.txt", hallHead + "-4" + rest);
    expectRefused("map.txt", "部屋0の2行3列目のコード-4は使えません");
    writeText("map/000/map.txt", hallHead + "950" + rest);  // beyond the tile sheet's rows
    expectRefused("map.txt", "コード950");
    writeText("map/000/map.txt", hallHead + "4950" + rest);
    expectRefused("map.txt", "コード4950");
    writeText("map/000/map.txt", hallHead + "abc" + rest);
    expectRefused("map.txt", "数値ではありません");
    writeText("map/000/map.txt", hallHead + "12x" + rest);
    expectRefused("map.txt", "数値ではありません");
    writeText("map/000/map.txt", hallHead + "99999999999" + rest);
    expectRefused("map.txt", "数値ではありません");
    // A hall without a start cell, and a room without one: the player would stand nowhere.
    writeText("map/000/map.txt", "000 000 003 003\n10 10 10\n0 0 0" + rest);
    expectRefused("map.txt", "ホール(部屋0)にスタート地点がありません");
    writeText("map/000/map.txt", hallHead + "0\n10 10 10\n\n5 0 4 4\n" + std::string(16 * 3, ' ') +
                                     "10 10 10 10 10 0 0 10 10 0 0 10 10 10 10 10\n");
    expectRefused("map.txt", "部屋1にスタート地点がありません");
}

// What the game can play safely is played: a door to a room the world lacks stays shut, a
// direction beyond three quarter turns counts round, records beyond the panels' digits are shown
// as the file holds them, and values after the last room are not read.
TEST_F(WorldFiles, PlaysWhatItCanPlaySafely) {
    const std::string hallHead = "000 000 003 003\n10 10 10\n210 ";
    const std::string rest = "\n10 10 10\n\n5 0 4 4\n10 10 10 10 10 200 7041 10 10 0 0 10 10 10 10 10\n";
    writeText("map/000/map.txt", hallHead + "240 4010" + rest + "7 7 7\n");
    writeText("map/000/stage.txt", "2\n0 0\n7 8\n9 9\n");
    writeText("map/000/score.txt", "000 000 000\n005 1000 004\n001 999 000\n");
    writeText("map/000/name.txt", "hall room extra\n");
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(loadWorld(game.currentWorld));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(world.roomCount, 2);
    const Room& hall = world.rooms[0];
    const Room& room = world.rooms[1];
    EXPECT_EQ(hall.cells[4].tile, 240);  // the door to room 2, which stays shut
    EXPECT_EQ(hall.rawGrid[5], 10);      // 4010: a wall turned a whole turn round
    EXPECT_EQ(hall.cells[5].param, 0);
    ASSERT_EQ(room.blockCount, 1);
    EXPECT_EQ(room.blocks[0].param, 3);  // 7041: seven quarter turns are three
    EXPECT_EQ(room.bestMoves, 1000);
    EXPECT_EQ(room.bestRank, 4);
    EXPECT_EQ(std::string(room.name), "room");

    // Played: the hall's door to the missing room never opens, even with the player standing in it.
    for (int frame = 0; frame < 40; ++frame) {
        player->x = 32 + 4;
        player->y = 32 + 8;
        player->contact = 5;
        player->state = playerNormal;
        runCells();
    }
    EXPECT_EQ(world.rooms[0].cells[4].counter, 0);
    EXPECT_EQ(results.resultStep, nullptr);

    // The world checker still calls each of them a fault of the world.
    std::string fault;
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("stage.txt"), std::string::npos) << fault;
    writeText("map/000/stage.txt", "2\n0 0\n7 8\n");
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("score.txt"), std::string::npos) << fault;
    writeText("map/000/score.txt", "000 000 000\n005 1000 004\n");
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("部屋1の記録"), std::string::npos) << fault;
    writeText("map/000/score.txt", "000 000 000\n005 012 002\n");
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("name.txt"), std::string::npos) << fault;
    writeText("map/000/name.txt", "hall room\n");
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("扉がない部屋2"), std::string::npos) << fault;
    writeText("map/000/map.txt", hallHead + "230 4010" + rest);
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("コード4010"), std::string::npos) << fault;
    writeText("map/000/map.txt", hallHead + "230 10" + rest);
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("コード7041"), std::string::npos) << fault;
    std::string upright = rest;
    upright.replace(upright.find("7041"), 4, "3041");
    writeText("map/000/map.txt", hallHead + "230 10" + upright + "7\n");
    EXPECT_FALSE(checkWorldFiles(game.currentWorld, fault));
    EXPECT_NE(fault.find("余分な値"), std::string::npos) << fault;
    writeText("map/000/map.txt", hallHead + "230 10" + upright);
    EXPECT_TRUE(checkWorldFiles(game.currentWorld, fault)) << fault;
}

TEST_F(WorldFiles, RefusedBadNames) {
    writeText("map/000/name.txt", "hall " + std::string(256, 'x') + "\n");
    expectRefused("name.txt", "部屋1の名前が長すぎます");
    writeText("map/000/name.txt", "hall " + std::string(255, 'x') + "\n");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(loadWorld(game.currentWorld));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::string(world.rooms[1].name), std::string(255, 'x'));
}

// A score file that cannot be read never keeps the world from being played: the warning says so,
// the pars are taken as far as they can be read, no room has a record, and the file is kept
// beside as score.txt.bad before the game writes a new one.
TEST_F(WorldFiles, AnUnreadableScoreFilePlaysOnWithoutRecords) {
    const struct {
        const char* text;  // nullptr: no file
        int par1;
    } cases[] = {{nullptr, 0}, {"", 0}, {"000 000 000\n005 012\n", 5}, {"000 000 000\n005 x 002\n", 5},
                 {"000 000 000\n-05 012 002\n", 0}, {"000 000 000\n005 012 -1\n", 5},
                 {"\x82\xa0\x82\xa2", 0}};
    for (const auto& c : cases) {
        fs::remove("map/000/score.txt.bad");
        if (c.text) {
            writeText("map/000/score.txt", c.text);
        } else {
            fs::remove("map/000/score.txt");
        }
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(loadWorld(game.currentWorld)) << (c.text ? c.text : "(none)");
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("map/000/score.txt"), std::string::npos) << err;
        EXPECT_NE(err.find("記録なしで遊びます"), std::string::npos) << err;
        EXPECT_NE(err.find("警告"), std::string::npos) << err;
        ASSERT_EQ(world.roomCount, 2);
        EXPECT_EQ(world.rooms[1].par, c.par1) << (c.text ? c.text : "(none)");
        for (const Room& room : world.rooms) {
            EXPECT_EQ(room.bestMoves, 999);
            EXPECT_EQ(room.bestRank, 0);
        }
        world.rooms[1].bestMoves = 3;
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(writeScoreFile(0));
        ::testing::internal::GetCapturedStderr();
        std::ifstream written("map/000/score.txt");
        std::string line0, line1;
        std::getline(written, line0);
        std::getline(written, line1);
        EXPECT_EQ(line1, (c.par1 == 5 ? "005" : "000") + std::string(" 003 000"));
        if (c.text) {
            std::ifstream kept("map/000/score.txt.bad", std::ios::binary);
            const std::string keptText((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
            EXPECT_EQ(keptText, c.text);
        } else {
            EXPECT_FALSE(fs::exists("map/000/score.txt.bad"));
        }
        // A second write has nothing more to keep.
        EXPECT_TRUE(writeScoreFile(0));
    }
    // An older kept file is not written over.
    writeText("map/000/score.txt", "broken");
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(loadWorld(game.currentWorld));
    EXPECT_TRUE(writeScoreFile(0));
    ::testing::internal::GetCapturedStderr();
    std::ifstream kept("map/000/score.txt.bad2", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>()), "broken");
}

// The backdrop's positions are kept within reach, so that no drawing arithmetic can overflow.
TEST_F(WorldFiles, RefusedBackdropPositionsOutOfReach) {
    writeText("map/000/screen.txt", "1\n2147483647 0\n640 480\n0 0\n0 0\n320 240\n");
    expectRefused("screen.txt", "城の位置が正しくありません");
    writeText("map/000/screen.txt", "1\n0 0\n640 480\n0 -2147483648\n0 0\n320 240\n");
    expectRefused("screen.txt", "背景の位置が正しくありません");
    writeText("map/000/screen.txt", "1\n0 0\n640 480\n0 0\n0 0\n2147483647 240\n");
    expectRefused("screen.txt", "星の位置が正しくありません");
    writeText("map/000/screen.txt", "1\n-1000000 1000000\n640 480\n1000000 -1000000\n0 0\n-1000000 1000000\n");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(loadWorld(game.currentWorld));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

// A sheet smaller than the cells the stage reads from it is refused as a picture that cannot be
// loaded.
TEST_F(WorldFiles, SheetsSmallerThanTheirCellsAreRefused) {
    platformSetHandlers({nullptr, nullptr, [] { throw std::runtime_error("fatal"); }});
    const struct {
        const char* path;
        int width, height;
    } sheets[] = {{"bmp/mod.bmp", 320, 2559}, {"bmp/block.bmp", 319, 640}, {"bmp/effect.bmp", 240, 95},
                  {"bmp/big_gear1.bmp", 319, 320}};
    for (const auto& sheet : sheets) {
        writeBmp("bmp/mod.bmp", 320, 2560, 0x112233);
        writeBmp("bmp/block.bmp", 320, 640, 0x445566);
        writeBmp("bmp/effect.bmp", 240, 96, 0x778899);
        writeBmp("bmp/big_gear1.bmp", 320, 320, 0xAABBCC);
        writeBmp(sheet.path, sheet.width, sheet.height, 0x010101);
        ::testing::internal::CaptureStderr();
        EXPECT_THROW(loadWorld(game.currentWorld), std::runtime_error) << sheet.path;
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(std::string("Bitmapロードエラー:") + sheet.path), std::string::npos) << err;
        clearWorld();
    }
    platformSetHandlers({});
}

TEST_F(WorldFiles, ARefusalAfterAGoodLoadLeavesNothingOfTheOldWorld) {
    ASSERT_TRUE(loadWorld(game.currentWorld));
    world.starReseed = 1234;
    writeText("map/000/map.txt", "0 0 3 3\n");
    expectRefused("map.txt", "途中で終わっています");
    EXPECT_EQ(world.starReseed, 1234) << "the star field's reseed value lives for the program";
}

// Turned and mirrored sheets: 2 x 1 cells of 4 x 4 logical pixels, every pixel distinct.
class Sheets : public ::testing::Test {
protected:
    static SurfacePtr sheet(int scale) {
        auto s = std::make_unique<Surface>();
        s->width = 8 * scale;
        s->height = 4 * scale;
        s->pixels.assign(static_cast<size_t>(s->width * s->height), 0);
        for (int y = 0; y < s->height; ++y)
            for (int x = 0; x < s->width; ++x) s->row(y)[x] = logical(x / scale, y / scale);
        return s;
    }
    static uint32_t logical(int x, int y) { return static_cast<uint32_t>(0x10000 + y * 100 + x); }
    static SurfacePtr blank(const Surface& like) {
        auto s = std::make_unique<Surface>();
        s->width = like.width;
        s->height = like.height;
        s->pixels.assign(like.pixels.size(), 0xFFFFFFFF);
        return s;
    }
};

TEST_F(Sheets, QuarterTurnsMoveEveryPixelOfEveryCell) {
    for (int scale = 1; scale <= 2; ++scale) {
        SurfacePtr source = sheet(scale);
        for (int k = 1; k <= 3; ++k) {
            SurfacePtr turned = blank(*source);
            turnSheet(turned.get(), source.get(), 4, 4, k, 2, 1);
            for (int cell = 0; cell < 2; ++cell)
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx) {
                        int dx = 0, dy = 0;
                        if (k == 1) dx = sy, dy = 3 - sx;
                        if (k == 2) dx = 3 - sx, dy = 3 - sy;
                        if (k == 3) dx = 3 - sy, dy = sx;
                        // Every device pixel of the logical pixel's block.
                        for (int by = 0; by < scale; ++by)
                            for (int bx = 0; bx < scale; ++bx)
                                ASSERT_EQ(turned->row((dy * scale) + by)[(cell * 4 + dx) * scale + bx],
                                          logical(cell * 4 + sx, sy))
                                    << "scale " << scale << " k " << k << " cell " << cell << " ("
                                    << sx << "," << sy << ")";
                    }
        }
    }
}

TEST_F(Sheets, MirrorFlipsEachCellInPlace) {
    for (int scale = 1; scale <= 2; ++scale) {
        SurfacePtr source = sheet(scale);
        SurfacePtr mirrored = blank(*source);
        mirrorSheet(mirrored.get(), source.get(), 4, 4, 2, 1);
        for (int cell = 0; cell < 2; ++cell)
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    EXPECT_EQ(mirrored->row(sy * scale)[(cell * 4 + 3 - sx) * scale],
                              logical(cell * 4 + sx, sy));
    }
}

TEST_F(Sheets, CellsOutsideEitherSurfaceAreLeftAlone) {
    SurfacePtr source = sheet(1);
    auto small = std::make_unique<Surface>();
    small->width = 4;
    small->height = 4;
    small->pixels.assign(16, 0xFFFFFFFF);
    turnSheet(small.get(), source.get(), 4, 4, 2, 10, 10);  // more cells than either holds
    EXPECT_EQ(small->row(3)[3], logical(0, 0));
    turnSheet(small.get(), source.get(), 4, 2, 1, 1, 1);  // not square: no quarter turn
    EXPECT_EQ(small->row(3)[3], logical(0, 0));
    turnSheet(nullptr, source.get(), 4, 4, 1, 1, 1);
}

}  // namespace
