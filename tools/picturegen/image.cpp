#include "image.h"

#include <algorithm>
#include <cstdlib>

namespace pg {

void fill(Image& img, Colour c) { std::fill(img.px.begin(), img.px.end(), c); }

void rect(Image& img, int x, int y, int w, int h, Colour c) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, img.w), y1 = std::min(y + h, img.h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) img.px[size_t(yy) * img.w + xx] = c;
}

void frame(Image& img, int x, int y, int w, int h, Colour c) {
    hline(img, x, x + w - 1, y, c);
    hline(img, x, x + w - 1, y + h - 1, c);
    vline(img, x, y, y + h - 1, c);
    vline(img, x + w - 1, y, y + h - 1, c);
}

void hline(Image& img, int x0, int x1, int y, Colour c) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x) img.set(x, y, c);
}

void vline(Image& img, int x, int y0, int y1, Colour c) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) img.set(x, y, c);
}

void line(Image& img, int x0, int y0, int x1, int y1, Colour c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        img.set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void thickLine(Image& img, int x0, int y0, int x1, int y1, int radius, Colour c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        disc(img, x0, y0, radius, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void disc(Image& img, int cx, int cy, int r, Colour c) {
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r + r) img.set(cx + x, cy + y, c);
}

void ring(Image& img, int cx, int cy, int rOuter, int rInner, Colour c) {
    for (int y = -rOuter; y <= rOuter; ++y)
        for (int x = -rOuter; x <= rOuter; ++x) {
            int d = x * x + y * y;
            if (d <= rOuter * rOuter + rOuter && d > rInner * rInner + rInner) img.set(cx + x, cy + y, c);
        }
}

void ellipse(Image& img, int cx, int cy, int rx, int ry, Colour c) {
    if (rx <= 0 || ry <= 0) return;
    for (int y = -ry; y <= ry; ++y)
        for (int x = -rx; x <= rx; ++x) {
            // (x/rx)^2 + (y/ry)^2 <= 1, in integers with a half-pixel allowance
            long long lhs = (long long)x * x * ry * ry + (long long)y * y * rx * rx;
            long long rhs = (long long)rx * rx * ry * ry + (long long)(rx * ry) * std::min(rx, ry) / 2;
            if (lhs <= rhs) img.set(cx + x, cy + y, c);
        }
}

void polygon(Image& img, const std::vector<int>& xy, Colour c) {
    size_t n = xy.size() / 2;
    if (n < 3) return;
    int ymin = img.h, ymax = -1;
    for (size_t i = 0; i < n; ++i) {
        ymin = std::min(ymin, xy[2 * i + 1]);
        ymax = std::max(ymax, xy[2 * i + 1]);
    }
    for (int y = std::max(ymin, 0); y <= std::min(ymax, img.h - 1); ++y) {
        // sample at the pixel's centre row
        double sy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < n; ++i) {
            double ax = xy[2 * i], ay = xy[2 * i + 1];
            double bx = xy[2 * ((i + 1) % n)], by = xy[2 * ((i + 1) % n) + 1];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) * (bx - ax) / (by - ay));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            int xa = int(xs[k] + 0.5), xb = int(xs[k + 1] + 0.5) - 1;
            hline(img, xa, xb, y, c);
        }
    }
}

Colour mix(Colour a, Colour b, int p) {
    p = std::clamp(p, 0, 100);
    auto ch = [&](int shift) {
        int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        return Colour((ca * (100 - p) + cb * p + 50) / 100) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

bool ditherPick(int x, int y, int t) {
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return bayer[y & 3][x & 3] < t;
}

void verticalRamp(Image& img, int x, int y, int w, int h, const std::vector<Colour>& ramp) {
    if (ramp.empty() || h <= 0) return;
    int steps = int(ramp.size()) - 1;
    for (int yy = 0; yy < h; ++yy) {
        // position along the ramp in sixteenths
        int pos = steps == 0 ? 0 : yy * steps * 16 / std::max(h - 1, 1);
        int i = std::min(pos / 16, steps), t = pos % 16;
        for (int xx = 0; xx < w; ++xx) {
            Colour c = (i < steps && ditherPick(x + xx, y + yy, t)) ? ramp[i + 1] : ramp[i];
            img.set(x + xx, y + yy, c);
        }
    }
}

void blit(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h, Colour key) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!src.inside(sx + x, sy + y)) continue;
            Colour c = src.at(sx + x, sy + y);
            if (key != kNoKey && c == key) continue;
            dst.set(dx + x, dy + y, c);
        }
}

