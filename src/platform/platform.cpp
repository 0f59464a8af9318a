// The plain functions of the platform layer: they keep what both backends share (the picture
// last shown, the record of audio calls, the scripted keyboard) and call the chosen backend for
// the rest.
#include "platform/platform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "base/pixels.h"
#include "platform/backend.h"
#include "base/sjis.h"

namespace {

struct PlatformState {
    const PlatformBackend* backend = &headlessBackend;
    Backend kind = Backend::Headless;
    bool open = false;
    PlatformHandlers handlers;
    Surface lastFrame;
    bool framePresented = false;
    bool keysScripted = false;
    std::vector<int> scriptedKeys;
    // Keys that went down since the last poll let them go, and whether a poll has read them.
    std::vector<int> tappedKeys;
    bool tapsRead = false;
    uint64_t soundsStarted = 0;
    std::string musicPath;
};
PlatformState platform;

const char* iconName(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Error: return "error";
        case BoxIcon::Warning: return "warning";
        case BoxIcon::Question: return "question";
        case BoxIcon::Information: return "information";
    }
    return "message";
}

// The text of a message box on standard error, one line, for runs without a window.
void messageToStandardError(const std::string& text, const std::string& caption, BoxIcon icon,
                            bool question) {
    std::fprintf(stderr, "[%s] %s: %s%s\n", iconName(icon), caption.c_str(), text.c_str(),
                 question ? " -> No" : "");
    std::fflush(stderr);
}

}  // namespace

bool platformOpen(Backend backend) {
    platformKeepPictureMemory();
    if (platform.open) platformClose();
    platform.kind = backend;
    platform.backend = backend == Backend::Sdl ? &sdlBackend : &headlessBackend;
    platform.framePresented = false;
    platform.lastFrame = Surface{};
    platform.soundsStarted = 0;
    platform.musicPath.clear();
    platform.tappedKeys.clear();
    platform.tapsRead = false;
    platform.open = platform.backend->open();
    return platform.open;
}

void platformClose() {
    if (!platform.open) return;
    platform.backend->close();
    platform.open = false;
}

Backend platformBackend() { return platform.kind; }

int64_t platformClock() { return platform.backend->clock(); }
void platformWaitUntil(int64_t ms) { platform.backend->waitUntil(ms); }
void platformAdvanceClock(int64_t ms) { platform.backend->advanceClock(ms); }

uint32_t platformSystemTime() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool platformSetDisplay(int x, int y, int width, int height, int mode, bool borderless,
                        const char* titleShiftJis) {
    std::string title = fromShiftJis(titleShiftJis ? titleShiftJis : "");
    return platform.backend->setDisplay(x, y, width, height, mode, borderless, title.c_str());
}

void platformPresent(const Surface& backBuffer, int width, int height) {
    if (width <= 0 || height <= 0) return;
    Surface& frame = platform.lastFrame;
    if (frame.width != width || frame.height != height) {
        frame.width = width;
        frame.height = height;
        frame.pixels.assign(static_cast<size_t>(width) * height, 0);
    }
    // Only what the back buffer has is copied; a smaller buffer leaves the rest black.
    int w = std::max(0, std::min(width, backBuffer.width));
    int h = std::max(0, std::min(height, backBuffer.height));
    if (w < width || h < height) std::fill(frame.pixels.begin(), frame.pixels.end(), 0u);
    for (int y = 0; y < h; ++y) {
        std::copy(backBuffer.row(y), backBuffer.row(y) + w, frame.row(y));
    }
    platform.framePresented = true;
    platform.backend->present(frame);
}

void platformPumpEvents() {
    // A poll has seen the taps of the last pumps: from now on a key is down only while it is.
    if (platform.tapsRead) {
        platform.tappedKeys.clear();
        platform.tapsRead = false;
    }
    platform.backend->pumpEvents();
}

void platformSetHandlers(const PlatformHandlers& handlers) { platform.handlers = handlers; }
const PlatformHandlers& platformHandlers() { return platform.handlers; }

const Surface* platformLastFrame() {
    return platform.framePresented ? &platform.lastFrame : nullptr;
}

bool platformSaveFrame(const char* path) {
    if (!platform.framePresented) {
        // Nothing shown yet: the screen is black.
        Surface black;
        black.width = 640;
        black.height = 480;
        black.pixels.assign(640 * 480, 0);
        return platformSaveBitmap(path, black, 640, 480);
    }
    return platformSaveBitmap(path, platform.lastFrame, platform.lastFrame.width,
                              platform.lastFrame.height);
}

void platformMessage(const char* textShiftJis, const char* captionShiftJis, BoxIcon icon) {
    std::string text = fromShiftJis(textShiftJis ? textShiftJis : "");
    std::string caption = fromShiftJis(captionShiftJis ? captionShiftJis : "");
    bool answer = false;
    if (!platform.backend->messageBox(text.c_str(), caption.c_str(), icon, false, answer)) {
        messageToStandardError(text, caption, icon, false);
    }
}

bool platformAsk(const char* textShiftJis, const char* captionShiftJis) {
    std::string text = fromShiftJis(textShiftJis ? textShiftJis : "");
    std::string caption = fromShiftJis(captionShiftJis ? captionShiftJis : "");
    bool answer = false;
    if (!platform.backend->messageBox(text.c_str(), caption.c_str(), BoxIcon::Question, true,
                                      answer)) {
        // Nobody can answer: the question is answered No, which changes nothing.
        messageToStandardError(text, caption, BoxIcon::Question, true);
        return false;
    }
    return answer;
}

[[noreturn]] void platformFatal() {
    if (platform.handlers.fatalError) platform.handlers.fatalError();
    std::fflush(nullptr);
    std::exit(1);
}

bool platformKeyDown(int virtualKey) {
    if (platform.keysScripted) {
        for (int key : platform.scriptedKeys) {
            if (key == virtualKey) return true;
        }
        return false;
    }
    if (!platform.tappedKeys.empty()) {
        platform.tapsRead = true;
        for (int key : platform.tappedKeys) {
            if (key == virtualKey) return true;
        }
    }
    return platform.backend->keyDown(virtualKey);
}

void platformKeyEvent(int virtualKey, bool down) {
    if (!down) return;  // a key let go reads as up once the poll has seen its press
    for (int key : platform.tappedKeys) {
        if (key == virtualKey) return;
    }
    platform.tappedKeys.push_back(virtualKey);
}

void platformScriptKeys(bool on, const int* virtualKeys, int count) {
    platform.keysScripted = on;
    platform.scriptedKeys.assign(virtualKeys, virtualKeys + (virtualKeys ? count : 0));
}

bool platformSetWindowIcon(const char* pngPath) {
    return platform.backend->setWindowIcon(pngPath ? pngPath : "");
}

const char* platformPresentPath() { return platform.backend->presentPath(); }

bool platformJoystickRead(int id, JoystickReading& out) {
    if (id < 0 || id > 15) return false;
    return platform.backend->joystickRead(id, out);
}

bool platformMusicPlay(const char* path) {
    platform.musicPath = path ? path : "";
    return platform.backend->musicPlay(path ? path : "");
}

void platformMusicStop() {
    platform.musicPath.clear();
    platform.backend->musicStop();
}

void platformSoundPlay(const char* path) {
    ++platform.soundsStarted;
    platform.backend->soundPlay(path ? path : "");
}

uint64_t platformSoundsStarted() { return platform.soundsStarted; }
const std::string& platformMusicPath() { return platform.musicPath; }
