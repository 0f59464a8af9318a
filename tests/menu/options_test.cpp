// The options screen: the main page's entries, the joypad page's button search and swap, the
// label files, and the key file written on every way out.
#include <cstring>
#include <string>

#include "menu/menu_fixture.h"
#include "menu/options.h"
#include "menu/title.h"
#include "text/sjis.h"

namespace {

class OptionsTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        optionsScreenMode = 2;
    }
    void TearDown() override {
        if (optionsScreen) optionsLeave();
        MenuTest::TearDown();
    }
    int step() {
        const int result = optionPages.step();
        optionPages.draw();
        clearButtons();
        return result;
    }
    static void holdPadButtons(uint32_t mask) { fake.readings[0].buttons = mask; }
};

TEST_F(OptionsTest, WithoutAJoystickTheCursorPassesTheJoypadEntry) {
    optionsEntry();
    EXPECT_EQ(app.sceneStep, optionsStep);
    EXPECT_EQ(optionsScreen->opacity[0], 100);
    EXPECT_EQ(optionsScreen->opacity[1], 30);
    press(kButtonMenuDown);
    step();
    EXPECT_EQ(optionsScreen->cursor, 1);
    EXPECT_EQ(optionsScreen->opacity[0], 30);
    EXPECT_EQ(optionsScreen->opacity[1], 100);
    press(kButtonMenuDown);
    step();
    EXPECT_EQ(optionsScreen->cursor, 3);
    EXPECT_EQ(optionsScreen->opacity[3], 100);
    press(kButtonMenuDown);
    step();  // no wrap
    EXPECT_EQ(optionsScreen->cursor, 3);
    press(kButtonMenuUp);
    step();
    EXPECT_EQ(optionsScreen->cursor, 1);
    press(kButtonEnter);
    step();
    EXPECT_EQ(optionPages.step, mainPageStep);  // not on the joypad entry
}

TEST_F(OptionsTest, ScreenEntryTogglesFromFullScreenAndMusicSwitchesExactly) {
    optionsEntry();
    display.mode = 2;
    press(kButtonEnter);
    step();
    EXPECT_EQ(optionsScreenMode, 0);  // the first use always gives a window
    EXPECT_EQ(display.mode, 0);
    EXPECT_EQ(std::string(display.windowTitle), std::string(sj("ヨモギとユラユラの城")));
    press(kButtonEnter);
    step();
    EXPECT_EQ(display.mode, 2);

    press(kButtonMenuDown);
    step();
    audio.musicPlaying = 4;
    audio.musicRequest = 4;
    press(kButtonEnter);
    step();
    EXPECT_EQ(audio.musicEnabled, 0);
    EXPECT_EQ(audio.musicPlaying, 0);
    press(kButtonEnter);
    step();
    EXPECT_EQ(audio.musicEnabled, 1);
    EXPECT_EQ(audio.musicRequest, 1);
}

TEST_F(OptionsTest, BackFadesToTheTitleAndEveryWayOutWritesTheKeyFile) {
    optionsEntry();
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].padButton = static_cast<int8_t>(i % 4 + 1);
    press(kButtonMenuDown);
    step();
    press(kButtonMenuDown);
    step();
    press(kButtonEnter);
    EXPECT_EQ(step(), 0);
    EXPECT_EQ(app.overlayStep, startFade);
    press(kButtonMenuUp);
    step();  // a fade is running: the keys wait
    EXPECT_EQ(optionsScreen->cursor, 3);
    app.fadeState = 1;
    optionsStep();
    EXPECT_EQ(optionsScreen, nullptr);
    EXPECT_EQ(app.sceneStep, titleEntry);
    EXPECT_EQ(read("data/JoyKey.txt"), "1 2 3 4 1 2 3 4 1 2 3 4 1 ");

    // Quitting from the screen writes the file as well.
    app.fadeState = 2;
    app.overlayStep = nullptr;
    optionsEntry();
    input.buttons[kButtonEnter].padButton = 9;
    app.quitRequested = 1;
    optionsStep();
    EXPECT_EQ(optionsScreen, nullptr);
    EXPECT_EQ(read("data/JoyKey.txt"), "9 2 3 4 1 2 3 4 1 2 3 4 1 ");
}

