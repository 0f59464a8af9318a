// The SDL2 backend: the game's window and display modes, the window keys, message boxes and the
// clock. Showing the picture, the keyboard and controllers and the audio device live in
// sdl_present.cpp, sdl_input.cpp and sdl_audio.cpp.
//
// The window opens only on a real display: without one SDL would fall back to a driver that
// shows nothing (offscreen), and the game would run unseen. That driver is used only when the
// player names it in SDL_VIDEODRIVER.
#include <SDL_image.h>
#include <SDL_syswm.h>
#include <strings.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "base/pixels.h"
#include "platform/sdl_internal.h"

SdlWindow sdlWindow;

namespace {

struct SdlClock {
    std::chrono::steady_clock::time_point start;
};
SdlClock sdlClock;

// The window keys seen in a pump, acted on once its events have all been read.
struct WindowKeys {
    int pumpDepth = 0;
    int toggles = 0;  // each press switches once
    int screenshots = 0;
};
WindowKeys windowKeys;

bool isStandIn(const char* driver) {
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

// False with a message when SDL found no display and took a driver that shows nothing.
bool onARealDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* named = std::getenv("SDL_VIDEODRIVER");
    if (!isStandIn(driver) || (named && strcasecmp(named, driver) == 0)) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((x && *x) || (wayland && *wayland)) {
        std::fprintf(stderr, "yomogi: cannot reach the display %s; yomogi --headless runs without one\n",
                     x && *x ? x : wayland);
    } else {
        std::fprintf(stderr,
                     "yomogi: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                     "set); yomogi --headless runs without one\n");
    }
    return false;
}

bool openBackend() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // The game paces itself; a compositor should not be turned off for it.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    choosePresentPath();
    bool opened = false;
    std::string reason;
    {
        QuietStandardError quiet;
        opened = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
        if (!opened) reason = SDL_GetError();
    }
    if (!opened) {
        std::fprintf(stderr, "yomogi: cannot open the display: %s\n", reason.c_str());
        return false;
    }
    if (!onARealDisplay()) {
        SDL_Quit();
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) openControllers();
    sdlWindow.window = SDL_CreateWindow("タイトルです", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 3, 3,
                                        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!sdlWindow.window) {
        std::fprintf(stderr, "yomogi: cannot create the window: %s\n", SDL_GetError());
        SDL_Quit();
        return false;
    }
    if (!openPresenter(sdlWindow.window)) {
        SDL_DestroyWindow(sdlWindow.window);
        sdlWindow.window = nullptr;
        SDL_Quit();
        return false;
    }
    openAudio();
    sdlClock.start = std::chrono::steady_clock::now();
    sdlWindow.shown = false;
    windowKeys = WindowKeys{};
    return true;
}

void closeBackend() {
    closeAudio();
    closeControllers();
    closePresenter();
    if (sdlWindow.window) SDL_DestroyWindow(sdlWindow.window);
    sdlWindow = SdlWindow{};
    SDL_ShowCursor(SDL_ENABLE);
    SDL_Quit();
}

int64_t clockNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - sdlClock.start).count();
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

int displayOfWindow() { return std::max(0, SDL_GetWindowDisplayIndex(sdlWindow.window)); }

// An X display without a window manager (a kiosk, a virtual frame buffer) has nobody to make a
// window full screen: SDL would believe it done while the window kept its size.
bool withoutWindowManager() {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(sdlWindow.window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    Display* x = info.info.x11.display;
    const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return true;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type, &format,
                                         &count, &left, &data) == Success;
    const bool present = read && type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return !present;
#else
    return false;
#endif
}

// Full screen by hand: a window without a frame over the whole display.
void coverDisplay() {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(displayOfWindow(), &bounds) != 0) return;
    SDL_SetWindowBordered(sdlWindow.window, SDL_FALSE);
    SDL_SetWindowPosition(sdlWindow.window, bounds.x, bounds.y);
    SDL_SetWindowSize(sdlWindow.window, bounds.w, bounds.h);
}

// A window of the picture's size (twice it in the double-size mode) in the middle of its display,
// never larger than the desktop leaves room for and never with its title bar above the top.
void placeWindow(int width, int height, bool borderless) {
    SDL_Window* window = sdlWindow.window;
    const int display = displayOfWindow();
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0 && SDL_GetDisplayBounds(display, &usable) != 0) {
        usable = {0, 0, width, height};
    }
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!borderless && SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) {
        top = 32;  // not known before the frame is first drawn: room for a usual title bar
    }
    const int roomW = std::max(1, usable.w - left - right);
    const int roomH = std::max(1, usable.h - top - bottom);
    if (width > roomW || height > roomH) {
        const SDL_Rect fitted = pictureRect(roomW, roomH, width, height);
        width = fitted.w;
        height = fitted.h;
    }
    const int x = usable.x + left + (roomW - width) / 2;
    const int y = usable.y + top + (roomH - height) / 2;
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, x, y);
}

