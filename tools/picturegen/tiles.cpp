// bmp/mod.bmp: the castle's tile sheet, 10 columns x 80 rows of 32 x 32 cells.
//
//   row 0        open tiles 0-9: the dark inner walls the figure walks in front of
//   rows 1-2     walls 10-29: the cold stone that stops the figure and the blocks
//   rows 5, 6    start cells (facing left / right), 7 frames as they open
//   row 7        the goal, 7 frames opening
//   rows 8-12    doors to rooms 1-5, 7 frames opening (in a room its start cell looks like its door)
//   row 13       still decorations; row 14 the torch (4 frames, cycle of 20)
//   rows 15-23   two-frame decorations (cycle of 10)
//   row 24       a still portrait, and at column 1 the torch glow added over torches
//   row 25       the bat that blinks now and then (6 frames)
//   rows 26-33   two-frame decorations; rows 34-39 still furniture
//   rows 40-79   decorated inner-wall tiles drawn on their own (codes 550 and above)
#include <algorithm>
#include <array>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

constexpr int C = 32;

// ---- walls and floors ---------------------------------------------------------------------

// The inner wall: dark bricks behind the play field, dim enough that blocks and the figure read.
void innerBricks(Image& img, int x0, int y0, Colour mortar, Colour face, Colour light, uint32_t seed) {
    Rng rng(seed);
    rect(img, x0, y0, C, C, mortar);
    for (int row = 0; row < 4; ++row) {
        int off = (row % 2) * 8;
        for (int bx = -16 + off; bx < C; bx += 16) {
            int l = std::max(bx + 1, 0), r = std::min(bx + 15, C);
            if (r <= l) continue;
            rect(img, x0 + l, y0 + row * 8 + 1, r - l, 6, face);
            hline(img, x0 + l, x0 + r - 1, y0 + row * 8 + 1, light);
        }
    }
    speckle(img, x0, y0, C, C, mortar, 4, rng, face);
}

void openTile(Image& img, int x0, int y0, int v) {
    Colour m = pal("stone0"), f = pal("stone1"), l = pal("stone2");
    Rng rng(100 + v);
    switch (v) {
    case 0: innerBricks(img, x0, y0, m, f, l, 1); break;
    case 1:  // moss creeping down the bricks
        innerBricks(img, x0, y0, m, f, l, 2);
        for (int i = 0; i < 40; ++i) img.set(x0 + rng.below(C), y0 + rng.below(10) + rng.below(10), pal("moss1"));
        for (int i = 0; i < 14; ++i) img.set(x0 + rng.below(C), y0 + rng.below(8), pal("moss2"));
        break;
    case 2:  // cracked
        innerBricks(img, x0, y0, m, f, l, 3);
        line(img, x0 + 6, y0, x0 + 12, y0 + 10, m);
        line(img, x0 + 12, y0 + 10, x0 + 9, y0 + 20, m);
        line(img, x0 + 12, y0 + 10, x0 + 22, y0 + 17, m);
        break;
    case 3:  // plain panelled wall
        rect(img, x0, y0, C, C, f);
        frame(img, x0 + 2, y0 + 2, 28, 28, m);
        hline(img, x0 + 3, x0 + 28, y0 + 3, l);
        speckle(img, x0, y0, C, C, m, 5, rng, f);
        break;
    case 4: {  // barred window onto the night sky
        innerBricks(img, x0, y0, m, f, l, 5);
        rect(img, x0 + 8, y0 + 6, 16, 20, pal("night2"));
        rect(img, x0 + 8, y0 + 6, 16, 6, pal("night1"));
        img.set(x0 + 18, y0 + 10, pal("moon1"));
        img.set(x0 + 11, y0 + 16, pal("moon0"));
        for (int bx = 11; bx < 24; bx += 5) vline(img, x0 + bx, y0 + 6, y0 + 25, pal("iron2"));
        frame(img, x0 + 7, y0 + 5, 18, 22, pal("stone3"));
        break;
    }
    case 5: {  // the owner's banner
        innerBricks(img, x0, y0, m, f, l, 6);
        hline(img, x0 + 6, x0 + 25, y0 + 2, pal("wood3"));
        rect(img, x0 + 8, y0 + 3, 16, 22, pal("red1"));
        polygon(img, {x0 + 8, y0 + 25, x0 + 16, y0 + 30, x0 + 24, y0 + 25}, pal("red1"));
        vline(img, x0 + 8, y0 + 3, y0 + 25, pal("red2"));
        disc(img, x0 + 16, y0 + 13, 4, pal("gold2"));
        disc(img, x0 + 16, y0 + 13, 2, pal("red1"));
        break;
    }
    case 6:  // wooden wainscot
        rect(img, x0, y0, C, C, pal("wood1"));
        for (int px = 0; px < C; px += 8) vline(img, x0 + px, y0, y0 + C - 1, pal("wood0"));
        for (int px = 2; px < C; px += 8) vline(img, x0 + px, y0, y0 + C - 1, pal("wood2"));
        speckle(img, x0, y0, C, C, pal("wood0"), 6, rng, pal("wood1"));
        break;
    case 7:  // a chain hanging on the bricks
        innerBricks(img, x0, y0, m, f, l, 8);
        for (int cy = 0; cy < C; cy += 6) {
            frame(img, x0 + 14, y0 + cy, 4, 5, pal("iron3"));
            img.set(x0 + 15, y0 + cy, pal("iron4"));
        }
        break;
    case 8: break;  // open to the sky: nothing drawn, the backdrop shows through
    case 9: {       // an arched opening onto the sky
        innerBricks(img, x0, y0, m, f, l, 9);
        rect(img, x0 + 6, y0 + 12, 20, 20, kMagenta);
        disc(img, x0 + 16, y0 + 12, 10, kMagenta);
        rect(img, x0 + 6, y0 + 12, 20, 20, kMagenta);
        break;
    }
    }
}

