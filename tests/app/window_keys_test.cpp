// The window keys' procedures on the headless platform: the full-screen key goes through the
// display switch and leaves the options screen's mode value where the display is, and the
// screenshot key writes the picture shown, pixel for pixel the one a --shot of that frame writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/window_keys.h"
#include "base/save_paths.h"
#include "frame/frame.h"
#include "menu/options.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

TEST(WindowKeys, FullScreenKeyAndTheOptionsScreensModeAgree) {
    ASSERT_TRUE(platformOpen(Backend::Headless));
    display.width = 640;
    display.height = 480;
    display.mode = 2;
    std::strcpy(display.windowTitle, "yomogi");
    optionsScreenMode = 2;
    toggleFullScreen();
    EXPECT_EQ(display.mode, 0);
    EXPECT_EQ(optionsScreenMode, 0);
    EXPECT_STREQ(display.windowTitle, "yomogi");
    toggleFullScreen();
    EXPECT_EQ(display.mode, 2);
    EXPECT_EQ(optionsScreenMode, 2);
    // A display that refuses full screen keeps the window, and the options screen knows it.
    toggleFullScreen();
    platformRefuseFullScreen(true);
    toggleFullScreen();
    EXPECT_EQ(display.mode, 0);
    EXPECT_EQ(optionsScreenMode, 0);
    platformRefuseFullScreen(false);
    platformClose();
}

TEST(WindowKeys, ScreenshotIsThePictureShownAsAPng) {
    char pattern[] = "/tmp/yomogi-shot-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const char* home = std::getenv("HOME");
    const std::string oldHome = home ? home : "";
    ::setenv("HOME", root.c_str(), 1);
    ::unsetenv("XDG_PICTURES_DIR");
    ::unsetenv("XDG_CONFIG_HOME");
    setSaveDirectory((root / "saves").string());
    ASSERT_TRUE(platformOpen(Backend::Headless));

    Surface frame;
    frame.width = 640;
    frame.height = 480;
    frame.pixels.resize(640 * 480);
    uint32_t state = 12345;
    for (uint32_t& pixel : frame.pixels) {
        state = state * 1103515245u + 12345u;
        pixel = state >> 8;  // every channel value, 0x00RRGGBB
    }
    takeScreenshot();  // nothing shown yet: nothing written
    EXPECT_FALSE(fs::exists(root / "saves/screenshots"));
    platformPresent(frame, 640, 480);
    takeScreenshot();
    takeScreenshot();  // the same second: a second name

    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(root / "saves/screenshots")) written.push_back(entry.path());
    ASSERT_EQ(written.size(), 2u);
    ASSERT_TRUE(platformSaveFrame((root / "shot.bmp").c_str()));
    Surface shot;
    ASSERT_TRUE(platformLoadBitmap((root / "shot.bmp").c_str(), shot));
    for (const fs::path& file : written) {
        EXPECT_EQ(file.filename().string().rfind("yomogi-", 0), 0u) << file;
        EXPECT_EQ(file.extension(), ".png");
        Surface png;
        ASSERT_TRUE(platformLoadPng(file.c_str(), png)) << file;
        ASSERT_EQ(png.width, 640);
        ASSERT_EQ(png.height, 480);
        EXPECT_TRUE(png.pixels == frame.pixels) << file;
        EXPECT_TRUE(png.pixels == shot.pixels) << file;
    }
    platformClose();
    setSaveDirectory("");
    if (home) ::setenv("HOME", oldHome.c_str(), 1); else ::unsetenv("HOME");
    fs::remove_all(root);
}

}  // namespace
