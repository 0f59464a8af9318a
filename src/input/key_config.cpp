// The joystick button assignment, "data/JoyKey.txt": the pad button of each of the 13 buttons in
// index order, as decimal numbers separated by whitespace. The options screen writes it; start-up
// reads it when a joystick is attached.
#include <string>

#include "base/atomic_file.h"
#include "base/data_reader.h"
#include "base/save_paths.h"
#include "input/input.h"

namespace {

const char* const kKeyConfigPath = "data/JoyKey.txt";

}  // namespace

void loadKeyConfig() {
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].state = 0;
    storeKeyCodes();
    input.joystickCount = enumerateJoysticks();
    if (input.joystickCount <= 0) return;  // the keyboard needs no assignment

    // A missing file leaves every button without a pad button; a short or damaged one assigns
    // the buttons it names and leaves the rest as they were.
    DataReader file;
    if (!file.open(savedOrShipped(kKeyConfigPath))) return;
    for (int i = 0; i < kButtonCount; ++i) {
        int value = 0;
        if (!file.number(value)) break;
        // Each number goes into its own button's one-byte field and nowhere else (the low byte,
        // as a one-byte store keeps it).
        input.buttons[i].padButton = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
    }
}

bool saveKeyConfig() {
    std::string text;
    for (const Button& button : input.buttons) text += std::to_string(button.padButton) + " ";
    return writeSavedFile(kKeyConfigPath, text);
}
