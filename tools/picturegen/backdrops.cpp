// Backdrops: the moonlit castle behind the rooms and under the world select
// (bmp/castle2-5-2.bmp, sky keyed out so the stars show), the far night sky (bmp/bg5.bmp), the
// opening's sky (bmp/bg.bmp and the quieter bmp/bg2.bmp the title fades to), the menus' sky
// (bmp/background.bmp, wrapping left to right, the moon in its top-right corner), the small
// castle (bmp/castle1-3.bmp) and the graveyard slope (bmp/hakaba1-2.bmp).
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

std::vector<Colour> skyRamp() { return {pal("night0"), pal("night1"), pal("night2"), pal("night3"), pal("night4")}; }

void moon(Image& img, int cx, int cy, int r) {
    // a halo in two rings, then the disc with a few darker seas
    ring(img, cx, cy, r + r / 2, r + r / 3, pal("night3"));
    ring(img, cx, cy, r + r / 3, r + 1, pal("night4"));
    disc(img, cx, cy, r, pal("moon1"));
    disc(img, cx - r / 5, cy - r / 5, r * 3 / 4, pal("moon2"));
    // seas scattered unevenly, so that the moon never looks back with a face
    disc(img, cx + r / 3, cy - r / 3, std::max(1, r / 6), pal("moon0"));
    disc(img, cx - r / 4, cy + r / 3, std::max(1, r / 4), pal("moon0"));
    disc(img, cx + r / 4, cy + r / 2, std::max(1, r / 8), pal("moon0"));
}

void stars(Image& img, int x, int y, int w, int h, int count, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        int sx = x + rng.below(w), sy = y + rng.below(h);
        Colour c = rng.chance(20) ? pal("moon2") : rng.chance(50) ? pal("moon0") : pal("night5");
        img.set(sx, sy, c);
        if (rng.chance(8)) { img.set(sx + 1, sy, pal("night5")); img.set(sx - 1, sy, pal("night5")); img.set(sx, sy + 1, pal("night5")); img.set(sx, sy - 1, pal("night5")); }
    }
}

// Hills whose outline repeats every `period` pixels, so wrapping pictures join up.
void hills(Image& img, int baseY, int amplitude, int period, double phase, Colour c) {
    for (int x = 0; x < img.w; ++x) {
        double t = 2 * M_PI * x / period;
        int top = baseY - int(std::lround(amplitude * (0.6 * std::sin(t + phase) + 0.4 * std::sin(3 * t + phase * 2))));
        vline(img, x, top, img.h - 1, c);
    }
}

void cloud(Image& img, int x, int y, int w, Colour c, Colour light) {
    for (int k = 0; k < w / 8; ++k) {
        int r = 4 + (k * 7 % 5);
        ellipse(img, x + k * 8, y - (k % 3), r * 2, r, c);
    }
    for (int k = 0; k < w / 8; ++k) hline(img, x + k * 8 - 4, x + k * 8 + 4, y - (k % 3) - 4 - (k * 7 % 5), light);
}

struct Tower { int x, w, top; bool cone; };

