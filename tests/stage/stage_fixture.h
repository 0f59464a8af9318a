// Rooms built in a test: a grid of raw codes becomes the current room with its cells and blocks,
// and the player is put where the test wants it. Everything the stage reads is reset first.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/app.h"
#include "audio/audio.h"
#include "game/game.h"
#include "game/play_state.h"
#include "result/result.h"
#include "game/player.h"
#include "input/input.h"
#include "stage/blocks.h"
#include "stage/camera.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace stagetest {

using Grid = std::vector<std::vector<int>>;

// A square room of wall (10) all round and open tile inside.
inline Grid walledRoom(int size) {
    Grid grid(static_cast<size_t>(size), std::vector<int>(static_cast<size_t>(size), 0));
    for (int i = 0; i < size; ++i) {
        grid[0][static_cast<size_t>(i)] = grid[static_cast<size_t>(size - 1)][static_cast<size_t>(i)] = 10;
        grid[static_cast<size_t>(i)][0] = grid[static_cast<size_t>(i)][static_cast<size_t>(size - 1)] = 10;
    }
    return grid;
}

// Appends the grid as the next room of the world, with its cells and blocks.
inline Room& appendRoom(const Grid& grid, int originX = 0, int originY = 0) {
    world.rooms.emplace_back();
    world.roomCount = static_cast<int>(world.rooms.size());
    const int index = world.roomCount - 1;
    Room& room = world.rooms.back();
    room.height = static_cast<int>(grid.size());
    room.width = static_cast<int>(grid[0].size());
    room.originX = originX;
    room.originY = originY;
    for (const auto& row : grid)
        for (int code : row) room.rawGrid.push_back(code);
    room.cells.resize(room.rawGrid.size());
    for (size_t i = 0; i < room.rawGrid.size(); ++i) {
        const int code = room.rawGrid[i];
        Cell& cell = room.cells[i];
        const int low = codeLow(code);
        cell.tile = (low < 30 || low >= 200) ? low : low % 10;
        cell.param = codeHigh(code);
        cell.x = static_cast<int>(i) % room.width * kCellSize;
        cell.y = static_cast<int>(i) / room.width * kCellSize;
        if (isBlockCode(code)) room.blockCount += 1;
    }
    room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
    placeBlocks(index);
    return room;
}

// Makes the grid room 0 of an otherwise empty world, current, with its cells and blocks.
inline Room& buildRoom(const Grid& grid, int originX = 0, int originY = 0) {
    clearWorld();
    world.effects.assign(kEffectSlots, Effect{});
    world.currentRoom = 0;
    return appendRoom(grid, originX, originY);
}

inline Block& block(int index) { return world.rooms[0].blocks[static_cast<size_t>(index)]; }

// A player record without sheets, in the given state, at room-local (x, y).
inline Player& putPlayer(int x, int y, void (*state)() = playerNormal, int contact = kPlayerStanding) {
    player = std::make_unique<Player>();
    player->x = x;
    player->y = y;
    player->worldX = x + world.rooms[0].originX;
    player->worldY = y + world.rooms[0].originY;
    player->state = state;
    player->contact = contact;
    player->opacity = 100;
    return *player;
}

inline void setButton(int index, int state) { input.buttons[index].state = static_cast<int8_t>(state); }

inline int activePuffs() {
    int n = 0;
    for (const Effect& e : world.effects) n += e.active;
    return n;
}

// Resets every subsystem the stage reads.
class StageTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        clearWorld();
        player.reset();
        camera.reset();
        input = InputState{};
        audio = AudioState{};
        game = GameState{};
        clearResultRecord();
        fillStageSlots();
    }
    void TearDown() override {
        clearWorld();
        player.reset();
        camera.reset();
    }
};

}  // namespace stagetest
