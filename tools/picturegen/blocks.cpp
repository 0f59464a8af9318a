// bmp/block.bmp: 10 columns x 20 rows of 32 x 32 cells, one row per block type, frames from
// the left, every block drawn pointing up (the game turns the sheet for the other directions).
//
//   0 crate   1 iron weight   2 lift   3 ghost block   4 barrel (a crate by another look)
//   5 burning block, 10 frames   6 embers (still hazard)   7 spikes, 2 frames   8 spring
//   9 arrow, 3 frames, on black (drawn additively)   10 water, 4 frames   11 slime
//   12 anchored stone   13-16 more crates by other looks: chest, sack pile, urn crate, book crate
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

constexpr int C = 32;

void crate(Image& img, int x0, int y0) {
    Colour dark = pal("wood1"), mid = pal("wood3"), light = pal("wood4"), edge = pal("wood0");
    rect(img, x0, y0, C, C, mid);
    for (int y = 4; y < C - 4; y += 6) hline(img, x0 + 4, x0 + C - 5, y0 + y, pal("wood2"));
    // frame boards and the diagonal brace
    rect(img, x0, y0, C, 4, light);
    rect(img, x0, y0 + C - 4, C, 4, pal("wood2"));
    rect(img, x0, y0, 4, C, light);
    rect(img, x0 + C - 4, y0, 4, C, pal("wood2"));
    thickLine(img, x0 + 5, y0 + C - 6, x0 + C - 6, y0 + 5, 1, light);
    line(img, x0 + 6, y0 + C - 4, x0 + C - 4, y0 + 6, dark);
    frame(img, x0, y0, C, C, edge);
    for (int cx : {2, C - 3})
        for (int cy : {2, C - 3}) img.set(x0 + cx, y0 + cy, pal("iron4"));
}

void ironWeight(Image& img, int x0, int y0) {
    // a trapezoid weight with a ring on top and "t" stamped on it: heavy, dark, riveted
    polygon(img, {x0 + 5, y0 + 8, x0 + 27, y0 + 8, x0 + 32, y0 + 32, x0, y0 + 32}, pal("iron1"));
    polygon(img, {x0 + 6, y0 + 9, x0 + 26, y0 + 9, x0 + 30, y0 + 30, x0 + 2, y0 + 30}, pal("iron2"));
    line(img, x0 + 6, y0 + 9, x0 + 2, y0 + 30, pal("iron4"));
    hline(img, x0 + 6, x0 + 26, y0 + 9, pal("iron4"));
    ring(img, x0 + 16, y0 + 5, 5, 2, pal("iron3"));
    rect(img, x0 + 11, y0 + 5, 11, 3, kMagenta);
    ring(img, x0 + 16, y0 + 5, 5, 3, pal("iron3"));
    rect(img, x0 + 12, y0 + 6, 9, 3, pal("iron1"));
    // stamped mark
    hline(img, x0 + 11, x0 + 21, y0 + 17, pal("iron0"));
    vline(img, x0 + 16, y0 + 17, y0 + 26, pal("iron0"));
    hline(img, x0 + 11, x0 + 21, y0 + 18, pal("iron3"));
    hline(img, x0 + 1, x0 + 31, y0 + 31, pal("iron0"));
}

void lift(Image& img, int x0, int y0) {
    // a platform held by a little balloon of moonlight: it rises on its own
    ellipse(img, x0 + 16, y0 + 9, 9, 8, pal("ghost2"));
    ellipse(img, x0 + 14, y0 + 7, 4, 3, pal("ghost3"));
    img.set(x0 + 12, y0 + 5, pal("ghost4"));
    line(img, x0 + 10, y0 + 15, x0 + 5, y0 + 22, pal("iron4"));
    line(img, x0 + 22, y0 + 15, x0 + 27, y0 + 22, pal("iron4"));
    rect(img, x0, y0 + 22, C, 10, pal("gold1"));
    hline(img, x0, x0 + C - 1, y0 + 22, pal("gold3"));
    hline(img, x0, x0 + C - 1, y0 + 23, pal("gold2"));
    hline(img, x0, x0 + C - 1, y0 + 31, pal("gold0"));
    // up chevrons on the platform
    for (int k = 0; k < 3; ++k) {
        int cx = x0 + 7 + k * 9;
        line(img, cx - 3, y0 + 29, cx, y0 + 26, pal("gold3"));
        line(img, cx, y0 + 26, cx + 3, y0 + 29, pal("gold3"));
    }
}

