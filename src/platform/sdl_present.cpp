// Showing the picture. Two ways, chosen by what is fast here:
//  - a renderer (a streaming texture drawn by the graphics processor) when OpenGL runs on one;
//  - otherwise the window's own surface: the picture is copied into it (scaled by SDL's blitter
//    when the window is larger) and handed to the display server, which on X11 is one shared
//    memory copy. OpenGL on a software rasteriser would cost several times as much, and its
//    libraries alone would double the game's memory.
// Whether OpenGL has a graphics processor is asked in a short-lived child process, so that the
// game itself never loads a rasteriser it will not use. SDL_RENDER_DRIVER, when the player sets
// it, names the renderer to use and skips the question.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/pixels.h"
#include "platform/sdl_internal.h"

namespace {

enum class Path { WindowSurface, Renderer };

struct Presenter {
    Path path = Path::WindowSurface;
    std::string name = "window surface";
    SDL_Window* window = nullptr;
    // Renderer.
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0, textureHeight = 0;
    // Window surface: the frame's own pixels seen as an SDL surface, and the window surface the
    // black around the picture was last drawn into.
    SDL_Surface* view = nullptr;
    const void* viewPixels = nullptr;
    SDL_Surface* cleared = nullptr;
    SDL_Rect clearedFor = {0, 0, 0, 0};
    bool windowChanged = true;
};
Presenter presenter;

bool softwareRasteriser(const char* rendererName) {
    std::string name = rendererName;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software", "lavapipe"}) {
        if (name.find(software) != std::string::npos) return true;
    }
    return false;
}

// In the child: 0 when an OpenGL context on a graphics processor can be made, else 1.
[[noreturn]] void answerOpenGlQuestion() {
    QuietStandardError quiet;
    int answer = 1;
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
        SDL_Window* window = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
        using GetString = const unsigned char* (*)(unsigned);
        auto getString = context ? reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString")) : nullptr;
        const unsigned char* name = getString ? getString(0x1F01 /* GL_RENDERER */) : nullptr;
        if (name && !softwareRasteriser(reinterpret_cast<const char*>(name))) answer = 0;
    }
    ::_exit(answer);
}

bool openGlHasAGraphicsProcessor() {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) answerOpenGlQuestion();
    // A driver that hangs is no driver to draw with: after three seconds the answer is no.
    for (int waited = 0; waited < 300; ++waited) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0) return false;
        ::usleep(10000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return false;
}

bool openRenderer(SDL_Window* window) {
    presenter.renderer = SDL_CreateRenderer(window, -1, 0);
    if (!presenter.renderer) return false;
    SDL_RendererInfo info;
    presenter.name = "renderer ";
    presenter.name += SDL_GetRendererInfo(presenter.renderer, &info) == 0 ? info.name : "?";
    presenter.path = Path::Renderer;
    return true;
}

void showWithRenderer(const Surface& frame) {
    if (!presenter.texture || presenter.textureWidth != frame.width || presenter.textureHeight != frame.height) {
        if (presenter.texture) SDL_DestroyTexture(presenter.texture);
        presenter.texture = SDL_CreateTexture(presenter.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                              frame.width, frame.height);
        presenter.textureWidth = frame.width;
        presenter.textureHeight = frame.height;
        if (!presenter.texture) return;
        SDL_SetTextureScaleMode(presenter.texture, SDL_ScaleModeNearest);
    }
    SDL_UpdateTexture(presenter.texture, nullptr, frame.pixels.data(), frame.width * 4);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(presenter.renderer, &outW, &outH);
    const SDL_Rect where = pictureRect(outW, outH, frame.width, frame.height);
    SDL_SetRenderDrawColor(presenter.renderer, 0, 0, 0, 255);
    SDL_RenderClear(presenter.renderer);
    SDL_RenderCopy(presenter.renderer, presenter.texture, nullptr, &where);
    SDL_RenderPresent(presenter.renderer);
}

