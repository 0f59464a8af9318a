// The opening's and the title's pictures hold what their scenes read: the scroll's rows under
// every roll, the brush masks' paint under every strip the brush takes, and a sky whose copies
// meet without a seam.
#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "gfx/surface.h"

namespace {

Surface picture(const std::string& name) {
    Surface s;
    EXPECT_TRUE(platformLoadBitmap((std::string(YOMOGI_GAME_DIR) + "/bmp/" + name + ".bmp").c_str(), s)) << name;
    return s;
}

constexpr uint32_t kBlackPixel = 0, kStroke = 0x010000;

}  // namespace

TEST(FrontDoorPictures, TheScrollHoldsPaperUnderEveryRowTheRollsAndTheBodyRead) {
    const Surface scroll = picture("scroll3");
    ASSERT_EQ(scroll.width, 228);
    ASSERT_EQ(scroll.height, 738);
    // With the cursor anywhere (0..90 pixels rolled), the rolls and the body read rows 40..524
    // through the label columns; none of those pixels may be the key (a hole in the paper).
    for (int y = 40; y <= 524; ++y)
        for (int x = 30; x < 186; ++x) ASSERT_NE(scroll.row(y)[x], kBlackPixel) << x << "," << y;
    // Beside the mounting the scroll is keyed, so that the rod's gilded ends show there.
    for (int y = 40; y <= 524; ++y) {
        for (int x = 0; x < 14; ++x) ASSERT_EQ(scroll.row(y)[x], kBlackPixel) << x << "," << y;
        for (int x = 202; x < 210; ++x) ASSERT_EQ(scroll.row(y)[x], kBlackPixel) << x << "," << y;
    }
}

TEST(FrontDoorPictures, EveryStripTheBrushTakesCarriesPaint) {
    const int width[16] = {65, 94, 82, 94, 84, 84, 70, 100, 70, 84, 64, 88, 57, 76, 58, 85};
    const int start[16] = {58, -5, 95, 14, 110, 32, 110, 37, 136, 64, 152, 90, 172, 116, 193, 133};
    for (int progress = 1; progress < 100; ++progress) {
        const int i = static_cast<int>(progress / 6.25);
        const int within = progress - static_cast<int>(i * 6.25);
        const int speed = static_cast<int>(width[i] / 6.25 * (i % 2 == 0 ? -1 : 1));
        const Surface mask = picture("hude/hude" + std::to_string(i + 1));
        ASSERT_EQ(mask.width, 230);
        ASSERT_EQ(mask.height, 190);
        long inside = 0, painted = 0;
        for (int x = start[i] + speed * within; x < start[i] + speed * within + std::abs(speed); ++x) {
            if (x < 0 || x >= 230) continue;
            for (int y = 0; y < 190; ++y) {
                ++inside;
                painted += mask.row(y)[x] == kStroke;
            }
        }
        // A brush leaves dry streaks and a tapered head and tail, but most of its strip is paint.
        EXPECT_GT(painted * 10, inside * 8) << "stroke " << i + 1 << " at progress " << progress;
    }
}

TEST(FrontDoorPictures, TheSkysCopiesMeetWithoutASeam) {
    // The sky is drawn twice side by side and its right half once more over the left quarter of
    // one copy: below the stars and clouds it repeats every 40 columns, so the copies meet
    // without a step in the hills.
    for (const char* name : {"bg", "bg2"}) {
        const Surface sky = picture(name);
        ASSERT_EQ(sky.width, 320);
        ASSERT_EQ(sky.height, 200);
        for (int y = 160; y < 200; ++y)
            for (int x = 0; x < 280; ++x) ASSERT_EQ(sky.row(y)[x], sky.row(y)[x + 40]) << name << " " << x << "," << y;
    }
}