// A castle standing on ground line base: towers with pointed roofs, lit windows, a keep.
void castle(Image& img, int base, const std::vector<Tower>& towers, int scale, uint32_t seed) {
    Rng rng(seed);
    for (const auto& t : towers) {
        int x0 = t.x, x1 = t.x + t.w;
        rect(img, x0, t.top, t.w, base - t.top, pal("stone2"));
        // moonlight on the left face, shadow on the right
        rect(img, x0, t.top, std::max(1, t.w / 6), base - t.top, pal("stone4"));
        rect(img, x1 - std::max(1, t.w / 5), t.top, std::max(1, t.w / 5), base - t.top, pal("stone1"));
        // stone courses
        for (int y = t.top + 3 * scale; y < base; y += 3 * scale)
            for (int x = x0 + ((y / (3 * scale)) % 2) * 2 * scale; x < x1; x += 5 * scale)
                img.set(x, y, pal("stone1"));
        if (t.cone) {
            int h = t.w * 3 / 2;
            polygon(img, {x0 - scale * 2, t.top, x1 + scale * 2, t.top, (x0 + x1) / 2, t.top - h}, pal("night3"));
            polygon(img, {x0 - scale * 2, t.top, (x0 + x1) / 2, t.top, (x0 + x1) / 2, t.top - h}, pal("night4"));
            vline(img, (x0 + x1) / 2, t.top - h - 4 * scale, t.top - h, pal("iron3"));
            polygon(img, {(x0 + x1) / 2, t.top - h - 4 * scale, (x0 + x1) / 2 + 4 * scale, t.top - h - 3 * scale, (x0 + x1) / 2, t.top - h - 2 * scale}, pal("red2"));
        } else {
            for (int x = x0; x < x1; x += 4 * scale) rect(img, x, t.top - 3 * scale, 2 * scale, 3 * scale, pal("stone2"));
        }
        // windows: most dark, some warmly lit
        for (int y = t.top + 8 * scale; y < base - 8 * scale; y += 14 * scale)
            for (int x = x0 + 4 * scale; x + 2 * scale < x1 - 3 * scale; x += 9 * scale) {
                bool lit = rng.chance(30);
                rect(img, x, y, 2 * scale, 3 * scale, lit ? pal("torch3") : pal("stone0"));
                if (lit) rect(img, x, y, 2 * scale, scale, pal("torch4"));
            }
    }
}

// A warmly lit arched window: the world select's emblems sit on these.
void litWindow(Image& img, int cx, int cy) {
    rect(img, cx - 9, cy - 8, 18, 20, pal("stone4"));
    disc(img, cx, cy - 8, 9, pal("stone4"));
    rect(img, cx - 6, cy - 6, 12, 16, pal("torch2"));
    disc(img, cx, cy - 6, 6, pal("torch2"));
    rect(img, cx - 4, cy - 4, 8, 12, pal("torch3"));
    disc(img, cx, cy - 5, 4, pal("torch4"));
    rect(img, cx - 11, cy + 10, 22, 4, pal("stone5"));  // the sill
    hline(img, cx - 11, cx + 10, cy + 13, pal("stone1"));
}

Image bigCastle() {
    // 1280 x 960: the castle on its crag, seen from the front; the sky is keyed out. The world
    // select walks up its towers: the gate (360, 620), then the windows at (520, 470),
    // (340, 360), (500, 240) and the top of the keep (380, 120).
    Image img(1280, 960, kMagenta);
    // the crag
    for (int x = 0; x < img.w; ++x) {
        double t = (x - 440) / 700.0;
        int top = 700 + int(260 * t * t) + int(8 * std::sin(x * 0.05));
        vline(img, x, top, img.h - 1, pal("stone1"));
        vline(img, x, top, top + 3, pal("stone3"));
    }
    Rng rng(1234);
    for (int i = 0; i < 500; ++i) {
        int x = rng.below(1280), y = 700 + rng.below(260);
        if (img.at(x, y) == pal("stone1")) hline(img, x, x + 3 + rng.below(10), y, pal("stone0"));
    }
    for (int i = 0; i < 300; ++i) {
        int x = rng.below(1280), y = 690 + rng.below(270);
        if (img.at(x, y) == pal("stone1") && img.at(x, y - 6) == kMagenta) disc(img, x, y, 2 + rng.below(3), pal("moss1"));
    }
    // the east wing, seen in the rooms' backdrop
    castle(img, 720, {{860, 56, 470, true}, {640, 250, 560, false}, {700, 70, 390, true}, {1010, 50, 560, true}, {900, 140, 600, false}}, 2, 6);
    // curtain wall and the towers the worlds climb
    castle(img, 720, {{150, 60, 500, true}, {160, 520, 580, false}}, 2, 7);
    castle(img, 580, {{380, 110, 430, false}, {480, 84, 420, true}, {290, 100, 300, true}}, 2, 8);
    castle(img, 420, {{450, 100, 200, true}, {330, 120, 260, false}}, 2, 9);
    castle(img, 300, {{340, 80, 150, true}}, 2, 10);
    // the great gate
    rect(img, 320, 620, 80, 100, pal("stone0"));
    disc(img, 360, 620, 40, pal("stone0"));
    rect(img, 328, 628, 64, 92, pal("wood1"));
    disc(img, 360, 628, 32, pal("wood1"));
    rect(img, 328, 628, 64, 92, pal("wood1"));
    for (int x = 332; x < 392; x += 10) vline(img, x, 600, 719, pal("wood0"));
    hline(img, 328, 391, 650, pal("iron2"));
    hline(img, 328, 391, 690, pal("iron2"));
    for (int x : {298, 416}) {  // torches beside the gate
        rect(img, x, 612, 6, 14, pal("wood2"));
        disc(img, x + 3, 606, 5, pal("torch2"));
        disc(img, x + 3, 607, 3, pal("torch4"));
    }
    for (auto [x, y] : {std::pair{520, 470}, std::pair{340, 360}, std::pair{500, 240}, std::pair{380, 120}}) litWindow(img, x, y);
    // a path winding down from the gate
    for (int y = 720; y < 960; ++y) {
        int cx = 360 + int(50 * std::sin((y - 720) * 0.02));
        hline(img, cx - 22 - (y - 720) / 8, cx + 22 + (y - 720) / 8, y, pal("stone2"));
    }
    return img;
}