bool setDisplay(int x, int y, int width, int height, int mode, bool borderless, const char* titleUtf8) {
    SDL_Window* window = sdlWindow.window;
    SDL_SetWindowTitle(window, titleUtf8);
    presenterWindowChanged();
    if (mode == 2) {
        // Full screen at the desktop's own resolution; the picture is letterboxed in it.
        if (withoutWindowManager()) {
            coverDisplay();
        } else if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            return false;
        }
        SDL_ShowWindow(window);
        SDL_RaiseWindow(window);
        SDL_ShowCursor(SDL_DISABLE);
        sdlWindow.mode = 2;
        sdlWindow.shown = true;
        return true;
    }
    if (mode == 0 || mode == 1) {
        const int scale = mode == 1 ? 2 : 1;
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowBordered(window, borderless ? SDL_FALSE : SDL_TRUE);
        placeWindow(width * scale, height * scale, borderless);
        SDL_ShowWindow(window);
        SDL_ShowCursor(SDL_ENABLE);
        sdlWindow.mode = mode;
        sdlWindow.shown = true;
    }
    return true;
}

void present(const Surface& frame) { presentPicture(frame); }

void readKey(const SDL_KeyboardEvent& key, bool down) {
    const SDL_Scancode code = key.keysym.scancode;
    if (down && !key.repeat) {
        const bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
        if (code == SDL_SCANCODE_F11 || (enter && (key.keysym.mod & KMOD_ALT))) {
            ++windowKeys.toggles;
            return;
        }
        if (code == SDL_SCANCODE_F12) {
            ++windowKeys.screenshots;
            return;
        }
    }
    if (down && key.repeat) return;
    if (const int virtualKey = virtualKeyOf(code)) platformKeyEvent(virtualKey, down);
}

// The window keys act once the pump is done; a display switch pumps again from inside.
void actOnWindowKeys() {
    const PlatformHandlers& handlers = platformHandlers();
    while (windowKeys.toggles > 0 || windowKeys.screenshots > 0) {
        if (windowKeys.toggles > 0) {
            --windowKeys.toggles;
            if (handlers.toggleFullScreen) handlers.toggleFullScreen();
        }
        if (windowKeys.screenshots > 0) {
            --windowKeys.screenshots;
            if (handlers.screenshotRequested) handlers.screenshotRequested();
        }
    }
}

void pumpEvents() {
    ++windowKeys.pumpDepth;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE && platformHandlers().closeRequested) {
                    platformHandlers().closeRequested();
                } else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                           event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    presenterWindowChanged();
                }
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                readKey(event.key, event.type == SDL_KEYDOWN);
                break;
            case SDL_JOYDEVICEADDED:
            case SDL_JOYDEVICEREMOVED:
                openControllers();
                if (platformHandlers().devicesChanged) platformHandlers().devicesChanged();
                break;
            default:
                // The window's close button is answered above; the quit event that follows the
                // last window's close request is not a second request.
                break;
        }
    }
    --windowKeys.pumpDepth;
    if (windowKeys.pumpDepth == 0) actOnWindowKeys();
}

bool messageBox(const char* textUtf8, const char* captionUtf8, BoxIcon icon, bool question, bool& answer) {
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
    data.window = sdlWindow.shown ? sdlWindow.window : nullptr;
    data.title = captionUtf8;
    data.message = textUtf8;
    data.numbuttons = question ? 2 : 1;
    data.buttons = question ? yesNo : ok;
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) return false;
    answer = pressed == 1;
    return true;
}

bool joystickRead(int id, JoystickReading& out) { return sdlJoystickRead(id, out); }
bool musicPlay(const char* path) { return sdlMusicPlay(path); }
void musicStop() { sdlMusicStop(); }
void soundPlay(const char* path) { sdlSoundPlay(path); }

bool setWindowIcon(const char* pngPath) {
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> icon(IMG_Load(pngPath), SDL_FreeSurface);
    if (!icon || !sdlWindow.window) return false;
    SDL_SetWindowIcon(sdlWindow.window, icon.get());
    return true;
}

}  // namespace

const PlatformBackend sdlBackend = {
    openBackend, closeBackend, clockNow,   waitUntil,    advanceClock, setDisplay,    present,
    pumpEvents,  messageBox,   sdlKeyDown, joystickRead, musicPlay,    musicStop,     soundPlay,
    setWindowIcon, presentPathName,
};
