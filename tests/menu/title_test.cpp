// The title's menu rules frame by frame, its band blend and its brush painting.
#include <gtest/gtest.h>

#include <set>

#include "app/app.h"
#include "audio/audio.h"
#include "input/input.h"
#include "menu/credits.h"
#include "menu/options.h"
#include "menu/title.h"
#include "menu/title_state.h"
#include "menu/world_select.h"

namespace {

std::set<int> keysDown;

class TitleTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        display.width = 640;
        display.height = 480;
        display.mode = 2;
        input = InputState{};
        audio = AudioState{};
        keysDown.clear();
        saved = inputDevices;
        inputDevices.keyDown = [](int key) { return keysDown.count(key) > 0; };
        state = TitleState{};
        state.openingFadeDone = 1;  // back from the options: no scenery
        title = &state;
    }
    void TearDown() override {
        title = nullptr;
        opening = OpeningState{};
        inputDevices = saved;
        resetAppState();
    }
    // One update with the given buttons pressed this frame.
    bool update(std::initializer_list<int> pressedButtons = {}) {
        for (Button& b : input.buttons) b.state = 0;
        for (int b : pressedButtons) input.buttons[b].state = 2;
        audio.soundRequest = 0;
        return titleUpdate();
    }
    TitleState state;
    InputDevices saved;
};

SurfacePtr flatSurface(int w, int h, uint32_t pixel) {
    auto s = std::make_unique<Surface>();
    s->width = w;
    s->height = h;
    s->pixels.assign(static_cast<size_t>(w) * h, pixel);
    return s;
}

}  // namespace

TEST_F(TitleTest, TheCursorStopsAtBothEndsAndOnlyAMovePlaysItsSound) {
    EXPECT_FALSE(update({kButtonMenuUp}));  // at PUZZLE, Up goes nowhere
    EXPECT_EQ(state.cursor, 0);
    EXPECT_EQ(audio.soundRequest, 0);
    for (int frame = 0; frame < 30; ++frame) update();
    EXPECT_FALSE(update({kButtonMenuDown}));
    EXPECT_EQ(state.cursor, 1);
    EXPECT_EQ(audio.soundRequest, 5);
    EXPECT_EQ(state.pulsePhase, 32);
    EXPECT_EQ(state.pictureFade, 100);
    EXPECT_EQ(state.textCounter, 2);  // reset, then this frame's step

    // Up and Down together: Down would be allowed, so the move's resets and sound happen, but
    // the cursor stays.
    for (int frame = 0; frame < 10; ++frame) update();
    state.pictureFade = 40;
    EXPECT_FALSE(update({kButtonMenuUp, kButtonMenuDown}));
    EXPECT_EQ(state.cursor, 1);
    EXPECT_EQ(audio.soundRequest, 5);
    EXPECT_EQ(state.textCounter, 2);
    EXPECT_EQ(state.pictureFade, 40);  // only set when it had run out

    update({kButtonMenuDown});
    update({kButtonMenuDown});
    EXPECT_EQ(state.cursor, 3);
    update();
    const short text = state.textCounter;
    EXPECT_FALSE(update({kButtonMenuDown}));  // at END, Down goes nowhere and nothing resets
    EXPECT_EQ(state.cursor, 3);
    EXPECT_EQ(audio.soundRequest, 0);
    EXPECT_EQ(state.textCounter, text + 2);

    // While a fade runs the cursor does not move.
    app.overlayStep = fadeStep;
    EXPECT_FALSE(update({kButtonMenuUp}));
    EXPECT_EQ(state.cursor, 3);
}

TEST_F(TitleTest, TheFirstEnterBeforeTheScrollIsDownBringsItTheNextStartsTheFade) {
    opening.records = newOpeningRecords("no-such-titledata.txt");
    state.scenery = std::move(opening.records);
    state.fromOpening = 1;
    state.openingFadeDone = 0;
    update();
    EXPECT_FALSE(update({kButtonEnter}));
    EXPECT_EQ(audio.soundRequest, 1);
    EXPECT_EQ(state.scrollDrop, 339);
    EXPECT_EQ(state.entered, 1);
    EXPECT_EQ(app.overlayStep, nullptr);
    EXPECT_EQ(state.openingFadeCounter, 2);

    EXPECT_FALSE(update({kButtonEnter}));
    EXPECT_EQ(app.overlayStep, startFade);
    app.overlayStep();  // the frame runs the fade
    EXPECT_EQ(app.overlayStep, fadeStep);
    EXPECT_FALSE(update({kButtonEnter}));  // a second Enter while it runs changes nothing
    EXPECT_EQ(app.overlayStep, fadeStep);
    EXPECT_EQ(state.waiting, 1);
}

