// The menus' image-list builder and its decimal field reader.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "app/app.h"
#include "menu/image_list.h"
#include "platform/platform.h"
#include "text/sjis.h"

namespace {

constexpr uint32_t kFontBackground = 0x123456, kInk = 0xF0E0D0, kPicture = 0x3366AA;

// A font sheet whose background (its top-left pixel) is neither black nor magenta; the cell of
// "あ" holds ink, except its first glyph column, which is background.
SurfacePtr fixtureFont() {
    auto font = std::make_unique<Surface>();
    font->width = 320;
    font->height = 320;
    font->pixels.assign(320 * 320, kFontBackground);
    for (int y = 2; y <= 15; ++y)
        for (int x = 2; x <= 15; ++x) font->row(y)[x] = kInk;
    return font;
}

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        ASSERT_TRUE(platformOpen(Backend::Headless));
        display.width = 640;
        display.height = 480;
        display.mode = 2;
        previous = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() / ("yomogi_image_list_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "bmp");
        Surface picture;
        picture.width = 7;
        picture.height = 5;
        picture.pixels.assign(35, kPicture);
        ASSERT_TRUE(platformSaveBitmap((folder / "bmp/pic.bmp").c_str(), picture, 7, 5));
        std::filesystem::current_path(folder);
        font = fixtureFont();
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        platformClose();
        resetAppState();
    }
    std::filesystem::path folder, previous;
    SurfacePtr font;
};

}  // namespace

TEST(DecimalField, ReadsDigitsUpToTheStopAndRefusesWhatIsNoNumber) {
    EXPECT_EQ(readDecimalField("230,40", ','), 230);
    EXPECT_EQ(readDecimalField("17", ','), 17);       // the end stops it
    EXPECT_EQ(readDecimalField("9x,3", ','), 9);      // so does a non-digit
    EXPECT_EQ(readDecimalField("12;4", ';'), 12);     // any stop character
    EXPECT_EQ(readDecimalField("", ','), -1);
    EXPECT_EQ(readDecimalField(",12", ','), -1);
    EXPECT_EQ(readDecimalField("x12", ','), -1);
    EXPECT_EQ(readDecimalField("-5", ','), -1);
    EXPECT_EQ(readDecimalField(nullptr, ','), -1);
    EXPECT_EQ(readDecimalField("99999999999999999999", ','), INT_MAX);
}

TEST_F(ImageListTest, TextEntriesFillTheSizesFromTheEndAndPicturesAreCutAtTheirLineFeed) {
    std::string good = ">,60,40," + toShiftJis("あ");
    const char* strings[] = {good.c_str(), "pic\nleft over", ">,abc,30,x", "pic\r\n", ">,50,,y"};
    const char* text = strings[0];
    ImageSize sizes[4];
    sizes[0] = {-7, -7};  // below every text entry's index: left as it was
    testing::internal::CaptureStderr();
    auto surfaces = buildImageList(strings, sizes, 4, font.get());
    const std::string warnings = testing::internal::GetCapturedStderr();

    ASSERT_EQ(surfaces.size(), 5u);
    // The last text entry takes index 3, the one before it 2, the first 1.
    EXPECT_EQ(sizes[3].width, 32);  // height unreadable: the NULL entry
    EXPECT_EQ(sizes[3].height, 32);
    EXPECT_EQ(sizes[2].width, 32);  // width unreadable
    EXPECT_EQ(sizes[1].width, 60);
    EXPECT_EQ(sizes[1].height, 40);
    EXPECT_EQ(sizes[0].width, -7);

    EXPECT_EQ(warnings.find("width設定値エラー"), warnings.rfind("width設定値エラー")) << warnings;
    EXPECT_NE(warnings.find("width設定値エラー"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("height設定値エラー"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("警告"), std::string::npos) << warnings;

    // Pictures by name, whatever follows the line feed (and a CR before it).
    for (int i : {1, 3}) {
        ASSERT_EQ(surfaces[i]->width, 7) << i;
        EXPECT_EQ(surfaces[i]->height, 5);
        EXPECT_EQ(surfaces[i]->row(2)[3], kPicture);
    }
    EXPECT_STREQ(strings[1], "pic\nleft over");

    // The text entry: black, its glyph at (10, 10) in 19-pixel cells, keyed on the font's
    // top-left pixel, so the background column of the glyph stays black.
    const Surface& t = *surfaces[0];
    ASSERT_EQ(t.width, 60);
    ASSERT_EQ(t.height, 40);
    EXPECT_EQ(t.row(5)[5], 0u);
    EXPECT_EQ(t.row(12)[10], 0u);
    EXPECT_EQ(t.row(12)[12], kInk);
    EXPECT_EQ(t.row(28)[28], kInk);
    EXPECT_EQ(t.row(29)[29], 0u);
    // The caller's pointer is left at the entry's text.
    EXPECT_EQ(strings[0], text + 8);

    // NULL entries: 32 x 32 with the word drawn on them.
    for (int i : {2, 4}) {
        ASSERT_EQ(surfaces[i]->width, 32) << i;
        bool drawn = false;
        for (uint32_t p : surfaces[i]->pixels) drawn |= p != surfaces[i]->pixels[0];
        EXPECT_TRUE(drawn) << i;
    }
}

TEST_F(ImageListTest, MoreTextEntriesThanSizeRecordsStoreOnlyWhatFits) {
    const char* strings[] = {">,20,20,", ">,30,24,", ">,", ">,4096,10,"};
    ImageSize sizes[1];
    testing::internal::CaptureStderr();
    auto surfaces = buildImageList(strings, sizes, 1, font.get());
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sizes[0].width, 32);  // the last entry: its width is beyond any screen
    ASSERT_EQ(surfaces.size(), 4u);
    EXPECT_EQ(surfaces[0]->width, 20);
    EXPECT_EQ(surfaces[1]->height, 24);
    EXPECT_EQ(surfaces[2]->width, 32);  // no fields at all: both sides refused
    EXPECT_NE(warnings.find("height設定値エラー"), std::string::npos);
    // The entry had no commas to move past: its pointer stops at the string's end.
    EXPECT_EQ(*strings[2], '\0');
}
