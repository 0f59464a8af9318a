// Showing one 640 x 480 frame in a real window (platformPresent: the copy the platform keeps and
// the backend's present), in a window at 1:1 and full screen on the display, for each way of
// showing it: the window's own surface, SDL's software renderer, and the OpenGL renderer (on a
// machine without a graphics processor that is Mesa's software rasteriser).
//
// Needs a display: xvfb-run -a build/bench_present
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/pixels.h"
#include "platform/platform.h"

namespace {

Surface testFrame() {
    Surface frame;
    frame.width = 640;
    frame.height = 480;
    frame.pixels.resize(640 * 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) frame.row(y)[x] = static_cast<uint32_t>((x * 3) << 16 | (y * 5) << 8 | (x ^ y));
    return frame;
}

// path "": what the game chooses itself; else the render driver named to SDL.
void present(benchmark::State& state, const char* renderDriver, int mode) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        state.SkipWithError("needs a display (xvfb-run -a)");
        return;
    }
    if (*renderDriver) {
        ::setenv("SDL_RENDER_DRIVER", renderDriver, 1);
    } else {
        ::unsetenv("SDL_RENDER_DRIVER");
    }
    if (!platformOpen(Backend::Sdl)) {
        state.SkipWithError("cannot open the window");
        return;
    }
    platformSetDisplay(0, 0, 640, 480, mode, false, "bench");
    const Surface frame = testFrame();
    for (int i = 0; i < 10; ++i) {  // the window mapped and settled
        platformPresent(frame, 640, 480);
        platformPumpEvents();
    }
    for (auto _ : state) {
        platformPresent(frame, 640, 480);
        platformPumpEvents();
    }
    state.SetLabel(platformPresentPath());
    platformClose();
    ::unsetenv("SDL_RENDER_DRIVER");
}

void BM_PresentChosen(benchmark::State& state) { present(state, "", static_cast<int>(state.range(0))); }
void BM_PresentSoftwareRenderer(benchmark::State& state) { present(state, "software", static_cast<int>(state.range(0))); }
void BM_PresentOpenGl(benchmark::State& state) { present(state, "opengl", static_cast<int>(state.range(0))); }

// Argument: the display mode, 0 a window at 1:1, 2 full screen.
BENCHMARK(BM_PresentChosen)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_PresentSoftwareRenderer)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_PresentOpenGl)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