void ghostBlock(Image& img, int x0, int y0) {
    // drawn at 30 %: a pale crate of moonlight the figure walks through
    rect(img, x0, y0, C, C, pal("ghost1"));
    frame(img, x0, y0, C, C, pal("ghost3"));
    frame(img, x0 + 1, y0 + 1, C - 2, C - 2, pal("ghost2"));
    line(img, x0 + 4, y0 + C - 5, x0 + C - 5, y0 + 4, pal("ghost3"));
    // a little ghost face
    img.set(x0 + 12, y0 + 13, pal("ghost0")); img.set(x0 + 12, y0 + 14, pal("ghost0"));
    img.set(x0 + 19, y0 + 13, pal("ghost0")); img.set(x0 + 19, y0 + 14, pal("ghost0"));
    hline(img, x0 + 14, x0 + 17, y0 + 19, pal("ghost0"));
}

void barrel(Image& img, int x0, int y0) {
    rect(img, x0 + 2, y0, 28, C, pal("wood2"));
    for (int x = 4; x < 28; x += 5) vline(img, x0 + x, y0, y0 + C - 1, pal("wood1"));
    vline(img, x0 + 6, y0, y0 + C - 1, pal("wood4"));
    for (int y : {3, 14, 26}) { rect(img, x0, y0 + y, C, 3, pal("iron2")); hline(img, x0, x0 + C - 1, y0 + y, pal("iron4")); }
    frame(img, x0, y0, C, C, pal("wood0"));
}

void burningBlock(Image& img, int x0, int y0, int f) {
    // a block of glowing coal with a flame licking up over it; ten frames of flicker
    rect(img, x0, y0 + 10, C, 22, pal("red0"));
    Rng rng(700 + f % 5);
    for (int i = 0; i < 60; ++i) img.set(x0 + rng.below(C), y0 + 11 + rng.below(21), rng.chance(50) ? pal("red1") : pal("torch1"));
    for (int i = 0; i < 12; ++i) img.set(x0 + 1 + rng.below(C - 2), y0 + 12 + rng.below(19), pal("torch3"));
    frame(img, x0, y0 + 10, C, 22, pal("torch0"));
    std::vector<Colour> ramp = {pal("torch1"), pal("torch2"), pal("torch3"), pal("torch4")};
    for (int k = 0; k < 4; ++k) {
        double phase = f * 2 * M_PI / 10 + k * 1.7;
        int h = 8 + int(std::lround(4 * std::sin(phase)));
        int cx = x0 + 4 + k * 8;
        for (int y = 0; y < h; ++y) {
            int half = 3 * (h - y) / h;
            int sway = int(std::lround(std::sin(phase + y * 0.5)));
            hline(img, cx - half + sway, cx + half + sway, y0 + 11 - y, ramp[std::min(3, y * 4 / h)]);
        }
    }
}

void embers(Image& img, int x0, int y0) {
    // a grate over embers: deadly to touch, never moves
    rect(img, x0, y0, C, C, pal("red0"));
    Rng rng(750);
    for (int i = 0; i < 90; ++i) img.set(x0 + rng.below(C), y0 + rng.below(C), rng.chance(40) ? pal("torch2") : pal("red1"));
    for (int i = 0; i < 20; ++i) img.set(x0 + rng.below(C), y0 + rng.below(C), pal("torch4"));
    for (int g = 0; g < C; g += 8) { vline(img, x0 + g, y0, y0 + C - 1, pal("iron1")); hline(img, x0, x0 + C - 1, y0 + g, pal("iron1")); }
    frame(img, x0, y0, C, C, pal("iron2"));
}

void spikes(Image& img, int x0, int y0, int f) {
    // a stone base with four steel spikes pointing up; the second frame catches the light
    rect(img, x0, y0 + 22, C, 10, pal("stone3"));
    hline(img, x0, x0 + C - 1, y0 + 22, pal("stone5"));
    hline(img, x0, x0 + C - 1, y0 + 31, pal("stone1"));
    for (int k = 0; k < 4; ++k) {
        int bx = x0 + k * 8;
        polygon(img, {bx, y0 + 23, bx + 4, y0 + 2, bx + 8, y0 + 23}, pal("iron3"));
        polygon(img, {bx + 4, y0 + 2, bx + 8, y0 + 23, bx + 5, y0 + 23}, pal("iron1"));
        line(img, bx + 1, y0 + 22, bx + 4, y0 + 3, pal("iron5"));
        if (f == 1 && k % 2 == 0) { img.set(bx + 4, y0 + 2, pal("moon2")); img.set(bx + 3, y0 + 6, pal("moon2")); }
        if (f == 1 && k % 2 == 1) img.set(bx + 3, y0 + 9, pal("moon2"));
    }
}

