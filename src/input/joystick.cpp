// Joysticks: which ids answer, and the tests of the first one's stick and buttons. Axes run over
// 0..0xFFFF; the stick counts as pushed only beyond a quarter of the way from the centre.
#include "input/input.h"
#include "platform/platform.h"

namespace {

constexpr int kJoystickIdCount = 16;
constexpr uint32_t kStickLow = 0x3FFF;   // below this: up or left
constexpr uint32_t kStickHigh = 0xBFFF;  // above this: down or right

// The reading of the joystick in the slot; false when the slot is empty or it does not answer.
bool readSlot(int slot, JoystickReading& reading) {
    if (slot < 0 || slot >= kJoystickIdCount) return false;
    const int id = input.joystickIds[slot];
    if (id == -1) return false;
    return inputDevices.joystickRead(id, reading);
}

}  // namespace

int enumerateJoysticks() {
    for (int& id : input.joystickIds) id = -1;
    int found = 0;
    for (int id = 0; id < kJoystickIdCount; ++id) {
        JoystickReading reading;
        if (inputDevices.joystickRead(id, reading)) input.joystickIds[found++] = id;
    }
    return found;
}

int stickUp(int slot) {
    JoystickReading r;
    return readSlot(slot, r) && r.y < kStickLow ? 1 : 0;
}

int stickDown(int slot) {
    JoystickReading r;
    return readSlot(slot, r) && r.y > kStickHigh ? 1 : 0;
}

int stickLeft(int slot) {
    JoystickReading r;
    return readSlot(slot, r) && r.x < kStickLow ? 1 : 0;
}

int stickRight(int slot) {
    JoystickReading r;
    return readSlot(slot, r) && r.x > kStickHigh ? 1 : 0;
}

int padButtonDown(int slot, int button) {
    JoystickReading r;
    if (!readSlot(slot, r)) return 0;
    // Button n is bit n-1, wrapping after 32; a number below 1 wraps the same way instead of
    // shifting by a negative count.
    const int bit = ((button - 1) % 32 + 32) % 32;
    return (r.buttons >> bit) & 1u ? 1 : 0;
}
