// Keyed pictures prepared once: the runs of each row's pixels that are not the key. A keyed copy
// of such a picture copies those runs whole and leaves the rest, without reading the destination
// or comparing a pixel; a still picture drawn every frame (the backdrop, the gear behind a room)
// is prepared once and copied so from then on, with exactly the pixels of the keyed copy. What
// pictures drawn later will cover whole need not be drawn under them at all: a cover mask says
// which pixels those are.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gfx/surface.h"

struct KeyedRuns {
    struct Run {
        int first = 0, end = 0;  // columns first .. end - 1
    };
    int width = 0, height = 0;        // of the picture the runs were found in
    uint32_t keyPixel = 0;            // the key they leave out
    std::vector<uint32_t> rowStart;   // height + 1 entries: row y has runs[rowStart[y] .. rowStart[y + 1])
    std::vector<Run> runs;
};

// The runs of the pixels of the picture that differ from keyPixel (whole pixels compared, as
// the keyed copy compares them).
KeyedRuns findKeyedRuns(const Surface& picture, uint32_t keyPixel);

// The same pixels as transparentBlit(dst, x, y, w, h, picture, sx, sy, w, h, key) for the key the
// runs were found with: an unstretched keyed copy, in device pixels, clipped against both
// surfaces.
void copyKeyedRuns(Surface* dst, int x, int y, int w, int h, const Surface& picture, const KeyedRuns& runs,
                   int sx, int sy);

// The pixels of a destination that pictures drawn onto it later will cover, one bit each.
class CoverMask {
public:
    // A destination of this size in device pixels, nothing covered yet.
    void reset(int width, int height);
    // What a picture that covers the whole rectangle will draw (clipped to the destination).
    void cover(int x, int y, int w, int h);
    // What copyKeyedRuns(dst, x, y, w, h, picture, runs, sx, sy) will draw, for the picture the
    // runs were found in.
    void cover(const KeyedRuns& runs, int x, int y, int w, int h, int sx, int sy);
    // Everything the other mask (of the same size) covers as well.
    void add(const CoverMask& other);
    bool covered(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }
    // Calls emit(first, end) for each stretch of first .. end - 1 of row y not covered.
    template <typename Emit>
    void forEachUncovered(int y, int first, int end, Emit emit) const;

private:
    int width_ = 0, height_ = 0, words_ = 0;  // words_ 64-bit words per row
    std::vector<uint64_t> bits_;
    void coverRow(int y, int64_t first, int64_t end);
    int nextWith(const uint64_t* row, int from, int end, bool set) const;
};

// The same copy as copyKeyedRuns, except that it leaves out the pixels the mask marks covered
// (a mask of the destination's size; any other mask covers nothing): for a picture drawn under
// the pictures the mask was made from, which must then be drawn exactly as it says.
void copyKeyedRunsUncovered(Surface* dst, int x, int y, int w, int h, const Surface& picture,
                            const KeyedRuns& runs, int sx, int sy, const CoverMask& mask);

// A picture drawn with rotateBlit at angle 0 and a colour key (a gear behind a still room),
// laid out once at its size: the source rectangle sampled as the turned blit samples it when
// nothing turns, then copied keyed run by run.
struct UprightPicture {
    const Surface* source = nullptr;  // what it was laid out from, with the arguments below
    int sx = 0, sy = 0, sw = 0, sh = 0, width = 0, height = 0, scale = 0;
    Colour key = 0;
    Surface picture;  // device pixels; the key where no source pixel lands
    KeyedRuns runs;
};

// Lays out the rectangle (sx, sy, sw, sh) of source for a w x h rectangle, in logical pixels as
// rotateBlit takes them; false (and nothing laid out) for a rectangle of more than maxPixels
// device pixels or a key above 0xFFFFFF.
bool layUpright(UprightPicture& out, const Surface* source, int sx, int sy, int sw, int sh, int w, int h,
                Colour key, int64_t maxPixels);
// Whether it was laid out from these, at the display's present scale.
bool laidOutFor(const UprightPicture& p, const Surface* source, int sx, int sy, int sw, int sh, int w, int h,
                Colour key);
// Exactly rotateBlit(dst, x, y, w, h, source, sx, sy, sw, sh, 0, key) with what it was laid out
// from.
void drawUpright(Surface* dst, int x, int y, const UprightPicture& p);
// Marks in the mask what drawUpright(dst, x, y, p) will draw onto a destination of the mask's
// size (nothing when it would not draw by its runs).
void coverUpright(CoverMask& mask, int x, int y, const UprightPicture& p);

template <typename Emit>
void CoverMask::forEachUncovered(int y, int first, int end, Emit emit) const {
    if (first >= end) return;
    if (y < 0 || y >= height_) {
        if (first < end) emit(first, end);
        return;
    }
    // Columns outside the mask are not covered.
    if (first < 0) {
        emit(first, std::min(end, 0));
        first = 0;
    }
    const int inside = std::min(end, width_);
    const uint64_t* row = bits_.data() + static_cast<size_t>(y) * static_cast<size_t>(words_);
    for (int from = first; from < inside;) {
        from = nextWith(row, from, inside, false);
        if (from >= inside) break;
        const int stop = nextWith(row, from, inside, true);
        emit(from, stop);
        from = stop;
    }
    if (std::max(first, width_) < end) emit(std::max(first, width_), end);
}