TEST_F(OptionsTest, MissingOrShortLabelFilesKeepOurOwnLabels) {
    write("data/optiondata.txt", toShiftJis("がめん  おと\n"));
    std::filesystem::remove(root / "data/joykeystr.txt");
    optionsEntry();
    EXPECT_EQ(fromShiftJis(optionsScreen->labels[0]), "がめん");
    EXPECT_EQ(fromShiftJis(optionsScreen->labels[1]), "おと");
    EXPECT_EQ(fromShiftJis(optionsScreen->labels[3]), "タイトルへもどる");
    plugJoystick(0);
    input.joystickCount = enumerateJoysticks();
    joypadOpen();
    optionPages = {joypadPageStep, joypadPageDraw};
    EXPECT_EQ(fromShiftJis(joypadPage->labels[5]), "もどる");
    // A word too long for its label is cut to 254 bytes.
    joypadClose();
    write("data/joykeystr.txt", std::string(400, 'k') + " two");
    joypadOpen();
    EXPECT_EQ(std::strlen(joypadPage->labels[0]), 254u);
    EXPECT_STREQ(joypadPage->labels[1], "two");
}

TEST_F(OptionsTest, JoypadPageFindsTheLowestButtonSwapsRowsAndCopiesEveryFrame) {
    plugJoystick(0);
    input.joystickCount = enumerateJoysticks();
    const int pads[5] = {1, 2, 3, 4, 5};  // Enter, R, jump, A, D
    for (int row = 0; row < 5; ++row) input.buttons[kJoypadRowButtons[row]].padButton = static_cast<int8_t>(pads[row]);
    optionsEntry();
    for (int i = 0; i < 2; ++i) {
        press(kButtonMenuDown);
        step();
    }
    EXPECT_EQ(optionsScreen->cursor, 2);  // with a joystick the joypad entry is there
    press(kButtonEnter);
    step();
    ASSERT_EQ(optionPages.step, joypadPageStep);
    ASSERT_NE(joypadPage, nullptr);
    EXPECT_EQ(joypadPage->assignment[5], -1);

    // Button n is bit n - 1; button 0 is bit 31; the lowest held number wins.
    holdPadButtons(0);
    EXPECT_EQ(lowestPadButton(), 21);
    holdPadButtons(1u << 31 | 1u << 4);
    EXPECT_EQ(lowestPadButton(), 0);
    holdPadButtons(1u << 6 | 1u << 4);
    EXPECT_EQ(lowestPadButton(), 5);
    holdPadButtons(1u << 20);  // button 21 is beyond the search
    EXPECT_EQ(lowestPadButton(), 21);

    // Row 0 takes button 3, which row 2 had: row 2 takes row 0's old button 1.
    holdPadButtons(1u << 2);
    step();
    EXPECT_EQ(joypadPage->assignment[0], 3);
    EXPECT_EQ(joypadPage->assignment[2], 1);
    EXPECT_EQ(input.buttons[kButtonEnter].padButton, 3);
    EXPECT_EQ(input.buttons[kButtonJump].padButton, 1);
    // Button 0 given to row 1 (R).
    holdPadButtons(0);
    press(kButtonMenuDown);
    step();
    holdPadButtons(1u << 31);
    step();
    EXPECT_EQ(joypadPage->assignment[1], 0);
    EXPECT_EQ(input.buttons[kButtonRestart].padButton, 0);
    // On the way-back row buttons change nothing; Enter there goes back to the main page.
    holdPadButtons(0);
    for (int i = 0; i < 4; ++i) {
        press(kButtonMenuDown);
        step();
    }
    EXPECT_EQ(joypadPage->cursor, 5);
    holdPadButtons(1u << 3);
    step();
    EXPECT_EQ(joypadPage->assignment[5], -1);
    EXPECT_EQ(joypadPage->assignment[3], 4);
    input.buttons[kButtonTurnLeft].padButton = 7;  // the page puts its own assignment back
    step();
    EXPECT_EQ(input.buttons[kButtonTurnLeft].padButton, 4);
    press(kButtonEnter);
    step();
    EXPECT_EQ(optionPages.step, mainPageStep);
    EXPECT_EQ(joypadPage, nullptr);
}

}  // namespace
