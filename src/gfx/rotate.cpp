// Turned pictures: the tilting room, the gear frames. The corners of the destination rectangle
// are turned about a centre with the sine and cosine tables, each turned offset truncated to a
// whole pixel, and the source rectangle is mapped onto the parallelogram they span: the source's
// top-left corner onto the first corner, its top-right onto the second, its bottom-left onto the
// third. Every destination pixel whose centre lies inside the parallelogram takes the nearest
// source pixel; edges are not blended. With a colour key, source pixels of that colour are left
// out.
#include <algorithm>
#include <cmath>
#include <vector>

#include "gfx/angles.h"
#include "gfx/surface.h"
#include "gfx/surface_internal.h"

namespace {

struct Point {
    int64_t x, y;
};

// Products and difference in single precision, as the tables hold them.
Point turnAbout(int64_t px, int64_t py, int64_t cx, int64_t cy, int angle) {
    const float c = cosTable[angle], s = sinTable[angle];
    const float dx = static_cast<float>(px - cx), dy = static_cast<float>(py - cy);
    const float xc = dx * c, ys = dy * s, xs = dx * s, yc = dy * c;
    const float tx = xc - ys, ty = xs + yc;
    return {static_cast<int64_t>(std::trunc(tx)) + cx, static_cast<int64_t>(std::trunc(ty)) + cy};
}

int64_t floorDiv(__int128 a, int64_t b) {  // b > 0
    __int128 q = a / b;
    if (a % b != 0 && a < 0) --q;
    // Far outside any picture either way; keeps the steps below within 64 bits.
    constexpr int64_t kLimit = int64_t{1} << 60;
    if (q > kLimit) return kLimit;
    if (q < -kLimit) return -kLimit;
    return static_cast<int64_t>(q);
}

// One texture coordinate along a row: index = floor(numerator * size / den), stepped by a
// constant per destination pixel without dividing, exactly.
struct Walker {
    int64_t index = 0, rest = 0;  // rest in 0..den-1
    int64_t stepIndex = 0, stepRest = 0, den = 1;

    void start(__int128 numerator, int64_t size, __int128 stepNumerator, int64_t denominator) {
        den = denominator;
        __int128 scaled = numerator * size;
        index = floorDiv(scaled, den);
        rest = static_cast<int64_t>(scaled - static_cast<__int128>(index) * den);
        if (rest < 0 || rest >= den) rest = 0;  // only when index was clamped far away
        __int128 step = stepNumerator * size;
        stepIndex = floorDiv(step, den);
        stepRest = static_cast<int64_t>(step - static_cast<__int128>(stepIndex) * den);
    }
    void advance() {
        index += stepIndex;
        rest += stepRest;
        if (rest >= den) {
            rest -= den;
            ++index;
        }
    }
};

// Narrows t0 .. t1-1 to the steps t at which lo <= a + s*t < hi.
void insideRun(__int128 a, __int128 s, __int128 lo, __int128 hi, int64_t& t0, int64_t& t1) {
    auto floorOf = [](__int128 p, __int128 q) {  // q > 0
        __int128 r = p / q;
        if (p % q != 0 && p < 0) --r;
        return r;
    };
    auto clampTo = [](__int128 v) {
        constexpr int64_t kLimit = int64_t{1} << 60;
        return static_cast<int64_t>(v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v));
    };
    __int128 from, to;  // the run is from .. to-1
    if (s == 0) {
        if (lo <= a && a < hi) return;
        t1 = t0;
        return;
    }
    if (s > 0) {
        from = -floorOf(a - lo, s);  // ceil((lo - a) / s)
        to = -floorOf(a - hi, s);    // ceil((hi - a) / s)
    } else {
        from = floorOf(a - hi, -s) + 1;
        to = floorOf(a - lo, -s) + 1;
    }
    t0 = std::max(t0, clampTo(from));
    t1 = std::min(t1, clampTo(to));
}