Image farSky(int w, int h, bool withMoon, bool withClouds, uint32_t seed) {
    Image img(w, h, kBlack);
    verticalRamp(img, 0, 0, w, h, skyRamp());
    stars(img, 0, 0, w, h * 2 / 3, w * h / 900, seed);
    if (withMoon) moon(img, w * 3 / 4, h / 6, std::max(6, h / 14));
    if (withClouds) {
        Rng rng(seed + 1);
        for (int k = 0; k < w / 160 + 2; ++k) cloud(img, rng.below(w), h / 5 + rng.below(h / 3), 40 + rng.below(60), pal("night3"), pal("night4"));
    }
    hills(img, h - h / 6, h / 20, w, seed * 0.1, pal("night2"));
    hills(img, h - h / 12, h / 30, w / 2, seed * 0.3, pal("night1"));
    return img;
}

// The opening's sky, 320 x 200, drawn twice side by side at double size as it scrolls, and its
// right half once more at its own width over the left quarter of one copy. So it wraps left to
// right, keeps its moon inside columns 90..146 (the part no copy covers), and its hills repeat
// every 40 columns, which makes all three copies meet without a seam. The quiet sky of the title
// is the same night without clouds and with fewer stars.
Image openingSky(bool quiet, uint32_t seed) {
    Image img(320, 200, kBlack);
    verticalRamp(img, 0, 0, 320, 200, skyRamp());
    stars(img, 0, 0, 320, 150, quiet ? 40 : 80, seed);
    if (!quiet) {
        Rng rng(seed + 1);
        for (int k = 0; k < 5; ++k) {
            int x = rng.below(320), y = 60 + rng.below(60), w = 40 + rng.below(40);
            for (int copy : {-320, 0, 320}) cloud(img, x + copy, y, w, pal("night3"), pal("night4"));
        }
    }
    // drawn 2 across and 2.4 down, so it is made a little wider than tall to come out round
    for (int y = 82; y < 131; ++y)
        for (int x = 90; x < 147; ++x) {
            const double dx = (x - 118) / 1.2, dy = y - 106.0, d = std::sqrt(dx * dx + dy * dy);
            if (d <= 15.5) {
                Colour c = std::hypot(dx + 3, dy + 3) < 11 ? pal("moon2") : pal("moon1");
                const double sea1 = std::hypot((x - 123) / 1.2, y - 101.0), sea2 = std::hypot((x - 113) / 1.2, y - 110.0);
                if (sea1 < 3.2 || sea2 < 4.2 || std::hypot((x - 121) / 1.2, y - 113.0) < 2) c = pal("moon0");
                img.set(x, y, c);
            } else if (d <= 17.5) {
                img.set(x, y, pal("night4"));
            } else if (d <= 21 && ditherPick(x, y, 8)) {
                img.set(x, y, pal("night3"));
            }
        }
    for (int x = 0; x < 320; ++x) {
        double t = 2 * M_PI * x / 40;
        int far = 170 - int(std::lround(3 * std::sin(t) + 2 * std::sin(2 * t + 1)));
        vline(img, x, far, 199, pal("night2"));
        int near = 184 - int(std::lround(2 * std::sin(t + 2)));
        vline(img, x, near, 199, pal("night1"));
    }
    return img;
}