// Solid stone: lighter, bevelled blocks that read as something to stand on.
void stoneBlock(Image& img, int x0, int y0, Colour face, Colour light, Colour dark, Colour edge, uint32_t seed) {
    Rng rng(seed);
    rect(img, x0, y0, C, C, face);
    hline(img, x0, x0 + C - 1, y0, light);
    vline(img, x0, y0, y0 + C - 1, light);
    hline(img, x0 + 1, x0 + C - 2, y0 + 1, light);
    hline(img, x0, x0 + C - 1, y0 + C - 1, edge);
    vline(img, x0 + C - 1, y0, y0 + C - 1, edge);
    hline(img, x0 + 1, x0 + C - 2, y0 + C - 2, dark);
    vline(img, x0 + C - 2, y0 + 1, y0 + C - 2, dark);
    speckle(img, x0 + 2, y0 + 2, C - 4, C - 4, dark, 6, rng, face);
    speckle(img, x0 + 2, y0 + 2, C - 4, C - 4, light, 3, rng, face);
}

// Dressed stone in two courses per cell; the joints line up from cell to cell, so a wall of
// these reads as one piece of masonry rather than a grid of tiles.
void ashlar(Image& img, int x0, int y0, int shift, uint32_t seed) {
    Rng rng(seed);
    rect(img, x0, y0, C, C, pal("stone3"));
    for (int course = 0; course < 2; ++course) {
        int top = y0 + course * 16;
        hline(img, x0, x0 + C - 1, top, pal("stone1"));        // mortar
        hline(img, x0, x0 + C - 1, top + 1, pal("stone5"));    // moonlit upper edge
        hline(img, x0, x0 + C - 1, top + 15, pal("stone2"));   // shaded lower edge
        int joint = (course * 16 + shift) % C;
        vline(img, x0 + joint, top, top + 15, pal("stone1"));
        vline(img, x0 + (joint + 1) % C, top + 1, top + 14, pal("stone4"));
        vline(img, x0 + (joint + C - 1) % C, top + 1, top + 14, pal("stone2"));
    }
    speckle(img, x0, y0, C, C, pal("stone2"), 7, rng, pal("stone3"));
    speckle(img, x0, y0, C, C, pal("stone4"), 4, rng, pal("stone3"));
}