// Nearest-pixel mapping of the source rectangle onto the parallelogram p0, p1, p2, with every
// source pixel equal to keyPixel left out when keyed.
void mapParallelogram(Surface* dst, const Surface* src, int64_t sx, int64_t sy, int64_t sw,
                      int64_t sh, Point p0, Point p1, Point p2, bool keyed, uint32_t keyPixel) {
    if (!dst || !src || dst->pixels.empty() || src->pixels.empty() || sw <= 0 || sh <= 0) return;
    // Edge vectors and the parallelogram's area; a flat one covers no pixel centre.
    const int64_t ax = p1.x - p0.x, ay = p1.y - p0.y;  // along the source's rows
    const int64_t bx = p2.x - p0.x, by = p2.y - p0.y;  // along its columns
    __int128 det = static_cast<__int128>(ax) * by - static_cast<__int128>(ay) * bx;
    if (det == 0) return;
    // Work in half pixels so that pixel centres (X + 1/2, Y + 1/2) are whole numbers: the centre
    // at offset (ex, ey) / 2 from p0 has u = (ex*by - ey*bx) / (2 det), v = (ax*ey - ay*ex) / (2 det).
    int sign = det > 0 ? 1 : -1;
    __int128 den128 = 2 * det * sign;
    if (den128 > (static_cast<__int128>(1) << 62)) return;  // far larger than any screen
    const int64_t den = static_cast<int64_t>(den128);

    // Bounding box of the four corners, clipped to the destination.
    const Point p3{p1.x + p2.x - p0.x, p1.y + p2.y - p0.y};
    int64_t left = std::min({p0.x, p1.x, p2.x, p3.x}), right = std::max({p0.x, p1.x, p2.x, p3.x});
    int64_t top = std::min({p0.y, p1.y, p2.y, p3.y}), bottom = std::max({p0.y, p1.y, p2.y, p3.y});
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, dst->width);
    bottom = std::min<int64_t>(bottom, dst->height);
    if (left >= right || top >= bottom) return;

    // Source columns and rows that exist in the source surface.
    const int64_t columnLo = std::max<int64_t>(0, -sx), columnHi = std::min<int64_t>(sw, src->width - sx);
    const int64_t rowLo = std::max<int64_t>(0, -sy), rowHi = std::min<int64_t>(sh, src->height - sy);
    if (columnLo >= columnHi || rowLo >= rowHi) return;

    Walker u, v;
    const __int128 stepU = static_cast<__int128>(2 * by) * sign, stepV = static_cast<__int128>(-2 * ay) * sign;
    for (int64_t Y = top; Y < bottom; ++Y) {
        const int64_t ey = 2 * Y + 1 - 2 * p0.y;
        auto numerators = [&](int64_t X, __int128& nu, __int128& nv) {
            const int64_t ex = 2 * X + 1 - 2 * p0.x;
            nu = (static_cast<__int128>(ex) * by - static_cast<__int128>(ey) * bx) * sign;
            nv = (static_cast<__int128>(ax) * ey - static_cast<__int128>(ay) * ex) * sign;
        };
        // Only the stretch of the row where both samples can fall inside the source is walked;
        // it is widened by a pixel each way, and every pixel is still checked below.
        __int128 nu, nv;
        numerators(left, nu, nv);
        int64_t t0 = 0, t1 = right - left;
        insideRun(nu * sw, stepU * sw, columnLo * static_cast<__int128>(den), columnHi * static_cast<__int128>(den), t0, t1);
        insideRun(nv * sh, stepV * sh, rowLo * static_cast<__int128>(den), rowHi * static_cast<__int128>(den), t0, t1);
        t0 = std::max<int64_t>(t0 - 1, 0);
        t1 = std::min<int64_t>(t1 + 1, right - left);
        if (t0 >= t1) continue;
        numerators(left + t0, nu, nv);
        u.start(nu, sw, stepU, den);
        v.start(nv, sh, stepV, den);
        uint32_t* out = dst->row(static_cast<int>(Y));
        for (int64_t X = left + t0, end = left + t1; X < end; ++X, u.advance(), v.advance()) {
            if (u.index < columnLo || u.index >= columnHi || v.index < rowLo || v.index >= rowHi) {
                continue;
            }
            uint32_t s = src->row(static_cast<int>(sy + v.index))[sx + u.index];
            if (keyed && s == keyPixel) continue;
            out[X] = s;
        }
    }
}

// The same mapping when the corners were not turned at all: the parallelogram is the rectangle
// itself, so each destination column samples one source column and each row one source row,
// the one under its centre: destination pixel i of n takes floor((2i + 1) * m / (2n)) of m.
std::vector<int> uprightColumns, uprightRows;  // reused from call to call, like the copies' maps

// Fills the map with the source indices (offset by s) of the destination run d .. d+n-1 that lie
// inside the surface of D pixels and sample source indices lo .. hi-1; returns the first such
// destination index, or -1. The samples only move forward, so the kept ones are one run.
int64_t uprightAxis(int64_t d, int64_t n, int64_t D, int64_t s, int64_t m, int64_t lo, int64_t hi,
                    std::vector<int>& map) {
    map.clear();
    int64_t first = -1;
    for (int64_t i = std::max<int64_t>(0, -d), end = std::min<int64_t>(n, D - d); i < end; ++i) {
        const int64_t index = (2 * i + 1) * m / (2 * n);
        if (index < lo) continue;
        if (index >= hi) break;
        if (first < 0) first = d + i;
        map.push_back(static_cast<int>(s + index));
    }
    return first;
}

