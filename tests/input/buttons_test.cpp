// The button states frame by frame, keyboard and joystick.
#include <vector>

#include "fake_devices.h"
#include "platform/platform.h"

namespace {

class Buttons : public InputTest {
protected:
    // Polls once per entry with the key held or not and returns the states seen.
    std::vector<int> run(int key, int button, std::vector<bool> held) {
        std::vector<int> seen;
        for (bool down : held) {
            if (down) fake.keys.insert(key); else fake.keys.erase(key);
            pollInput();
            seen.push_back(state(button));
        }
        return seen;
    }
};

TEST_F(Buttons, TableHoldsTheKeyboardAssignment) {
    const int codes[kButtonCount] = {13, 8, 38, 37, 39, 38, 40, 67, 65, 68, 80, 82, 27};
    input.buttons[4].keyCode = 0;
    loadKeyConfig();
    for (int i = 0; i < kButtonCount; ++i) {
        EXPECT_EQ(input.buttons[i].keyCode, codes[i]) << i;
        EXPECT_EQ(input.buttons[i].state, 0);
    }
}

TEST_F(Buttons, StateMachine) {
    // A one-frame press never shows the release.
    EXPECT_EQ(run(13, kButtonEnter, {true, false, false}), (std::vector<int>{2, 0, 0}));
    // Held: pressed, held, held, released, up.
    EXPECT_EQ(run(13, kButtonEnter, {true, true, true, false, false}),
              (std::vector<int>{2, 3, 3, 1, 0}));
    // Pressed again right after a release: straight to held.
    EXPECT_EQ(run(13, kButtonEnter, {true, true, false, true, false}),
              (std::vector<int>{2, 3, 1, 3, 1}));
    // The transition table itself, every cell.
    const int after[4][2] = {{0, 2}, {0, 3}, {0, 3}, {1, 3}};
    for (int previous = 0; previous < 4; ++previous)
        for (int down = 0; down < 2; ++down) {
            input.buttons[7].state = static_cast<int8_t>(previous);
            updateButton(7, down);
            EXPECT_EQ(state(7), after[previous][down]) << previous << " " << down;
        }
    updateButton(-1, 1);  // no such button: nothing happens
    updateButton(kButtonCount, 1);
}

TEST_F(Buttons, UpArrowPressesJumpAndMenuUpTogether) {
    fake.keys = {38};
    pollInput();
    EXPECT_EQ(state(kButtonJump), 2);
    EXPECT_EQ(state(kButtonMenuUp), 2);
    EXPECT_EQ(state(kButtonMenuDown), 0);
    EXPECT_EQ(input.joystickCount, 0);
}

TEST_F(Buttons, KeyboardGoesThroughThePlatform) {
    inputDevices = saved;  // the real slots
    const int keys[] = {68};
    platformScriptKeys(true, keys, 1);
    EXPECT_EQ(keyIsDown(68), 1);
    EXPECT_EQ(keyIsDown(65), 0);
    platformScriptKeys(false);
}

TEST_F(Buttons, JoystickTakesPrecedenceOverTheKeyboard) {
    plugJoystick(0);
    input.buttons[kButtonEnter].padButton = 1;
    input.buttons[kButtonTurnLeft].padButton = 33;  // wraps to bit 0 too
    input.buttons[kButtonEscape].padButton = 0;
    fake.keys = {13, 27, 38, 65};
    fake.readings[0].buttons = 0x1;
    pollInput();
    EXPECT_EQ(input.joystickCount, 1);
    EXPECT_EQ(state(kButtonEnter), 2);
    EXPECT_EQ(state(kButtonTurnLeft), 2);
    EXPECT_EQ(state(kButtonEscape), 0);  // the keyboard is not looked at, Escape included
    EXPECT_EQ(state(kButtonJump), 0);
    EXPECT_EQ(state(kButtonMenuUp), 0);

    // Escape assigned to pad button 32 (bit 31).
    input.buttons[kButtonEscape].padButton = 32;
    fake.readings[0].buttons = 0x80000000u;
    pollInput();
    EXPECT_EQ(state(kButtonEscape), 2);
    EXPECT_EQ(state(kButtonEnter), 0);  // a one-frame press: back up without a release
}

TEST_F(Buttons, StickThresholdsAreExclusive) {
    plugJoystick(0);
    struct Case {
        uint32_t x, y;
        int up, down, left, right;
    };
    const Case cases[] = {
        {0x7FFF, 0x3FFF, 0, 0, 0, 0}, {0x7FFF, 0x3FFE, 1, 0, 0, 0}, {0x7FFF, 0xBFFF, 0, 0, 0, 0},
        {0x7FFF, 0xC000, 0, 1, 0, 0}, {0x3FFF, 0x7FFF, 0, 0, 0, 0}, {0x3FFE, 0x7FFF, 0, 0, 1, 0},
        {0xBFFF, 0x7FFF, 0, 0, 0, 0}, {0xC000, 0xFFFF, 0, 1, 0, 1}, {0, 0, 1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        resetInputState();
        fake.readings[0].x = c.x;
        fake.readings[0].y = c.y;
        pollInput();
        EXPECT_EQ(state(kButtonMenuUp), c.up ? 2 : 0) << std::hex << c.x << " " << c.y;
        EXPECT_EQ(state(kButtonMenuDown), c.down ? 2 : 0) << std::hex << c.x << " " << c.y;
        EXPECT_EQ(state(kButtonLeft), c.left ? 2 : 0) << std::hex << c.x << " " << c.y;
        EXPECT_EQ(state(kButtonRight), c.right ? 2 : 0) << std::hex << c.x << " " << c.y;
        EXPECT_EQ(state(kButtonJump), 0);  // the stick never jumps
    }
}

TEST_F(Buttons, PadButtonOverridesTheStickForTheSameButton) {
    plugJoystick(0);
    fake.readings[0].x = 0;  // stick left
    input.buttons[kButtonLeft].padButton = 4;  // but button 4 is not held
    pollInput();
    EXPECT_EQ(state(kButtonLeft), 0);
    // Stick and pad button each move the button once in the same poll: pressed, then held.
    fake.readings[0].buttons = 1u << 3;
    pollInput();
    EXPECT_EQ(state(kButtonLeft), 3);
}

TEST_F(Buttons, OnlyTheFirstJoystickFoundIsRead) {
    plugJoystick(3);
    plugJoystick(7);
    fake.readings[7].y = 0;  // the second one pushes up: ignored
    EXPECT_EQ(enumerateJoysticks(), 2);
    EXPECT_EQ(input.joystickIds[0], 3);
    EXPECT_EQ(input.joystickIds[1], 7);
    EXPECT_EQ(input.joystickIds[2], -1);
    pollInput();
    EXPECT_EQ(state(kButtonMenuUp), 0);
    fake.readings[3].y = 0;
    pollInput();
    EXPECT_EQ(state(kButtonMenuUp), 2);
    EXPECT_EQ(stickUp(1), 1);  // slot 1 is id 7: the poll never asks it
    EXPECT_EQ(stickUp(5), 0);
    EXPECT_EQ(stickUp(-1), 0);
    EXPECT_EQ(padButtonDown(0, 0), 0);
    EXPECT_EQ(padButtonDown(0, -5), 0);
}

TEST_F(Buttons, PluggingInAndOutSwitchesDevicesAndKeepsStates) {
    fake.keys = {13, 39};
    pollInput();
    pollInput();
    EXPECT_EQ(state(kButtonEnter), 3);
    EXPECT_EQ(state(kButtonRight), 3);
    plugJoystick(0);  // no pad buttons assigned: only the stick drives anything
    pollInput();
    EXPECT_EQ(state(kButtonEnter), 3);  // kept: nothing drives it now
    EXPECT_EQ(state(kButtonRight), 1);  // the stick is centred
    fake.present[0] = false;
    pollInput();
    EXPECT_EQ(state(kButtonEnter), 3);
    EXPECT_EQ(state(kButtonRight), 3);  // released by the stick, pressed again: straight to held
    EXPECT_EQ(input.joystickCount, 0);
}

}  // namespace