void blitAll(Image& dst, int dx, int dy, const Image& src, Colour key) { blit(dst, dx, dy, src, 0, 0, src.w, src.h, key); }

Image scaled(const Image& src, int f) {
    Image out(src.w * f, src.h * f, kMagenta);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) out.px[size_t(y) * out.w + x] = src.at(x / f, y / f);
    return out;
}

Image mirrored(const Image& src) {
    Image out(src.w, src.h, kMagenta);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) out.set(src.w - 1 - x, y, src.at(x, y));
    return out;
}

Image crop(const Image& src, int x, int y, int w, int h) {
    Image out(w, h, kMagenta);
    blit(out, 0, 0, src, x, y, w, h);
    return out;
}

Image quarterTurned(const Image& src, int turns) {
    Image out = src;
    for (int t = 0; t < ((turns % 4) + 4) % 4; ++t) {
        Image next(out.h, out.w, kMagenta);
        // anticlockwise: (x, y) -> (y, W - 1 - x)
        for (int y = 0; y < out.h; ++y)
            for (int x = 0; x < out.w; ++x) next.set(y, out.w - 1 - x, out.at(x, y));
        out = next;
    }
    return out;
}

void outline(Image& img, Colour key, Colour c) {
    Image src = img;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            if (src.at(x, y) != key) continue;
            bool edge = false;
            const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (auto& o : d) {
                int nx = x + o[0], ny = y + o[1];
                if (src.inside(nx, ny) && src.at(nx, ny) != key && src.at(nx, ny) != c) edge = true;
            }
            if (edge) img.set(x, y, c);
        }
}

void recolour(Image& img, Colour from, Colour to) {
    for (auto& p : img.px)
        if (p == from) p = to;
}

void speckle(Image& img, int x, int y, int w, int h, Colour c, int percent, Rng& rng, Colour onlyOn) {
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx) {
            if (!rng.chance(percent)) continue;
            if (!img.inside(xx, yy)) continue;
            Colour under = img.at(xx, yy);
            if (under == kMagenta) continue;
            if (onlyOn != kNoKey && under != onlyOn) continue;
            img.set(xx, yy, c);
        }
}

std::vector<uint8_t> encodeBmp(const Image& img) {
    int rowBytes = (img.w * 3 + 3) & ~3;
    uint32_t dataSize = uint32_t(rowBytes) * img.h;
    uint32_t fileSize = 54 + dataSize;
    std::vector<uint8_t> out(fileSize, 0);
    auto put16 = [&](size_t at, uint32_t v) { out[at] = v & 0xFF; out[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF); put16(at + 2, v >> 16); };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(img.w));
    put32(22, uint32_t(img.h));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataSize);
    put32(38, 2835);  // 72 dpi
    put32(42, 2835);
    for (int y = 0; y < img.h; ++y) {
        size_t row = 54 + size_t(img.h - 1 - y) * rowBytes;
        for (int x = 0; x < img.w; ++x) {
            Colour c = img.px[size_t(y) * img.w + x];
            out[row + 3 * x + 0] = c & 0xFF;          // blue
            out[row + 3 * x + 1] = (c >> 8) & 0xFF;   // green
            out[row + 3 * x + 2] = (c >> 16) & 0xFF;  // red
        }
    }
    return out;
}

}  // namespace pg

#include <cmath>

namespace pg {

Image rotatedNearest(const Image& src, double degrees, double cx, double cy, Colour key) {
    Image out(src.w, src.h, key);
    double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    for (int y = 0; y < out.h; ++y)
        for (int x = 0; x < out.w; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            // inverse mapping: where this pixel comes from
            double sx = c * dx + s * dy + cx, sy = -s * dx + c * dy + cy;
            int ix = int(std::floor(sx)), iy = int(std::floor(sy));
            if (src.inside(ix, iy)) out.set(x, y, src.at(ix, iy));
        }
    return out;
}

Image shifted(const Image& src, int dx, int dy, Colour key) {
    Image out(src.w, src.h, key);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (src.at(x, y) != key) out.set(x + dx, y + dy, src.at(x, y));
    return out;
}

}  // namespace pg
