// The result panels' pictures: the chalkboard behind CLEAR (bmp/black_board.bmp, 576 x 384),
// the new-record label (bmp/NewRecode.bmp, 72 x 32), the four rank marks (bmp/rankfont.bmp,
// one 16 x 16 cell per rank, rank 0 best) and the menu cursor (bmp/cursor.bmp).
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "lettering.h"
#include "sources.h"

namespace pg {
namespace {

void roundCorners(Image& img, int r) {
    for (int y = 0; y < r; ++y)
        for (int x = 0; x < r; ++x) {
            int dx = r - x, dy = r - y;
            if (dx * dx + dy * dy > r * r) {
                img.set(x, y, kMagenta);
                img.set(img.w - 1 - x, y, kMagenta);
                img.set(x, img.h - 1 - y, kMagenta);
                img.set(img.w - 1 - x, img.h - 1 - y, kMagenta);
            }
        }
}

Image blackboard() {
    Image img(576, 384, pal("wood2"));
    // wooden frame with grain
    Rng rng(5760);
    for (int i = 0; i < 300; ++i) {
        int y = rng.below(384), x = rng.below(576);
        hline(img, x, x + 6 + rng.below(20), y, pal("wood1"));
    }
    frame(img, 0, 0, 576, 384, pal("wood0"));
    frame(img, 1, 1, 574, 382, pal("wood4"));
    // the slate, darker at the rim
    rect(img, 16, 16, 544, 352, pal("board1"));
    verticalRamp(img, 16, 16, 544, 352, {pal("board2"), pal("board1"), pal("board1"), pal("board0")});
    frame(img, 15, 15, 546, 354, pal("wood0"));
    frame(img, 14, 14, 548, 356, pal("wood3"));
    // smudges of old chalk
    for (int i = 0; i < 14; ++i) {
        int x = 40 + rng.below(480), y = 40 + rng.below(300), w = 20 + rng.below(60);
        for (int k = 0; k < w; k += 2) img.set(x + k, y + (k / 7) % 2, pal("board2"));
    }
    // chalk tray with a stick of chalk
    rect(img, 140, 360, 296, 8, pal("wood3"));
    hline(img, 140, 435, 360, pal("wood5"));
    rect(img, 380, 356, 22, 4, pal("chalk"));
    // corner brackets of iron
    for (int cx : {0, 576 - 24})
        for (int cy : {0, 384 - 24}) {
            rect(img, cx + 2, cy + 2, 20, 20, pal("iron2"));
            frame(img, cx + 2, cy + 2, 20, 20, pal("iron1"));
            img.set(cx + 11, cy + 11, pal("iron5"));
        }
    roundCorners(img, 10);
    return img;
}

Image newRecord() {
    Image img(72, 32, kMagenta);
    // a red ribbon with swallow-tailed ends and gold pixel letters on two lines
    polygon(img, {0, 2, 72, 2, 65, 16, 72, 30, 0, 30, 7, 16}, pal("red1"));
    hline(img, 4, 67, 3, pal("red3"));
    hline(img, 4, 67, 29, pal("red0"));
    Mask top = textMask(utf32("NEW")), bottom = textMask(utf32("RECORD"));
    for (auto [m, y] : {std::pair{top, -2}, std::pair{bottom, 12}}) {
        int x = 36 - m.w / 2;
        stamp(img, grown(m, 1), x - 1, y - 1, 1, pal("red0"));
        stampRamp(img, m, x, y, 1, {pal("torch5"), pal("gold3"), pal("gold2")});
    }
    return img;
}

void star(Image& img, int cx, int cy, double r, Colour c) {
    std::vector<int> pts;
    for (int k = 0; k < 10; ++k) {
        double a = -M_PI / 2 + k * M_PI / 5;
        double rr = k % 2 ? r * 0.45 : r;
        pts.push_back(cx + int(std::lround(rr * std::cos(a))));
        pts.push_back(cy + int(std::lround(rr * std::sin(a))));
    }
    polygon(img, pts, c);
}

Image rankMarks() {
    Image img(64, 16, kMagenta);
    // 0: a gold star with a spark
    star(img, 8, 9, 7.5, pal("gold2"));
    star(img, 8, 9, 4, pal("gold3"));
    img.set(7, 7, pal("torch5"));
    // 1: a silver star
    star(img, 24, 9, 7.5, pal("iron4"));
    star(img, 24, 9, 4, pal("iron5"));
    // 2: a bronze medal
    disc(img, 40, 9, 6, pal("wood3"));
    disc(img, 39, 8, 3, pal("wood4"));
    polygon(img, {36, 0, 40, 4, 44, 0}, pal("red1"));
    // 3: a plain pebble
    ellipse(img, 56, 10, 6, 4, pal("stone3"));
    ellipse(img, 55, 9, 3, 2, pal("stone4"));
    Image marks = img;
    for (int c = 0; c < 4; ++c) {
        Image cell = crop(marks, c * 16, 0, 16, 16);
        outline(cell, kMagenta, c == 0 ? pal("gold0") : c == 1 ? pal("iron1") : c == 2 ? pal("wood0") : pal("stone1"));
        blit(img, c * 16, 0, cell, 0, 0, 16, 16);
    }
    return img;
}

Image cursor() {
    Image img(32, 32, kMagenta);
    // a torch-gold pointer, pointing right
    polygon(img, {6, 4, 28, 16, 6, 28, 11, 16}, pal("gold2"));
    polygon(img, {6, 4, 28, 16, 11, 16}, pal("gold3"));
    outline(img, kMagenta, pal("gold0"));
    return img;
}

}  // namespace

void addResults(Catalog& out) {
    out.push_back({"bmp/black_board.bmp", blackboard()});
    out.push_back({"bmp/NewRecode.bmp", newRecord()});
    out.push_back({"bmp/rankfont.bmp", rankMarks()});
    out.push_back({"bmp/cursor.bmp", cursor()});
}

}  // namespace pg