Image menuSky() {
    // 640 x 480, wrapping left to right; the moon sits in the part at (525, 0)
    Image img(640, 480, kBlack);
    verticalRamp(img, 0, 0, 640, 480, skyRamp());
    stars(img, 0, 0, 640, 330, 420, 77);
    moon(img, 582, 62, 26);
    for (int k = 0; k < 4; ++k) cloud(img, 40 + k * 150, 150 + (k % 2) * 40, 70, pal("night3"), pal("night4"));
    hills(img, 420, 26, 640, 0.5, pal("night2"));
    hills(img, 450, 14, 320, 1.5, pal("night1"));
    return img;
}

Image smallCastle() {
    Image img(100, 100, kMagenta);
    for (int x = 0; x < 100; ++x) {
        int top = 84 - int(10 * std::sin(M_PI * x / 100.0));
        vline(img, x, top, 99, pal("stone1"));
        img.set(x, top, pal("stone3"));
    }
    castle(img, 80, {{12, 14, 44, true}, {74, 14, 44, true}, {22, 56, 52, false}, {40, 20, 26, true}}, 1, 21);
    rect(img, 46, 68, 8, 12, pal("wood1"));
    disc(img, 50, 68, 4, pal("wood1"));
    return img;
}

Image graveyard() {
    // 448 x 100: a grassy slope with graves, crosses and a bare tree; keyed above the ground
    Image img(448, 100, kMagenta);
    for (int x = 0; x < 448; ++x) {
        int top = 40 + int(6 * std::sin(x * 2 * M_PI / 448.0)) + int(2 * std::sin(x * 0.2));
        vline(img, x, top, 99, pal("moss0"));
        vline(img, x, top, top + 1, pal("moss1"));
        if (x % 3 == 0) img.set(x, top - 1, pal("moss1"));
    }
    Rng rng(4480);
    for (int g = 0; g < 9; ++g) {
        int x = 20 + g * 48 + rng.below(16);
        int ground = 40 + int(6 * std::sin(x * 2 * M_PI / 448.0));
        if (g % 3 == 1) {  // a cross
            rect(img, x, ground - 20, 3, 22, pal("stone4"));
            rect(img, x - 5, ground - 15, 13, 3, pal("stone4"));
            vline(img, x, ground - 20, ground + 1, pal("stone5"));
        } else {  // a rounded gravestone
            rect(img, x - 6, ground - 14, 13, 16, pal("stone3"));
            disc(img, x, ground - 14, 6, pal("stone3"));
            vline(img, x - 6, ground - 14, ground + 1, pal("stone5"));
            hline(img, x - 3, x + 3, ground - 10, pal("stone1"));
            hline(img, x - 3, x + 2, ground - 7, pal("stone1"));
        }
    }
    // a bare tree
    int tx = 300, tg = 40 + int(6 * std::sin(tx * 2 * M_PI / 448.0));
    thickLine(img, tx, tg, tx + 4, tg - 34, 1, pal("wood1"));
    line(img, tx + 3, tg - 22, tx - 12, tg - 34, pal("wood1"));
    line(img, tx + 4, tg - 30, tx + 18, tg - 38, pal("wood1"));
    line(img, tx - 8, tg - 31, tx - 10, tg - 38, pal("wood1"));
    // fireflies of torchlight
    for (int i = 0; i < 6; ++i) img.set(rng.below(448), 20 + rng.below(15), pal("torch4"));
    return img;
}

}  // namespace

void addBackdrops(Catalog& out) {
    out.push_back({"bmp/castle2-5-2.bmp", bigCastle()});
    {
        // the far sky: its moon stands where both the rooms' backdrop and the world select see it
        Image sky = farSky(1280, 960, false, true, 55);
        moon(sky, 700, 330, 40);
        out.push_back({"bmp/bg5.bmp", sky});
    }
    out.push_back({"bmp/bg.bmp", openingSky(false, 31)});
    out.push_back({"bmp/bg2.bmp", openingSky(true, 31)});
    out.push_back({"bmp/background.bmp", menuSky()});
    out.push_back({"bmp/castle1-3.bmp", smallCastle()});
    out.push_back({"bmp/hakaba1-2.bmp", graveyard()});
}

}  // namespace pg
