// The program-wide frame state, the sine and cosine tables, the pseudo-random generator and the
// program clock.
#include "app/app.h"

#include <cmath>

#include "platform/platform.h"

AppState app;
DisplayState display;
FrameHooks frameHooks;

float sinTable[360];
float cosTable[360];

namespace {

// The tables hold the sine and cosine of every whole degree, computed in double precision with
// the game's own value of pi and kept in single precision. They never change, so they are filled
// before anything can read them.
struct TableFiller {
    TableFiller() {
        const double pi = 3.14159265358979;
        for (int d = 0; d < 360; ++d) {
            sinTable[d] = static_cast<float>(std::sin(d * pi / 180.0));
            cosTable[d] = static_cast<float>(std::cos(d * pi / 180.0));
        }
    }
};
TableFiller tableFiller;

uint32_t generatorState = 0;

}  // namespace

void resetAppState() {
    app = AppState{};
    display = DisplayState{};
    frameHooks = FrameHooks{};
    generatorState = 0;
}

// One generator for the whole program: state = state * 214013 + 2531011 (mod 2^32), and each
// draw gives bits 16..30 of the new state. The star field reseeds it and relies on exactly this
// sequence.
void seedRandom(uint32_t seed) { generatorState = seed; }

uint32_t randomState() { return generatorState; }

int nextRandom() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

int64_t programClock() { return platformClock(); }
