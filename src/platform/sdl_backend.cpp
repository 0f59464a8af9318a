// The SDL2 backend: the game's window and display modes, the picture shown through a streaming
// texture with nearest-neighbour scaling, the keyboard by scancode, the first joysticks, message
// boxes, and music and sound effects through SDL2_mixer. Without an audio device the game runs
// silently; nothing about sound is ever an error.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <sys/stat.h>
#include <thread>

#include "base/pixels.h"
#include "platform/backend.h"

namespace {

struct SdlState {
    std::chrono::steady_clock::time_point start;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0, textureHeight = 0;
    int mode = 1;
    bool shown = false;
    SDL_Joystick* joysticks[16] = {};
    bool audioOpen = false;
    Mix_Music* music = nullptr;
    std::map<std::string, Mix_Chunk*> effects;
};
SdlState sdl;

bool fileExists(const char* path) {
    struct stat info;
    return path && ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

// --- Joysticks ---------------------------------------------------------------------------------

void closeJoysticks() {
    for (SDL_Joystick*& joystick : sdl.joysticks) {
        if (joystick) SDL_JoystickClose(joystick);
        joystick = nullptr;
    }
}

// Plugging a joystick in or out renumbers them all, so they are opened afresh.
void openJoysticks() {
    closeJoysticks();
    int count = std::min(SDL_NumJoysticks(), 16);
    for (int i = 0; i < count; ++i) sdl.joysticks[i] = SDL_JoystickOpen(i);
}

uint32_t axisToWord(Sint16 value) { return static_cast<uint32_t>(static_cast<int>(value) + 32768); }

// --- Backend procedures ------------------------------------------------------------------------

bool openBackend() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "yomogi: cannot open the display: %s\n", SDL_GetError());
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) openJoysticks();
    sdl.window = SDL_CreateWindow("タイトルです", -10, -10, 3, 3, SDL_WINDOW_HIDDEN);
    if (!sdl.window) {
        std::fprintf(stderr, "yomogi: cannot create the window: %s\n", SDL_GetError());
        SDL_Quit();
        return false;
    }
    sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_ACCELERATED);
    if (!sdl.renderer) sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_SOFTWARE);
    if (!sdl.renderer) {
        std::fprintf(stderr, "yomogi: cannot draw into the window: %s\n", SDL_GetError());
        SDL_DestroyWindow(sdl.window);
        sdl.window = nullptr;
        SDL_Quit();
        return false;
    }
    // Audio is a bonus: a machine without a sound device plays the game in silence.
    sdl.audioOpen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
                    Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
    if (sdl.audioOpen) {
        Mix_Init(MIX_INIT_OGG);
        Mix_AllocateChannels(1);
    }
    sdl.start = std::chrono::steady_clock::now();
    sdl.shown = false;
    return true;
}

void closeBackend() {
    if (sdl.audioOpen) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        if (sdl.music) Mix_FreeMusic(sdl.music);
        for (auto& effect : sdl.effects) {
            if (effect.second) Mix_FreeChunk(effect.second);
        }
        Mix_CloseAudio();
        Mix_Quit();
    }
    sdl.music = nullptr;
    sdl.effects.clear();
    sdl.audioOpen = false;
    closeJoysticks();
    if (sdl.texture) SDL_DestroyTexture(sdl.texture);
    if (sdl.renderer) SDL_DestroyRenderer(sdl.renderer);
    if (sdl.window) SDL_DestroyWindow(sdl.window);
    sdl.texture = nullptr;
    sdl.renderer = nullptr;
    sdl.window = nullptr;
    sdl.textureWidth = sdl.textureHeight = 0;
    SDL_ShowCursor(SDL_ENABLE);
    SDL_Quit();
}

int64_t clockNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - sdl.start).count();
}

