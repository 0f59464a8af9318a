// Keyed copies of prepared pictures, run by run. The clipping is the keyed copy's own: a
// destination pixel is drawn when it lies in the rectangle and in the destination surface and
// its source pixel lies in the picture and is not the key.
#include "gfx/keyed_runs.h"

#include <algorithm>
#include <cstring>

#include "gfx/angles.h"
#include "gfx/display.h"

namespace {

constexpr int64_t kFarthest = int64_t{1} << 30;  // as the copies: beyond it nothing is drawn

bool withinReach(std::initializer_list<int64_t> values) {
    for (int64_t v : values)
        if (v < -kFarthest || v > kFarthest) return false;
    return true;
}

bool runsFit(const Surface& picture, const KeyedRuns& runs) {
    return runs.width == picture.width && runs.height == picture.height &&
           runs.rowStart.size() == static_cast<size_t>(picture.height) + 1;
}

// Where the unstretched copy of (x, y, w, h) from (sx, sy) lands: destination columns x + i and
// rows y + j for i in colLo .. colHi - 1 and j in rowLo .. rowHi - 1.
struct Clip {
    int64_t colLo = 0, colHi = 0, rowLo = 0, rowHi = 0;
    bool empty() const { return colLo >= colHi || rowLo >= rowHi; }
};

Clip clipCopy(int64_t dstW, int64_t dstH, int64_t x, int64_t y, int64_t w, int64_t h, int64_t srcW, int64_t srcH,
              int64_t sx, int64_t sy) {
    Clip c;
    c.colLo = std::max({int64_t{0}, -x, -sx});
    c.colHi = std::min({w, dstW - x, srcW - sx});
    c.rowLo = std::max({int64_t{0}, -y, -sy});
    c.rowHi = std::min({h, dstH - y, srcH - sy});
    return c;
}

Clip clipCopy(const Surface& dst, int64_t x, int64_t y, int64_t w, int64_t h, const Surface& src, int64_t sx,
              int64_t sy) {
    return clipCopy(dst.width, dst.height, x, y, w, h, src.width, src.height, sx, sy);
}

bool usable(const Surface* dst, int w, int h, const Surface& picture) {
    return dst && !dst->pixels.empty() && !picture.pixels.empty() && w > 0 && h > 0;
}

// The runs of row `row` of the picture, as destination columns (offset = x - sx), clipped to
// lo .. hi - 1; calls emit(first, end) for each.
template <typename Emit>
void rowRuns(const KeyedRuns& runs, int64_t row, int64_t offset, int64_t lo, int64_t hi, Emit emit) {
    const KeyedRuns::Run* run = runs.runs.data() + runs.rowStart[static_cast<size_t>(row)];
    const KeyedRuns::Run* end = runs.runs.data() + runs.rowStart[static_cast<size_t>(row) + 1];
    for (; run != end; ++run) {
        const int64_t first = std::max<int64_t>(run->first + offset, lo);
        const int64_t last = std::min<int64_t>(run->end + offset, hi);
        if (first < last) emit(first, last);
    }
}

void copyPixels(Surface& dst, int64_t dstRow, const Surface& src, int64_t srcRow, int64_t first, int64_t end,
                int64_t offset) {
    std::memcpy(dst.row(static_cast<int>(dstRow)) + first, src.row(static_cast<int>(srcRow)) + (first - offset),
                sizeof(uint32_t) * static_cast<size_t>(end - first));
}

}  // namespace

KeyedRuns findKeyedRuns(const Surface& picture, uint32_t keyPixel) {
    KeyedRuns runs;
    runs.width = picture.width;
    runs.height = picture.height;
    runs.keyPixel = keyPixel;
    runs.rowStart.reserve(static_cast<size_t>(std::max(picture.height, 0)) + 1);
    for (int y = 0; y < picture.height; ++y) {
        runs.rowStart.push_back(static_cast<uint32_t>(runs.runs.size()));
        const uint32_t* row = picture.row(y);
        int x = 0;
        while (x < picture.width) {
            while (x < picture.width && row[x] == keyPixel) ++x;
            const int first = x;
            while (x < picture.width && row[x] != keyPixel) ++x;
            if (first < x) runs.runs.push_back({first, x});
        }
    }
    runs.rowStart.push_back(static_cast<uint32_t>(runs.runs.size()));
    return runs;
}

// Calls copy(destination row, source row, first, end, offset) for each run of the picture's
// non-key pixels that lands inside the destination, row by row.
template <typename Copy>
static void forEachLandingRun(Surface* dst, int x, int y, int w, int h, const Surface& picture, const KeyedRuns& runs,
                       int sx, int sy, Copy copy) {
    if (!usable(dst, w, h, picture) || !runsFit(picture, runs) || !withinReach({x, y, w, h, sx, sy})) return;
    const Clip c = clipCopy(*dst, x, y, w, h, picture, sx, sy);
    if (c.empty()) return;
    const int64_t offset = int64_t{x} - sx;
    for (int64_t j = c.rowLo; j < c.rowHi; ++j)
        rowRuns(runs, sy + j, offset, x + c.colLo, x + c.colHi,
                [&](int64_t first, int64_t end) { copy(int64_t{y} + j, sy + j, first, end, offset); });
}