void spring(Image& img, int x0, int y0) {
    rect(img, x0, y0 + 26, C, 6, pal("iron2"));
    hline(img, x0, x0 + C - 1, y0 + 26, pal("iron4"));
    for (int k = 0; k < 4; ++k) {
        int y = y0 + 24 - k * 4;
        thickLine(img, x0 + 7, y, x0 + 25, y - 2, 1, pal("gold2"));
        line(img, x0 + 7, y - 1, x0 + 25, y - 3, pal("gold3"));
    }
    rect(img, x0 + 2, y0 + 4, 28, 5, pal("red1"));
    hline(img, x0 + 2, x0 + 29, y0 + 4, pal("red3"));
    hline(img, x0 + 2, x0 + 29, y0 + 8, pal("red0"));
}

void arrow(Image& img, int x0, int y0, int f) {
    // on black, added over what lies below: three chevrons climbing upward
    rect(img, x0, y0, C, C, kBlack);
    static const Colour glow[3] = {0x103018, 0x2a6a30, 0x60c060};
    for (int k = 0; k < 3; ++k) {
        int y = y0 + 4 + ((k * 10 - f * 3) % 30 + 30) % 30;
        int level = (k + f) % 3;
        for (int t = 0; t < 3; ++t) {
            line(img, x0 + 5, y + 9 + t, x0 + 16, y + t, glow[level]);
            line(img, x0 + 16, y + t, x0 + 27, y + 9 + t, glow[level]);
        }
    }
    // a faint column so the arrow's extent reads
    for (int y = 0; y < C; ++y) {
        img.set(x0 + 1, y0 + y, 0x0a1a0c);
        img.set(x0 + 30, y0 + y, 0x0a1a0c);
    }
}

void water(Image& img, int x0, int y0, int f) {
    // drawn at 30 % over everything: a block of water with a moving surface
    rect(img, x0, y0 + 2, C, 30, pal("water1"));
    for (int x = 0; x < C; ++x) {
        int wave = int(std::lround(1.5 * std::sin((x + f * 8) * 2 * M_PI / 32)));
        vline(img, x0 + x, y0 + 2 + wave, y0 + 4 + wave, pal("water3"));
        img.set(x0 + x, y0 + 1 + wave, pal("water4"));
        for (int y = 0; y < 2 + wave; ++y) img.set(x0 + x, y0 + y, kMagenta);
    }
    Rng rng(800 + f);
    for (int i = 0; i < 6; ++i) {
        int bx = x0 + 3 + rng.below(26), by = y0 + 10 + (rng.below(18) - f * 3 + 18) % 18;
        img.set(bx, by, pal("water3"));
    }
    for (int y = 8; y < C; y += 6) hline(img, x0 + 3 + (y + f * 5) % 9, x0 + 8 + (y + f * 5) % 9, y0 + y, pal("water2"));
}

void slime(Image& img, int x0, int y0) {
    // a sticky block of slime that holds on to its own kind
    rect(img, x0 + 1, y0 + 3, 30, 29, pal("slime1"));
    ellipse(img, x0 + 16, y0 + 5, 14, 4, pal("slime2"));
    for (int k = 0; k < 4; ++k) rect(img, x0 + 3 + k * 8, y0 + 28, 4, 4, pal("slime2"));
    hline(img, x0 + 4, x0 + 14, y0 + 3, pal("slime3"));
    disc(img, x0 + 8, y0 + 10, 2, pal("slime3"));
    disc(img, x0 + 22, y0 + 20, 3, pal("slime2"));
    img.set(x0 + 21, y0 + 19, pal("slime3"));
    frame(img, x0 + 1, y0 + 5, 30, 27, pal("slime0"));
    // eyes: it looks back
    rect(img, x0 + 11, y0 + 14, 3, 4, pal("ghost4"));
    rect(img, x0 + 18, y0 + 14, 3, 4, pal("ghost4"));
    img.set(x0 + 12, y0 + 16, pal("eye"));
    img.set(x0 + 19, y0 + 16, pal("eye"));
}

void anchoredStone(Image& img, int x0, int y0) {
    // a block bolted in place: stone face held by four iron clamps
    rect(img, x0, y0, C, C, pal("stone3"));
    hline(img, x0, x0 + C - 1, y0, pal("stone5"));
    vline(img, x0, y0, y0 + C - 1, pal("stone5"));
    hline(img, x0, x0 + C - 1, y0 + C - 1, pal("stone1"));
    vline(img, x0 + C - 1, y0, y0 + C - 1, pal("stone1"));
    for (int cx : {0, C - 8})
        for (int cy : {0, C - 8}) {
            rect(img, x0 + cx, y0 + cy, 8, 8, pal("iron2"));
            frame(img, x0 + cx, y0 + cy, 8, 8, pal("iron1"));
            img.set(x0 + cx + 3, y0 + cy + 3, pal("iron5"));
        }
    disc(img, x0 + 16, y0 + 16, 5, pal("stone2"));
    disc(img, x0 + 16, y0 + 16, 3, pal("iron3"));
}

