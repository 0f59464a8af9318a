// The logo screen frame by frame.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "app/app.h"
#include "audio/audio.h"
#include "gfx/surface.h"
#include "input/input.h"
#include "menu/logo.h"
#include "menu/opening.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kBackground = 0x203060, kLogo = 0xE0C040, kLogoSecond = 0x40A040, kStamp = 0xF0F0F0,
                   kFlash = 0xFFF0D0;

// A sheet laid out as the logo expects, each part a flat colour on magenta.
SurfacePtr fixtureSheet() {
    auto sheet = std::make_unique<Surface>();
    sheet->width = 320;
    sheet->height = 700;
    sheet->pixels.assign(320 * 700, 0xFF00FF);
    auto fill = [&](int x, int y, int w, int h, uint32_t pixel) {
        for (int r = y; r < y + h; ++r)
            for (int c = x; c < x + w; ++c) sheet->row(r)[c] = pixel;
    };
    fill(0, 0, 200, 150, kLogo);
    fill(0, 150, 200, 150, kLogoSecond);
    fill(35, 20, 135, 20, kStamp);
    fill(0, 300, 320, 200, kBackground);
    fill(0, 500, 320, 200, kFlash);
    return sheet;
}

class LogoTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        ASSERT_TRUE(platformOpen(Backend::Headless));
        display.width = 640;
        display.height = 480;
        display.mode = 2;
        app.backBuffer = createScreenSurface();
        input = InputState{};
        state = LogoState{};
        state.sheet = fixtureSheet();
        logo = &state;
        app.frameRate = 29;
    }
    void TearDown() override {
        logo = nullptr;
        platformClose();
        resetAppState();
    }
    uint32_t screen(int x, int y) const { return app.backBuffer->row(y)[x]; }
    LogoState state;
};

}  // namespace

TEST_F(LogoTest, StampFliesInForTenStepsThenTheLogoShakesFifteen) {
    for (int step = 1; step <= 10; ++step) {
        EXPECT_FALSE(logoUpdate());
        EXPECT_EQ(state.stampX, -424 + 50 * step);
        EXPECT_EQ(state.stampY, -447 + 50 * step);
        EXPECT_EQ(state.stampW, 1175 - 100 * step);
        EXPECT_EQ(state.stampH, 1022 - 100 * step);
        EXPECT_EQ(state.landed, 0);
    }
    EXPECT_EQ(state.stampX, 76);
    EXPECT_EQ(state.stampY, 53);
    EXPECT_EQ(state.stampW, 175);
    EXPECT_EQ(state.stampH, 22);
    // Landing and the first shake step come in the same update.
    int expectedX = 30;
    for (int step = 1; step <= 15; ++step) {
        EXPECT_FALSE(logoUpdate());
        EXPECT_EQ(state.landed, 1);
        EXPECT_EQ(state.counter, step);
        expectedX += step % 2 == 1 ? -2 : 2;
        EXPECT_EQ(state.logoX, expectedX) << step;
        EXPECT_EQ(state.shaken, 0);
    }
    EXPECT_EQ(state.logoX, 28);  // an odd number of steps: 2 left of where it started
    EXPECT_EQ(state.stampX, 76);  // the stamp stays where it landed
    // Then the wait, up to 60.
    EXPECT_FALSE(logoUpdate());
    EXPECT_EQ(state.shaken, 1);
    EXPECT_EQ(state.counter, 16);
    for (int step = 0; step < 100; ++step) logoUpdate();
    EXPECT_EQ(state.counter, 60);
    EXPECT_EQ(state.logoX, 28);
}

TEST_F(LogoTest, NothingMovesWhileTheFrameFigureIsFiveOrLess) {
    input.buttons[kButtonEnter].state = 2;
    for (int figure : {1, -1, 5, -29}) {
        app.frameRate = figure;
        EXPECT_FALSE(logoUpdate()) << figure;  // Enter does not skip either
    }
    EXPECT_EQ(state.stampX, -424);
    EXPECT_EQ(state.counter, 0);
    app.frameRate = 6;
    EXPECT_TRUE(logoUpdate());
}

TEST_F(LogoTest, EnterSkipsAndTheFlashFinishes) {
    logoUpdate();
    input.buttons[kButtonEnter].state = 3;  // held, not pressed this frame
    EXPECT_FALSE(logoUpdate());
    input.buttons[kButtonEnter].state = 2;
    EXPECT_TRUE(logoUpdate());
    input.buttons[kButtonEnter].state = 0;
    state.flash = 89;
    EXPECT_FALSE(logoUpdate());
    state.flash = 90;
    EXPECT_TRUE(logoUpdate());
}