void wallTile(Image& img, int x0, int y0, int v) {
    Colour s1 = pal("stone1"), s2 = pal("stone2"), s3 = pal("stone3"), s4 = pal("stone4"), s5 = pal("stone5");
    Rng rng(200 + v);
    switch (v % 20) {
    case 0: ashlar(img, x0, y0, 0, 11); break;
    case 1: ashlar(img, x0, y0, 8, 12); break;
    case 2:  // bricks
        rect(img, x0, y0, C, C, s1);
        for (int row = 0; row < 4; ++row)
            for (int bx = -(row % 2) * 8; bx < C; bx += 16) {
                int l = std::max(bx, 0), r = std::min(bx + 15, C);
                rect(img, x0 + l, y0 + row * 8, r - l, 7, s3);
                hline(img, x0 + l, x0 + r - 1, y0 + row * 8, s4);
            }
        speckle(img, x0, y0, C, C, s2, 8, rng, s3);
        break;
    case 3:  // mossy block
        stoneBlock(img, x0, y0, s3, s5, s2, s1, 13);
        rect(img, x0, y0, C, 3, pal("moss1"));
        for (int i = 0; i < 30; ++i) vline(img, x0 + rng.below(C), y0 + 2, y0 + 3 + rng.below(7), pal("moss1"));
        hline(img, x0, x0 + C - 1, y0, pal("moss2"));
        break;
    case 4:  // cracked block
        stoneBlock(img, x0, y0, s3, s5, s2, s1, 14);
        line(img, x0 + 20, y0 + 2, x0 + 14, y0 + 14, s1);
        line(img, x0 + 14, y0 + 14, x0 + 18, y0 + 29, s1);
        line(img, x0 + 14, y0 + 14, x0 + 5, y0 + 19, s1);
        break;
    case 5:  // pillar
        rect(img, x0, y0, C, C, s2);
        rect(img, x0 + 4, y0, 24, C, s3);
        vline(img, x0 + 5, y0, y0 + C - 1, s5);
        vline(img, x0 + 10, y0, y0 + C - 1, s4);
        vline(img, x0 + 21, y0, y0 + C - 1, s2);
        vline(img, x0 + 26, y0, y0 + C - 1, s1);
        break;
    case 6:  // wooden beam
        rect(img, x0, y0, C, C, pal("wood2"));
        hline(img, x0, x0 + C - 1, y0, pal("wood4"));
        hline(img, x0, x0 + C - 1, y0 + C - 1, pal("wood0"));
        for (int k = 0; k < 5; ++k) hline(img, x0 + rng.below(8), x0 + 20 + rng.below(12), y0 + 4 + k * 6, pal("wood1"));
        disc(img, x0 + 4, y0 + 16, 1, pal("iron3"));
        disc(img, x0 + 27, y0 + 16, 1, pal("iron3"));
        break;
    case 7:  // riveted iron plate
        rect(img, x0, y0, C, C, pal("iron2"));
        frame(img, x0, y0, C, C, pal("iron1"));
        hline(img, x0 + 1, x0 + C - 2, y0 + 1, pal("iron4"));
        for (int rx : {4, 27})
            for (int ry : {4, 27}) { img.set(x0 + rx, y0 + ry, pal("iron5")); img.set(x0 + rx + 1, y0 + ry + 1, pal("iron1")); }
        break;
    case 8: stoneBlock(img, x0, y0, s2, s3, s1, pal("stone0"), 18); break;
    case 9:  // carved block with a rune
        stoneBlock(img, x0, y0, s3, s5, s2, s1, 19);
        frame(img, x0 + 7, y0 + 7, 18, 18, s2);
        line(img, x0 + 10, y0 + 22, x0 + 16, y0 + 10, s2);
        line(img, x0 + 16, y0 + 10, x0 + 22, y0 + 22, s2);
        break;
    case 10:  // battlement
        rect(img, x0, y0 + 12, C, 20, s3);
        rect(img, x0 + 2, y0 + 2, 10, 10, s3);
        rect(img, x0 + 20, y0 + 2, 10, 10, s3);
        hline(img, x0 + 2, x0 + 11, y0 + 2, s5);
        hline(img, x0 + 20, x0 + 29, y0 + 2, s5);
        hline(img, x0, x0 + C - 1, y0 + 12, s5);
        rect(img, x0 + 12, y0 + 2, 8, 10, kMagenta);
        rect(img, x0, y0, 2, 12, kMagenta);
        rect(img, x0 + 30, y0, 2, 12, kMagenta);
        rect(img, x0, y0, C, 2, kMagenta);
        hline(img, x0, x0 + C - 1, y0 + C - 1, s1);
        break;
    case 11:  // floor slab
        stoneBlock(img, x0, y0, s2, s4, s1, pal("stone0"), 21);
        rect(img, x0, y0, C, 5, s4);
        hline(img, x0, x0 + C - 1, y0, pal("stone6"));
        hline(img, x0, x0 + C - 1, y0 + 5, s1);
        break;
    case 12:  // roof tiles
        rect(img, x0, y0, C, C, pal("night3"));
        for (int row = 0; row < 4; ++row)
            for (int bx = -(row % 2) * 4; bx < C; bx += 8) {
                ellipse(img, x0 + bx + 4, y0 + row * 8 + 4, 4, 4, pal("night4"));
                hline(img, x0 + bx + 2, x0 + bx + 5, y0 + row * 8 + 1, pal("night5"));
            }
        break;
    case 13:  // gold-trimmed block
        stoneBlock(img, x0, y0, s3, s5, s2, s1, 23);
        frame(img, x0 + 3, y0 + 3, 26, 26, pal("gold1"));
        hline(img, x0 + 4, x0 + 27, y0 + 3, pal("gold2"));
        break;
    case 14:  // block with a skull
        stoneBlock(img, x0, y0, s3, s5, s2, s1, 24);
        disc(img, x0 + 16, y0 + 14, 6, s5);
        rect(img, x0 + 13, y0 + 18, 7, 5, s5);
        img.set(x0 + 14, y0 + 14, s1); img.set(x0 + 13, y0 + 14, s1);
        img.set(x0 + 18, y0 + 14, s1); img.set(x0 + 19, y0 + 14, s1);
        vline(img, x0 + 15, y0 + 20, y0 + 22, s2);
        vline(img, x0 + 17, y0 + 20, y0 + 22, s2);
        break;
    case 15: stoneBlock(img, x0, y0, pal("ghost1"), pal("ghost3"), pal("ghost0"), pal("stone1"), 25); break;
    case 16:  // iron grate
        rect(img, x0, y0, C, C, pal("iron1"));
        for (int g = 2; g < C; g += 6) { vline(img, x0 + g, y0, y0 + C - 1, pal("iron3")); hline(img, x0, x0 + C - 1, y0 + g, pal("iron3")); }
        frame(img, x0, y0, C, C, pal("iron0"));
        break;
    case 17: stoneBlock(img, x0, y0, pal("wood3"), pal("wood5"), pal("wood2"), pal("wood1"), 27); break;  // torch-lit
    case 18: stoneBlock(img, x0, y0, s4, pal("stone6"), s3, s2, 28); break;
    case 19: {  // rough rock
        rect(img, x0, y0, C, C, s2);
        for (int i = 0; i < 9; ++i) {
            int cx = x0 + rng.below(C), cy = y0 + rng.below(C), r = 4 + rng.below(6);
            disc(img, cx, cy, r, s3);
            disc(img, cx - 1, cy - 1, r - 2, s4);
        }
        break;
    }
    }
}

