// One frame of the opening and of the title (the scene's whole step: update and drawing), on the
// game's own pictures. The frame budget is 34 ms; the aim is under 1 ms.
//
//   build/bench_menu_frame --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>

#include "app/app.h"
#include "input/input.h"
#include "menu/opening.h"
#include "menu/opening_scenery.h"
#include "menu/title.h"
#include "menu/title_state.h"
#include "platform/platform.h"

namespace {

bool openGame() {
    static bool ready = false;
    if (ready) return true;
    if (::chdir(YOMOGI_GAME_DIR) != 0) return false;
    platformOpen(Backend::Headless);
    display.mode = 0;
    display.width = 640;
    display.height = 480;
    app.backBuffer = createSurface(640, 480);
    for (int d = 0; d < 360; ++d) {
        sinTable[d] = static_cast<float>(std::sin(d * M_PI / 180.0));
        cosTable[d] = static_cast<float>(std::cos(d * M_PI / 180.0));
    }
    app.framePresented = 1;
    ready = true;
    return true;
}

void frames(int count) {
    for (int i = 0; i < count; ++i) app.sceneStep();
}

// The opening run until everything stands in its final place.
void settledOpening() {
    input = InputState{};
    openingEntry();
    frames(200);
}

// The title taken over from the opening, its scroll down and its picture painted.
void settledTitle(bool fromOpening) {
    if (fromOpening) {
        settledOpening();
        input.buttons[kButtonEnter].state = 2;
        app.sceneStep();  // the press that ends the opening
        input.buttons[kButtonEnter].state = 0;
    } else {
        opening = OpeningState{};
    }
    titleEntry();
    frames(250);
}

void BM_OpeningFrame(benchmark::State& state) {
    if (!openGame()) return state.SkipWithError("no game directory");
    settledOpening();
    for (auto _ : state) {
        openingStep();
        benchmark::DoNotOptimize(app.backBuffer->pixels.data());
    }
    openingLeave();
}

void runTitle(benchmark::State& state, bool fromOpening, int pictureFade, int brushProgress) {
    if (!openGame()) return state.SkipWithError("no game directory");
    settledTitle(fromOpening);
    for (auto _ : state) {
        if (brushProgress >= 0) {
            title->pictureFade = pictureFade;
            title->brushProgress = brushProgress;
        }
        titleStep();
        benchmark::DoNotOptimize(app.backBuffer->pixels.data());
    }
    titleLeave();
}

// The scroll down, the scenery behind it, the picture painted: what a player looks at most.
void BM_TitleFrame(benchmark::State& state) { runTitle(state, true, 0, -1); }
// Coming back from the options: the still background.
void BM_TitleFrameBackground(benchmark::State& state) { runTitle(state, false, 0, -1); }
// Halfway through the brush strokes, and while the old picture fades.
void BM_TitleFrameBrush(benchmark::State& state) { runTitle(state, true, 0, 50); }
void BM_TitleFramePictureFade(benchmark::State& state) { runTitle(state, true, 50, 0); }

}  // namespace

BENCHMARK(BM_OpeningFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleFrameBackground)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleFrameBrush)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleFramePictureFade)->Unit(benchmark::kMicrosecond);
