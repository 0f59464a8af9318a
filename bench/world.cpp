// World loading (the five text files, the sheets and their three turned copies, every room
// reset), the game's entry into a world, and one frame of blocks in a crowded room.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "platform/platform.h"
#include "game/game.h"
#include "game/play_state.h"
#include "game/player.h"
#include "stage/blocks.h"
#include "stage/world.h"
#include "stage/world_files.h"

#if __has_include("gfx/picture_cache.h")
#include "gfx/picture_cache.h"
#else
inline void forgetKeptPictures() {}  // a tree without the picture keep decodes every time
#endif

namespace {

// Loads world 0 of the assembled game directory; the argument is the display mode (0 single
// size, 1 double size: the sheets are then four times as many device pixels). First: every
// picture decoded and every sheet turned, as the first time a world is played; again: a world
// whose pictures were kept from the last load.
void loadWorlds(benchmark::State& state, bool first) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(YOMOGI_GAME_DIR);
    platformKeepPictureMemory();  // as start-up sets it
    display.mode = static_cast<int>(state.range(0));
    game.currentWorld = 0;
    player = std::make_unique<Player>();
    forgetKeptPictures();
    for (auto _ : state) {
        if (!loadWorld(game.currentWorld)) {
            state.SkipWithError("world 0 could not be loaded");
            break;
        }
        benchmark::DoNotOptimize(world.tileSheets[3].get());
        state.PauseTiming();
        clearWorld();
        if (first) forgetKeptPictures();
        state.ResumeTiming();
    }
    clearWorld();
    forgetKeptPictures();
    player.reset();
    display.mode = 0;
    std::filesystem::current_path(previous);
}
void BM_LoadWorldFirst(benchmark::State& state) { loadWorlds(state, true); }
void BM_LoadWorldAgain(benchmark::State& state) { loadWorlds(state, false); }
BENCHMARK(BM_LoadWorldFirst)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWorldAgain)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The game entry's whole work for world 0 (companions, player, world, camera, result panels),
// the world's pictures decoded first or kept from the last time.
void enterWorlds(benchmark::State& state, bool first) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(YOMOGI_GAME_DIR);
    platformKeepPictureMemory();
    display.mode = 0;
    forgetKeptPictures();
    for (auto _ : state) {
        if (!startPlay(0, WorldPictures::Decoded)) {
            state.SkipWithError("world 0 could not be entered");
            break;
        }
        state.PauseTiming();
        stopPlay();
        if (first) forgetKeptPictures();
        state.ResumeTiming();
    }
    forgetKeptPictures();
    std::filesystem::current_path(previous);
}
void BM_EnterWorldFirst(benchmark::State& state) { enterWorlds(state, true); }
void BM_EnterWorldAgain(benchmark::State& state) { enterWorlds(state, false); }
BENCHMARK(BM_EnterWorldFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnterWorldAgain)->Unit(benchmark::kMillisecond);

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