// ---- special cells ------------------------------------------------------------------------

// Arched doorway; open runs 0..6 as the door swings in and the warm room behind shows.
void doorCell(Image& img, int x0, int y0, int open, int pips, Colour leaf, Colour leafLight, Colour inside) {
    // stone arch
    rect(img, x0 + 3, y0 + 10, 26, 22, pal("stone3"));
    disc(img, x0 + 16, y0 + 12, 13, pal("stone3"));
    disc(img, x0 + 16, y0 + 12, 12, pal("stone4"));
    rect(img, x0 + 4, y0 + 12, 24, 20, pal("stone4"));
    // the opening behind the door
    rect(img, x0 + 7, y0 + 12, 18, 20, inside);
    disc(img, x0 + 16, y0 + 12, 9, inside);
    rect(img, x0 + 7, y0 + 12, 18, 20, inside);
    // door leaf, narrowing as it swings open
    int leafW = 18 - open * 14 / 6;
    if (leafW > 0) {
        for (int y = 3; y < 32; ++y)
            for (int x = 7; x < 7 + leafW; ++x) {
                int dx = x - 16, dy = y - 12;
                bool inArch = y >= 12 || dx * dx + dy * dy <= 81;
                if (inArch) img.set(x0 + x, y0 + y, ((x - 7) % 6 == 0) ? pal("wood1") : leaf);
            }
        for (int y = 4; y < 32; ++y)
            if (img.at(x0 + 7, y0 + y) != pal("stone4")) img.set(x0 + 7, y0 + y, leafLight);
        if (leafW > 8) { img.set(x0 + 7 + leafW - 4, y0 + 21, pal("gold2")); img.set(x0 + 7 + leafW - 4, y0 + 22, pal("gold1")); }
        rect(img, x0 + 7, y0 + 16, leafW, 1, pal("iron2"));
        rect(img, x0 + 7, y0 + 26, leafW, 1, pal("iron2"));
    }
    // threshold and the room's number as gold pips over the arch
    hline(img, x0 + 3, x0 + 28, y0 + 31, pal("stone2"));
    for (int p = 0; p < pips; ++p) {
        int px = x0 + 16 - (pips - 1) * 2 + p * 4;
        img.set(px, y0 + 1, pal("gold3"));
        img.set(px, y0 + 2, pal("gold1"));
    }
}

void startCell(Image& img, int x0, int y0, int open) {
    // the way out of the world: a stair down under a low arch, lit from below as it opens
    rect(img, x0 + 2, y0 + 8, 28, 24, pal("stone3"));
    disc(img, x0 + 16, y0 + 10, 14, pal("stone3"));
    rect(img, x0 + 5, y0 + 10, 22, 22, pal("night0"));
    disc(img, x0 + 16, y0 + 10, 11, pal("night0"));
    rect(img, x0 + 5, y0 + 10, 22, 22, pal("night0"));
    // steps going down to the left
    for (int s = 0; s < 4; ++s) rect(img, x0 + 5, y0 + 20 + s * 3, 22 - s * 5, 2, pal("stone2"));
    // light rising as it opens
    std::vector<Colour> glow = {pal("torch0"), pal("torch1"), pal("torch2"), pal("torch3"), pal("torch4")};
    for (int k = 0; k < open; ++k) {
        int w = 4 + k * 3;
        hline(img, x0 + 16 - w / 2, x0 + 16 + w / 2, y0 + 30 - k, glow[std::min(k, 4)]);
    }
    // an arrow showing the way out
    Colour arrow = open >= 6 ? pal("torch4") : pal("stone5");
    polygon(img, {x0 + 9, y0 + 14, x0 + 14, y0 + 10, x0 + 14, y0 + 18}, arrow);
    rect(img, x0 + 14, y0 + 13, 8, 3, arrow);
    hline(img, x0 + 2, x0 + 29, y0 + 31, pal("stone2"));
}

void goalCell(Image& img, int x0, int y0, int open) {
    // a moon gate: a ring of stone around a sigil that fills with moonlight as it opens
    ring(img, x0 + 16, y0 + 16, 15, 12, pal("stone4"));
    ring(img, x0 + 16, y0 + 16, 12, 11, pal("stone2"));
    std::vector<Colour> light = {pal("night2"), pal("night3"), pal("night4"), pal("ghost1"), pal("ghost2"), pal("moon1"), pal("moon2")};
    disc(img, x0 + 16, y0 + 16, 10, pal("night1"));
    for (int r = 10; r > 0; --r) {
        int level = open - (10 - r) * 6 / 10 * 0;
        int idx = std::clamp(open - (r * 6) / 10, 0, 6);
        (void)level;
        if (open > 0) ring(img, x0 + 16, y0 + 16, r, r - 1, light[idx]);
    }
    // the star sigil
    Colour star = open >= 6 ? pal("moon2") : pal("gold2");
    for (int k = 0; k < 5; ++k) {
        double a = -M_PI / 2 + k * 2 * M_PI / 5;
        line(img, x0 + 16, y0 + 16, x0 + 16 + int(std::lround(7 * std::cos(a))), y0 + 16 + int(std::lround(7 * std::sin(a))), star);
    }
    img.set(x0 + 16, y0 + 16, pal("moon2"));
    // studs
    for (int k = 0; k < 8; ++k) {
        double a = k * M_PI / 4;
        img.set(x0 + 16 + int(std::lround(13.5 * std::cos(a))), y0 + 16 + int(std::lround(13.5 * std::sin(a))), pal("gold2"));
    }
}

