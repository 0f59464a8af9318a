// Surfaces and the shapes drawn on them: pixels, lines, rectangles. Every coordinate handed in is
// a logical pixel; in the double-size display mode it is doubled here, so that callers never see
// the difference.
#include "gfx/surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "gfx/surface_internal.h"
#include "platform/platform.h"
#include "base/sjis.h"

namespace {

// No picture of the game comes near this; anything larger is a broken size, not a surface.
constexpr int kLargestSide = 16384;

SurfacePtr blankSurface(int64_t width, int64_t height) {
    auto surface = std::make_unique<Surface>();
    // A surface that cannot be made stays empty: drawing on it has no effect.
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return surface;
    surface->width = static_cast<int>(width);
    surface->height = static_cast<int>(height);
    platformSizePixels(surface->pixels, static_cast<size_t>(width) * static_cast<size_t>(height),
                       colourToPixel(kWhite));
    return surface;
}

// The double-size copy of a picture: each pixel becomes a 2 x 2 block.
void doublePicture(const Surface& picture, Surface& out) {
    out.width = picture.width * 2;
    out.height = picture.height * 2;
    // Every pixel is written below; the fill only sizes the vector.
    platformSizePixels(out.pixels, static_cast<size_t>(out.width) * out.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        const uint32_t* from = picture.row(y);
        uint32_t* top = out.row(2 * y);
        for (int x = 0; x < picture.width; ++x) top[2 * x] = top[2 * x + 1] = from[x];
        std::copy(top, top + out.width, out.row(2 * y + 1));
    }
}

}  // namespace

void fillDeviceRect(Surface* s, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t pixel) {
    if (!s || s->pixels.empty() || w <= 0 || h <= 0) return;
    int64_t left = std::max<int64_t>(x, 0), right = std::min<int64_t>(x + w, s->width);
    int64_t top = std::max<int64_t>(y, 0), bottom = std::min<int64_t>(y + h, s->height);
    if (left >= right || top >= bottom) return;
    for (int64_t row = top; row < bottom; ++row) {
        uint32_t* line = s->row(static_cast<int>(row));
        std::fill(line + left, line + right, pixel);
    }
}

namespace {

[[noreturn]] void bitmapLoadError(const char* path) {
    char text[1024];
    std::snprintf(text, sizeof text, sj("Bitmapロードエラー:%s"), path ? path : "");
    platformMessage(text, sj("エラー"), BoxIcon::Error);
    platformFatal();
}

SurfacePtr loadPicture(const char* path, int minimumWidth, int minimumHeight) {
    Surface picture;
    if (!path || !platformLoadBitmap(path, picture) || picture.width <= 0 || picture.height <= 0 ||
        picture.width > kLargestSide || picture.height > kLargestSide || picture.width < minimumWidth ||
        picture.height < minimumHeight)
        bitmapLoadError(path);
    auto surface = std::make_unique<Surface>();
    if (displayScale() == 2) {
        doublePicture(picture, *surface);
    } else {
        *surface = std::move(picture);
    }
    return surface;
}

}  // namespace

SurfacePtr loadSurface(const char* path) { return loadPicture(path, 0, 0); }

SurfacePtr loadSheet(const char* path, int width, int height) { return loadPicture(path, width, height); }

SurfacePtr createSurface(int width, int height) {
    int64_t scale = displayScale();
    return blankSurface(width * scale, height * scale);
}

SurfacePtr createScreenSurface() { return createSurface(display.width, display.height); }

void releaseSurface(SurfacePtr& surface) { surface.reset(); }

void fillSurface(Surface* s, Colour colour) {
    int64_t scale = displayScale();
    fillDeviceRect(s, 0, 0, display.width * scale, display.height * scale, colourToPixel(colour));
}

void drawPixel(Surface* s, int x, int y, Colour colour) {
    int64_t scale = displayScale();
    fillDeviceRect(s, x * scale, y * scale, scale, scale, colourToPixel(colour));
}

