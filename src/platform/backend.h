// Inside the platform layer only: a backend is a table of procedures. platformOpen chooses one,
// and the plain functions of platform.h call through it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct PlatformBackend {
    bool (*open)();
    void (*close)();
    int64_t (*clock)();
    void (*waitUntil)(int64_t ms);
    void (*advanceClock)(int64_t ms);
    bool (*setDisplay)(int x, int y, int width, int height, int mode, bool borderless,
                       const char* titleUtf8);
    void (*present)(const Surface& frame);  // the 640 x 480 copy kept by the platform
    void (*pumpEvents)();
    bool (*messageBox)(const char* textUtf8, const char* captionUtf8, BoxIcon icon, bool question,
                       bool& answer);  // false when no box could be shown
    bool (*keyDown)(int virtualKey);
    bool (*joystickRead)(int id, JoystickReading& out);
    bool (*musicPlay)(const char* path);
    void (*musicStop)();
    void (*soundPlay)(const char* path);
    bool (*setWindowIcon)(const char* pngPath);
    const char* (*presentPath)();
};

extern const PlatformBackend sdlBackend;
extern const PlatformBackend headlessBackend;

// The handlers the frame installed (close request, devices changed).
const PlatformHandlers& platformHandlers();
