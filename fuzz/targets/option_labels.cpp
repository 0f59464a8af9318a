// data/optiondata.txt and data/joykeystr.txt, the options screen's and the joypad page's row
// labels (separated by a NUL byte), then one byte of buttons per frame: the options screen with a
// joystick plugged in, so that the joypad page can be reached and drawn too.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "input/input.h"
#include "menu/options.h"
#include "scene_run.h"

namespace {

bool onePad(int id, JoystickReading& out) {
    out = JoystickReading{};
    return id == 0;
}

}  // namespace

YOMOGI_FUZZ_TARGET(option_labels)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/optiondata.txt", files.section());
    fuzzWrite("data/joykeystr.txt", files.section());
    fuzzRestore("data/JoyKey.txt");
    const std::string_view keys = files.rest();
    const InputDevices saved = inputDevices;
    inputDevices.joystickRead = onePad;
    input.joystickCount = enumerateJoysticks();
    fuzzQuietly([&] {
        if (!runScene(optionsEntry, optionsStep, keys, 60, 4)) optionsLeave();
    });
    inputDevices = saved;
    return 0;
}
