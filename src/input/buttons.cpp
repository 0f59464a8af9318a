// The 13 logical buttons and their once-per-frame poll. With a joystick attached it alone drives
// the buttons (its stick the four directions, its configured buttons the rest); without one the
// keyboard does.
#include <cstddef>

#include "input/input.h"
#include "platform/platform.h"

InputState input;
InputDevices inputDevices;

namespace {

// The keyboard assignment, by Win32 virtual-key code. Buttons 2 and 5 share the Up arrow: one is
// the jump, the other the menu cursor; on a joystick they come apart.
constexpr int kKeyCodes[kButtonCount] = {
    13,  // Enter: confirm
    8,   // Backspace: back
    38,  // Up: jump
    37,  // Left
    39,  // Right
    38,  // Up: menu up
    40,  // Down: menu down
    67,  // C
    65,  // A: turn anticlockwise
    68,  // D: turn clockwise
    80,  // P: abandon the world
    82,  // R: restart the room
    27,  // Escape: end
};

}  // namespace

void storeKeyCodes() {
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].keyCode = kKeyCodes[i];
}

void resetInputState() {
    input = InputState{};
    storeKeyCodes();
    for (int& id : input.joystickIds) id = -1;
}

void updateButton(int index, int down) {
    if (index < 0 || index >= kButtonCount) return;
    int8_t& state = input.buttons[index].state;
    if (down) {
        // Up goes to pressed; pressed, held and just released all go to held.
        state = state == 0 ? 2 : 3;
    } else {
        // Only a held button shows the release; a one-frame press goes straight back up.
        state = state == 3 ? 1 : 0;
    }
}

void pollButtons(uint32_t held) {
    for (int i = 0; i < kButtonCount; ++i) updateButton(i, (held >> i) & 1u);
}

int keyIsDown(int virtualKey) { return inputDevices.keyDown(virtualKey) ? 1 : 0; }

void pollInput() {
    input.joystickCount = enumerateJoysticks();
    if (input.joystickCount > 0) {
        updateButton(kButtonMenuUp, stickUp(0));
        updateButton(kButtonMenuDown, stickDown(0));
        updateButton(kButtonLeft, stickLeft(0));
        updateButton(kButtonRight, stickRight(0));
        for (int i = 0; i < kButtonCount; ++i) {
            const int pad = input.buttons[i].padButton;
            if (pad > 0) updateButton(i, padButtonDown(0, pad));
        }
        return;
    }
    for (int i = 0; i < kButtonCount; ++i) updateButton(i, keyIsDown(input.buttons[i].keyCode));
}
