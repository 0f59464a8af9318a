// The headless backend: no window, no audio device, no joystick. Its clock is virtual: a frame's
// work takes no time, and waiting for a deadline moves the clock to it, so every frame is shown
// and a run gives the same frames on any machine. Message boxes go to standard error (the
// platform layer does that when a backend shows none).
#include <algorithm>
#include <sys/stat.h>

#include "base/pixels.h"
#include "platform/backend.h"

namespace {

struct HeadlessState {
    int64_t clock = 0;
    bool refuseFullScreen = false;
};
HeadlessState headless;

bool openBackend() {
    headless.clock = 0;
    return true;
}
void closeBackend() {}
int64_t clockNow() { return headless.clock; }
void waitUntil(int64_t ms) { headless.clock = std::max(headless.clock, ms); }
void advanceClock(int64_t ms) { headless.clock += std::max<int64_t>(ms, 0); }

bool setDisplay(int, int, int, int, int mode, bool, const char*) {
    return !(mode == 2 && headless.refuseFullScreen);
}
void present(const Surface&) {}
void pumpEvents() {}
bool messageBox(const char*, const char*, BoxIcon, bool, bool&) { return false; }
bool keyDown(int) { return false; }
bool joystickRead(int, JoystickReading&) { return false; }

bool musicPlay(const char* path) {
    // Nothing is heard, but the call answers as the real one would: a file that is not there
    // cannot be played.
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}
void musicStop() {}
void soundPlay(const char*) {}

bool setWindowIcon(const char* path) {
    Surface icon;
    return platformLoadPng(path, icon);
}
const char* presentPath() { return "none"; }

}  // namespace

const PlatformBackend headlessBackend = {
    openBackend, closeBackend, clockNow,        waitUntil,    advanceClock, setDisplay, present,
    pumpEvents, messageBox, keyDown,    joystickRead, musicPlay,    musicStop,  soundPlay,
    setWindowIcon, presentPath,
};

void platformRefuseFullScreen(bool refuse) { headless.refuseFullScreen = refuse; }
