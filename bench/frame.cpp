// One frame of play (the game update and the game draw) in world 0: in the hall, in the room
// with the most to draw and step, and in a crowded room added to the world (150 crates against
// the same room empty). The frame budget is 34 ms; the aim is under 0.3 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>

#include "app/app.h"
#include "game/companions.h"
#include "game/game.h"
#include "game/play_state.h"
#include "game/player.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

bool openWorld() {
    static bool ready = false;
    if (ready) return true;
    if (::chdir(YOMOGI_GAME_DIR) != 0) return false;
    platformOpen(Backend::Headless);
    display.mode = 0;
    display.width = 640;
    display.height = 480;
    app.backBuffer = createSurface(640, 480);
    game.currentWorld = 0;
    // The game entry's own work: the stage's slots, companions, player, world, camera, panels.
    if (!startPlay(game.currentWorld, WorldPictures::Decoded)) return false;
    ready = true;
    return true;
}

// Puts the player in the room, fully appeared, and lets the room settle.
void enterRoom(int room) {
    world.currentRoom = room;
    world.targetRoom = room;
    resetRoom(room);
    for (int i = 0; i < 80; ++i) {
        gameUpdate();
        gameDraw();
    }
}

void runFrames(benchmark::State& state, int room) {
    if (!openWorld()) {
        state.SkipWithError("world 0 cannot be loaded from the game directory");
        return;
    }
    enterRoom(room);
    for (auto _ : state) {
        gameUpdate();
        gameDraw();
        benchmark::DoNotOptimize(app.backBuffer->pixels.data());
    }
}

void BM_FrameHall(benchmark::State& state) { runFrames(state, 0); }
void BM_FrameCrateRoom(benchmark::State& state) { runFrames(state, 2); }

// A 16 x 16 walled room below the hall, with the start cell in the bottom left corner under a
// wall cell that shelters the player, and `crates` crates stacked from the floor up in the other
// columns. Added to the world once per count; returns its index.
int denseRoom(int crates) {
    static int rooms[2] = {-1, -1};
    int& index = rooms[crates > 0 ? 1 : 0];
    if (index >= 0) return index;
    constexpr int kSide = 16;
    Room room;
    room.width = room.height = kSide;
    room.originX = 0;
    room.originY = 20 * kCellSize;
    room.rawGrid.assign(kSide * kSide, 0);
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            if (r == 0 || c == 0 || r == kSide - 1 || c == kSide - 1) room.rawGrid[r * kSide + c] = 10;
    room.rawGrid[(kSide - 2) * kSide + 1] = 200;
    room.rawGrid[(kSide - 3) * kSide + 1] = 10;
    int placed = 0;
    for (int r = kSide - 2; r >= 1 && placed < crates; --r)
        for (int c = 2; c < kSide - 1 && placed < crates; ++c, ++placed) room.rawGrid[r * kSide + c] = 30;
    room.blockCount = placed;
    room.blocks.assign(static_cast<size_t>(placed), Block{});
    room.cells.resize(room.rawGrid.size());
    std::snprintf(room.name, sizeof room.name, "dense%d", placed);
    world.rooms.push_back(std::move(room));
    world.roomCount = static_cast<int>(world.rooms.size());
    index = world.roomCount - 1;
    return index;
}

void BM_FrameDenseRoom(benchmark::State& state) {
    if (!openWorld()) {
        state.SkipWithError("world 0 cannot be loaded from the game directory");
        return;
    }
    const int room = denseRoom(static_cast<int>(state.range(0)));
    runFrames(state, room);
    int active = 0;
    for (const Block& b : world.rooms[static_cast<size_t>(room)].blocks) active += b.active;
    state.counters["crates"] = active;
}

}  // namespace

BENCHMARK(BM_FrameHall)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameCrateRoom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameDenseRoom)->Arg(0)->Arg(150)->Unit(benchmark::kMicrosecond);