// Sleeps until shortly before the deadline, then waits out the last millisecond in short naps,
// so that the schedule is kept to the millisecond without keeping a core busy.
void waitUntil(int64_t ms) {
    for (;;) {
        int64_t remaining = ms - clockNow();
        if (remaining <= 0) return;
        if (remaining > 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(remaining - 2));
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
}

void advanceClock(int64_t) {}

bool setDisplay(int x, int y, int width, int height, int mode, bool borderless,
                const char* titleUtf8) {
    SDL_SetWindowTitle(sdl.window, titleUtf8);
    if (mode == 2) {
        // Full screen at the desktop's own resolution, the picture letterboxed in the middle. The
        // window is first made a frameless one of the picture's size in the corner, so that a
        // desktop that does not honour full screen still shows the whole picture.
        int oldX = 0, oldY = 0, oldW = 0, oldH = 0;
        SDL_GetWindowPosition(sdl.window, &oldX, &oldY);
        SDL_GetWindowSize(sdl.window, &oldW, &oldH);
        bool oldBordered = (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_BORDERLESS) == 0;
        SDL_SetWindowBordered(sdl.window, SDL_FALSE);
        SDL_SetWindowSize(sdl.window, width, height);
        SDL_SetWindowPosition(sdl.window, 0, 0);
        if (SDL_SetWindowFullscreen(sdl.window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            // Refused: the window stays as it was.
            SDL_SetWindowBordered(sdl.window, oldBordered ? SDL_TRUE : SDL_FALSE);
            SDL_SetWindowSize(sdl.window, oldW, oldH);
            SDL_SetWindowPosition(sdl.window, oldX, oldY);
            return false;
        }
        SDL_ShowWindow(sdl.window);
        SDL_RaiseWindow(sdl.window);
        SDL_ShowCursor(SDL_DISABLE);
        SDL_RenderSetLogicalSize(sdl.renderer, width, height);
        sdl.mode = 2;
        sdl.shown = true;
        return true;
    }
    if (mode == 0 || mode == 1) {
        int scale = mode == 1 ? 2 : 1;
        SDL_SetWindowFullscreen(sdl.window, 0);
        SDL_SetWindowBordered(sdl.window, borderless ? SDL_FALSE : SDL_TRUE);
        SDL_SetWindowSize(sdl.window, width * scale, height * scale);
        SDL_SetWindowPosition(sdl.window, x, y);
        SDL_ShowWindow(sdl.window);
        SDL_ShowCursor(SDL_ENABLE);
        SDL_RenderSetLogicalSize(sdl.renderer, 0, 0);
        sdl.mode = mode;
        sdl.shown = true;
    }
    return true;
}

void present(const Surface& frame) {
    if (!sdl.renderer || frame.pixels.empty()) return;
    if (!sdl.texture || sdl.textureWidth != frame.width || sdl.textureHeight != frame.height) {
        if (sdl.texture) SDL_DestroyTexture(sdl.texture);
        sdl.texture = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_RGB888,
                                        SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
        sdl.textureWidth = frame.width;
        sdl.textureHeight = frame.height;
        if (!sdl.texture) return;
        SDL_SetTextureScaleMode(sdl.texture, SDL_ScaleModeNearest);
    }
    SDL_UpdateTexture(sdl.texture, nullptr, frame.pixels.data(), frame.width * 4);
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    if (sdl.mode == 2) {
        SDL_RenderCopy(sdl.renderer, sdl.texture, nullptr, nullptr);
    } else {
        // Windows show the device pixels one to one from the window's corner.
        SDL_Rect where = {0, 0, frame.width, frame.height};
        SDL_RenderCopy(sdl.renderer, sdl.texture, nullptr, &where);
    }
    SDL_RenderPresent(sdl.renderer);
}

void pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE && platformHandlers().closeRequested) {
                    platformHandlers().closeRequested();
                }
                break;
            case SDL_JOYDEVICEADDED:
            case SDL_JOYDEVICEREMOVED:
                openJoysticks();
                if (platformHandlers().devicesChanged) platformHandlers().devicesChanged();
                break;
            default:
                // The window's close button is answered above; the quit event that follows the
                // last window's close request is not a second request.
                break;
        }
    }
}

bool messageBox(const char* textUtf8, const char* captionUtf8, BoxIcon icon, bool question,
                bool& answer) {
    Uint32 flags = icon == BoxIcon::Error     ? SDL_MESSAGEBOX_ERROR
                   : icon == BoxIcon::Warning ? SDL_MESSAGEBOX_WARNING
                                              : SDL_MESSAGEBOX_INFORMATION;
    SDL_MessageBoxButtonData yesNo[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "はい"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "いいえ"},
    };
    SDL_MessageBoxButtonData ok[1] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1, "OK"},
    };
    SDL_MessageBoxData data = {};
    data.flags = flags;
    data.window = sdl.shown ? sdl.window : nullptr;
    data.title = captionUtf8;
    data.message = textUtf8;
    data.numbuttons = question ? 2 : 1;
    data.buttons = question ? yesNo : ok;
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return false;
    answer = pressed == 1;
    return true;
}