TEST_F(LogoTest, DrawShowsBackgroundLogoAndStamp) {
    state.landed = 1;
    logoDraw();
    EXPECT_EQ(screen(0, 0), kBackground);
    EXPECT_EQ(screen(639, 479), kBackground);
    // The logo at (60, 72), 520 x 408 on the screen: nothing of it beyond.
    EXPECT_EQ(screen(61, 73), kLogo);
    EXPECT_EQ(screen(579, 479), kLogo);
    EXPECT_EQ(screen(59, 200), kBackground);
    // The stamp where it lands.
    state.landed = 0;
    state.stampX = 76;
    state.stampY = 53;
    state.stampW = 175;
    state.stampH = 22;
    logoDraw();
    // The stamp's picture (35, 20, 135 x 20 of the sheet) fills its whole rectangle.
    EXPECT_EQ(screen(2 * 76 + 1, static_cast<int>(2.4 * 53) + 1), kStamp);
    state.landed = 1;
    state.shaken = 1;
    logoDraw();
    EXPECT_EQ(screen(2 * 76 + 1, static_cast<int>(2.4 * 53) + 1), kLogoSecond);
}

TEST_F(LogoTest, GrowZoomAndFlashAdvanceWithEveryDraw) {
    state.landed = state.shaken = 1;
    state.counter = 60;
    const int heights[] = {427, 446, 465, 484, 503, 522, 541, 560, 579, 598};
    const int tops[] = {64, 56, 48, 40, 32, 24, 16, 8, 0, -7};  // truncated toward zero
    for (int frame = 0; frame < 10; ++frame) {
        logoDraw();
        EXPECT_EQ(state.growX, 54 - 6 * frame);
        EXPECT_EQ(state.growW, 532 + 12 * frame);
        EXPECT_EQ(state.growH, heights[frame]) << frame;
        EXPECT_EQ(state.growY, tops[frame]) << frame;
        EXPECT_EQ(state.flash, 3 * (frame + 1));
        EXPECT_EQ(state.zoomX, 0);
    }
    EXPECT_EQ(state.growX, 0);
    for (int frame = 1; frame <= 29; ++frame) {
        logoDraw();
        EXPECT_EQ(state.zoomX, 3 * frame);
        EXPECT_EQ(state.zoomY, 150 + 2 * frame);
        EXPECT_EQ(state.zoomW, 200 - 6 * frame);
        EXPECT_EQ(state.zoomH, 122 - 4 * frame);
    }
    // The thirtieth zoom step reaches 90 and the zoom is put out of the picture.
    logoDraw();
    EXPECT_EQ(state.zoomX, 100);
    EXPECT_EQ(state.zoomY, 211);
    EXPECT_EQ(state.zoomW, 0);
    EXPECT_EQ(state.zoomH, 0);
    // The flash rises by 3 while it is at most 100, so it stops at 102.
    for (int frame = 0; frame < 20; ++frame) logoDraw();
    EXPECT_EQ(state.flash, 102);
    // At full flash the screen is the flash picture.
    fillBlack(app.backBuffer.get(), 0, 0, 640, 480);
    logoDraw();
    EXPECT_EQ(screen(320, 240), kFlash);
}

TEST_F(LogoTest, WholeScreenRunsAHundredFramesThenTheOpeningFollows) {
    // A game directory holding only the sheet.
    char pattern[] = "/tmp/yomogi-logo-XXXXXX";
    std::filesystem::path folder = ::mkdtemp(pattern);
    std::filesystem::create_directories(folder / "bmp");
    ASSERT_TRUE(platformSaveBitmap((folder / "bmp/TL4-1.bmp").c_str(), *fixtureSheet(), 320, 700));
    char here[PATH_MAX];
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(::chdir(folder.c_str()), 0);

    logo = nullptr;
    audio = AudioState{};
    logoEntry();
    EXPECT_EQ(audio.musicRequest, 1);
    EXPECT_EQ(app.sceneStep, logoStep);
    ASSERT_NE(logo, nullptr);
    ASSERT_NE(logo->sheet, nullptr);
    EXPECT_EQ(logo->sheet->width, 320);
    int frames = 0;
    while (app.sceneStep == logoStep && frames < 1000) {
        ++frames;
        app.sceneStep();
    }
    EXPECT_EQ(frames, 100);  // 10 flying, 15 shaking, 44 waiting, 30 growing and zooming, 1 leaving
    EXPECT_EQ(logo, nullptr);
    EXPECT_EQ(app.sceneStep, openingEntry);

    // Asked to quit, the logo leaves at once.
    logoEntry();
    app.quitRequested = 1;
    logoStep();
    EXPECT_EQ(logo, nullptr);

    ASSERT_EQ(::chdir(here), 0);
    std::filesystem::remove_all(folder);
}
