// The frame's pacing on the virtual clock: the absolute 34 ms schedule, late frames, the
// one-second figures, presentation and clearing.
#include "app/frame_fixture.h"

#include <cmath>

namespace {

uint32_t pixelAt(const Surface& s, int x, int y) { return s.row(y)[x]; }

void paintBackBuffer(uint32_t pixel) {
    std::fill(app.backBuffer->pixels.begin(), app.backBuffer->pixels.end(), pixel);
}

}  // namespace

TEST_F(FrameTest, FrameOnTimeIsShownAndTheBackBufferCleared) {
    paintBackBuffer(0x123456);
    EXPECT_EQ(presentFrame(), 1);  // the first second shows +1
    EXPECT_EQ(app.framePresented, 1);
    EXPECT_EQ(programClock(), 34);  // the wait ends at the deadline
    EXPECT_EQ(app.frameDeadline, 68);
    ASSERT_NE(platformLastFrame(), nullptr);
    EXPECT_EQ(pixelAt(*platformLastFrame(), 639, 479), 0x123456u);
    EXPECT_EQ(pixelAt(*app.backBuffer, 0, 0), 0u);
    EXPECT_EQ(pixelAt(*app.backBuffer, 639, 479), 0u);
}

TEST_F(FrameTest, FrameEndingExactlyAtItsDeadlineIsLate) {
    paintBackBuffer(0x123456);
    platformAdvanceClock(34);
    EXPECT_EQ(presentFrame(), -1);
    EXPECT_EQ(app.framePresented, 0);
    EXPECT_EQ(platformLastFrame(), nullptr);  // nothing shown
    EXPECT_EQ(pixelAt(*app.backBuffer, 5, 5), 0x123456u);  // not cleared: the next frame draws over it
    EXPECT_EQ(app.frameDeadline, 68);  // the schedule does not move
    // One millisecond to spare is on time.
    platformAdvanceClock(67 - programClock());
    EXPECT_EQ(presentFrame(), 1);
    EXPECT_EQ(programClock(), 68);
}

TEST_F(FrameTest, OneSecondFiguresCountShownAndLateFrames) {
    // Frames 1..29 end at 34..986 ms, all in the first period.
    for (int frame = 1; frame <= 29; ++frame) EXPECT_EQ(presentFrame(), 1) << frame;
    // Frame 30 ends at 1020 ms: the period closes with 29 frames run and shown.
    EXPECT_EQ(presentFrame(), 29);
    EXPECT_EQ(app.lastStepped, 29);
    EXPECT_EQ(app.nextSecond, 2000);
    // Frames 30..58 make the second period (frame 58 ends at 1972 ms); three come late.
    for (int frame = 31; frame <= 58; ++frame) {
        if (frame % 10 == 5) {
            platformAdvanceClock(app.frameDeadline - programClock() + 5);
            EXPECT_EQ(presentFrame(), -29) << frame;  // late: the figure negated
            EXPECT_EQ(app.framePresented, 0);
        } else {
            EXPECT_EQ(presentFrame(), 29) << frame;
        }
    }
    // Frame 59 ends at 2006 ms and closes the second period: 29 run, 26 shown.
    EXPECT_EQ(presentFrame(), 26);
    EXPECT_EQ(app.lastStepped, 29);
    EXPECT_EQ(app.lastShown, 26);
}

TEST_F(FrameTest, AfterAStallFramesRunBackToBackUntilTheScheduleCatchesUp) {
    for (int frame = 1; frame <= 5; ++frame) presentFrame();
    int64_t deadline = app.frameDeadline;  // 204
    platformAdvanceClock(5000);
    int64_t stalledUntil = programClock();  // 5170
    int lateFrames = 0;
    for (;;) {
        presentFrame();
        if (app.framePresented == 1) break;
        ++lateFrames;
        ASSERT_LT(lateFrames, 1000);
    }
    EXPECT_EQ(lateFrames, (stalledUntil - deadline) / 34 + 1);
    EXPECT_EQ(programClock(), app.frameDeadline - 34);
    // The one-second figures catch up by one period per frame: the first period closes with
    // the five frames shown before the stall, then empty periods count -1.
    EXPECT_EQ(app.nextSecond, 6000);
}

TEST_F(FrameTest, FiguresOfEmptyPeriodsAreMinusOne) {
    presentFrame();
    platformAdvanceClock(3000);  // clock 3034
    EXPECT_EQ(presentFrame(), -1);  // late; closes the first period (1 run, 1 shown)
    EXPECT_EQ(app.lastShown, 1);
    EXPECT_EQ(app.framePresented, 0);
    // The second period saw one frame run and none shown: its figure is -1, and a late frame
    // negates it.
    EXPECT_EQ(presentFrame(), 1);
    EXPECT_EQ(app.lastShown, -1);
    EXPECT_EQ(app.lastStepped, 1);
}

TEST(Display, FullScreenRefusedFallsBackToTheWindow) {
    resetAppState();
    ASSERT_TRUE(platformOpen(Backend::Headless));
    platformRefuseFullScreen(true);
    setDisplay(480, 210, 640, 480, 2, "yomogi");
    EXPECT_EQ(display.mode, 0);
    EXPECT_EQ(display.width, 640);
    EXPECT_STREQ(display.windowTitle, "yomogi");
    EXPECT_EQ(display.borderless, 0);
    platformRefuseFullScreen(false);
    setDisplay(480, 210, 640, 480, 2, "yomogi");
    EXPECT_EQ(display.mode, 2);
    // An empty title asks for a window without frame; other modes only store their values.
    setDisplay(10, 20, 320, 200, 5, "");
    EXPECT_EQ(display.mode, 5);
    EXPECT_EQ(display.x, 10);
    EXPECT_EQ(display.borderless, 1);
    // The title keeps at most 103 bytes.
    std::string longTitle(300, 'x');
    setDisplay(0, 0, 640, 480, 0, longTitle.c_str());
    EXPECT_EQ(std::string(display.windowTitle).size(), 103u);
    platformClose();
    resetAppState();
}

TEST(Tables, SineAndCosineOfWholeDegrees) {
    EXPECT_FLOAT_EQ(sinTable[0], 0.0f);
    EXPECT_FLOAT_EQ(sinTable[90], 1.0f);
    EXPECT_FLOAT_EQ(cosTable[0], 1.0f);
    EXPECT_FLOAT_EQ(cosTable[180], -1.0f);
    EXPECT_EQ(sinTable[30], static_cast<float>(std::sin(30 * 3.14159265358979 / 180.0)));
    EXPECT_EQ(cosTable[359], static_cast<float>(std::cos(359 * 3.14159265358979 / 180.0)));
    // pi is the game's own 3.14159265358979: cos 90 is a tiny positive number, not zero.
    EXPECT_GT(cosTable[90], 0.0f);
    EXPECT_LT(cosTable[90], 1e-6f);
}

TEST(Random, SequenceOfTheProgramGenerator) {
    seedRandom(1);
    std::vector<int> draws;
    for (int i = 0; i < 6; ++i) draws.push_back(nextRandom());
    EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724}));
    seedRandom(0);
    EXPECT_EQ(nextRandom(), 38);
    // The state wraps modulo 2^32 and every draw stays in 0..32767.
    seedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int value = nextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
    seedRandom(12345);
    int first = nextRandom();
    seedRandom(12345);
    EXPECT_EQ(nextRandom(), first);
}
