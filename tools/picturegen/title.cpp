// The title's pictures: the hanging scroll (bmp/scroll3.bmp, paper in its left 210 columns on
// black, which is its key) and its shading (bmp/scroll4.bmp, keyed on magenta), the roller
// (bmp/poll.bmp, 210 x 100, repeating every 100 rows as it turns), the frame and the gear
// (bmp/gear.bmp: a 515 x 451 frame at the origin and a 64 x 64 gear at x 520, keyed on black),
// the four entry pictures (bmp/insert/ins1..ins4) and the sixteen brush-stroke masks that paint
// them in (bmp/hude/hude1..hude16: black, and RGB(1, 0, 0) where the stroke lets the picture
// through). The entry pictures are composed from the game's own sprites, so they share its look.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "catalog.h"
#include "lettering.h"
#include "sources.h"

namespace pg {
namespace {

const Image& find(const Catalog& cat, const std::string& path) {
    for (const auto& p : cat)
        if (p.path == path) return p.image;
    static Image none(1, 1, kMagenta);
    return none;
}

// Pictures shown keyed on black must never contain black themselves.
void noBlack(Image& img) { recolour(img, kBlack, pal("night0")); }

// The hanging scroll, 228 x 738: the mounting of indigo brocade with a gold thread round a
// strip of paper, all within columns 15..200, so that the rod's gilded ends (columns 0..11 and
// 198..209 of bmp/poll.bmp, drawn 3 to the right) show beside it. The title reads rows 40.. for
// the upper roll, 64.. for the body and 392.. for the lower roll, each up to 90 further down as
// the cursor goes; the labels sit at rows 174 + 30 k, columns 58..159.
constexpr int kPaperLeft = 25, kPaperRight = 190;    // the paper, inside the brocade
constexpr int kMountLeft = 15, kMountRight = 200;    // the brocade's outer edges
constexpr int kTopBand = 40, kTopBandEnd = 96;       // the top band, rolled up as the cursor goes down
constexpr int kBottomBand = 462;                     // the bottom band, rolled out as it goes down

void brocade(Image& img, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            // a lattice of small gold diamonds on indigo
            int u = (x + y) % 12, v = (x - y + 1200) % 12;
            Colour c = ditherPick(x, y, 5) ? pal("night2") : pal("night3");
            if ((u == 0 || v == 0)) c = pal("ghost0");
            if (u == 6 && v == 6) c = pal("gold2");
            if ((u == 5 || u == 7) && v == 6) c = pal("gold1");
            img.set(x, y, c);
        }
}

Image scroll() {
    Image img(228, 738, kBlack);
    // the brocade mounting, then the paper let into it
    brocade(img, kMountLeft, 0, kMountRight, 737);
    rect(img, kPaperLeft, kTopBandEnd, kPaperRight - kPaperLeft + 1, kBottomBand - kTopBandEnd, pal("paper2"));
    Rng rng(2280);
    for (int i = 0; i < 1400; ++i) {
        int x = kPaperLeft + rng.below(kPaperRight - kPaperLeft), y = kTopBandEnd + rng.below(kBottomBand - kTopBandEnd);
        hline(img, x, std::min(kPaperRight, x + rng.below(6)), y, rng.chance(55) ? pal("paper3") : pal("paper1"));
    }
    // gold threads where the paper meets the brocade
    for (int y = kTopBandEnd - 1; y <= kBottomBand; ++y) {
        img.set(kPaperLeft - 1, y, pal("gold1"));
        img.set(kPaperRight + 1, y, pal("gold1"));
    }
    hline(img, kPaperLeft - 1, kPaperRight + 1, kTopBandEnd - 1, pal("gold1"));
    hline(img, kPaperLeft - 1, kPaperRight + 1, kBottomBand, pal("gold1"));
    // the castle's name brushed at the head of the paper, rolled away whole once the cursor is
    // at the foot of the menu
    Mask name = textMask(utf32("城"));
    stamp(img, name, 108 - name.w * 3 / 2 + 2, 100, 3, pal("paper1"));
    stamp(img, name, 108 - name.w * 3 / 2, 98, 3, pal("ink"));
    // faint ruled guide lines under the four labels
    for (int k = 0; k < 4; ++k)
        for (int x = 44; x <= 172; x += 2) img.set(x, 192 + 30 * k, pal("paper1"));
    // below them, a moon and the castle in thin ink wash
    ring(img, 136, 336, 22, 21, pal("paper1"));
    disc(img, 136, 336, 20, pal("paper3"));
    Image hill(kPaperRight - kPaperLeft + 1, 120, kBlack);
    for (int x = 0; x < hill.w; ++x) {
        int top = 92 - int(18 * std::sin(M_PI * x / hill.w)) + int(3 * std::sin(x * 0.21));
        vline(hill, x, top, 119, pal("paper1"));
    }
    for (auto [x, w, top, cone] : {std::tuple{50, 16, 40, true}, std::tuple{70, 30, 54, false}, std::tuple{104, 14, 46, true}, std::tuple{84, 10, 28, true}}) {
        rect(hill, x, top, w, 95 - top, pal("paper0"));
        if (cone) polygon(hill, {x - 2, top, x + w + 2, top, x + w / 2, top - w}, pal("paper0"));
        else for (int c = x; c < x + w; c += 4) rect(hill, c, top - 3, 2, 3, pal("paper0"));
        for (int wy = top + 8; wy < 88; wy += 12) rect(hill, x + w / 2 - 1, wy, 2, 3, pal("paper1"));
    }
    blitAll(img, kPaperLeft, 318, hill, kBlack);
    // the painter's seal
    rect(img, 158, 372, 18, 18, pal("red1"));
    frame(img, 158, 372, 18, 18, pal("red2"));
    stamp(img, textMask(utf32("ヨ")), 159, 373, 1, pal("paper3"));
    return img;
}

Image scrollShade() {
    // laid over the scroll once: shadow along the mounting's edges and the creases where it
    // was rolled
    Image img(228, 738, kMagenta);
    for (int y = 0; y < 738; ++y) {
        img.set(kMountLeft, y, pal("night0"));
        img.set(kMountLeft + 1, y, pal("night1"));
        img.set(kMountRight, y, pal("night0"));
        img.set(kMountRight - 1, y, pal("night1"));
        if (y >= kTopBandEnd && y < kBottomBand) {
            img.set(kPaperLeft, y, pal("paper1"));
            img.set(kPaperRight, y, pal("paper1"));
        }
        if (y % 97 == 0 && y > kTopBandEnd && y < kBottomBand)
            for (int x = kPaperLeft + 1; x < kPaperRight; x += 3) img.set(x, y, pal("paper1"));
    }
    return img;
}

Image roller() {
    // 210 x 100, one turn of the rod unrolled: its gilded ends are what shows beside the paper,
    // so every row carries the same profile across and only the engraved rings turn with it
    Image img(210, 100, pal("wood1"));
    const Colour cap[12] = {pal("gold0"), pal("gold1"), pal("gold2"), pal("gold3"), pal("gold2"), pal("gold1"),
                            pal("gold0"), pal("wood0"), pal("wood2"), pal("wood3"), pal("wood2"), pal("wood1")};
    for (int y = 0; y < 100; ++y) {
        bool ring = y % 25 < 3;
        for (int x = 0; x < 12; ++x) {
            Colour c = cap[x];
            if (ring && x < 7) c = x == 3 ? pal("gold2") : pal("gold0");
            if (x >= 8 && y % 20 == 7) c = pal("wood0");  // grain on the bare rod
            img.set(x, y, c);
            img.set(209 - x, y, c);
        }
        double t = std::sin(y * 2 * M_PI / 100.0 * 3);
        hline(img, 12, 197, y, t > 0.5 ? pal("wood3") : t > -0.5 ? pal("wood2") : pal("wood1"));
    }
    return img;
}

void cog(Image& img, int cx, int cy, int r, int teeth) {
    // iron teeth, a brass rim and spokes, a gold hub
    for (int t = 0; t < teeth; ++t) {
        double a = t * 2 * M_PI / teeth, w = M_PI / teeth * 0.55;
        int x0 = cx + int(std::lround((r - 1) * std::cos(a - w))), y0 = cy + int(std::lround((r - 1) * std::sin(a - w)));
        int x1 = cx + int(std::lround((r - 1) * std::cos(a + w))), y1 = cy + int(std::lround((r - 1) * std::sin(a + w)));
        int x2 = cx + int(std::lround((r + 5) * std::cos(a + w * 0.7))), y2 = cy + int(std::lround((r + 5) * std::sin(a + w * 0.7)));
        int x3 = cx + int(std::lround((r + 5) * std::cos(a - w * 0.7))), y3 = cy + int(std::lround((r + 5) * std::sin(a - w * 0.7)));
        polygon(img, {x0, y0, x1, y1, x2, y2, x3, y3}, pal("iron3"));
    }
    disc(img, cx, cy, r, pal("iron3"));
    ring(img, cx, cy, r, r - 2, pal("iron4"));
    disc(img, cx, cy, r - 4, pal("gold1"));
    disc(img, cx, cy, r - 6, pal("iron1"));
    for (int k = 0; k < 6; ++k) {
        double a = k * M_PI / 3 + 0.3;
        thickLine(img, cx, cy, cx + int((r - 6) * std::cos(a)), cy + int((r - 6) * std::sin(a)), 1, pal("gold1"));
    }
    disc(img, cx, cy, std::max(3, r / 4), pal("gold2"));
    disc(img, cx - 1, cy - 1, std::max(1, r / 10), pal("gold3"));
    outline(img, kBlack, pal("iron0"));
}

Image gearAndFrame() {
    // 584 x 451: the frame round the scroll and the description at the origin, keyed on black,
    // its two openings backed with a blue-black lacquer so the parchment text and the picture
    // read clearly whatever the night behind is doing; the gear at x 520
    Image img(584, 451, kBlack);
    for (int y = 12; y < 439; ++y)
        for (int x = 12; x < 503; ++x) {
            // a faint cloud pattern in the lacquer, darkest at the edges
            int edge = std::min({x - 12, 502 - x, y - 12, 438 - y});
            int t = edge < 6 ? 0 : 3 + int(3 * std::sin(x * 0.05 + std::sin(y * 0.03) * 2) + 2 * std::sin(y * 0.07));
            img.set(x, y, ditherPick(x, y, std::clamp(t, 0, 8)) ? pal("night1") : pal("night0"));
        }
    for (auto [x0, x1] : {std::pair{16, 225}, std::pair{242, 498}}) {  // gold hairlines inside each opening
        frame(img, x0, 16, x1 - x0 + 1, 419, pal("gold0"));
    }
    for (int d = 0; d < 12; ++d) {
        Colour c = d == 0 || d == 11 ? pal("wood0") : d < 3 ? pal("wood4") : d < 5 ? pal("wood3") : d == 6 ? pal("gold2") : d == 7 ? pal("gold0") : pal("wood2");
        frame(img, d, d, 515 - 2 * d, 451 - 2 * d, c);
    }
    Rng rng(5150);
    for (int i = 0; i < 260; ++i) {  // wood grain along the bars
        int along = rng.below(515), d = 1 + rng.below(4);
        int len = 3 + rng.below(8);
        hline(img, along, std::min(514, along + len), d, pal("wood3"));
        hline(img, along, std::min(514, along + len), 450 - d, pal("wood3"));
        if (along < 451) {
            vline(img, d, along, std::min(450, along + len), pal("wood3"));
            vline(img, 514 - d, along, std::min(450, along + len), pal("wood3"));
        }
    }
    // the divider between the scroll and the description
    for (int x = 230; x < 238; ++x) {
        Colour c = x == 230 || x == 237 ? pal("wood0") : x == 233 || x == 234 ? pal("gold1") : pal("wood2");
        vline(img, x, 12, 438, c);
    }
    // iron corner plates with a gilded rivet, and one on each end of the divider
    auto plate = [&](int x, int y) {
        rect(img, x, y, 24, 24, pal("iron2"));
        frame(img, x, y, 24, 24, pal("iron0"));
        hline(img, x + 1, x + 22, y + 1, pal("iron3"));
        vline(img, x + 1, y + 1, y + 22, pal("iron3"));
        disc(img, x + 12, y + 12, 4, pal("gold1"));
        disc(img, x + 11, y + 11, 2, pal("gold3"));
    };
    for (auto [x, y] : {std::pair{0, 0}, std::pair{491, 0}, std::pair{0, 427}, std::pair{491, 427}, std::pair{222, 0}, std::pair{222, 427}}) plate(x, y);
    Image gear(64, 64, kBlack);
    cog(gear, 32, 32, 24, 10);
    blitAll(img, 520, 0, gear);
    return img;
}

// ---- entry pictures -------------------------------------------------------------------------

void tileAt(Image& dst, const Image& sheet, int col, int row, int x, int y, int scale = 1) {
    Image cell = crop(sheet, col * 32, row * 32, 32, 32);
    if (scale > 1) cell = scaled(cell, scale);
    blitAll(dst, x, y, cell, kMagenta);
}

void figureAt(Image& dst, const Catalog& cat, int col, int row, int x, int y, int scale, bool faceRight) {
    Image b = crop(find(cat, "bmp/yomogi_body.bmp"), col * 24, row * 24, 24, 24);
    Image h = crop(find(cat, "bmp/yomogi_head.bmp"), col * 24, row * 24, 24, 24);
    if (faceRight) { b = mirrored(b); h = mirrored(h); }
    blitAll(dst, x, y, scaled(b, scale), kMagenta);
    blitAll(dst, x, y, scaled(h, scale), kMagenta);
}

Image puzzlePicture(const Catalog& cat) {
    // a room tipped a little, crates sliding, Yomogi bracing: turn the room and let things fall
    const Image& tiles = find(cat, "bmp/mod.bmp");
    const Image& blocks = find(cat, "bmp/block.bmp");
    Image room(256, 224, pal("night1"));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 8; ++x) {
            bool edge = x == 0 || x == 7 || y == 6 || y == 0;
            tileAt(room, tiles, edge ? (y == 6 ? 1 : 0) : (x + y) % 3 == 0 ? 4 : 0, edge ? 1 : 0, x * 32, y * 32);
        }
    tileAt(room, blocks, 0, 0, 160, 160);
    tileAt(room, blocks, 0, 0, 192, 160);
    tileAt(room, blocks, 0, 1, 192, 128);
    tileAt(room, blocks, 0, 7, 32, 160);
    tileAt(room, tiles, 6, 7, 96, 32);
    figureAt(room, cat, 1, 10, 88, 152, 2, true);
    Image turned = rotatedNearest(room, 12, 128, 112, pal("night1"));
    Image img(230, 190, pal("night1"));
    blit(img, 0, 0, turned, 13, 17, 230, 190);
    // a gold turning arrow round it all
    for (int a = 200; a < 330; ++a) {
        double r = a * M_PI / 180;
        disc(img, 115 + int(100 * std::cos(r)), 100 + int(80 * std::sin(r)), 2, pal("gold2"));
    }
    polygon(img, {115 + int(100 * std::cos(330 * M_PI / 180)) - 8, 100 + int(80 * std::sin(330 * M_PI / 180)) - 6,
                  115 + int(100 * std::cos(330 * M_PI / 180)) + 8, 100 + int(80 * std::sin(330 * M_PI / 180)) - 8,
                  115 + int(100 * std::cos(330 * M_PI / 180)) + 2, 100 + int(80 * std::sin(330 * M_PI / 180)) + 8},
            pal("gold3"));
    noBlack(img);
    return img;
}

