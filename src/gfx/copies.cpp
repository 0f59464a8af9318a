// The plain copies the scenes use directly, in device pixels (never doubled): straight copies,
// black and white fills, stretched copies, colour-keyed copies and constant-opacity copies.
// Every one is clipped against both surfaces: whatever rectangle is asked for, nothing outside
// either buffer is read or written.
#include <algorithm>
#include <cstring>

#include "gfx/blit_rows.h"
#include "gfx/surface.h"
#include "gfx/surface_internal.h"

namespace {

// Rectangles reaching this far are broken arithmetic, not pictures: no screen is that large.
constexpr int64_t kFarthest = int64_t{1} << 30;

bool withinReach(int64_t v) { return v >= -kFarthest && v <= kFarthest; }

struct PlanMaps {
    std::vector<int> cols, rows;
};
PlanMaps maps;  // reused from call to call; the game draws from one thread

// One axis of the plan: the destination run d .. d+n-1 on a surface of D pixels samples the
// source run s .. s+m-1 on a surface of S pixels, index d + i reading s + floor(i * m / n).
struct Axis {
    int64_t first = -1;       // first drawn destination index, -1 when none is
    int64_t count = 0;        // how many are drawn
    int64_t sourceFirst = 0;  // the source index of the first drawn one
};

// Without stretching, index i reads s + i: the drawn run is where both lie inside their surfaces,
// found without visiting them.
Axis planStraightAxis(int64_t d, int64_t n, int64_t D, int64_t s, int64_t S) {
    Axis axis;
    const int64_t lo = std::max({int64_t{0}, -d, -s});
    const int64_t hi = std::min({n, D - d, S - s});
    if (lo >= hi) return axis;
    axis.first = d + lo;
    axis.count = hi - lo;
    axis.sourceFirst = s + lo;
    return axis;
}

// With stretching, the source index of every drawn destination index goes into the map.
Axis planStretchedAxis(int64_t d, int64_t n, int64_t D, int64_t s, int64_t m, int64_t S,
                       std::vector<int>& map) {
    Axis axis;
    map.clear();
    int64_t lo = std::max<int64_t>(0, -d), hi = std::min<int64_t>(n, D - d);
    if (lo >= hi || S <= 0) return axis;
    // Source index s + floor(i * m / n), stepped without a division per pixel.
    int64_t q = lo * m / n, r = lo * m % n;
    const int64_t stepQ = m / n, stepR = m % n;
    for (int64_t i = lo; i < hi; ++i) {
        int64_t source = s + q;
        if (source >= 0 && source < S) {
            if (axis.first < 0) axis.first = d + i;
            map.push_back(static_cast<int>(source));
        } else if (axis.first >= 0) {
            break;  // the samples only move forward: once past the source's end, all are
        }
        q += stepQ;
        r += stepR;
        if (r >= n) {
            r -= n;
            ++q;
        }
    }
    if (axis.first < 0) return axis;
    axis.count = static_cast<int64_t>(map.size());
    axis.sourceFirst = map.front();
    return axis;
}

Axis planAxis(int64_t d, int64_t n, int64_t D, int64_t s, int64_t m, int64_t S,
              std::vector<int>& map) {
    return m == n ? planStraightAxis(d, n, D, s, S) : planStretchedAxis(d, n, D, s, m, S, map);
}

}  // namespace

bool planStretch(StretchPlan& plan, const Surface* dst, int64_t x, int64_t y, int64_t w, int64_t h,
                 const Surface* src, int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    if (!dst || !src || dst->pixels.empty() || src->pixels.empty()) return false;
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
    for (int64_t v : {x, y, w, h, sx, sy, sw, sh}) {
        if (!withinReach(v)) return false;
    }
    const Axis across = planAxis(x, w, dst->width, sx, sw, src->width, maps.cols);
    if (across.first < 0) return false;
    const Axis down = planAxis(y, h, dst->height, sy, sh, src->height, maps.rows);
    if (down.first < 0) return false;
    plan.dstX = static_cast<int>(across.first);
    plan.dstY = static_cast<int>(down.first);
    plan.cols = static_cast<int>(across.count);
    plan.rows = static_cast<int>(down.count);
    plan.srcX = static_cast<int>(across.sourceFirst);
    plan.srcY = static_cast<int>(down.sourceFirst);
    plan.unscaledX = sw == w;
    plan.unscaledY = sh == h;
    plan.colMap = plan.unscaledX ? nullptr : maps.cols.data();
    plan.rowMap = plan.unscaledY ? nullptr : maps.rows.data();
    return true;
}

void copyBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy) {
    stretchBlit(dst, x, y, w, h, src, sx, sy, w, h);
}

void fillBlack(Surface* dst, int x, int y, int w, int h) { fillDeviceRect(dst, x, y, w, h, 0); }

void fillWhite(Surface* dst, int x, int y, int w, int h) {
    fillDeviceRect(dst, x, y, w, h, 0xFFFFFF);
}

void stretchBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                 int sw, int sh) {
    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x, y, w, h, src, sx, sy, sw, sh)) return;
    const size_t rowBytes = sizeof(uint32_t) * static_cast<size_t>(plan.cols);
    if (plan.unscaledX) {
        for (int j = 0; j < plan.rows; ++j) {
            std::memcpy(dst->row(plan.dstY + j) + plan.dstX, src->row(plan.sourceRow(j)) + plan.srcX,
                        rowBytes);
        }
        return;
    }
    // A widened picture repeats each source row: sample it once, then copy the sampled row.
    int sampled = -1;
    const uint32_t* previous = nullptr;
    for (int j = 0; j < plan.rows; ++j) {
        uint32_t* out = dst->row(plan.dstY + j) + plan.dstX;
        const int v = plan.sourceRow(j);
        if (v == sampled) {
            std::memcpy(out, previous, rowBytes);
        } else {
            const uint32_t* in = src->row(v);
            for (int i = 0; i < plan.cols; ++i) out[i] = in[plan.colMap[i]];
            sampled = v;
            previous = out;
        }
    }
}

void transparentBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                     int sw, int sh, Colour key) {
    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x, y, w, h, src, sx, sy, sw, sh)) return;
    const uint32_t keyPixel = colourToPixel(key & 0xFFFFFF);
    forEachPlannedRow(dst, src, plan, [&plan, keyPixel](uint32_t* out, const uint32_t* in) {
        keyedRow(out, in, plan.cols, keyPixel);
    });
}

void alphaBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
               int sh, int opacity) {
    opacity = std::clamp(opacity, 0, 255);
    if (opacity == 0) return;  // (d * 255) / 255 leaves every pixel as it was
    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x, y, w, h, src, sx, sy, sw, sh)) return;
    if (opacity == 255) {  // (s * 255) / 255 is the source itself
        forEachPlannedRow(dst, src, plan, [&plan](uint32_t* out, const uint32_t* in) {
            colourRow(out, in, plan.cols);
        });
        return;
    }
    forEachPlannedRow(dst, src, plan, [&plan, opacity](uint32_t* out, const uint32_t* in) {
        opacityRow(out, in, plan.cols, opacity);
    });
}
