// The game's blits on a 640 x 480 back buffer, side by side with SDL's own software blitter doing
// the same work on surfaces of the same pixel format. Every pair uses the same rectangles:
// argument 32 is a 32 x 32 sprite, 640 the whole screen.
//
//   bench_blit --benchmark_min_time=0.2s
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>

#include "app/app.h"
#include "gfx/surface.h"

namespace {

constexpr int kScreenW = 640, kScreenH = 480;

struct Pictures {
    Surface back, sprite;                  // ours
    SDL_Surface* sdlBack = nullptr;        // SDL's, same pixels
    SDL_Surface* sdlSprite = nullptr;
    Pictures() {
        display.mode = 0;
        display.width = kScreenW;
        display.height = kScreenH;
        const double pi = 3.14159265358979;
        for (int d = 0; d < 360; ++d) {
            sinTable[d] = static_cast<float>(std::sin(d * pi / 180.0));
            cosTable[d] = static_cast<float>(std::cos(d * pi / 180.0));
        }
        back = make(kScreenW, kScreenH, 0);
        sprite = make(kScreenW, kScreenH, 1);
        sdlBack = sdlCopy(back);
        sdlSprite = sdlCopy(sprite);
    }
    // A picture with a magenta key in a fifth of its pixels.
    static Surface make(int w, int h, int seed) {
        Surface s;
        s.width = w;
        s.height = h;
        s.pixels.resize(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                uint32_t v = static_cast<uint32_t>((x * 7 + y * 13 + seed * 101) * 2654435761u) >> 8;
                s.row(y)[x] = (x + y + seed) % 5 == 0 ? 0xFF00FF : (v & 0xFFFFFF);
            }
        return s;
    }
    static SDL_Surface* sdlCopy(const Surface& s) {
        SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.width, s.height, 32, SDL_PIXELFORMAT_RGB888);
        SDL_LockSurface(out);
        for (int y = 0; y < s.height; ++y)
            std::memcpy(static_cast<uint8_t*>(out->pixels) + static_cast<size_t>(y) * out->pitch, s.row(y),
                        sizeof(uint32_t) * s.width);
        SDL_UnlockSurface(out);
        return out;
    }
};

Pictures& pictures() {
    static Pictures p;
    return p;
}

int side(const benchmark::State& state) { return static_cast<int>(state.range(0)); }
int width(const benchmark::State& state) { return side(state) == 32 ? 32 : kScreenW; }
int height(const benchmark::State& state) { return side(state) == 32 ? 32 : kScreenH; }

void setPixels(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * width(state) * height(state));
}

// --- Colour-keyed copies ---------------------------------------------------------------------

void BM_Ours_TransparentBlit(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        transparentBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, kMagenta);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Ours_BlendKeyed100(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        blendBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 100, kMagenta);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_ColorKeyBlit(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetColorKey(p.sdlSprite, SDL_TRUE, 0xFF00FF);
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceAlphaMod(p.sdlSprite, 255);
    SDL_Rect r{0, 0, width(state), height(state)};
    for (auto _ : state) {
        SDL_Rect d = r;
        SDL_BlitSurface(p.sdlSprite, &r, p.sdlBack, &d);
        benchmark::ClobberMemory();
    }
    SDL_SetColorKey(p.sdlSprite, SDL_FALSE, 0);
    setPixels(state);
}

// --- Translucent copies ----------------------------------------------------------------------

void BM_Ours_BlendKeyed50(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        blendBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 50, kMagenta);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_ColorKeyAlphaMod(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetColorKey(p.sdlSprite, SDL_TRUE, 0xFF00FF);
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(p.sdlSprite, 127);
    SDL_Rect r{0, 0, width(state), height(state)};
    for (auto _ : state) {
        SDL_Rect d = r;
        SDL_BlitSurface(p.sdlSprite, &r, p.sdlBack, &d);
        benchmark::ClobberMemory();
    }
    SDL_SetColorKey(p.sdlSprite, SDL_FALSE, 0);
    SDL_SetSurfaceAlphaMod(p.sdlSprite, 255);
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    setPixels(state);
}

void BM_Ours_BlendConstant50(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        blendBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 50, kKeyConstantOpacity);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_AlphaMod(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(p.sdlSprite, 127);
    SDL_Rect r{0, 0, width(state), height(state)};
    for (auto _ : state) {
        SDL_Rect d = r;
        SDL_BlitSurface(p.sdlSprite, &r, p.sdlBack, &d);
        benchmark::ClobberMemory();
    }
    SDL_SetSurfaceAlphaMod(p.sdlSprite, 255);
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    setPixels(state);
}

void BM_Ours_BlendAdditive(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        blendBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 100, kKeyAdditive);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_Additive(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_ADD);
    SDL_Rect r{0, 0, width(state), height(state)};
    for (auto _ : state) {
        SDL_Rect d = r;
        SDL_BlitSurface(p.sdlSprite, &r, p.sdlBack, &d);
        benchmark::ClobberMemory();
    }
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    setPixels(state);
}

// --- Plain and stretched copies --------------------------------------------------------------

void BM_Ours_CopyBlit(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        copyBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_Copy(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    SDL_Rect r{0, 0, width(state), height(state)};
    for (auto _ : state) {
        SDL_Rect d = r;
        SDL_BlitSurface(p.sdlSprite, &r, p.sdlBack, &d);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

// Twice the size: a 16 x 16 source onto 32 x 32, or 320 x 240 onto the whole screen.
void BM_Ours_StretchBlit(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        stretchBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w / 2, h / 2);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Sdl_BlitScaled(benchmark::State& state) {
    Pictures& p = pictures();
    SDL_SetSurfaceBlendMode(p.sdlSprite, SDL_BLENDMODE_NONE);
    const int w = width(state), h = height(state);
    SDL_Rect from{0, 0, w / 2, h / 2};
    for (auto _ : state) {
        SDL_Rect to{0, 0, w, h};
        SDL_BlitScaled(p.sdlSprite, &from, p.sdlBack, &to);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

// --- Turned pictures (SDL has no software rotation to compare with) ---------------------------

void BM_Ours_RotateBlit30Keyed(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        rotateBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 30, kMagenta);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

void BM_Ours_RotateBlit90(benchmark::State& state) {
    Pictures& p = pictures();
    const int w = width(state), h = height(state);
    for (auto _ : state) {
        rotateBlit(&p.back, 0, 0, w, h, &p.sprite, 0, 0, w, h, 90, 0xFFFFFFFF);
        benchmark::ClobberMemory();
    }
    setPixels(state);
}

}  // namespace

BENCHMARK(BM_Ours_TransparentBlit)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_BlendKeyed100)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_ColorKeyBlit)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_BlendKeyed50)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_ColorKeyAlphaMod)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_BlendConstant50)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_AlphaMod)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_BlendAdditive)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_Additive)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_CopyBlit)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_Copy)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_StretchBlit)->Arg(32)->Arg(640);
BENCHMARK(BM_Sdl_BlitScaled)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_RotateBlit30Keyed)->Arg(32)->Arg(640);
BENCHMARK(BM_Ours_RotateBlit90)->Arg(32)->Arg(640);
