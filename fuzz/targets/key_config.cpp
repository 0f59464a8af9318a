// data/JoyKey.txt, read at start-up when a joystick answers, then polled for as many frames as
// the rest of the input has bytes (each byte the pad's buttons 1..8 and, in its top bits, the
// stick). The assignment the options screen writes back must read back the same.
#include <cstring>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "input/input.h"

namespace {

std::string_view padBytes;
size_t padFrame = 0;

bool fakePad(int id, JoystickReading& out) {
    if (id != 0) return false;
    out = JoystickReading{};
    if (padFrame < padBytes.size()) {
        const auto b = static_cast<uint8_t>(padBytes[padFrame]);
        out.buttons = b;
        out.x = b & 0x40 ? 0 : b & 0x20 ? 0xFFFF : 0x7FFF;
        out.y = b & 0x80 ? 0 : 0x7FFF;
    }
    return true;
}

}  // namespace

YOMOGI_FUZZ_TARGET(key_config)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/JoyKey.txt", files.section());
    padBytes = files.rest();
    padFrame = 0;
    const InputDevices saved = inputDevices;
    inputDevices.joystickRead = fakePad;
    fuzzQuietly([&] {
        loadKeyConfig();
        for (padFrame = 0; padFrame < padBytes.size() && padFrame < 100; ++padFrame) {
            pollInput();
            for (const Button& button : input.buttons)
                if (button.state < 0 || button.state > 3) fuzzFinding("a button state outside 0..3");
        }
        int8_t assigned[kButtonCount];
        for (int i = 0; i < kButtonCount; ++i) assigned[i] = input.buttons[i].padButton;
        if (saveKeyConfig()) {
            loadKeyConfig();
            for (int i = 0; i < kButtonCount; ++i)
                if (input.buttons[i].padButton != assigned[i]) fuzzFinding("JoyKey.txt does not read back");
        }
    });
    inputDevices = saved;
    return 0;
}