void copyKeyedRuns(Surface* dst, int x, int y, int w, int h, const Surface& picture, const KeyedRuns& runs,
                   int sx, int sy) {
    if (dst == &picture) {  // within one surface: the keyed copy reads the picture as it was
        transparentBlit(dst, x, y, w, h, &picture, sx, sy, w, h, pixelToColour(runs.keyPixel));
        return;
    }
    forEachLandingRun(dst, x, y, w, h, picture, runs, sx, sy,
                      [&](int64_t row, int64_t from, int64_t first, int64_t end, int64_t offset) {
                          copyPixels(*dst, row, picture, from, first, end, offset);
                      });
}

void CoverMask::reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    words_ = (width_ + 63) / 64;
    bits_.assign(static_cast<size_t>(words_) * static_cast<size_t>(height_), 0);
}

void CoverMask::coverRow(int y, int64_t first, int64_t end) {
    first = std::max<int64_t>(first, 0);
    end = std::min<int64_t>(end, width_);
    if (y < 0 || y >= height_ || first >= end) return;
    uint64_t* row = bits_.data() + static_cast<size_t>(y) * static_cast<size_t>(words_);
    for (int64_t i = first; i < end;) {
        const int64_t word = i / 64, bit = i % 64;
        const int64_t count = std::min<int64_t>(64 - bit, end - i);
        const uint64_t ones = count == 64 ? ~uint64_t{0} : ((uint64_t{1} << count) - 1) << bit;
        row[word] |= ones;
        i += count;
    }
}

void CoverMask::cover(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    const int64_t first = std::max<int64_t>(x, 0), end = std::min<int64_t>(int64_t{x} + w, width_);
    const int64_t top = std::max<int64_t>(y, 0), bottom = std::min<int64_t>(int64_t{y} + h, height_);
    if (first >= end || top >= bottom) return;
    // The words of one row, then the same words of every row.
    const int64_t firstWord = first / 64, lastWord = (end - 1) / 64;
    for (int64_t word = firstWord; word <= lastWord; ++word) {
        const int64_t lo = std::max(first, word * 64) - word * 64, hi = std::min(end, word * 64 + 64) - word * 64;
        const uint64_t ones = hi - lo == 64 ? ~uint64_t{0} : ((uint64_t{1} << (hi - lo)) - 1) << lo;
        uint64_t* bits = bits_.data() + static_cast<size_t>(top) * static_cast<size_t>(words_) + static_cast<size_t>(word);
        for (int64_t row = top; row < bottom; ++row, bits += words_) *bits |= ones;
    }
}

void CoverMask::cover(const KeyedRuns& runs, int x, int y, int w, int h, int sx, int sy) {
    // Drawn as copyKeyedRuns draws them, onto a destination of the mask's size.
    if (w <= 0 || h <= 0 || !withinReach({x, y, w, h, sx, sy})) return;
    if (runs.rowStart.size() != static_cast<size_t>(std::max(runs.height, 0)) + 1 || runs.width <= 0) return;
    const Clip c = clipCopy(width_, height_, x, y, w, h, runs.width, runs.height, sx, sy);
    if (c.empty()) return;
    const int64_t offset = int64_t{x} - sx;
    for (int64_t j = c.rowLo; j < c.rowHi; ++j) {
        rowRuns(runs, sy + j, offset, x + c.colLo, x + c.colHi,
                [&](int64_t first, int64_t end) { coverRow(static_cast<int>(y + j), first, end); });
    }
}

void CoverMask::add(const CoverMask& other) {
    if (other.width_ != width_ || other.height_ != height_) return;
    for (size_t i = 0; i < bits_.size(); ++i) bits_[i] |= other.bits_[i];
}

bool CoverMask::covered(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    const uint64_t word = bits_[static_cast<size_t>(y) * static_cast<size_t>(words_) + static_cast<size_t>(x / 64)];
    return (word >> (x % 64)) & 1;
}

int CoverMask::nextWith(const uint64_t* row, int from, int end, bool set) const {
    end = std::min(end, width_);
    if (from < 0) from = 0;
    while (from < end) {
        uint64_t word = row[from / 64];
        if (!set) word = ~word;
        word &= ~uint64_t{0} << (from % 64);
        if (word != 0) return std::min(from / 64 * 64 + __builtin_ctzll(word), end);
        from = from / 64 * 64 + 64;
    }
    return end;
}

