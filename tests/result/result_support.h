// Helpers for the result tests: a small world in memory and a fresh game directory to run in.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "audio/audio.h"
#include "game/companions.h"
#include "game/game.h"
#include "game/play_state.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/world.h"

// Runs each test in an empty temporary directory holding data/ and map/NNN/, with a world of
// roomCount rooms of 2 x 2 cells in memory.
class ResultTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldDir = std::filesystem::current_path();
        dir = std::filesystem::temp_directory_path() /
              ("yomogi_result_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "data");
        for (int w = 0; w < 5; ++w) {
            char name[16];
            std::snprintf(name, sizeof name, "map/%03d", w);
            std::filesystem::create_directories(dir / name);
        }
        std::filesystem::current_path(dir);
        game = GameState{};
        clearResultRecord();
        fillStageSlots();
        audio = AudioState{};
        for (Button& b : input.buttons) b.state = 0;
        results.texts.clear();
        results.images.clear();
        companions.shelly = Shelly{};
        world.number = 0;
        makeWorld(3);
    }
    void TearDown() override {
        std::filesystem::current_path(oldDir);
        std::filesystem::remove_all(dir);
        world.rooms.clear();
        world.roomCount = 0;
        world.currentRoom = world.targetRoom = 0;
        results.texts.clear();
        results.images.clear();
        game = GameState{};
        clearResultRecord();
    }

    static void makeWorld(int roomCount) {
        world.rooms.assign(static_cast<size_t>(roomCount), Room{});
        world.roomCount = roomCount;
        for (int r = 0; r < roomCount; ++r) {
            Room& room = world.rooms[static_cast<size_t>(r)];
            room.width = room.height = 2;
            room.originX = 64 * r;
            room.rawGrid = {200, 1, 10, 11};
            room.cells.resize(4);
            room.par = 10;
            std::snprintf(room.name, sizeof room.name, "ROOM%d", r);
        }
        world.currentRoom = world.targetRoom = 0;
    }

    static void write(const std::string& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path oldDir, dir;
};
