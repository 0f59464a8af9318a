// The platform layer's plain functions and its headless backend.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "gfx/surface.h"
#include "platform/platform.h"
#include "text/sjis.h"

namespace fs = std::filesystem;

namespace {

class TemporaryFolder {
public:
    TemporaryFolder() {
        char pattern[] = "/tmp/yomogi-platform-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void put16(std::string& b, uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
}
void put32(std::string& b, uint32_t v) {
    put16(b, static_cast<uint16_t>(v & 0xFFFF));
    put16(b, static_cast<uint16_t>(v >> 16));
}

// An 8-bit palette BMP of 3 x 2 pixels, written by hand as a paint program would.
std::string paletteBitmap(const uint32_t palette[4], const uint8_t indices[6]) {
    std::string body;
    const int rowBytes = 4;  // 3 bytes padded to 4
    std::string header;
    header += "BM";
    put32(header, 14 + 40 + 4 * 4 + rowBytes * 2);
    put32(header, 0);
    put32(header, 14 + 40 + 4 * 4);
    put32(header, 40);
    put32(header, 3);
    put32(header, 2);  // bottom-up
    put16(header, 1);
    put16(header, 8);
    put32(header, 0);
    put32(header, rowBytes * 2);
    put32(header, 2835);
    put32(header, 2835);
    put32(header, 4);
    put32(header, 4);
    for (int i = 0; i < 4; ++i) put32(header, palette[i] & 0xFFFFFF);  // B, G, R, 0
    for (int row = 1; row >= 0; --row) {
        for (int x = 0; x < 3; ++x) header += static_cast<char>(indices[row * 3 + x]);
        header += '\0';
    }
    return header;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(PlatformBitmap, TwentyFourBitRoundTripKeepsEveryColourExactly) {
    TemporaryFolder folder;
    Surface picture;
    picture.width = 7;  // an odd width: rows are padded in the file
    picture.height = 5;
    for (int i = 0; i < 35; ++i) picture.pixels.push_back(static_cast<uint32_t>(i * 0x070B0D) & 0xFFFFFF);
    picture.pixels[0] = 0xFF00FF;  // the transparent key
    picture.pixels[1] = 0xFF00FE;  // one step from it
    ASSERT_TRUE(platformSaveBitmap(folder.file("a.bmp").c_str(), picture, 7, 5));
    Surface loaded;
    ASSERT_TRUE(platformLoadBitmap(folder.file("a.bmp").c_str(), loaded));
    EXPECT_EQ(loaded.width, 7);
    EXPECT_EQ(loaded.height, 5);
    EXPECT_EQ(loaded.pixels, picture.pixels);
    EXPECT_FALSE(fs::exists(folder.file("a.bmp.new")));
}

TEST(PlatformBitmap, PaletteBitmapDecodesToItsColours) {
    TemporaryFolder folder;
    const uint32_t palette[4] = {0xFF00FF, 0x000000, 0x123456, 0xFFFFFF};  // 0x00RRGGBB
    const uint8_t indices[6] = {0, 1, 2, 3, 2, 0};
    writeFile(folder.file("p.bmp"), paletteBitmap(palette, indices));
    Surface loaded;
    ASSERT_TRUE(platformLoadBitmap(folder.file("p.bmp").c_str(), loaded));
    ASSERT_EQ(loaded.width, 3);
    ASSERT_EQ(loaded.height, 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(loaded.pixels[i], palette[indices[i]]) << i;
}

TEST(PlatformBitmap, MissingShortAndMalformedFilesAreRefused) {
    TemporaryFolder folder;
    Surface loaded;
    EXPECT_FALSE(platformLoadBitmap(folder.file("none.bmp").c_str(), loaded));
    writeFile(folder.file("empty.bmp"), "");
    EXPECT_FALSE(platformLoadBitmap(folder.file("empty.bmp").c_str(), loaded));
    writeFile(folder.file("text.bmp"), "this is not a picture at all, just words");
    EXPECT_FALSE(platformLoadBitmap(folder.file("text.bmp").c_str(), loaded));
    const uint32_t palette[4] = {1, 2, 3, 4};
    const uint8_t indices[6] = {0, 1, 2, 3, 0, 1};
    std::string whole = paletteBitmap(palette, indices);
    writeFile(folder.file("short.bmp"), whole.substr(0, 40));
    EXPECT_FALSE(platformLoadBitmap(folder.file("short.bmp").c_str(), loaded));
    EXPECT_FALSE(platformLoadBitmap(nullptr, loaded));
    Surface any;
    any.width = any.height = 1;
    any.pixels = {0};
    EXPECT_FALSE(platformSaveBitmap("/nonexistent/dir/x.bmp", any, 1, 1));
}

TEST(PlatformHeadless, VirtualClockMovesOnlyByWaitingAndAdvancing) {
    ASSERT_TRUE(platformOpen(Backend::Headless));
    EXPECT_EQ(platformBackend(), Backend::Headless);
    EXPECT_EQ(platformClock(), 0);
    platformWaitUntil(34);
    EXPECT_EQ(platformClock(), 34);
    platformWaitUntil(20);  // already past: no change
    EXPECT_EQ(platformClock(), 34);
    platformAdvanceClock(100);
    EXPECT_EQ(platformClock(), 134);
    platformClose();
    ASSERT_TRUE(platformOpen(Backend::Headless));
    EXPECT_EQ(platformClock(), 0);  // a new run starts at 0
    platformClose();
}

TEST(PlatformHeadless, ScriptedKeyboardAndNoJoystick) {
    ASSERT_TRUE(platformOpen(Backend::Headless));
    EXPECT_FALSE(platformKeyDown(13));
    const int keys[] = {13, 65};
    platformScriptKeys(true, keys, 2);
    EXPECT_TRUE(platformKeyDown(13));
    EXPECT_TRUE(platformKeyDown(65));
    EXPECT_FALSE(platformKeyDown(27));
    platformScriptKeys(true, nullptr, 0);
    EXPECT_FALSE(platformKeyDown(13));
    platformScriptKeys(false);
    JoystickReading reading;
    for (int id = 0; id < 16; ++id) EXPECT_FALSE(platformJoystickRead(id, reading));
    EXPECT_FALSE(platformJoystickRead(-1, reading));
    EXPECT_FALSE(platformJoystickRead(16, reading));
    platformClose();
}

TEST(PlatformHeadless, AudioCallsAreRecorded) {
    TemporaryFolder folder;
    writeFile(folder.file("music.wav"), "RIFF");
    ASSERT_TRUE(platformOpen(Backend::Headless));
    EXPECT_EQ(platformSoundsStarted(), 0u);
    EXPECT_EQ(platformMusicPath(), "");
    EXPECT_TRUE(platformMusicPlay(folder.file("music.wav").c_str()));
    EXPECT_EQ(platformMusicPath(), folder.file("music.wav"));
    // A file that is not there cannot be played, and nothing is an error.
    EXPECT_FALSE(platformMusicPlay(folder.file("none.wav").c_str()));
    platformMusicStop();
    EXPECT_EQ(platformMusicPath(), "");
    platformSoundPlay("se/jump.wav");
    platformSoundPlay("se/none.wav");
    EXPECT_EQ(platformSoundsStarted(), 2u);
    platformClose();
}

TEST(PlatformHeadless, MessageBoxesGoToStandardErrorAndQuestionsAreAnsweredNo) {
    ASSERT_TRUE(platformOpen(Backend::Headless));
    testing::internal::CaptureStderr();
    platformMessage(sj("Bitmapロードエラー:bmp/x.bmp"), sj("エラー"), BoxIcon::Error);
    bool answer = platformAsk(sj("本当に終了しますか？"), sj("終了確認です"));
    std::string written = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(answer);
    EXPECT_NE(written.find("Bitmapロードエラー:bmp/x.bmp"), std::string::npos) << written;
    EXPECT_NE(written.find("本当に終了しますか？"), std::string::npos) << written;
    EXPECT_NE(written.find("終了確認です"), std::string::npos) << written;
    platformClose();
}

TEST(PlatformHeadless, PresentKeepsTheFrameAndFullScreenCanBeRefused) {
    ASSERT_TRUE(platformOpen(Backend::Headless));
    EXPECT_EQ(platformLastFrame(), nullptr);
    Surface big;
    big.width = 700;
    big.height = 500;
    big.pixels.assign(700 * 500, 0x010203);
    big.row(479)[639] = 0xABCDEF;
    big.row(480)[0] = 0x777777;  // outside the shown area
    platformPresent(big, 640, 480);
    const Surface* frame = platformLastFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->width, 640);
    EXPECT_EQ(frame->height, 480);
    EXPECT_EQ(frame->row(479)[639], 0xABCDEFu);
    EXPECT_EQ(frame->row(0)[0], 0x010203u);
    // A smaller picture shows black around it, not what was shown before.
    Surface small;
    small.width = small.height = 10;
    small.pixels.assign(100, 0x445566);
    platformPresent(small, 640, 480);
    frame = platformLastFrame();
    EXPECT_EQ(frame->row(9)[9], 0x445566u);
    EXPECT_EQ(frame->row(9)[10], 0u);
    EXPECT_EQ(frame->row(479)[639], 0u);
    EXPECT_TRUE(platformSetDisplay(0, 0, 640, 480, 2, false, "t"));
    platformRefuseFullScreen(true);
    EXPECT_FALSE(platformSetDisplay(0, 0, 640, 480, 2, false, "t"));
    EXPECT_TRUE(platformSetDisplay(0, 0, 640, 480, 0, false, "t"));
    platformRefuseFullScreen(false);
    platformClose();
}

TEST(PlatformText, DrawsGlyphsInFixedCellsInTheTextColour) {
    Surface s;
    s.width = 200;
    s.height = 40;
    s.pixels.assign(200 * 40, 0xFFFFFF);
    // "NULL" in black on a transparent background: ink only inside its 4 cells of 8 x 16.
    platformDrawText(s, 10, 5, "NULL", 8, 16, 0x000000, false, 0);
    int ink = 0;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            uint32_t p = s.row(y)[x];
            if (p == 0xFFFFFF) continue;
            ASSERT_EQ(p, 0u) << x << "," << y;  // no smoothing: ink is exactly the text colour
            ASSERT_GE(x, 10);
            ASSERT_LT(x, 10 + 4 * 8);
            ASSERT_GE(y, 5);
            ASSERT_LT(y, 5 + 16);
            ++ink;
        }
    }
    EXPECT_GT(ink, 20) << "no Japanese fixed-pitch font found (fonts-ipafont-gothic)";

    // A double-byte character takes two cells; an opaque background fills exactly the cells.
    s.pixels.assign(200 * 40, 0xFFFFFF);
    platformDrawText(s, 0, 0, sj("ＡA"), 8, 16, 0xFF0000, true, 0x0000FF);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            uint32_t p = s.row(y)[x];
            bool inBox = x < 24 && y < 16;
            if (!inBox) ASSERT_EQ(p, 0xFFFFFFu) << x << "," << y;
            else ASSERT_TRUE(p == 0x0000FF || p == 0xFF0000) << x << "," << y;
        }
    }
    // Text running off every edge is cut, never written outside.
    platformDrawText(s, -30, -10, sj("はみ出す文字列はみ出す文字列はみ出す文字列"), 8, 16, 0x00FF00, true, 0);
    platformDrawText(s, 190, 35, "edge", 8, 16, 0x00FF00, true, 0);
    SUCCEED();
}
