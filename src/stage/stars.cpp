// The star field: stars at fixed pseudo-random places about a centre, the whole field turning
// slowly with the clock, each star blinking on its own phase with a few arms when bright.
#include "stage/stars.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "frame/frame.h"
#include "gfx/surface.h"
#include "stage/world.h"

namespace {

constexpr unsigned kRampBase[6] = {0x222222, 0x002200, 0x220000, 0x022220, 0x002222, 0x222200};
constexpr unsigned kRampStep[6] = {0x111111, 0x001100, 0x110000, 0x011110, 0x001111, 0x111100};
constexpr int kStarSizes[14] = {2, 3, 4, 2, 3, 2, 3, 2, 5, 2, 9, 3, 5, 7};
// The field's own factor from degrees to radians, a little under pi / 180; the stars' places
// depend on it, so it stays as it is.
constexpr double kStarRadians = 0.017259;

}  // namespace

unsigned starShade(int ramp, int shade) { return kRampBase[ramp] + static_cast<unsigned>(shade) * kRampStep[ramp]; }

namespace {

void setStarPixel(Surface* target, int x, int y, int ramp, int shade) {
    drawPixel(target, x, y, starShade(ramp, shade));
}

// The star's place is worked out only when it can land on the target (Skip) or for every star
// (the plain form the quick one is checked against).
template <bool Skip>
void drawField(Surface* target, int seed, const int& clock, double speed, int centreX, int centreY, int width,
               int height, int count, int radius, int bits) {
    const double base = clock * speed * kStarRadians;
    // Across and down, how far from the centre a star can stand and still be drawn, arms
    // included: its offset is within [-(centre + len), size - centre + len] each way.
    const double acrossFar = std::max(std::abs(double(centreX)), std::abs(double(width) - centreX));
    const double downFar = std::max(std::abs(double(centreY)), std::abs(double(height) - centreY));
    const int m = 1 << bits;
    seedRandom(static_cast<uint32_t>(seed));
    nextRandom();
    int r[4];
    for (int& v : r) v = nextRandom();

    for (int n = count - 1; n >= 0; --n) {
        const int size = kStarSizes[n % 14];
        int len = size;
        r[n % 4] = nextRandom();
        const int a = r[n % 4] % 360;
        const int d = radius > 0 ? r[(n + 1) % 4] % radius : 0;
        // The offset is (trunc(cos * d), trunc(sin * d)), less than 1.5 nearer the centre than
        // d. A star whose offset lies beyond the corner of the box it must be in is never drawn,
        // so its cosine and sine are not worked out (most of the field lies off the screen).
        if constexpr (Skip) {
            const double across = acrossFar + len, down = downFar + len;
            if (d - 1.5 > std::sqrt(across * across + down * down)) continue;
        }
        // Worked out wide: a centre far off the screen puts its stars beyond the range of an int.
        const int64_t wideX = int64_t{centreX} + static_cast<int>(std::cos(a * kStarRadians + base) * d);
        const int64_t wideY = int64_t{centreY} + static_cast<int>(std::sin(a * kStarRadians + base) * d);
        if (wideX < -len || wideX > int64_t{width} + len || wideY < -len || wideY > int64_t{height} + len) continue;
        const int x = static_cast<int>(wideX), y = static_cast<int>(wideY);

        // Brightness runs up and down with the clock; the top of the ramp is held a while.
        int t = (r[(n + 2) % 4] - clock) % (2 * m + 1) - m;
        if (t < 0) t = -t - 1;
        if ((t >> (bits - 1)) & 1 || (t >> bits) & 1)
            t = m / 2 - 1;
        else
            t &= m / 2 - 1;
        int b = t - (m / 2 - (len + 3));
        if (b < 0) b = 0;
        const int c = r[(n + 3) % 4] % 6;

        setStarPixel(target, x, y, c, b);
        for (;;) {
            if (--len == 0) break;
            if (b == 0) break;
            --b;
            const int k = size - len;
            setStarPixel(target, x - k, y, c, b);
            setStarPixel(target, x, y - k, c, b);
            setStarPixel(target, x + k, y, c, b);
            setStarPixel(target, x, y + k, c, b);
        }
    }

    // Leave the generator somewhere new, so that what draws from it next does not repeat.
    seedRandom(static_cast<uint32_t>(programClock()));
    const int p = nextRandom();
    const int q = nextRandom();
    world.starReseed = (world.starReseed + p % (q + 1)) & 0xFFFF;
    seedRandom(static_cast<uint32_t>(world.starReseed));
    nextRandom();
}

}  // namespace

void drawStarField(Surface* target, int seed, const int& clock, double speed, int centreX, int centreY,
                   int width, int height, int count, int radius, int bits) {
    drawField<true>(target, seed, clock, speed, centreX, centreY, width, height, count, radius, bits);
}

void drawEveryStar(Surface* target, int seed, const int& clock, double speed, int centreX, int centreY,
                   int width, int height, int count, int radius, int bits) {
    drawField<false>(target, seed, clock, speed, centreX, centreY, width, height, count, radius, bits);
}
