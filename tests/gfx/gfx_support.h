// Helpers for the graphics tests: surfaces of a known size in device pixels, the display mode
// set for one test and put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "app/app.h"
#include "gfx/surface.h"

// Sets the display to 640 x 480 in the given mode, fills the turning tables by their rule, and
// puts the display back when the test ends.
class GfxTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = display;
        useMode(0);
        const double pi = 3.14159265358979;
        for (int d = 0; d < 360; ++d) {
            sinTable[d] = static_cast<float>(std::sin(d * pi / 180.0));
            cosTable[d] = static_cast<float>(std::cos(d * pi / 180.0));
        }
    }
    void TearDown() override { display = saved; }
    static void useMode(int mode) {
        display.width = 640;
        display.height = 480;
        display.mode = mode;
    }
    DisplayState saved;
};

// A surface of w x h device pixels, every pixel `pixel` (0x00RRGGBB).
inline Surface deviceSurface(int w, int h, uint32_t pixel = 0) {
    Surface s;
    s.width = w;
    s.height = h;
    s.pixels.assign(static_cast<size_t>(w) * h, pixel);
    return s;
}

inline uint32_t at(const Surface& s, int x, int y) { return s.row(y)[x]; }
inline void put(Surface& s, int x, int y, uint32_t pixel) { s.row(y)[x] = pixel; }
