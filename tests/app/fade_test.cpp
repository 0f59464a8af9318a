// The screen fade through whole frames: timeline, holding, and scenes asking for it.
#include "app/frame_fixture.h"

namespace {

struct FadeFrame {
    int level, state, on;
    uint32_t shownPixel;
};

int sceneFrame = 0;
int holdFrames = 0;  // frames to hold at black, 0 = do not hold
int heldSoFar = 0;

// A scene that asks for a fade in its first frame, paints the screen white every frame and, when
// asked to, holds the fade at black for a while.
void fadingScene() {
    if (sceneFrame == 0 && app.overlayStep == nullptr) app.overlayStep = startFade;
    if (holdFrames > 0) {
        if (app.fadeState == 1) {
            app.fadeRun = 0;
            heldSoFar = 0;
        }
        if (heldSoFar >= 0 && app.fadeRun == 0 && ++heldSoFar > holdFrames) {
            app.fadeRun = 1;
            heldSoFar = -1;
        }
    }
    ++sceneFrame;
    std::fill(app.backBuffer->pixels.begin(), app.backBuffer->pixels.end(), 0xFFFFFFu);
}

void askFade() {
    if (app.overlayStep == nullptr) app.overlayStep = startFade;
}

// Two scenes' worth of asking in one frame.
void twoAskingScene() {
    askFade();
    askFade();
}

class FadeTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        sceneFrame = 0;
        holdFrames = 0;
        heldSoFar = -1;
    }
    FadeFrame step() {
        frameStep();
        const Surface* shown = platformLastFrame();
        return {app.fadeLevel, app.fadeState, app.overlayStep != nullptr ? 1 : 0,
                shown ? shown->row(240)[320] : 0xDEADu};
    }
};

}  // namespace

TEST_F(FadeTest, TimelineFrameByFrame) {
    app.sceneStep = fadingScene;
    std::vector<FadeFrame> frames;
    for (int k = 0; k <= 104; ++k) frames.push_back(step());
    EXPECT_EQ(frames[0].level, 0);
    EXPECT_EQ(frames[0].state, 0);  // started in this frame
    EXPECT_EQ(frames[0].on, 1);
    for (int k = 1; k <= 50; ++k) {
        EXPECT_EQ(frames[k].level, 2 * k) << k;
        EXPECT_EQ(frames[k].state, k == 35 ? 3 : 4) << k;
    }
    EXPECT_EQ(frames[51].level, 100);
    EXPECT_EQ(frames[51].state, 1);  // fully black, for this one frame only
    for (int k = 52; k <= 101; ++k) {
        EXPECT_EQ(frames[k].level, 100 - 2 * (k - 51)) << k;
        EXPECT_EQ(frames[k].state, k == 66 ? 3 : 4) << k;
        EXPECT_EQ(frames[k].on, 1) << k;
    }
    EXPECT_EQ(frames[101].level, 0);
    EXPECT_EQ(frames[102].level, 0);
    EXPECT_EQ(frames[102].state, 2);
    EXPECT_EQ(frames[102].on, 0);
    EXPECT_EQ(frames[104].state, 2);

    // What the frames showed: white under the fade at trunc(level * 2.5) of 255.
    EXPECT_EQ(frames[0].shownPixel, 0xFFFFFFu);
    uint32_t black = frames[51].shownPixel & 0xFF;
    EXPECT_LE(black, 6u);  // opacity 250 of 255
    uint32_t half = frames[25].shownPixel & 0xFF;  // level 50, opacity 125
    EXPECT_GT(half, 120u);
    EXPECT_LT(half, 140u);
    EXPECT_EQ(frames[102].shownPixel, 0xFFFFFFu);  // the fade is no longer drawn
    EXPECT_EQ(frames[103].shownPixel, 0xFFFFFFu);
}

TEST_F(FadeTest, HoldingAtBlackKeepsTheLevelAndReadsFour) {
    app.sceneStep = fadingScene;
    holdFrames = 40;
    std::vector<FadeFrame> frames;
    for (int k = 0; k <= 200; ++k) frames.push_back(step());
    EXPECT_EQ(frames[51].state, 1);
    // Held from frame 52: level 100, state 4, the overlay on.
    for (int k = 52; k <= 51 + holdFrames; ++k) {
        EXPECT_EQ(frames[k].level, 100) << k;
        EXPECT_EQ(frames[k].state, 4) << k;
        EXPECT_EQ(frames[k].on, 1) << k;
        EXPECT_LE(frames[k].shownPixel & 0xFF, 6u) << k;
    }
    // Released in the scene step of frame 92: the level moves on in that frame's fade step.
    int released = 52 + holdFrames;
    EXPECT_EQ(frames[released].level, 98);
    EXPECT_EQ(frames[released + 49].level, 0);
    EXPECT_EQ(frames[released + 49].state, 4);
    EXPECT_EQ(frames[released + 50].state, 2);
    EXPECT_EQ(frames[released + 50].on, 0);
}

TEST_F(FadeTest, HoldingAtSeventyReadsThree) {
    startFade();
    for (int k = 1; k <= 35; ++k) fadeStep();
    ASSERT_EQ(app.fadeLevel, 70);
    app.fadeRun = 0;
    for (int k = 0; k < 10; ++k) {
        fadeStep();
        EXPECT_EQ(app.fadeLevel, 70);
        EXPECT_EQ(app.fadeState, 3);
    }
    // Any other held level reads 4.
    app.fadeLevel = 42;
    fadeStep();
    EXPECT_EQ(app.fadeState, 4);
}

TEST_F(FadeTest, SecondAskInTheSameFrameOrLaterDoesNotRestart) {
    app.sceneStep = twoAskingScene;
    FadeFrame first = step();
    EXPECT_EQ(first.level, 0);
    EXPECT_EQ(first.state, 0);
    for (int k = 1; k <= 20; ++k) step();
    // The scene asks again every frame; the running fade goes on.
    EXPECT_EQ(app.fadeLevel, 40);
    EXPECT_EQ(app.overlayStep, fadeStep);
}

TEST_F(FadeTest, DrawFadeOnlyWhileTheFadeRuns) {
    std::fill(app.backBuffer->pixels.begin(), app.backBuffer->pixels.end(), 0xFFFFFFu);
    app.fadeLevel = 100;
    app.overlayStep = startFade;  // asked for, not yet running
    drawFade();
    EXPECT_EQ(app.backBuffer->row(0)[0], 0xFFFFFFu);
    app.overlayStep = fadeStep;
    drawFade();
    EXPECT_LE(app.backBuffer->row(0)[0] & 0xFF, 6u);
    // Only the 640 x 480 area at the origin.
    EXPECT_LE(app.backBuffer->row(479)[639] & 0xFF, 6u);
}
