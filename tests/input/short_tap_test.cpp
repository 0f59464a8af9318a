// Short taps: a key pressed and let go between two polls (both its events arriving in the pumps of
// one frame) still reads as down in the next poll, for that one poll only.
#include <gtest/gtest.h>

#include "input/input.h"
#include "platform/platform.h"

namespace {

class ShortTaps : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platformOpen(Backend::Headless));
        platformScriptKeys(false);
        resetInputState();
        inputDevices = InputDevices{};  // the platform's own keyboard, taps included
    }
    void TearDown() override { platformClose(); }

    // The frame loop's order: the poll, then the pumps of the frame (two of them).
    int frame() {
        pollInput();
        const int seen = input.buttons[kButtonEnter].state;
        platformPumpEvents();
        platformPumpEvents();
        return seen;
    }
};

TEST_F(ShortTaps, ATapBetweenTwoPollsIsPressedForOnePoll) {
    EXPECT_EQ(frame(), 0);
    platformKeyEvent(13, true);
    platformKeyEvent(13, false);
    // The tap came in after the frame's last pump; the pumps of the next frame run after its poll.
    EXPECT_EQ(frame(), 2);
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(frame(), 0);

    // A tap in the first pump of a frame survives the second pump and is seen by the next poll.
    pollInput();
    platformPumpEvents();
    platformKeyEvent(13, true);
    platformKeyEvent(13, false);
    platformPumpEvents();
    EXPECT_EQ(frame(), 2);
    EXPECT_EQ(frame(), 0);
}

TEST_F(ShortTaps, EveryKeyTappedIsSeenAndAKeyNobodyReadIsForgottenAfterOnePoll) {
    platformKeyEvent(65, true);  // A
    platformKeyEvent(65, false);
    platformKeyEvent(90, true);  // Z, which no button polls
    platformKeyEvent(90, false);
    platformKeyEvent(65, true);  // A again within the same frame counts once
    pollInput();
    EXPECT_EQ(input.buttons[kButtonTurnLeft].state, 2);
    EXPECT_EQ(input.buttons[kButtonTurnRight].state, 0);
    EXPECT_EQ(keyIsDown(90), 1);  // read in the same frame as the poll: the game's Z test
    platformPumpEvents();
    pollInput();
    EXPECT_EQ(input.buttons[kButtonTurnLeft].state, 0);
    EXPECT_EQ(keyIsDown(90), 0);
}

TEST_F(ShortTaps, AnInputScriptAloneDecidesWhatIsDown) {
    const int enter = 13;
    platformScriptKeys(true, nullptr, 0);
    platformKeyEvent(enter, true);
    EXPECT_EQ(frame(), 0);
    platformScriptKeys(true, &enter, 1);
    EXPECT_EQ(frame(), 2);
    platformScriptKeys(false);
}

}  // namespace