TEST_F(TitleTest, EachEntryLeadsToItsSceneAndEndOrEscapeEndTheProgram) {
    const Procedure expected[3] = {selectEntry, creditsEntry, optionsEntry};
    for (int cursor = 0; cursor < 4; ++cursor) {
        state = TitleState{};
        state.openingFadeDone = 1;
        state.cursor = static_cast<uint8_t>(cursor);
        app.fadeState = 1;
        EXPECT_TRUE(update());
        EXPECT_EQ(app.quitRequested, cursor == 3 ? 1 : 0);
        app.sceneStep = titleStep;
        titleLeave();
        EXPECT_EQ(app.sceneStep, cursor < 3 ? expected[cursor] : nullptr) << cursor;
        title = &state;
    }

    // Escape ends it while waiting, and its Leave leaves the scene slot empty.
    state = TitleState{};
    state.openingFadeDone = 1;
    app.fadeState = 2;
    app.quitRequested = 0;
    EXPECT_FALSE(update());
    keysDown.insert(27);
    EXPECT_TRUE(update());
    EXPECT_EQ(app.quitRequested, 1);
    EXPECT_EQ(state.waiting, 1);
    app.sceneStep = titleStep;
    titleLeave();
    EXPECT_EQ(app.sceneStep, nullptr);
    keysDown.clear();
    title = &state;
    EXPECT_FALSE(update());
    EXPECT_EQ(app.quitRequested, 0);  // let go, the flag falls again
}

TEST(BandBlend, BandsFadeByTheStepAndStopBelowOne) {
    auto src = flatSurface(4, 12, 0xFFFFFF);
    auto dst = flatSurface(4, 13, 0x000000);
    // 12 / 3 = 4 bands from row 0, one row lower on the destination: 300 (capped at 255), 200,
    // 100, then 0 stops.
    bandBlend(dst.get(), src.get(), 0, 3, 4, 12, 300, 100, 1);
    const uint32_t expected[13] = {0,        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC8C8C8, 0xC8C8C8, 0xC8C8C8,
                                   0x646464, 0x646464, 0x646464, 0,        0,        0};
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(dst->row(row)[0], expected[row]) << row;
        EXPECT_EQ(dst->row(row)[3], expected[row]) << row;
    }
    // A start below 1 draws nothing; a band past the source's end is clipped, not read.
    auto untouched = flatSurface(4, 13, 0x000000);
    bandBlend(untouched.get(), src.get(), 0, 3, 4, 12, 0, 10, 0);
    bandBlend(untouched.get(), src.get(), 11, 3, 4, 12, 50, 10, 0);
    EXPECT_EQ(untouched->row(10)[0], 0u);
    EXPECT_EQ(untouched->row(11)[0], 0x323232u);
}

TEST_F(TitleTest, TheBrushPaintsThePictureInStripByStrip) {
    constexpr uint32_t kPicture = 0x4080C0, kBackdrop = 0x102030;
    app.backBuffer = flatSurface(640, 480, kBackdrop);
    state.work = flatSurface(640, 480, 0);
    state.pictures.push_back(flatSurface(230, 190, kPicture));
    for (int i = 1; i < kTitleEntries; ++i) state.pictures.push_back(flatSurface(230, 190, 0x808080));
    for (int i = 0; i < 16; ++i) state.pictures.push_back(flatSurface(230, 190, 0x010000));  // all stroke
    const int top = 42, screenY = top + 168 + 50;
    auto shown = [&](int column) { return app.backBuffer->row(screenY)[314 + column]; };

    paintPicture(top);  // progress 1: stroke 0, its first strip, columns 48..57
    EXPECT_EQ(state.brushProgress, 1);
    EXPECT_EQ(shown(47), kBackdrop);
    EXPECT_EQ(shown(48), kPicture);
    EXPECT_EQ(shown(57), kPicture);
    EXPECT_EQ(shown(58), kBackdrop);
    for (int i = 0; i < 6; ++i) paintPicture(top);  // stroke 0 done leftwards, stroke 1 begins
    EXPECT_EQ(state.brushProgress, 7);
    EXPECT_EQ(shown(0), kPicture);
    EXPECT_EQ(shown(24), kPicture);  // stroke 1's first strip: columns 10..24
    EXPECT_EQ(shown(60), kBackdrop);
    for (int i = 0; i < 200; ++i) paintPicture(top);
    EXPECT_EQ(state.brushProgress, 100);
    EXPECT_EQ(shown(0), kPicture);
    EXPECT_EQ(shown(223), kPicture);
    EXPECT_EQ(shown(224), kBackdrop);  // no stroke reaches the last six columns

    // A cursor move fades the old picture out before the new one is painted.
    app.backBuffer = flatSurface(640, 480, 0);
    state.pictureFade = 50;
    state.brushProgress = 0;
    state.cursor = 1;
    paintPicture(top);
    EXPECT_EQ(state.pictureFade, 49);
    EXPECT_EQ(state.brushProgress, 0);
    EXPECT_EQ(shown(100), 0x1F3E5Eu);  // the old picture at 49 %
}
