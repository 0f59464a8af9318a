// The picture type of the generator and the drawing helpers every picture family shares.
// Colours are plain 0xRRGGBB values; the game's bitmaps are written as 24-bit BMP files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pg {

using Colour = uint32_t;  // 0xRRGGBB

constexpr Colour kMagenta = 0xFF00FF;  // the transparent key of almost every picture
constexpr Colour kBlack = 0x000000;    // the key of composed and additive pictures
constexpr Colour kWhite = 0xFFFFFF;

struct Image {
    int w = 0, h = 0;
    std::vector<Colour> px;

    Image() = default;
    Image(int width, int height, Colour fill) : w(width), h(height), px(size_t(width) * height, fill) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Colour at(int x, int y) const { return inside(x, y) ? px[size_t(y) * w + x] : kMagenta; }
    void set(int x, int y, Colour c) {
        if (inside(x, y)) px[size_t(y) * w + x] = c;
    }
};

// A small deterministic generator (the same LCG the game uses), so that every run of the
// tool draws the same speckles, cracks and stars.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed) {}
    int next() {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
    int below(int n) { return n <= 0 ? 0 : next() % n; }
    bool chance(int percent) { return below(100) < percent; }
};

// ---- plain shapes -------------------------------------------------------------------------
void fill(Image& img, Colour c);
void rect(Image& img, int x, int y, int w, int h, Colour c);
void frame(Image& img, int x, int y, int w, int h, Colour c);  // one-pixel outline
void hline(Image& img, int x0, int x1, int y, Colour c);
void vline(Image& img, int x, int y0, int y1, Colour c);
void line(Image& img, int x0, int y0, int x1, int y1, Colour c);
void thickLine(Image& img, int x0, int y0, int x1, int y1, int radius, Colour c);
void disc(Image& img, int cx, int cy, int r, Colour c);
void ring(Image& img, int cx, int cy, int rOuter, int rInner, Colour c);
void ellipse(Image& img, int cx, int cy, int rx, int ry, Colour c);
// Filled polygon by the even-odd rule, vertices in pixel units (x0, y0, x1, y1, ...).
void polygon(Image& img, const std::vector<int>& xy, Colour c);

// ---- colour -------------------------------------------------------------------------------
Colour mix(Colour a, Colour b, int percentOfB);
// Ordered 4 x 4 dithering between two colours: t in 0..16 is how much of b shows at (x, y).
bool ditherPick(int x, int y, int t);
// Vertical band of colours from a ramp, dithered between neighbouring ramp entries.
void verticalRamp(Image& img, int x, int y, int w, int h, const std::vector<Colour>& ramp);

// ---- pictures on pictures -----------------------------------------------------------------
// Copies a w x h area; pixels equal to key (when key is not kNoKey) are left out.
constexpr Colour kNoKey = 0xFFFFFFFF;
void blit(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h, Colour key = kNoKey);
void blitAll(Image& dst, int dx, int dy, const Image& src, Colour key = kNoKey);
// Nearest-neighbour scaling by a whole factor: crisp pixels, no smoothing.
Image scaled(const Image& src, int factor);
Image mirrored(const Image& src);
Image crop(const Image& src, int x, int y, int w, int h);
// Rotates a square picture by quarter turns anticlockwise.
Image quarterTurned(const Image& src, int turns);
// Draws an outline of colour c around every non-key pixel (4-neighbourhood).
void outline(Image& img, Colour key, Colour c);
// Replaces every pixel of colour from by to.
void recolour(Image& img, Colour from, Colour to);

// ---- texture ------------------------------------------------------------------------------
// Speckles of colour c on the non-key pixels of an area, roughly percent of them.
void speckle(Image& img, int x, int y, int w, int h, Colour c, int percent, Rng& rng, Colour onlyOn = kNoKey);

// ---- output -------------------------------------------------------------------------------
std::vector<uint8_t> encodeBmp(const Image& img);  // 24-bit, bottom-up, rows padded to 4 bytes

}  // namespace pg

namespace pg {
// Turns a picture by any angle about (cx, cy) with nearest-neighbour sampling (crisp pixels);
// what falls outside becomes the key.
Image rotatedNearest(const Image& src, double degrees, double cx, double cy, Colour key = kMagenta);
// Shifts a picture by (dx, dy), filling with the key.
Image shifted(const Image& src, int dx, int dy, Colour key = kMagenta);
}  // namespace pg