// ---- decorations --------------------------------------------------------------------------

void flame(Image& img, int cx, int base, int height, int sway, int frameNo) {
    std::vector<Colour> ramp = {pal("torch1"), pal("torch2"), pal("torch3"), pal("torch4"), pal("torch5")};
    for (int layer = 0; layer < 4; ++layer) {
        int h = height - layer * height / 5, w = 4 - layer;
        if (w <= 0) break;
        for (int y = 0; y < h; ++y) {
            int half = std::max(0, w * (h - y) / h + ((y + frameNo) % 3 == 0 ? 0 : 0));
            int shift = sway * y / std::max(h, 1);
            hline(img, cx - half + shift, cx + half + shift, base - y, ramp[layer + 1]);
        }
    }
    img.set(cx + sway, base - height, pal("torch2"));
}

void torchFrame(Image& img, int x0, int y0, int f) {
    // a wall sconce with a flame that flickers through four frames
    rect(img, x0 + 14, y0 + 16, 4, 12, pal("wood2"));
    vline(img, x0 + 14, y0 + 16, y0 + 27, pal("wood4"));
    rect(img, x0 + 11, y0 + 14, 10, 3, pal("iron3"));
    hline(img, x0 + 11, x0 + 20, y0 + 14, pal("iron4"));
    rect(img, x0 + 13, y0 + 27, 6, 2, pal("iron2"));
    static const int sway[4] = {0, 1, 0, -1}, height[4] = {11, 9, 12, 10};
    flame(img, x0 + 16, y0 + 13, height[f], sway[f], f);
    if (f % 2 == 0) img.set(x0 + 18 + sway[f], y0 + 2 + f, pal("torch3"));  // a rising spark
}

void glowCell(Image& img, int x0, int y0) {
    // drawn additively over a torch, so black adds nothing and the warm colours brighten
    for (int y = 0; y < C; ++y)
        for (int x = 0; x < C; ++x) {
            double dx = x - 15.5, dy = y - 12.5;
            double d = std::sqrt(dx * dx + dy * dy);
            double t = std::max(0.0, 1.0 - d / 16.0);
            // quantised to a few rings so the glow keeps the pixel look
            int ringNo = int(t * 5);
            static const Colour rings[6] = {0x000000, 0x180800, 0x301204, 0x4a1e08, 0x66300c, 0x804414};
            img.set(x0 + x, y0 + y, rings[ringNo]);
        }
}

void batFrame(Image& img, int x0, int y0, int f) {
    // the hand-drawn bat hanging from the ceiling; frames 0..5 blink its eyes shut and open
    blitAll(img, x0 + 8, y0, sprite("bat"), kMagenta);
    static const int lid[6] = {0, 1, 2, 2, 1, 0};
    Colour eye = lid[f] == 0 ? pal("red3") : lid[f] == 1 ? pal("red1") : pal("stone2");
    img.set(x0 + 14, y0 + 10, eye);
    img.set(x0 + 17, y0 + 10, eye);
    if (lid[f] == 0) { img.set(x0 + 14, y0 + 9, pal("red2")); img.set(x0 + 17, y0 + 9, pal("red2")); }
}

