// The SDL backend itself, on SDL's dummy video driver (named in SDL_VIDEODRIVER, as the test
// environment does): a game controller read with the usual pad numbering, its cross and stick
// steering, unplugging; keyboard events from the pump (a tap, the window keys); and no window
// without a display. This program links SDL to make the devices and events the backend reads.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {

class SdlBackend : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(platformOpen(Backend::Sdl));
    }
    void TearDown() override { platformClose(); }
};

int toggles = 0, screenshots = 0;

void pushKey(SDL_Scancode code, bool down, Uint16 mod = KMOD_NONE) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = code;
    event.key.keysym.sym = SDL_GetKeyFromScancode(code);
    event.key.keysym.mod = mod;
    SDL_PushEvent(&event);
}

TEST_F(SdlBackend, AControllerHasTheUsualPadNumberingAndItsCrossAndStickSteer) {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    ASSERT_NE(pad, nullptr);
    platformPumpEvents();  // plugged in: the backend opens it afresh
    ASSERT_TRUE(SDL_IsGameController(index));

    // The virtual controller's buttons are SDL's controller buttons in SDL's order; each must come
    // out as the pad number the shipped key file expects (1 confirm, 2 back, 3 jump, 4 restart,
    // 5 and 6 the turns).
    const struct {
        SDL_GameControllerButton button;
        int number;
    } numbering[] = {
        {SDL_CONTROLLER_BUTTON_A, 1},          {SDL_CONTROLLER_BUTTON_B, 2},
        {SDL_CONTROLLER_BUTTON_X, 3},          {SDL_CONTROLLER_BUTTON_Y, 4},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 5}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 6},
        {SDL_CONTROLLER_BUTTON_BACK, 7},       {SDL_CONTROLLER_BUTTON_START, 8},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, 9},  {SDL_CONTROLLER_BUTTON_RIGHTSTICK, 10},
        {SDL_CONTROLLER_BUTTON_GUIDE, 11},
    };
    JoystickReading reading;
    for (const auto& n : numbering) {
        SDL_JoystickSetVirtualButton(pad, n.button, 1);
        platformPumpEvents();
        ASSERT_TRUE(platformJoystickRead(0, reading));
        EXPECT_EQ(reading.buttons, 1u << (n.number - 1)) << "pad button " << n.number;
        EXPECT_EQ(reading.x, 0x8000u);
        SDL_JoystickSetVirtualButton(pad, n.button, 0);
    }
    const struct {
        SDL_GameControllerButton button;
        uint32_t x, y;
    } cross[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, 0x8000},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0xFFFF, 0x8000},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, 0x8000, 0},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0x8000, 0xFFFF},
    };
    for (const auto& c : cross) {
        SDL_JoystickSetVirtualButton(pad, c.button, 1);
        platformPumpEvents();
        ASSERT_TRUE(platformJoystickRead(0, reading));
        EXPECT_EQ(reading.x, c.x);
        EXPECT_EQ(reading.y, c.y);
        EXPECT_EQ(reading.buttons, 0u);  // the cross is not a numbered button
        SDL_JoystickSetVirtualButton(pad, c.button, 0);
    }
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, 32767);
    platformPumpEvents();
    ASSERT_TRUE(platformJoystickRead(0, reading));
    EXPECT_EQ(reading.x, 0u);
    EXPECT_EQ(reading.y, 0xFFFFu);

    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    platformPumpEvents();
    EXPECT_FALSE(platformJoystickRead(0, reading));
}

TEST_F(SdlBackend, KeysFromThePumpATapAndTheWindowKeys) {
    toggles = screenshots = 0;
    PlatformHandlers handlers;
    handlers.toggleFullScreen = [] { ++toggles; };
    handlers.screenshotRequested = [] { ++screenshots; };
    platformSetHandlers(handlers);

    // Z tapped between two polls: down for the reads after that pump, up after the next.
    pushKey(SDL_SCANCODE_Z, true);
    pushKey(SDL_SCANCODE_Z, false);
    platformPumpEvents();
    EXPECT_TRUE(platformKeyDown(90));
    EXPECT_FALSE(platformKeyDown(65));
    platformPumpEvents();
    EXPECT_FALSE(platformKeyDown(90));

    pushKey(SDL_SCANCODE_F11, true);
    pushKey(SDL_SCANCODE_F11, false);
    pushKey(SDL_SCANCODE_RETURN, true, KMOD_LALT);  // Alt+Enter: the display, not the game's Enter
    pushKey(SDL_SCANCODE_RETURN, false, KMOD_LALT);
    pushKey(SDL_SCANCODE_F12, true);
    platformPumpEvents();
    EXPECT_EQ(toggles, 2);
    EXPECT_EQ(screenshots, 1);
    EXPECT_FALSE(platformKeyDown(13));
    platformSetHandlers({});
}

TEST(SdlBackendWithoutDisplay, RefusesToOpenAWindowNobodySees) {
    ::unsetenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display ? display : "";
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(platformOpen(Backend::Sdl));
    platformClose();
    if (display) ::setenv("DISPLAY", saved.c_str(), 1);
}

}  // namespace
