// Inside the graphics code only: the double-size factor and how a stretched copy is laid out
// over two surfaces once per call, clipped against both, so that the pixel loops stay plain.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/display.h"
#include "gfx/surface.h"


// Fills the device rectangle, clipped to the surface.
void fillDeviceRect(Surface* s, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t pixel);

// A destination rectangle (x, y, w, h) that samples the source rectangle (sx, sy, sw, sh) by
// dropping or repeating whole rows and columns: destination column x + i reads source column
// sx + floor(i * sw / w), and the same for rows. Only the pixels that lie inside the destination
// and whose sample lies inside the source are drawn; all others are left as they are.
// An axis that is not stretched has no map: its source index is the first one plus the offset.
struct StretchPlan {
    int dstX = 0, dstY = 0;  // first destination pixel drawn
    int cols = 0, rows = 0;  // how many columns and rows are drawn
    int srcX = 0, srcY = 0;  // first source column and row drawn
    const int* colMap = nullptr;  // source column of destination column dstX + i, if stretched
    const int* rowMap = nullptr;  // source row of destination row dstY + j, if stretched
    bool unscaledX = false, unscaledY = false;  // source column srcX + i, row srcY + j
    int sourceColumn(int i) const { return unscaledX ? srcX + i : colMap[i]; }
    int sourceRow(int j) const { return unscaledY ? srcY + j : rowMap[j]; }
};

// False when nothing is drawn (empty or inverted rectangles, nothing in common with either
// surface, coordinates far beyond any screen). The maps stay valid until the next call.
bool planStretch(StretchPlan& plan, const Surface* dst, int64_t x, int64_t y, int64_t w, int64_t h,
                 const Surface* src, int64_t sx, int64_t sy, int64_t sw, int64_t sh);

// The general turned mapping: the source rectangle onto the parallelogram whose corners are
// (x0, y0) for its top-left, (x1, y1) for its top-right and (x2, y2) for its bottom-left, in
// device pixels, leaving out the key colour unless key is above 0xFFFFFF.
void mapTurnedCorners(Surface* dst, const Surface* src, int64_t sx, int64_t sy, int64_t sw,
                      int64_t sh, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t x2,
                      int64_t y2, uint32_t key);

// A copy of the source when it is also the destination, so that a blit within one surface reads
// the picture as it was before the call, as a platform copy does.
inline const Surface* distinctSource(const Surface* src, const Surface* dst, Surface& holder) {
    if (src != dst || !src) return src;
    holder = *src;
    return &holder;
}

// Constant-opacity mix of one pixel, source over destination, per channel
// (s * a + d * (255 - a)) / 255 truncated; a in 0..255. Red and blue are mixed side by side in one
// word (each lane's sum stays below 65536), and the division by 255 is the exact
// floor(x / 255) = (x + 1 + (x >> 8)) >> 8, which holds for every x up to 255 * 255.
struct OpacityMix {
    uint32_t a, b;  // source and destination weights
    explicit OpacityMix(int opacity)
        : a(static_cast<uint32_t>(opacity)), b(static_cast<uint32_t>(255 - opacity)) {}
    static uint32_t divide255(uint32_t lanes, uint32_t laneMask, uint32_t ones) {
        return ((lanes + ones + ((lanes >> 8) & laneMask)) >> 8) & laneMask;
    }
    uint32_t operator()(uint32_t s, uint32_t d) const {
        uint32_t redBlue = (s & 0xFF00FFu) * a + (d & 0xFF00FFu) * b;
        uint32_t green = ((s >> 8) & 0xFFu) * a + ((d >> 8) & 0xFFu) * b;
        return divide255(redBlue, 0x00FF00FFu, 0x00010001u) | (divide255(green, 0xFFu, 1u) << 8);
    }
};