// The two-frame decorations of rows 15-23 and 26-33.
void twoFrameDeco(Image& img, int x0, int y0, int kind, int f) {
    Rng rng(300 + kind);
    switch (kind) {
    case 0:  // candle
        rect(img, x0 + 13, y0 + 18, 6, 12, pal("paper3"));
        vline(img, x0 + 18, y0 + 18, y0 + 29, pal("paper1"));
        rect(img, x0 + 10, y0 + 29, 12, 2, pal("gold1"));
        flame(img, x0 + 16, y0 + 16, 6 + f, f ? 1 : 0, f);
        break;
    case 1:  // dripping water
        hline(img, x0, x0 + C - 1, y0, pal("stone3"));
        img.set(x0 + 16, y0 + 1, pal("water3"));
        if (f == 0) { img.set(x0 + 16, y0 + 2, pal("water2")); img.set(x0 + 16, y0 + 3, pal("water3")); }
        else { img.set(x0 + 16, y0 + 20, pal("water3")); img.set(x0 + 16, y0 + 21, pal("water2")); hline(img, x0 + 13, x0 + 19, y0 + 30, pal("water1")); }
        break;
    case 2: {  // spider on its thread
        int sy = f ? 14 : 10;
        vline(img, x0 + 16, y0, y0 + sy, pal("stone5"));
        disc(img, x0 + 16, y0 + sy + 2, 2, pal("stone0"));
        for (int k = -1; k <= 1; k += 2)
            for (int leg = 0; leg < 3; ++leg) line(img, x0 + 16, y0 + sy + 2, x0 + 16 + k * 5, y0 + sy + leg * 2 + f, pal("stone0"));
        img.set(x0 + 15, y0 + sy + 1, pal("red3"));
        break;
    }
    case 3:  // pennant
        vline(img, x0 + 8, y0 + 2, y0 + 30, pal("wood3"));
        polygon(img, {x0 + 9, y0 + 3, x0 + 28, y0 + 7 + f * 2, x0 + 9, y0 + 13}, pal("red2"));
        line(img, x0 + 9, y0 + 3, x0 + 28, y0 + 7 + f * 2, pal("red3"));
        break;
    case 4:  // window with a twinkling star
        rect(img, x0 + 8, y0 + 6, 16, 20, pal("night1"));
        frame(img, x0 + 7, y0 + 5, 18, 22, pal("stone4"));
        vline(img, x0 + 16, y0 + 6, y0 + 25, pal("stone3"));
        hline(img, x0 + 8, x0 + 23, y0 + 15, pal("stone3"));
        img.set(x0 + 12, y0 + 10, pal("moon2"));
        if (f) { img.set(x0 + 11, y0 + 10, pal("moon0")); img.set(x0 + 13, y0 + 10, pal("moon0")); img.set(x0 + 12, y0 + 9, pal("moon0")); img.set(x0 + 12, y0 + 11, pal("moon0")); }
        img.set(x0 + 20, y0 + 20, pal("moon1"));
        break;
    case 5: {  // swinging lantern
        int sx = f ? 2 : -2;
        line(img, x0 + 16, y0, x0 + 16 + sx, y0 + 10, pal("iron3"));
        rect(img, x0 + 12 + sx, y0 + 10, 9, 12, pal("iron2"));
        rect(img, x0 + 14 + sx, y0 + 12, 5, 8, pal("torch3"));
        img.set(x0 + 16 + sx, y0 + 15, pal("torch5"));
        hline(img, x0 + 11 + sx, x0 + 21 + sx, y0 + 10, pal("iron4"));
        break;
    }
    case 6:  // bubbling cauldron
        ellipse(img, x0 + 16, y0 + 23, 11, 7, pal("iron1"));
        hline(img, x0 + 5, x0 + 27, y0 + 17, pal("iron3"));
        ellipse(img, x0 + 16, y0 + 18, 9, 2, pal("slime2"));
        disc(img, x0 + 12 + f * 6, y0 + 14 - f, 2, pal("slime3"));
        img.set(x0 + 19 - f * 5, y0 + 11, pal("slime2"));
        hline(img, x0 + 10, x0 + 22, y0 + 31, f ? pal("torch2") : pal("torch3"));
        break;
    case 7:  // eyes in a dark hole
        ellipse(img, x0 + 16, y0 + 18, 10, 8, pal("stone0"));
        if (f == 0) { rect(img, x0 + 11, y0 + 17, 2, 2, pal("torch4")); rect(img, x0 + 19, y0 + 17, 2, 2, pal("torch4")); }
        else { hline(img, x0 + 11, x0 + 12, y0 + 18, pal("torch2")); hline(img, x0 + 19, x0 + 20, y0 + 18, pal("torch2")); }
        break;
    case 8: {  // clock pendulum
        rect(img, x0 + 9, y0, 14, 32, pal("wood1"));
        frame(img, x0 + 9, y0, 14, 32, pal("wood3"));
        disc(img, x0 + 16, y0 + 6, 4, pal("paper3"));
        line(img, x0 + 16, y0 + 6, x0 + 16, y0 + 3, pal("ink"));
        int px = f ? 19 : 13;
        line(img, x0 + 16, y0 + 11, x0 + px, y0 + 25, pal("gold1"));
        disc(img, x0 + px, y0 + 26, 2, pal("gold2"));
        break;
    }
    case 9: {  // ghost flame lantern
        rect(img, x0 + 12, y0 + 8, 9, 14, pal("iron1"));
        rect(img, x0 + 13, y0 + 10, 7, 10, pal("ghost0"));
        flame(img, x0 + 16, y0 + 19, 6 + f, f ? -1 : 1, f);
        recolour(img, pal("torch3"), pal("ghost2"));
        recolour(img, pal("torch4"), pal("ghost3"));
        recolour(img, pal("torch5"), pal("ghost4"));
        recolour(img, pal("torch2"), pal("ghost1"));
        vline(img, x0 + 16, y0, y0 + 7, pal("iron3"));
        break;
    }
    case 10:  // water surface
        rect(img, x0, y0 + 20, C, 12, pal("water1"));
        for (int x = 0; x < C; ++x) img.set(x0 + x, y0 + 20 + ((x / 4 + f) % 2), pal("water3"));
        speckle(img, x0, y0 + 23, C, 9, pal("water2"), 10, rng);
        break;
    case 11:  // curtain
        rect(img, x0 + 2, y0, 28, 3, pal("wood3"));
        for (int k = 0; k < 6; ++k) {
            int x = x0 + 3 + k * 5 + ((k + f) % 2);
            rect(img, x, y0 + 3, 4, 27 - (k % 2) * 2, pal("red1"));
            vline(img, x, y0 + 3, y0 + 28 - (k % 2) * 2, pal("red2"));
        }
        break;
    case 12:  // a mouse peeking from its hole
        ellipse(img, x0 + 16, y0 + 28, 7, 6, pal("stone0"));
        rect(img, x0 + 8, y0 + 29, 17, 3, pal("stone0"));
        if (f) { disc(img, x0 + 16, y0 + 27, 3, pal("stone4")); img.set(x0 + 14, y0 + 23, pal("stone5")); img.set(x0 + 18, y0 + 23, pal("stone5")); img.set(x0 + 15, y0 + 26, pal("eye")); img.set(x0 + 17, y0 + 26, pal("eye")); }
        break;
    case 13:  // brazier
        polygon(img, {x0 + 6, y0 + 20, x0 + 26, y0 + 20, x0 + 21, y0 + 27, x0 + 11, y0 + 27}, pal("iron2"));
        hline(img, x0 + 6, x0 + 26, y0 + 20, pal("iron4"));
        rect(img, x0 + 15, y0 + 27, 3, 5, pal("iron1"));
        flame(img, x0 + 12, y0 + 19, 7 + f, f ? 1 : 0, f);
        flame(img, x0 + 20, y0 + 19, 8 - f, f ? 0 : -1, f);
        break;
    case 14:  // crystal sparkle
        polygon(img, {x0 + 16, y0 + 6, x0 + 22, y0 + 16, x0 + 16, y0 + 28, x0 + 10, y0 + 16}, pal("ghost1"));
        polygon(img, {x0 + 16, y0 + 6, x0 + 16, y0 + 28, x0 + 10, y0 + 16}, pal("ghost2"));
        if (f) { hline(img, x0 + 17, x0 + 25, y0 + 10, pal("ghost4")); vline(img, x0 + 21, y0 + 6, y0 + 14, pal("ghost4")); }
        break;
    case 15:  // dripping slime
        hline(img, x0, x0 + C - 1, y0, pal("slime1"));
        rect(img, x0 + 8, y0, 5, 4 + f * 3, pal("slime2"));
        rect(img, x0 + 20, y0, 4, 7 - f * 3, pal("slime2"));
        img.set(x0 + 9, y0 + 1, pal("slime3"));
        break;
    case 16:  // weathercock on a spire
        vline(img, x0 + 16, y0 + 10, y0 + 31, pal("iron3"));
        polygon(img, {x0 + (f ? 8 : 24), y0 + 8, x0 + 16, y0 + 4, x0 + 16, y0 + 12}, pal("gold2"));
        break;
    case 17:  // chain swinging
        for (int k = 0; k < 5; ++k) frame(img, x0 + 14 + (f ? k : -k) / 2, y0 + k * 6, 4, 5, pal("iron3"));
        break;
    }
}

