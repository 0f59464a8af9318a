// The 13 logical buttons, polled from the keyboard or the first joystick once per frame.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct Button {
    int keyCode = 0;
    int8_t state = 0;      // 0 up, 2 pressed this frame, 3 held, 1 released this frame
    int8_t padButton = 0;  // joystick button 1..32; 0 or negative = none
};

constexpr int kButtonCount = 13;
enum ButtonIndex {
    kButtonEnter = 0,
    kButtonBack = 1,
    kButtonJump = 2,
    kButtonLeft = 3,
    kButtonRight = 4,
    kButtonMenuUp = 5,
    kButtonMenuDown = 6,
    kButtonC = 7,
    kButtonTurnLeft = 8,   // A: anticlockwise
    kButtonTurnRight = 9,  // D: clockwise
    kButtonAbandon = 10,   // P
    kButtonRestart = 11,   // R
    kButtonEscape = 12,
};

struct InputState {
    Button buttons[kButtonCount];
    int joystickCount = 0;
    int joystickIds[16] = {};
};
extern InputState input;

// Where the buttons are read from: the platform's keyboard and joysticks. Tests put their own
// devices into these slots.
struct InputDevices {
    bool (*keyDown)(int virtualKey) = platformKeyDown;
    bool (*joystickRead)(int id, JoystickReading& out) = platformJoystickRead;
};
extern InputDevices inputDevices;

// Puts the button table back to its start values (key codes stored, everything else 0, no
// joystick found).
void resetInputState();
// Stores the keyboard assignment into every button's keyCode.
void storeKeyCodes();
// Writes every button's padButton into "data/JoyKey.txt" ("%d " each, one line), atomically;
// false when the file cannot be written (the old one is then left as it was).
bool saveKeyConfig();

void loadKeyConfig();
void pollInput();
// The poll with the devices left out: button i is down when bit i of held is set (for stepping
// play without a keyboard, as a solver does). Up as jump is kButtonJump, as menu up kButtonMenuUp.
void pollButtons(uint32_t held);
int enumerateJoysticks();
void updateButton(int index, int down);
int keyIsDown(int virtualKey);
int stickUp(int slot);
int stickDown(int slot);
int stickLeft(int slot);
int stickRight(int slot);
int padButtonDown(int slot, int button);
inline bool pressed(int index) { return input.buttons[index].state == 2; }