void drawLine(Surface* s, int x0, int y0, int x1, int y1, Colour colour) {
    // Straight runs only visit the points that can land on the surface.
    const int64_t scale = displayScale();
    const int64_t columns = s ? s->width / scale + 1 : 0, rows = s ? s->height / scale + 1 : 0;
    if (x0 == x1) {
        int64_t top = std::max<int64_t>(std::min(y0, y1), -1);
        int64_t bottom = std::min<int64_t>(std::max(y0, y1), rows);
        for (int64_t y = top; y <= bottom; ++y) drawPixel(s, x0, static_cast<int>(y), colour);
        return;
    }
    if (y0 == y1) {
        int64_t left = std::max<int64_t>(std::min(x0, x1), -1);
        int64_t right = std::min<int64_t>(std::max(x0, x1), columns);
        for (int64_t x = left; x <= right; ++x) drawPixel(s, static_cast<int>(x), y0, colour);
        return;
    }
    // The error term starts at 0 rather than half a step, so a slanted line steps sideways a
    // little later than a symmetric line would: that is the look of the game's lines. Stepping
    // e += minor and taking a side-step whenever e reaches major puts point k of the line exactly
    // floor(k * minor / major) steps to the side, so only the points along the surface are
    // visited, however far the ends lie.
    const int64_t dx = std::abs(static_cast<int64_t>(x1) - x0), dy = std::abs(static_cast<int64_t>(y1) - y0);
    const int64_t sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
    const bool alongX = dx > dy;
    const int64_t major = alongX ? dx : dy, minor = alongX ? dy : dx;
    const int64_t start = alongX ? x0 : y0, step = alongX ? sx : sy;
    const int64_t limit = alongX ? columns : rows;
    int64_t first = 0, last = major;
    if (step > 0) {
        first = std::max<int64_t>(first, -1 - start);
        last = std::min<int64_t>(last, limit - start);
    } else {
        first = std::max<int64_t>(first, start - limit);
        last = std::min<int64_t>(last, start + 1);
    }
    for (int64_t k = first; k <= last; ++k) {
        const int64_t side = static_cast<int64_t>(static_cast<__int128>(k) * minor / major);
        const int64_t x = alongX ? x0 + sx * k : x0 + sx * side;
        const int64_t y = alongX ? y0 + sy * side : y0 + sy * k;
        if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) continue;
        drawPixel(s, static_cast<int>(x), static_cast<int>(y), colour);
    }
}

void drawRectangle(Surface* s, int x, int y, int width, int height, int filled, Colour colour) {
    uint32_t pixel = colourToPixel(colour);
    int64_t scale = displayScale();
    if (filled != 0) {
        fillDeviceRect(s, x * scale, y * scale, width * scale, height * scale, pixel);
    } else if (width == 1 && height == 1) {
        drawPixel(s, x, y, colour);
        return;  // a single point does not pump the window's messages
    } else if (width > 0 && height > 0) {
        // The outline covers columns x..x+width-1 and rows y..y+height-1. In the double-size mode
        // a pen of width 2 runs along the edges 2x+1 .. 2(x+width)-1, which covers exactly the
        // doubled outline: a frame two device pixels thick around the doubled rectangle.
        int64_t left = x * scale, top = y * scale;
        int64_t w = width * scale, h = height * scale, t = scale;
        fillDeviceRect(s, left, top, w, t, pixel);              // top edge
        fillDeviceRect(s, left, top + h - t, w, t, pixel);      // bottom edge
        fillDeviceRect(s, left, top, t, h, pixel);              // left edge
        fillDeviceRect(s, left + w - t, top, t, h, pixel);      // right edge
    }
    platformPumpEvents();
}

Colour readPixel(const Surface* s, int x, int y) {
    int64_t scale = displayScale();
    int64_t px = x * scale, py = y * scale;
    if (!s || px < 0 || py < 0 || px >= s->width || py >= s->height) return kInvalidColour;
    return pixelToColour(s->row(static_cast<int>(py))[px]);
}
