// The menus' tests run the scenes in this process on a fresh copy of the assembled game
// directory (pictures, data and worlds), with the frame state reset and the keyboard and
// joystick in the test's hands.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app.h"
#include "audio/audio.h"
#include "input/fake_devices.h"
#include "input/input.h"
#include "platform/platform.h"
#include "text/glyph_text.h"

class MenuTest : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        char pattern[] = "/tmp/yomogi-menu-XXXXXX";
        root = ::mkdtemp(pattern);
        const std::filesystem::path game = YOMOGI_GAME_DIR;
        for (const char* folder : {"bmp", "data", "map"}) {
            std::filesystem::copy(game / folder, root / folder, std::filesystem::copy_options::recursive);
        }
        ASSERT_NE(::getcwd(here, sizeof here), nullptr);
        ASSERT_EQ(::chdir(root.c_str()), 0);
        resetAppState();
        ASSERT_TRUE(platformOpen(Backend::Headless));
        display.width = 640;
        display.height = 480;
        display.mode = 2;
        app.backBuffer = createScreenSurface();
        app.fadeSurface = createSurface(640, 480);
        audio = AudioState{};
        loadGlyphTable();
        app.frameRate = 29;
    }
    void TearDown() override {
        platformClose();
        resetAppState();
        EXPECT_EQ(::chdir(here), 0);
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
        InputTest::TearDown();
    }
    void write(const std::string& name, const std::string& text) {
        std::ofstream file(root / name, std::ios::binary);
        file << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream file(root / name, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    // Sets a button's state for the next step, as the poll would.
    static void press(int button) { input.buttons[button].state = 2; }
    static void release(int button) { input.buttons[button].state = 1; }
    static void clearButtons() {
        for (Button& b : input.buttons) b.state = 0;
    }

    std::filesystem::path root;
    char here[PATH_MAX] = {};
};