void furniture(Image& img, int x0, int y0, int kind) {
    Rng rng(500 + kind);
    switch (kind % 8) {
    case 0:  // bookshelf
        rect(img, x0 + 2, y0 + 2, 28, 30, pal("wood1"));
        for (int s = 0; s < 3; ++s) {
            hline(img, x0 + 2, x0 + 29, y0 + 11 + s * 10, pal("wood3"));
            for (int b = 0; b < 8; ++b) {
                static const char* spines[4] = {"red1", "leaf1", "night3", "gold1"};
                rect(img, x0 + 4 + b * 3, y0 + 4 + s * 10 + rng.below(2), 2, 7, pal(spines[rng.below(4)]));
            }
        }
        break;
    case 1:  // suit of armour
        disc(img, x0 + 16, y0 + 6, 4, pal("iron3"));
        hline(img, x0 + 13, x0 + 19, y0 + 6, pal("iron0"));
        rect(img, x0 + 11, y0 + 10, 10, 11, pal("iron3"));
        vline(img, x0 + 12, y0 + 10, y0 + 20, pal("iron5"));
        rect(img, x0 + 12, y0 + 21, 3, 10, pal("iron2"));
        rect(img, x0 + 17, y0 + 21, 3, 10, pal("iron2"));
        vline(img, x0 + 24, y0 + 2, y0 + 31, pal("wood3"));
        polygon(img, {x0 + 22, y0 + 5, x0 + 24, y0, x0 + 26, y0 + 5}, pal("iron4"));
        break;
    case 2:  // barrel
        ellipse(img, x0 + 16, y0 + 18, 10, 13, pal("wood2"));
        for (int y : {9, 18, 27}) hline(img, x0 + 7, x0 + 25, y0 + y, pal("iron2"));
        vline(img, x0 + 12, y0 + 6, y0 + 30, pal("wood3"));
        break;
    case 3:  // vase
        ellipse(img, x0 + 16, y0 + 21, 8, 9, pal("night4"));
        rect(img, x0 + 13, y0 + 6, 7, 8, pal("night4"));
        hline(img, x0 + 11, x0 + 21, y0 + 6, pal("night5"));
        hline(img, x0 + 9, x0 + 23, y0 + 20, pal("gold2"));
        break;
    case 4:  // bust on a plinth
        rect(img, x0 + 9, y0 + 22, 14, 10, pal("stone4"));
        disc(img, x0 + 16, y0 + 10, 5, pal("stone5"));
        ellipse(img, x0 + 16, y0 + 19, 7, 4, pal("stone5"));
        break;
    case 5:  // shield crest
        polygon(img, {x0 + 7, y0 + 5, x0 + 25, y0 + 5, x0 + 25, y0 + 17, x0 + 16, y0 + 28, x0 + 7, y0 + 17}, pal("night3"));
        polygon(img, {x0 + 16, y0 + 5, x0 + 25, y0 + 5, x0 + 25, y0 + 17, x0 + 16, y0 + 28}, pal("red1"));
        frame(img, x0 + 7, y0 + 5, 19, 1, pal("gold2"));
        disc(img, x0 + 16, y0 + 14, 3, pal("gold2"));
        break;
    case 6:  // hanging chain
        for (int k = 0; k < 6; ++k) frame(img, x0 + 14, y0 + k * 5, 4, 5, pal("iron3"));
        break;
    case 7:  // cobweb in the corner
        for (int k = 0; k < 4; ++k) line(img, x0, y0, x0 + 20 - k * 6, y0 + 4 + k * 6, pal("stone5"));
        for (int r = 5; r < 20; r += 5)
            for (int a = 0; a < 12; ++a) img.set(x0 + int(r * std::cos(a * 0.13)), y0 + int(r * std::sin(a * 0.13)), pal("stone4"));
        break;
    }
}