Image creditPicture(const Catalog& cat) {
    // the three of them under the moon: Yomogi, Shelly and the castle's owner
    Image img(275, 235, pal("night1"));
    verticalRamp(img, 0, 0, 275, 235, {pal("night1"), pal("night2"), pal("night3")});
    disc(img, 220, 80, 22, pal("moon1"));
    disc(img, 216, 76, 16, pal("moon2"));
    rect(img, 45, 190, 230, 45, pal("stone1"));
    hline(img, 45, 274, 190, pal("stone3"));
    Image ghost = crop(find(cat, "bmp/yurayuragost.bmp"), 64, 0, 64, 64);
    blitAll(img, 170, 92, scaled(mirrored(ghost), 1), kMagenta);
    figureAt(img, cat, 0, 0, 70, 118, 3, true);
    Image shelly = crop(find(cat, "bmp/shelly1.bmp"), 16, 0, 16, 16);
    blitAll(img, 140, 90, scaled(mirrored(shelly), 2), kMagenta);
    noBlack(img);
    return img;
}

Image optionPicture(const Catalog& cat) {
    // gears and a game pad: set things the way you like them
    Image img(355, 285, pal("night2"));
    verticalRamp(img, 0, 0, 355, 285, {pal("night2"), pal("night3")});
    Image g(355, 285, kBlack);
    cog(g, 100, 100, 60, 12);
    cog(g, 200, 175, 40, 9);
    cog(g, 275, 80, 28, 8);
    blitAll(img, 0, 0, g, kBlack);
    // the pad
    rect(img, 150, 200, 150, 60, pal("stone4"));
    disc(img, 150, 230, 30, pal("stone4"));
    disc(img, 300, 230, 30, pal("stone4"));
    rect(img, 160, 224, 30, 10, pal("stone1"));
    rect(img, 170, 214, 10, 30, pal("stone1"));
    disc(img, 285, 220, 6, pal("red2"));
    disc(img, 305, 235, 6, pal("leaf3"));
    outline(img, pal("night2"), pal("night0"));
    noBlack(img);
    return img;
}

