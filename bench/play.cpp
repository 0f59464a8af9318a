// The state of play as a value: one capture, one restore and one frame stepped without drawing
// in the crate room of world 0, loaded without pictures as a solver loads it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/play_state.h"
#include "stage/stage.h"

namespace {

bool openCrateRoom() {
    static bool ready = false;
    if (ready) return true;
    std::filesystem::current_path(YOMOGI_GAME_DIR);
    display.mode = 0;
    if (!startPlay(0, WorldPictures::None)) return false;
    world.currentRoom = world.targetRoom = 2;
    resetRoom(2);
    for (int i = 0; i < 80; ++i) stepPlay();  // the player has appeared
    ready = true;
    return true;
}

void BM_CapturePlay(benchmark::State& state) {
    if (!openCrateRoom()) return state.SkipWithError("world 0 cannot be loaded");
    PlaySnapshot snapshot;
    for (auto _ : state) {
        capturePlay(snapshot);
        benchmark::DoNotOptimize(snapshot.rooms.data());
    }
}

void BM_RestorePlay(benchmark::State& state) {
    if (!openCrateRoom()) return state.SkipWithError("world 0 cannot be loaded");
    const PlaySnapshot snapshot = capturePlay();
    for (auto _ : state) {
        restorePlay(snapshot);
        benchmark::DoNotOptimize(world.rooms.data());
    }
}

// Walking right and back with a turn now and then, restored every 200 frames so that the room
// never runs out of things to do.
void BM_StepPlay(benchmark::State& state) {
    if (!openCrateRoom()) return state.SkipWithError("world 0 cannot be loaded");
    const PlaySnapshot start = capturePlay();
    int n = 0;
    for (auto _ : state) {
        if (++n == 200) {
            state.PauseTiming();
            restorePlay(start);
            n = 0;
            state.ResumeTiming();
        }
        uint32_t held = n % 80 < 40 ? 1u << kButtonRight : 1u << kButtonLeft;
        if (n == 100) held |= 1u << kButtonTurnRight;
        pollButtons(held);
        benchmark::DoNotOptimize(stepPlay());
    }
}

}  // namespace

BENCHMARK(BM_CapturePlay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestorePlay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepPlay)->Unit(benchmark::kMicrosecond);