// The owner's portrait in a gilt frame: the ghost as he was, crown and moustache.
void ownerPortrait(Image& img) {
    rect(img, 5, 3, 22, 26, pal("gold1"));
    frame(img, 5, 3, 22, 26, pal("gold0"));
    hline(img, 6, 25, 4, pal("gold3"));
    rect(img, 8, 6, 16, 20, pal("night2"));
    ellipse(img, 16, 23, 7, 4, pal("cloth1"));      // shoulders in a royal coat
    disc(img, 16, 15, 5, pal("skin2"));             // face
    img.set(14, 14, pal("eye"));
    img.set(18, 14, pal("eye"));
    hline(img, 13, 19, 17, pal("stone2"));          // the moustache
    polygon(img, {11, 11, 11, 7, 13, 9, 16, 6, 19, 9, 21, 7, 21, 11}, pal("gold2"));  // crown
}

}  // namespace

void addTiles(Catalog& out) {
    Image sheet(320, 2560, kMagenta);
    // every cell is drawn on its own 32 x 32 picture first, so nothing spills into a neighbour
    auto put = [&](int col, int row, auto draw) {
        Image cell(C, C, kMagenta);
        draw(cell);
        blit(sheet, col * C, row * C, cell, 0, 0, C, C);
    };

    for (int v = 0; v < 10; ++v) put(v, 0, [&](Image& c) { openTile(c, 0, 0, v); });
    for (int v = 0; v < 20; ++v) put(v % 10, 1 + v / 10, [&](Image& c) { wallTile(c, 0, 0, v); });

    static const char* leaves[5] = {"wood2", "wood3", "wood2", "iron2", "red1"};
    static const char* lights[5] = {"wood4", "wood5", "wood4", "iron4", "red2"};
    for (int f = 0; f < 7; ++f) {
        put(f, 5, [&](Image& c) { startCell(c, 0, 0, f); });
        put(f, 6, [&](Image& c) { startCell(c, 0, 0, f); c = mirrored(c); });
        put(f, 7, [&](Image& c) { goalCell(c, 0, 0, f); });
        for (int room = 0; room < 5; ++room)
            put(f, 8 + room, [&](Image& c) {
                doorCell(c, 0, 0, f, room + 1, pal(leaves[room]), pal(lights[room]), f == 0 ? pal("stone1") : pal("torch1"));
                // warm light spilling from the room behind
                for (int k = 0; k < f; ++k) hline(c, 10, 22, 30 - k, k < 2 ? pal("torch3") : pal("torch2"));
            });
    }
    // row 13: still decorations (only the first column shows in play)
    for (int col = 0; col < 10; ++col) put(col, 13, [&](Image& c) { furniture(c, 0, 0, 6 + col); });
    for (int f = 0; f < 4; ++f) put(f, 14, [&](Image& c) { torchFrame(c, 0, 0, f); });
    for (int kind = 0; kind < 9; ++kind)
        for (int f = 0; f < 2; ++f) put(f, 15 + kind, [&](Image& c) { twoFrameDeco(c, 0, 0, kind, f); });
    put(0, 24, [&](Image& c) { ownerPortrait(c); });
    put(1, 24, [&](Image& c) { glowCell(c, 0, 0); });
    for (int f = 0; f < 6; ++f) put(f, 25, [&](Image& c) { batFrame(c, 0, 0, f); });
    for (int kind = 0; kind < 8; ++kind)
        for (int f = 0; f < 2; ++f) put(f, 26 + kind, [&](Image& c) { twoFrameDeco(c, 0, 0, 9 + kind, f); });
    for (int r = 0; r < 6; ++r) put(0, 34 + r, [&](Image& c) { furniture(c, 0, 0, r); });
    // rows 40-79: inner wall with an ornament, drawn on their own so they carry their own wall
    static const int walls[8] = {0, 1, 2, 3, 7, 0, 1, 6};
    for (int r = 40; r < 80; ++r)
        for (int col = 0; col < 10; ++col)
            put(col, r, [&](Image& c) {
                openTile(c, 0, 0, walls[(r - 40) % 8]);
                if (col > 0) {
                    Image deco(C, C, kMagenta);
                    furniture(deco, 0, 0, col - 1 + r);
                    blitAll(c, 0, 0, deco, kMagenta);
                }
            });
    out.push_back({"bmp/mod.bmp", sheet});
}

}  // namespace pg