// The Win32 virtual-key codes that the button table keeps, as keys of this keyboard.
SDL_Scancode scancodeOf(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 'A'));
    }
    if (virtualKey >= '1' && virtualKey <= '9') {
        return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (virtualKey - '1'));
    }
    switch (virtualKey) {
        case '0': return SDL_SCANCODE_0;
        case 8: return SDL_SCANCODE_BACKSPACE;
        case 9: return SDL_SCANCODE_TAB;
        case 13: return SDL_SCANCODE_RETURN;
        case 16: return SDL_SCANCODE_LSHIFT;
        case 17: return SDL_SCANCODE_LCTRL;
        case 27: return SDL_SCANCODE_ESCAPE;
        case 32: return SDL_SCANCODE_SPACE;
        case 37: return SDL_SCANCODE_LEFT;
        case 38: return SDL_SCANCODE_UP;
        case 39: return SDL_SCANCODE_RIGHT;
        case 40: return SDL_SCANCODE_DOWN;
        default: return SDL_SCANCODE_UNKNOWN;
    }
}

bool keyDown(int virtualKey) {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    SDL_Scancode code = scancodeOf(virtualKey);
    if (!keys || code == SDL_SCANCODE_UNKNOWN) return false;
    if (keys[code]) return true;
    // The keypad's Enter and the right-hand Shift and Control count as the same keys.
    if (virtualKey == 13) return keys[SDL_SCANCODE_KP_ENTER] != 0;
    if (virtualKey == 16) return keys[SDL_SCANCODE_RSHIFT] != 0;
    if (virtualKey == 17) return keys[SDL_SCANCODE_RCTRL] != 0;
    return false;
}

bool joystickRead(int id, JoystickReading& out) {
    SDL_Joystick* joystick = sdl.joysticks[id];
    if (!joystick || !SDL_JoystickGetAttached(joystick)) return false;
    out = JoystickReading{};
    if (SDL_JoystickNumAxes(joystick) >= 2) {
        out.x = axisToWord(SDL_JoystickGetAxis(joystick, 0));
        out.y = axisToWord(SDL_JoystickGetAxis(joystick, 1));
    }
    // Pads whose cross is a hat steer like a stick.
    if (SDL_JoystickNumHats(joystick) > 0) {
        Uint8 hat = SDL_JoystickGetHat(joystick, 0);
        if (hat & SDL_HAT_LEFT) out.x = 0;
        if (hat & SDL_HAT_RIGHT) out.x = 0xFFFF;
        if (hat & SDL_HAT_UP) out.y = 0;
        if (hat & SDL_HAT_DOWN) out.y = 0xFFFF;
    }
    int buttons = std::min(SDL_JoystickNumButtons(joystick), 32);
    for (int i = 0; i < buttons; ++i) {
        if (SDL_JoystickGetButton(joystick, i)) out.buttons |= 1u << i;
    }
    return true;
}

bool musicPlay(const char* path) {
    if (!sdl.audioOpen) return fileExists(path);
    Mix_HaltMusic();
    if (sdl.music) Mix_FreeMusic(sdl.music);
    // The decoder is chosen by the file's contents, whatever its name ends with.
    sdl.music = Mix_LoadMUS(path);
    if (!sdl.music) return false;
    return Mix_PlayMusic(sdl.music, -1) == 0;
}

void musicStop() {
    if (!sdl.audioOpen) return;
    Mix_HaltMusic();
    if (sdl.music) Mix_FreeMusic(sdl.music);
    sdl.music = nullptr;
}

void soundPlay(const char* path) {
    if (!sdl.audioOpen) return;
    auto found = sdl.effects.find(path);
    Mix_Chunk* chunk = nullptr;
    if (found != sdl.effects.end()) {
        chunk = found->second;
    } else {
        chunk = Mix_LoadWAV(path);
        sdl.effects[path] = chunk;  // a missing file is remembered as silence
    }
    if (!chunk) return;
    // One channel: a new effect cuts the one still sounding.
    Mix_PlayChannel(0, chunk, 0);
}

}  // namespace

const PlatformBackend sdlBackend = {
    openBackend, closeBackend, clockNow,   waitUntil,    advanceClock, setDisplay, present,
    pumpEvents, messageBox, keyDown, joystickRead, musicPlay,    musicStop,  soundPlay,
};
