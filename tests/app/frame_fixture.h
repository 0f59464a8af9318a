// A frame set up in-process on the headless platform: back buffer, fade surface, buttons, and
// the frame state at its start values.
#pragma once

#include <gtest/gtest.h>

#include "app/app.h"
#include "audio/audio.h"
#include "gfx/surface.h"
#include "input/input.h"
#include "platform/platform.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        ASSERT_TRUE(platformOpen(Backend::Headless));
        platformScriptKeys(true, nullptr, 0);
        display.width = 640;
        display.height = 480;
        display.mode = 2;
        app.backBuffer = createScreenSurface();
        app.fadeSurface = createSurface(640, 480);
        fillSurface(app.fadeSurface.get(), kBlack);
        loadKeyConfig();
        audio = AudioState{};
    }
    void TearDown() override {
        platformScriptKeys(false);
        platformClose();
        resetAppState();
    }
};