void chest(Image& img, int x0, int y0) {
    rect(img, x0 + 1, y0 + 8, 30, 24, pal("wood2"));
    ellipse(img, x0 + 16, y0 + 10, 15, 6, pal("wood3"));
    rect(img, x0 + 1, y0 + 10, 30, 3, pal("wood3"));
    hline(img, x0 + 1, x0 + 30, y0 + 14, pal("gold1"));
    for (int x : {4, 27}) vline(img, x0 + x, y0 + 5, y0 + 31, pal("gold2"));
    rect(img, x0 + 13, y0 + 13, 6, 7, pal("gold2"));
    img.set(x0 + 16, y0 + 16, pal("ink"));
    frame(img, x0 + 1, y0 + 8, 30, 24, pal("wood0"));
}

void sacks(Image& img, int x0, int y0) {
    ellipse(img, x0 + 9, y0 + 23, 8, 8, pal("paper1"));
    ellipse(img, x0 + 23, y0 + 23, 8, 8, pal("paper1"));
    ellipse(img, x0 + 16, y0 + 10, 9, 9, pal("paper2"));
    hline(img, x0 + 13, x0 + 19, y0 + 3, pal("paper0"));
    for (int k = 0; k < 3; ++k) img.set(x0 + 7 + k * 9, y0 + 24, pal("paper0"));
    rect(img, x0, y0 + 30, C, 2, pal("paper0"));
}

void urnCrate(Image& img, int x0, int y0) {
    crate(img, x0, y0);
    rect(img, x0 + 6, y0 + 6, 20, 20, pal("night3"));
    ellipse(img, x0 + 16, y0 + 17, 7, 8, pal("night4"));
    rect(img, x0 + 13, y0 + 7, 7, 4, pal("night5"));
    hline(img, x0 + 10, x0 + 22, y0 + 17, pal("gold2"));
}

void bookCrate(Image& img, int x0, int y0) {
    rect(img, x0, y0, C, C, pal("wood1"));
    frame(img, x0, y0, C, C, pal("wood0"));
    static const char* spines[5] = {"red1", "leaf1", "night3", "gold1", "cloth1"};
    for (int s = 0; s < 2; ++s) {
        for (int b = 0; b < 7; ++b) {
            int h = 11 + (b * 7 + s) % 3;
            rect(img, x0 + 2 + b * 4, y0 + 15 + s * 16 - h, 3, h, pal(spines[(b + s * 2) % 5]));
            img.set(x0 + 3 + b * 4, y0 + 17 + s * 16 - h, pal("gold3"));
        }
        hline(img, x0 + 1, x0 + C - 2, y0 + 15 + s * 16, pal("wood3"));
    }
}

}  // namespace

void addBlocks(Catalog& out) {
    Image sheet(320, 640, kMagenta);
    auto at = [](int col, int row) { return std::pair{col * C, row * C}; };
    { auto [x, y] = at(0, 0); crate(sheet, x, y); }
    { auto [x, y] = at(0, 1); ironWeight(sheet, x, y); }
    { auto [x, y] = at(0, 2); lift(sheet, x, y); }
    { auto [x, y] = at(0, 3); ghostBlock(sheet, x, y); }
    { auto [x, y] = at(0, 4); barrel(sheet, x, y); }
    for (int f = 0; f < 10; ++f) { auto [x, y] = at(f, 5); burningBlock(sheet, x, y, f); }
    { auto [x, y] = at(0, 6); embers(sheet, x, y); }
    for (int f = 0; f < 2; ++f) { auto [x, y] = at(f, 7); spikes(sheet, x, y, f); }
    { auto [x, y] = at(0, 8); spring(sheet, x, y); }
    for (int f = 0; f < 3; ++f) { auto [x, y] = at(f, 9); arrow(sheet, x, y, f); }
    for (int f = 0; f < 4; ++f) { auto [x, y] = at(f, 10); water(sheet, x, y, f); }
    { auto [x, y] = at(0, 11); slime(sheet, x, y); }
    { auto [x, y] = at(0, 12); anchoredStone(sheet, x, y); }
    { auto [x, y] = at(0, 13); chest(sheet, x, y); }
    { auto [x, y] = at(0, 14); sacks(sheet, x, y); }
    { auto [x, y] = at(0, 15); urnCrate(sheet, x, y); }
    { auto [x, y] = at(0, 16); bookCrate(sheet, x, y); }
    out.push_back({"bmp/block.bmp", sheet});
}

}  // namespace pg