// The picture scaled up by a whole factor into a surface of the same 32-bit layout: each pixel
// written factor times along its row, the row then copied factor - 1 times below (what SDL's
// general stretch does pixel by pixel, at a third of the cost).
bool copyScaledWhole(const Surface& frame, SDL_Surface* target, const SDL_Rect& where) {
    const int factor = where.w / frame.width;
    if (factor < 2 || where.w != frame.width * factor || where.h != frame.height * factor ||
        target->format->BytesPerPixel != 4 || target->format->Rmask != 0x00FF0000 ||
        target->format->Gmask != 0x0000FF00 || target->format->Bmask != 0x000000FF || where.x < 0 || where.y < 0 ||
        where.x + where.w > target->w || where.y + where.h > target->h) {
        return false;
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return false;
    auto* base = static_cast<uint8_t*>(target->pixels);
    const size_t rowBytes = static_cast<size_t>(where.w) * 4;
    for (int y = 0; y < frame.height; ++y) {
        auto* first = reinterpret_cast<uint32_t*>(base + static_cast<size_t>(where.y + y * factor) * target->pitch) + where.x;
        const uint32_t* source = frame.row(y);
        uint32_t* out = first;
        if (factor == 2) {
            for (int x = 0; x < frame.width; ++x, out += 2) out[0] = out[1] = source[x];
        } else {
            for (int x = 0; x < frame.width; ++x, out += factor) std::fill(out, out + factor, source[x]);
        }
        for (int copy = 1; copy < factor; ++copy) {
            std::memcpy(reinterpret_cast<uint8_t*>(first) + static_cast<size_t>(copy) * target->pitch, first, rowBytes);
        }
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    return true;
}

void showInWindowSurface(const Surface& frame) {
    SDL_Surface* target = SDL_GetWindowSurface(presenter.window);
    if (!target) return;
    if (!presenter.view || presenter.viewPixels != frame.pixels.data() || presenter.view->w != frame.width ||
        presenter.view->h != frame.height) {
        if (presenter.view) SDL_FreeSurface(presenter.view);
        presenter.view = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(frame.pixels.data()), frame.width,
                                                            frame.height, 32, frame.width * 4, SDL_PIXELFORMAT_RGB888);
        presenter.viewPixels = frame.pixels.data();
        if (!presenter.view) return;
        SDL_SetSurfaceBlendMode(presenter.view, SDL_BLENDMODE_NONE);
    }
    SDL_Rect where = pictureRect(target->w, target->h, frame.width, frame.height);
    // The black around the picture is drawn only when the window or the picture's place changed.
    const bool refill = presenter.windowChanged || presenter.cleared != target ||
                        std::memcmp(&presenter.clearedFor, &where, sizeof where) != 0;
    if (refill) {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
        presenter.cleared = target;
        presenter.clearedFor = where;
        presenter.windowChanged = false;
    }
    SDL_Rect shown = where;
    if (where.w == frame.width && where.h == frame.height) {
        SDL_BlitSurface(presenter.view, nullptr, target, &shown);
    } else if (!copyScaledWhole(frame, target, where)) {
        SDL_BlitScaled(presenter.view, nullptr, target, &shown);
    }
    if (refill) {
        SDL_UpdateWindowSurface(presenter.window);
    } else {
        SDL_UpdateWindowSurfaceRects(presenter.window, &where, 1);
    }
}

}  // namespace

SDL_Rect pictureRect(int outW, int outH, int width, int height) {
    SDL_Rect r = {0, 0, width, height};
    if (width <= 0 || height <= 0 || outW <= 0 || outH <= 0) return r;
    if (outW >= width && outH >= height) {
        const int scale = std::min(outW / width, outH / height);
        r.w = width * scale;
        r.h = height * scale;
    } else if (static_cast<long>(outW) * height <= static_cast<long>(outH) * width) {
        r.w = outW;
        r.h = static_cast<int>(static_cast<long>(outW) * height / width);
    } else {
        r.h = outH;
        r.w = static_cast<int>(static_cast<long>(outH) * width / height);
    }
    r.x = (outW - r.w) / 2;
    r.y = (outH - r.h) / 2;
    return r;
}

void choosePresentPath() {
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    const bool rendererNamed = named && *named;
    presenter.path = rendererNamed || openGlHasAGraphicsProcessor() ? Path::Renderer : Path::WindowSurface;
}

bool openPresenter(SDL_Window* window) {
    presenter.window = window;
    presenter.windowChanged = true;
    // The window's own surface (which SDL's software renderer draws into too), not SDL's stand-in
    // for it drawn through a renderer, which would be OpenGL on the software rasteriser again: on
    // X11 it is a shared memory image. A setting of the player's own in the environment wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (presenter.path == Path::Renderer && openRenderer(window)) return true;
    presenter.path = Path::WindowSurface;
    presenter.name = "window surface";
    if (SDL_GetWindowSurface(window)) return true;
    // A display without a surface of its own still has SDL's software renderer.
    if (openRenderer(window)) return true;
    std::fprintf(stderr, "yomogi: cannot draw into the window: %s\n", SDL_GetError());
    return false;
}

void closePresenter() {
    if (presenter.texture) SDL_DestroyTexture(presenter.texture);
    if (presenter.renderer) SDL_DestroyRenderer(presenter.renderer);
    if (presenter.view) SDL_FreeSurface(presenter.view);
    presenter = Presenter{};
}

void presentPicture(const Surface& frame) {
    if (frame.pixels.empty() || !presenter.window) return;
    if (presenter.path == Path::Renderer) {
        showWithRenderer(frame);
    } else {
        showInWindowSurface(frame);
    }
}

void presenterWindowChanged() { presenter.windowChanged = true; }

const char* presentPathName() { return presenter.name.c_str(); }
