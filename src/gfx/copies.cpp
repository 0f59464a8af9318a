// The plain copies the scenes use directly, in device pixels (never doubled): straight copies,
// black and white fills, stretched copies, colour-keyed copies and constant-opacity copies.
// Every one is clipped against both surfaces: whatever rectangle is asked for, nothing outside
// either buffer is read or written.
#include <algorithm>
#include <cstring>

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
// source run s .. s+m-1 on a surface of S pixels. Fills the map with the source index of every
// drawn destination index and returns the first drawn destination index (or -1).
int64_t planAxis(int64_t d, int64_t n, int64_t D, int64_t s, int64_t m, int64_t S,
                 std::vector<int>& map) {
    map.clear();
    int64_t lo = std::max<int64_t>(0, -d), hi = std::min<int64_t>(n, D - d);
    if (lo >= hi || S <= 0) return -1;
    // Source index s + floor(i * m / n), stepped without a division per pixel.
    int64_t q = lo * m / n, r = lo * m % n;
    const int64_t stepQ = m / n, stepR = m % n;
    int64_t first = -1;
    for (int64_t i = lo; i < hi; ++i) {
        int64_t source = s + q;
        if (source >= 0 && source < S) {
            if (first < 0) first = i;
            map.push_back(static_cast<int>(source));
        } else if (first >= 0) {
            break;  // the samples only move forward: once past the source's end, all are
        }
        q += stepQ;
        r += stepR;
        if (r >= n) {
            r -= n;
            ++q;
        }
    }
    return first < 0 ? -1 : d + first;
}

}  // namespace

bool planStretch(StretchPlan& plan, const Surface* dst, int64_t x, int64_t y, int64_t w, int64_t h,
                 const Surface* src, int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    if (!dst || !src || dst->pixels.empty() || src->pixels.empty()) return false;
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
    for (int64_t v : {x, y, w, h, sx, sy, sw, sh}) {
        if (!withinReach(v)) return false;
    }
    int64_t firstX = planAxis(x, w, dst->width, sx, sw, src->width, maps.cols);
    if (firstX < 0) return false;
    int64_t firstY = planAxis(y, h, dst->height, sy, sh, src->height, maps.rows);
    if (firstY < 0) return false;
    plan.dstX = static_cast<int>(firstX);
    plan.dstY = static_cast<int>(firstY);
    plan.cols = static_cast<int>(maps.cols.size());
    plan.rows = static_cast<int>(maps.rows.size());
    plan.colMap = maps.cols.data();
    plan.rowMap = maps.rows.data();
    plan.unscaledX = sw == w;
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
    for (int j = 0; j < plan.rows; ++j) {
        uint32_t* out = dst->row(plan.dstY + j) + plan.dstX;
        const uint32_t* in = src->row(plan.rowMap[j]);
        if (plan.unscaledX) {
            std::memmove(out, in + plan.colMap[0], sizeof(uint32_t) * plan.cols);
        } else {
            for (int i = 0; i < plan.cols; ++i) out[i] = in[plan.colMap[i]];
        }
    }
}

namespace {

// out[i] takes in[i] unless it is the key. Written as a select of both values rather than a
// skipped store so that the compiler can do many pixels at a time; a kept pixel is rewritten
// with its own value.
void keyedRow(uint32_t* __restrict out, const uint32_t* __restrict in, int n, uint32_t keyPixel) {
    for (int i = 0; i < n; ++i) {
        const uint32_t s = in[i];
        out[i] = s == keyPixel ? out[i] : s;
    }
}

std::vector<uint32_t> sampledRow;  // one stretched source row, reused while the row repeats

}  // namespace

void transparentBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                     int sw, int sh, Colour key) {
    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x, y, w, h, src, sx, sy, sw, sh)) return;
    const uint32_t keyPixel = colourToPixel(key & 0xFFFFFF);
    if (plan.unscaledX) {
        for (int j = 0; j < plan.rows; ++j) {
            keyedRow(dst->row(plan.dstY + j) + plan.dstX, src->row(plan.rowMap[j]) + plan.colMap[0],
                     plan.cols, keyPixel);
        }
        return;
    }
    // A widened backdrop repeats each source row on several screen rows: pick its columns once.
    sampledRow.resize(static_cast<size_t>(plan.cols));
    int sampled = -1;
    for (int j = 0; j < plan.rows; ++j) {
        if (plan.rowMap[j] != sampled) {
            sampled = plan.rowMap[j];
            const uint32_t* in = src->row(sampled);
            for (int i = 0; i < plan.cols; ++i) sampledRow[i] = in[plan.colMap[i]];
        }
        keyedRow(dst->row(plan.dstY + j) + plan.dstX, sampledRow.data(), plan.cols, keyPixel);
    }
}

void alphaBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
               int sh, int opacity) {
    Surface holder;
    src = distinctSource(src, dst, holder);
    StretchPlan plan;
    if (!planStretch(plan, dst, x, y, w, h, src, sx, sy, sw, sh)) return;
    opacity = std::clamp(opacity, 0, 255);
    if (opacity == 0) return;  // (d * 255) / 255 leaves every pixel as it was
    if (opacity == 255) {      // (s * 255) / 255 is the source itself
        for (int j = 0; j < plan.rows; ++j) {
            uint32_t* out = dst->row(plan.dstY + j) + plan.dstX;
            const uint32_t* in = src->row(plan.rowMap[j]);
            for (int i = 0; i < plan.cols; ++i) out[i] = in[plan.colMap[i]] & 0xFFFFFF;
        }
        return;
    }
    const OpacityMix mix(opacity);
    for (int j = 0; j < plan.rows; ++j) {
        uint32_t* out = dst->row(plan.dstY + j) + plan.dstX;
        const uint32_t* in = src->row(plan.rowMap[j]);
        if (plan.unscaledX) {
            in += plan.colMap[0];
            for (int i = 0; i < plan.cols; ++i) out[i] = mix(in[i], out[i]);
        } else {
            for (int i = 0; i < plan.cols; ++i) out[i] = mix(in[plan.colMap[i]], out[i]);
        }
    }
}