Image endPicture(const Catalog& cat) {
    // the castle asleep under the moon
    Image img(230, 190, pal("night1"));
    verticalRamp(img, 0, 0, 230, 190, {pal("night0"), pal("night1"), pal("night2"), pal("night3")});
    // a crescent: the moon's disc less an offset one, so the sky behind stays as it is
    for (int y = 26; y <= 66; ++y)
        for (int x = 150; x <= 190; ++x) {
            const int ax = x - 170, ay = y - 46, bx = x - 178, by = y - 40;
            if (ax * ax + ay * ay <= 400 && bx * bx + by * by > 324) img.set(x, y, pal("moon2"));
        }
    Image castle = find(cat, "bmp/castle1-3.bmp");
    blitAll(img, 15, 0, scaled(castle, 2), kMagenta);
    Mask z = tinyText("Z");
    stamp(img, z, 190, 120, 3, pal("ghost3"));
    stamp(img, z, 204, 104, 2, pal("ghost2"));
    noBlack(img);
    return img;
}

// Stroke i paints the columns its strips sweep: leftwards from x0 for even strokes, rightwards
// for odd ones; ragged edges and a few dry streaks make it a brush.
Image brushMask(int i) {
    static const int width[16] = {65, 94, 82, 94, 84, 84, 70, 100, 70, 84, 64, 88, 57, 76, 58, 85};
    static const int start[16] = {58, -5, 95, 14, 110, 32, 110, 37, 136, 64, 152, 90, 172, 116, 193, 133};
    const Colour paint = 0x010000;
    Image img(230, 190, kBlack);
    int v = int(width[i] / 6.25) * (i % 2 ? 1 : -1);
    int lo = i % 2 ? start[i] : start[i] + v * 6;
    int hi = i % 2 ? start[i] + v * 7 : start[i] - v;
    Rng rng(1600 + i);
    int jl = 0, jr = 0;
    for (int y = 0; y < 190; ++y) {
        jl = std::clamp(jl + rng.below(3) - 1, -3, 3);
        jr = std::clamp(jr + rng.below(3) - 1, -3, 3);
        int l = lo - 2 + jl, r = hi + 2 + jr;
        // the stroke's head and tail taper
        int taper = y < 8 ? (8 - y) : y > 181 ? (y - 181) : 0;
        hline(img, l + taper, r - taper, y, paint);
        if (rng.chance(6)) hline(img, l + taper + 3 + rng.below(std::max(1, r - l - 10)), l + taper + 5 + rng.below(std::max(1, r - l - 10)), y, kBlack);
    }
    return img;
}

}  // namespace

void addTitle(Catalog& out) {
    out.push_back({"bmp/scroll3.bmp", scroll()});
    out.push_back({"bmp/scroll4.bmp", scrollShade()});
    out.push_back({"bmp/poll.bmp", roller()});
    out.push_back({"bmp/gear.bmp", gearAndFrame()});
    Image ins1 = puzzlePicture(out), ins2 = creditPicture(out), ins3 = optionPicture(out), ins4 = endPicture(out);
    out.push_back({"bmp/insert/ins1.bmp", ins1});
    out.push_back({"bmp/insert/ins2.bmp", ins2});
    out.push_back({"bmp/insert/ins3.bmp", ins3});
    out.push_back({"bmp/insert/ins4.bmp", ins4});
    for (int i = 0; i < 16; ++i) out.push_back({"bmp/hude/hude" + std::to_string(i + 1) + ".bmp", brushMask(i)});
}

}  // namespace pg