void mapUpright(Surface* dst, const Surface* src, int64_t sx, int64_t sy, int64_t sw, int64_t sh,
                int64_t x, int64_t y, int64_t w, int64_t h, bool keyed, uint32_t keyPixel) {
    if (!dst || !src || dst->pixels.empty() || src->pixels.empty() || sw <= 0 || sh <= 0) return;
    const int64_t columnLo = std::max<int64_t>(0, -sx), columnHi = std::min<int64_t>(sw, src->width - sx);
    const int64_t rowLo = std::max<int64_t>(0, -sy), rowHi = std::min<int64_t>(sh, src->height - sy);
    if (columnLo >= columnHi || rowLo >= rowHi) return;
    const int64_t firstX = uprightAxis(x, w, dst->width, sx, sw, columnLo, columnHi, uprightColumns);
    const int64_t firstY = uprightAxis(y, h, dst->height, sy, sh, rowLo, rowHi, uprightRows);
    if (firstX < 0 || firstY < 0) return;
    const int* columns = uprightColumns.data();
    const int n = static_cast<int>(uprightColumns.size());
    for (size_t j = 0; j < uprightRows.size(); ++j) {
        const uint32_t* __restrict in = src->row(uprightRows[j]);
        uint32_t* __restrict out = dst->row(static_cast<int>(firstY + static_cast<int64_t>(j))) + firstX;
        if (keyed) {
            for (int i = 0; i < n; ++i) {
                const uint32_t p = in[columns[i]];
                out[i] = p == keyPixel ? out[i] : p;
            }
        } else {
            for (int i = 0; i < n; ++i) out[i] = in[columns[i]];
        }
    }
}

void rotateCorners(Surface* dst, int64_t x, int64_t y, int64_t w, int64_t h, const Surface* src,
                   int64_t sx, int64_t sy, int64_t sw, int64_t sh, int angle, uint32_t key,
                   int64_t cx, int64_t cy) {
    int a = angle % 360;
    if (a < 0) a += 360;
    const bool keyed = key <= 0xFFFFFF;
    if (cosTable[a] == 1.0f && sinTable[a] == 0.0f && w > 0 && h > 0) {
        // No turn: every offset here is a whole number well inside a float's exact range, so
        // the corners come back where they were and the upright mapping is the same picture.
        Surface holder;
        src = distinctSource(src, dst, holder);
        mapUpright(dst, src, sx, sy, sw, sh, x, y, w, h, keyed, colourToPixel(key & 0xFFFFFF));
        return;
    }
    const Point p0 = turnAbout(x, y, cx, cy, a);
    const Point p1 = turnAbout(x + w, y, cx, cy, a);
    const Point p2 = turnAbout(x, y + h, cx, cy, a);
    // The mask compares real colours: a key of magenta leaves out magenta pixels.
    Surface holder;
    src = distinctSource(src, dst, holder);
    mapParallelogram(dst, src, sx, sy, sw, sh, p0, p1, p2, keyed, colourToPixel(key & 0xFFFFFF));
}

constexpr int64_t kFarthest = int64_t{1} << 20;

bool withinReach(std::initializer_list<int64_t> values) {
    for (int64_t v : values) {
        if (v < -kFarthest || v > kFarthest) return false;
    }
    return true;
}

}  // namespace

void mapTurnedCorners(Surface* dst, const Surface* src, int64_t sx, int64_t sy, int64_t sw,
                      int64_t sh, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t x2,
                      int64_t y2, uint32_t key) {
    Surface holder;
    src = distinctSource(src, dst, holder);
    mapParallelogram(dst, src, sx, sy, sw, sh, {x0, y0}, {x1, y1}, {x2, y2}, key <= 0xFFFFFF,
                     colourToPixel(key & 0xFFFFFF));
}

void rotateBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                int sw, int sh, int angle, uint32_t key) {
    const int64_t k = displayScale();
    const int64_t X = x * k, Y = y * k, W = w * k, H = h * k;
    if (!withinReach({X, Y, W, H, sx * k, sy * k, sw * k, sh * k})) return;
    // The half sizes are truncated toward zero: an odd width turns about x + (w - 1) / 2.
    rotateCorners(dst, X, Y, W, H, src, sx * k, sy * k, sw * k, sh * k, angle, key, X + W / 2,
                  Y + H / 2);
}

void rotateBlitAbout(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                     int sw, int sh, int angle, uint32_t key, int pivotX, int pivotY) {
    const int64_t k = displayScale();
    const int64_t X = x * k, Y = y * k;
    if (!withinReach({X, Y, w * k, h * k, sx * k, sy * k, sw * k, sh * k, pivotX * k, pivotY * k})) {
        return;
    }
    rotateCorners(dst, X, Y, w * k, h * k, src, sx * k, sy * k, sw * k, sh * k, angle, key,
                  X + pivotX * k, Y + pivotY * k);
}
