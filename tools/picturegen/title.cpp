// The title's pictures: the hanging scroll (bmp/scroll3.bmp, paper in its left 210 columns on
// black, which is its key) and its shading (bmp/scroll4.bmp, keyed on magenta), the roller
// (bmp/poll.bmp, 210 x 100, repeating every 100 rows as it turns), the frame and the gear
// (bmp/gear.bmp: a 515 x 451 frame at the origin and a 64 x 64 gear at x 520, keyed on black),
// the four entry pictures (bmp/insert/ins1..ins4) and the sixteen brush-stroke masks that paint
// them in (bmp/hude/hude1..hude16: black, and RGB(1, 0, 0) where the stroke lets the picture
// through). The entry pictures are composed from the game's own sprites, so they share its look.
#include <algorithm>
#include <cmath>

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

Image scroll() {
    Image img(228, 738, kBlack);
    rect(img, 0, 0, 210, 738, pal("paper2"));
    Rng rng(2280);
    for (int i = 0; i < 900; ++i) {
        int x = rng.below(210), y = rng.below(738);
        hline(img, x, x + rng.below(5), y, rng.chance(50) ? pal("paper3") : pal("paper1"));
    }
    // faint ruled guide lines where the labels sit
    for (int y = 160; y < 300; y += 30) hline(img, 30, 180, y + 28, pal("paper1"));
    // a red seal near the bottom
    rect(img, 160, 560, 24, 24, pal("red1"));
    frame(img, 160, 560, 24, 24, pal("red2"));
    Mask y = tinyText("Y");
    stamp(img, y, 166, 564, 4, pal("paper3"));
    return img;
}

Image scrollShade() {
    Image img(228, 738, kMagenta);
    for (int y = 0; y < 738; ++y) {
        for (int x = 0; x < 5; ++x) img.set(x, y, x < 2 ? pal("paper0") : pal("paper1"));
        for (int x = 203; x < 210; ++x) img.set(x, y, x > 206 ? pal("paper0") : pal("paper1"));
        if (y % 97 == 0) hline(img, 5, 202, y, pal("paper1"));  // creases where it was rolled
    }
    return img;
}

Image roller() {
    Image img(210, 100, pal("wood2"));
    for (int y = 0; y < 100; ++y) {
        // grain bands that come round every 100 rows
        double t = std::sin(y * 2 * M_PI / 100.0 * 3);
        Colour c = t > 0.6 ? pal("wood4") : t > 0.0 ? pal("wood3") : t > -0.6 ? pal("wood2") : pal("wood1");
        hline(img, 10, 199, y, c);
        // gold end caps
        hline(img, 0, 9, y, (y / 10) % 2 ? pal("gold1") : pal("gold2"));
        hline(img, 200, 209, y, (y / 10) % 2 ? pal("gold1") : pal("gold2"));
        img.set(9, y, pal("gold0"));
        img.set(200, y, pal("gold0"));
    }
    return img;
}

void cog(Image& img, int cx, int cy, int r, int teeth) {
    for (int t = 0; t < teeth; ++t) {
        double a = t * 2 * M_PI / teeth;
        disc(img, cx + int(std::lround((r + 2) * std::cos(a))), cy + int(std::lround((r + 2) * std::sin(a))), std::max(2, r / 5), pal("iron3"));
    }
    disc(img, cx, cy, r, pal("iron3"));
    disc(img, cx, cy, r - 3, pal("iron2"));
    ring(img, cx, cy, r / 2, r / 2 - 2, pal("iron4"));
    disc(img, cx, cy, std::max(2, r / 5), pal("gold2"));
    for (int k = 0; k < 4; ++k) {
        double a = k * M_PI / 2 + 0.4;
        thickLine(img, cx, cy, cx + int((r - 5) * std::cos(a)), cy + int((r - 5) * std::sin(a)), 1, pal("iron3"));
    }
    outline(img, kBlack, pal("iron1"));
}

Image gearAndFrame() {
    Image img(584, 451, kBlack);
    // the frame round the scroll and the panels: dark wood with a gold bead and iron corners
    for (int d = 0; d < 12; ++d) {
        Colour c = d == 0 || d == 11 ? pal("wood0") : d < 4 ? pal("wood3") : d == 6 ? pal("gold2") : pal("wood2");
        frame(img, d, d, 515 - 2 * d, 451 - 2 * d, c);
    }
    // a divider between the scroll and the description
    for (int x = 230; x < 238; ++x) vline(img, x, 12, 438, x == 230 || x == 237 ? pal("wood0") : pal("wood2"));
    for (auto [x, y] : {std::pair{0, 0}, std::pair{491, 0}, std::pair{0, 427}, std::pair{491, 427}}) {
        rect(img, x, y, 24, 24, pal("iron2"));
        frame(img, x, y, 24, 24, pal("iron1"));
        disc(img, x + 12, y + 12, 4, pal("gold2"));
    }
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
    disc(img, 170, 46, 20, pal("moon2"));
    disc(img, 178, 40, 18, pal("night1"));
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
