// World loading (the five text files, the sheets and their three turned copies, every room
// reset) and one frame of blocks in a crowded room.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/platform.h"
#include "game/game.h"
#include "game/player.h"
#include "stage/blocks.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

// Loads world 0 of the assembled game directory; the argument is the display mode (0 single
// size, 1 double size: the sheets are then four times as many device pixels).
void BM_LoadWorld(benchmark::State& state) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(YOMOGI_GAME_DIR);
    platformKeepPictureMemory();  // as start-up sets it
    display.mode = static_cast<int>(state.range(0));
    game.currentWorld = 0;
    player = std::make_unique<Player>();
    for (auto _ : state) {
        if (!loadWorld(game.currentWorld)) {
            state.SkipWithError("world 0 could not be loaded");
            break;
        }
        benchmark::DoNotOptimize(world.tileSheets[3].get());
        state.PauseTiming();
        clearWorld();
        state.ResumeTiming();
    }
    player.reset();
    std::filesystem::current_path(previous);
}
BENCHMARK(BM_LoadWorld)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The five text files of world 0 read and checked, without building anything.
void BM_ReadWorldText(benchmark::State& state) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(YOMOGI_GAME_DIR);
    std::string fault;
    for (auto _ : state) {
        if (!checkWorldFiles(0, fault)) {
            state.SkipWithError("world 0 could not be read");
            break;
        }
    }
    std::filesystem::current_path(previous);
}
BENCHMARK(BM_ReadWorldText)->Unit(benchmark::kMicrosecond);

// The turned copies alone: three 320 x 2560 tile sheets and three 320 x 640 block sheets.
void BM_TurnSheets(benchmark::State& state) {
    display.mode = static_cast<int>(state.range(0));
    SurfacePtr tiles = createSurface(320, 2560), blocks = createSurface(320, 640);
    SurfacePtr turned = createSurface(320, 2560);
    for (auto _ : state) {
        for (int k = 1; k <= 3; ++k) {
            turnSheet(turned.get(), tiles.get(), 32, 32, k, 10, 80);
            turnSheet(turned.get(), blocks.get(), 32, 32, k, 10, 20);
        }
        benchmark::DoNotOptimize(turned->pixels.data());
    }
}
BENCHMARK(BM_TurnSheets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A walled 20 x 20 room with 100 blocks of the common kinds, stepped frame after frame (they
// fall, pile up and then rest against each other, which is the usual state of a room).
void BM_StepBlocks100(benchmark::State& state) {
    clearWorld();
    world.effects.assign(kEffectSlots, Effect{});
    world.rooms.resize(1);
    world.roomCount = 1;
    Room& room = world.rooms[0];
    room.width = room.height = 20;
    const int kinds[] = {30, 30, 40, 130, 140, 110, 30, 50, 30, 120};
    int placed = 0;
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c) {
            int code = (r == 0 || r == 19 || c == 0 || c == 19) ? 10 : 0;
            if (code == 0 && placed < 100 && r % 2 == 1) code = kinds[placed++ % 10];
            room.rawGrid.push_back(code);
        }
    room.cells.resize(room.rawGrid.size());
    for (size_t i = 0; i < room.rawGrid.size(); ++i) {
        const int low = codeLow(room.rawGrid[i]);
        room.cells[i].tile = (low < 30 || low >= 200) ? low : low % 10;
    }
    room.blockCount = placed;
    room.blocks.assign(static_cast<size_t>(placed), Block{});
    placeBlocks(0);
    player = std::make_unique<Player>();
    player->x = 300;
    player->y = 300;
    player->state = playerNormal;
    for (auto _ : state) stepBlocks();
    state.counters["blocks"] = placed;
    player.reset();
    clearWorld();
}
BENCHMARK(BM_StepBlocks100)->Unit(benchmark::kMicrosecond);

}  // namespace
