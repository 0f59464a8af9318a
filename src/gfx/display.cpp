// The display record and the sine and cosine tables.
#include "gfx/angles.h"
#include "gfx/display.h"

#include <cmath>

DisplayState display;

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

}  // namespace

int displayScale() { return display.mode == 1 ? 2 : 1; }
