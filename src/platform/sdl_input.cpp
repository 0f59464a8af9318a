// The keyboard by scancode, and the first sixteen joysticks. A device that SDL's controller
// database knows is read as a game controller, so that every common pad has the same buttons in
// the same places (numbered as the usual pad numbering: 1 the lower face button, 2 the right, 3
// the left, 4 the upper, 5 and 6 the shoulders, 7 back, 8 start, 9 and 10 the sticks pressed, 11
// the guide button) and its cross and left stick steer; any other joystick is read raw.
#include <algorithm>

#include "platform/sdl_internal.h"

namespace {

struct Device {
    SDL_GameController* controller = nullptr;
    SDL_Joystick* joystick = nullptr;  // the controller's own, or a raw joystick
};
Device devices[16];

constexpr SDL_GameControllerButton kPadNumbering[] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,       SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_GUIDE,       SDL_CONTROLLER_BUTTON_MISC1,
    SDL_CONTROLLER_BUTTON_PADDLE1,    SDL_CONTROLLER_BUTTON_PADDLE2,     SDL_CONTROLLER_BUTTON_PADDLE3,
    SDL_CONTROLLER_BUTTON_PADDLE4,    SDL_CONTROLLER_BUTTON_TOUCHPAD,
};

uint32_t axisToWord(Sint16 value) { return static_cast<uint32_t>(static_cast<int>(value) + 32768); }

// The Win32 virtual-key codes that the button table keeps, as keys of this keyboard.
SDL_Scancode scancodeOf(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 'A'));
    }
    if (virtualKey >= '1' && virtualKey <= '9') {
        return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (virtualKey - '1'));
    }
    switch (virtualKey) {
        case '0': return SDL_SCANCODE_0;
        case 8: return SDL_SCANCODE_BACKSPACE;
        case 9: return SDL_SCANCODE_TAB;
        case 13: return SDL_SCANCODE_RETURN;
        case 16: return SDL_SCANCODE_LSHIFT;
        case 17: return SDL_SCANCODE_LCTRL;
        case 27: return SDL_SCANCODE_ESCAPE;
        case 32: return SDL_SCANCODE_SPACE;
        case 37: return SDL_SCANCODE_LEFT;
        case 38: return SDL_SCANCODE_UP;
        case 39: return SDL_SCANCODE_RIGHT;
        case 40: return SDL_SCANCODE_DOWN;
        default: return SDL_SCANCODE_UNKNOWN;
    }
}

bool altHeld() { return (SDL_GetModState() & KMOD_ALT) != 0; }

}  // namespace

void closeControllers() {
    for (Device& device : devices) {
        if (device.controller) {
            SDL_GameControllerClose(device.controller);
        } else if (device.joystick) {
            SDL_JoystickClose(device.joystick);
        }
        device = Device{};
    }
}

// Plugging a device in or out renumbers them all, so they are opened afresh.
void openControllers() {
    closeControllers();
    const int count = std::min(SDL_NumJoysticks(), 16);
    for (int i = 0; i < count; ++i) {
        Device& device = devices[i];
        if (SDL_IsGameController(i)) device.controller = SDL_GameControllerOpen(i);
        if (device.controller) {
            device.joystick = SDL_GameControllerGetJoystick(device.controller);
        } else {
            device.joystick = SDL_JoystickOpen(i);
        }
    }
}

int virtualKeyOf(SDL_Scancode code) {
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
    switch (code) {
        case SDL_SCANCODE_0: return '0';
        case SDL_SCANCODE_BACKSPACE: return 8;
        case SDL_SCANCODE_TAB: return 9;
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER: return 13;
        case SDL_SCANCODE_LSHIFT:
        case SDL_SCANCODE_RSHIFT: return 16;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL: return 17;
        case SDL_SCANCODE_ESCAPE: return 27;
        case SDL_SCANCODE_SPACE: return 32;
        case SDL_SCANCODE_LEFT: return 37;
        case SDL_SCANCODE_UP: return 38;
        case SDL_SCANCODE_RIGHT: return 39;
        case SDL_SCANCODE_DOWN: return 40;
        default: return 0;
    }
}

bool sdlKeyDown(int virtualKey) {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    SDL_Scancode code = scancodeOf(virtualKey);
    if (!keys || code == SDL_SCANCODE_UNKNOWN) return false;
    // Alt+Enter switches the display; it is not the game's Enter.
    if (virtualKey == 13 && altHeld()) return false;
    if (keys[code]) return true;
    // The keypad's Enter and the right-hand Shift and Control count as the same keys.
    if (virtualKey == 13) return keys[SDL_SCANCODE_KP_ENTER] != 0;
    if (virtualKey == 16) return keys[SDL_SCANCODE_RSHIFT] != 0;
    if (virtualKey == 17) return keys[SDL_SCANCODE_RCTRL] != 0;
    return false;
}

bool sdlJoystickRead(int id, JoystickReading& out) {
    const Device& device = devices[id];
    if (!device.joystick || !SDL_JoystickGetAttached(device.joystick)) return false;
    out = JoystickReading{};
    if (SDL_GameController* pad = device.controller) {
        out.x = axisToWord(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        out.y = axisToWord(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
        // The cross steers like the stick pushed all the way.
        if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) out.x = 0;
        if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) out.x = 0xFFFF;
        if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP)) out.y = 0;
        if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) out.y = 0xFFFF;
        for (size_t i = 0; i < std::size(kPadNumbering); ++i) {
            if (SDL_GameControllerGetButton(pad, kPadNumbering[i])) out.buttons |= 1u << i;
        }
        return true;
    }
    SDL_Joystick* joystick = device.joystick;
    if (SDL_JoystickNumAxes(joystick) >= 2) {
        out.x = axisToWord(SDL_JoystickGetAxis(joystick, 0));
        out.y = axisToWord(SDL_JoystickGetAxis(joystick, 1));
    }
    // Pads whose cross is a hat steer like a stick.
    if (SDL_JoystickNumHats(joystick) > 0) {
        Uint8 hat = SDL_JoystickGetHat(joystick, 0);
        if (hat & SDL_HAT_LEFT) out.x = 0;
        if (hat & SDL_HAT_RIGHT) out.x = 0xFFFF;
        if (hat & SDL_HAT_UP) out.y = 0;
        if (hat & SDL_HAT_DOWN) out.y = 0xFFFF;
    }
    int buttons = std::min(SDL_JoystickNumButtons(joystick), 32);
    for (int i = 0; i < buttons; ++i) {
        if (SDL_JoystickGetButton(joystick, i)) out.buttons |= 1u << i;
    }
    return true;
}