void copyKeyedRunsUncovered(Surface* dst, int x, int y, int w, int h, const Surface& picture,
                            const KeyedRuns& runs, int sx, int sy, const CoverMask& mask) {
    if (dst == &picture || !dst || mask.width() != dst->width || mask.height() != dst->height) {
        copyKeyedRuns(dst, x, y, w, h, picture, runs, sx, sy);
        return;
    }
    forEachLandingRun(dst, x, y, w, h, picture, runs, sx, sy,
                      [&](int64_t row, int64_t from, int64_t first, int64_t end, int64_t offset) {
                          mask.forEachUncovered(static_cast<int>(row), static_cast<int>(first), static_cast<int>(end),
                                                [&](int start, int stop) {
                                                    copyPixels(*dst, row, picture, from, start, stop, offset);
                                                });
                      });
}

namespace {

// Pixel (i, j) is the source pixel under its centre, source column sx + floor((2i + 1) * sw / (2w))
// and likewise for the row, or keyPixel where that falls outside the source: what the turned
// blit's upright mapping samples.
void layOut(Surface& out, const Surface& source, int64_t sx, int64_t sy, int64_t sw, int64_t sh, int64_t w,
            int64_t h, uint32_t keyPixel) {
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), keyPixel);
    auto axis = [](int64_t n, int64_t s, int64_t m, int64_t size) {
        std::vector<int64_t> map(static_cast<size_t>(n));
        for (int64_t i = 0; i < n; ++i) {
            const int64_t index = s + (2 * i + 1) * m / (2 * n);
            map[static_cast<size_t>(i)] = index >= 0 && index < size ? index : -1;
        }
        return map;
    };
    const std::vector<int64_t> columns = axis(w, sx, sw, source.width);
    const std::vector<int64_t> rows = axis(h, sy, sh, source.height);
    for (int64_t j = 0; j < h; ++j) {
        if (rows[static_cast<size_t>(j)] < 0) continue;
        const uint32_t* in = source.row(static_cast<int>(rows[static_cast<size_t>(j)]));
        uint32_t* row = out.row(static_cast<int>(j));
        for (int64_t i = 0; i < w; ++i)
            if (columns[static_cast<size_t>(i)] >= 0) row[i] = in[columns[static_cast<size_t>(i)]];
    }
}

// The turned blits draw nothing beyond this reach (device pixels).
constexpr int64_t kTurnedReach = int64_t{1} << 20;

bool withinTurnedReach(std::initializer_list<int64_t> values) {
    for (int64_t v : values)
        if (v < -kTurnedReach || v > kTurnedReach) return false;
    return true;
}

}  // namespace

bool layUpright(UprightPicture& out, const Surface* source, int sx, int sy, int sw, int sh, int w, int h,
                Colour key, int64_t maxPixels) {
    out = UprightPicture{};
    const int64_t k = displayScale();
    const int64_t W = w * k, H = h * k;
    if (!source || key > 0xFFFFFF || w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || W * H > maxPixels) return false;
    out.source = source;
    out.sx = sx;
    out.sy = sy;
    out.sw = sw;
    out.sh = sh;
    out.width = w;
    out.height = h;
    out.scale = static_cast<int>(k);
    out.key = key;
    const uint32_t keyPixel = colourToPixel(key);
    layOut(out.picture, *source, sx * k, sy * k, sw * k, sh * k, W, H, keyPixel);
    out.runs = findKeyedRuns(out.picture, keyPixel);
    return true;
}

bool laidOutFor(const UprightPicture& p, const Surface* source, int sx, int sy, int sw, int sh, int w, int h,
                Colour key) {
    return p.source && p.source == source && p.sx == sx && p.sy == sy && p.sw == sw && p.sh == sh &&
           p.width == w && p.height == h && p.key == key && p.scale == displayScale();
}

void drawUpright(Surface* dst, int x, int y, const UprightPicture& p) {
    if (!p.source) return;
    const int64_t k = p.scale;
    // The turned blit takes its upright mapping only when the tables give no turn at all.
    if (k != displayScale() || cosTable[0] != 1.0f || sinTable[0] != 0.0f) {
        rotateBlit(dst, x, y, p.width, p.height, p.source, p.sx, p.sy, p.sw, p.sh, 0, p.key);
        return;
    }
    const int64_t X = x * k, Y = y * k;
    if (!withinTurnedReach({X, Y, p.width * k, p.height * k, p.sx * k, p.sy * k, p.sw * k, p.sh * k})) return;
    copyKeyedRuns(dst, static_cast<int>(X), static_cast<int>(Y), p.picture.width, p.picture.height, p.picture,
                  p.runs, 0, 0);
}

void coverUpright(CoverMask& mask, int x, int y, const UprightPicture& p) {
    if (!p.source) return;
    const int64_t k = p.scale;
    if (k != displayScale() || cosTable[0] != 1.0f || sinTable[0] != 0.0f) return;
    const int64_t X = x * k, Y = y * k;
    if (!withinTurnedReach({X, Y, p.width * k, p.height * k, p.sx * k, p.sy * k, p.sw * k, p.sh * k})) return;
    mask.cover(p.runs, static_cast<int>(X), static_cast<int>(Y), p.picture.width, p.picture.height, 0, 0);
}
