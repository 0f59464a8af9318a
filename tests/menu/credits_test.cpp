// The credits: the lengths of their stages, the title logo's fade, the roll, and Enter.
#include "menu/credits.h"
#include "menu/logo.h"
#include "menu/menu_fixture.h"

namespace {

class CreditsTest : public MenuTest {
protected:
    void TearDown() override {
        credits = nullptr;
        MenuTest::TearDown();
    }
    CreditsState state;
};

TEST_F(CreditsTest, StagesLast177And357UpdatesThenTheViewSinks141HalfPixels) {
    resetCredits(state);
    credits = &state;
    int changes[4] = {0, 0, 0, 0};
    short lowestFade = 0;
    int update = 0;
    for (update = 1; update <= 1200; ++update) {
        const short before = state.stage;
        ASSERT_FALSE(creditsUpdate());
        if (state.stage != before) changes[state.stage] = update;
        if (state.stage == kCreditsLogo) {
            if (state.fade < lowestFade) lowestFade = state.fade;
            // Once below 0 the title logo's fade has stopped for good.
            if (state.direction == -1) EXPECT_EQ(state.fade, -2);
        }
        if (update == 176) EXPECT_EQ(state.direction, -1);
    }
    EXPECT_EQ(changes[1], 177);        // -200 + 177 * 4.75 > 640
    EXPECT_EQ(changes[2], 177 + 356);  // 357 steps from x 640 to 283, the first in update 177
    EXPECT_EQ(changes[3], 533 + 140);  // 141 half pixels, the first in update 533
    EXPECT_EQ(lowestFade, -2);
    EXPECT_FLOAT_EQ(state.walkerX, 283);
    EXPECT_FLOAT_EQ(state.slopeY, 380 + 0.5f * 141);
    EXPECT_FLOAT_EQ(state.walkerY, 338 + 0.5f * 141);
    EXPECT_EQ(state.headTilt, 15);
    EXPECT_EQ(state.surpriseCount, 4);
    // The roll stopped once the last name had passed -38; "Ｅｎｄ" has risen to 239 and faded in.
    EXPECT_EQ(state.rows[6], -38);
    EXPECT_EQ(state.rows[0], 480 - (974 + 38));
    EXPECT_EQ(state.logoPass, 0);
    EXPECT_EQ(state.rows[14], 239);
    EXPECT_EQ(state.fade, 100);
    EXPECT_GT(state.wavePhase + state.bannerOpacity, 0);  // the banner is moving
}

TEST_F(CreditsTest, EnterEndsTheCreditsAtAnyStageAndLeadsToTheLogo) {
    creditsEntry();
    EXPECT_EQ(app.sceneStep, creditsStep);
    EXPECT_EQ(audio.musicRequest, 6);
    ASSERT_NE(credits, nullptr);
    for (int i = 0; i < 5; ++i) creditsStep();
    EXPECT_EQ(credits->stage, kCreditsLogo);
    press(kButtonEnter);
    creditsStep();
    EXPECT_EQ(credits, nullptr);
    EXPECT_EQ(app.sceneStep, logoEntry);
}

TEST_F(CreditsTest, TheEndFrameShowsTheClosingWord) {
    creditsEntry();
    for (int i = 0; i < 900; ++i) creditsStep();
    ASSERT_EQ(credits->stage, kCreditsEnd);
    // "Ｅｎｄ" at (206, 239): its first glyph cell is drawn from (216, 249), 55 pixels square.
    const Surface& screen = *app.backBuffer;
    int lit = 0;
    for (int y = 249; y < 304; ++y)
        for (int x = 216; x < 271; ++x) lit += (screen.row(y)[x] & 0xFF0000) > 0xC00000 ? 1 : 0;
    EXPECT_GT(lit, 100);
    creditsLeave();
}

}  // namespace
