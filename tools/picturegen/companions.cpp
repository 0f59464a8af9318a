// The companions: Shelly the little flying companion (bmp/shelly1.bmp, 4 x 2 cells of 16 x 16,
// facing left; also bmp/g1.bmp, her bigger self spinning in the opening), Yurayura the ghost of
// the castle's owner (bmp/yurayuragost.bmp, 64 x 64 cells: row 0 hovering, row 1 pushing the
// castle round, columns 0 sinking and 1 rising; bmp/yurayura.bmp his 32 x 32 icon), his sweat
// (bmp/ase.bmp: a splash over the full 80 x 28, a single drop at x 40) and the surprise mark
// bmp/!!.bmp.
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

// Shelly: a round warm-gold bird with a little spiral shell on her back and pale wings that
// beat over it; a big bright eye so she reads at 16 pixels.
Image shelly(int size, int wingUp) {
    Image img(size, size, kMagenta);
    double k = size / 16.0;
    auto S = [&](double v) { return int(std::lround(v * k)); };
    disc(img, S(7), S(9), S(5), pal("gold2"));
    disc(img, S(6), S(8), std::max(1, S(3)), pal("gold3"));
    hline(img, S(4), S(9), S(13), pal("gold1"));
    // the spiral shell on her back
    disc(img, S(11.5), S(10), std::max(2, S(2.5)), pal("wood4"));
    img.set(S(11.5), S(10), pal("wood2"));
    img.set(S(12.5), S(10), pal("wood3"));
    img.set(S(12.5), S(11), pal("wood3"));
    // the wing, beating over her back
    if (wingUp) polygon(img, {S(8), S(6), S(12), S(0), S(15), S(2), S(11), S(7)}, pal("ghost3"));
    else polygon(img, {S(8), S(7), S(15), S(7), S(14), S(10), S(10), S(9)}, pal("ghost3"));
    if (wingUp) line(img, S(9), S(5), S(12), S(1), pal("ghost4"));
    else hline(img, S(9), S(14), S(7), pal("ghost4"));
    // a big eye and a beak, looking left
    rect(img, S(3), S(7), std::max(2, S(2)), std::max(2, S(2)), pal("ghost4"));
    rect(img, S(3), S(8), std::max(1, S(1)), std::max(1, S(1)), pal("eye"));
    polygon(img, {S(0), S(10), S(3), S(9), S(3), S(11)}, pal("torch2"));
    img.set(S(1), S(10), pal("torch3"));
    img.set(S(5), S(11), pal("red3"));  // cheek
    img.set(S(6), S(14), pal("torch1"));
    img.set(S(8), S(14), pal("torch1"));
    outline(img, kMagenta, pal("wood0"));
    return img;
}

enum class GhostPose { hover, rise, push, pushRise };

// Yurayura, the castle's owner: a big sheet ghost with a little crown and a fine moustache,
// looking left. k scales the 64-pixel design (0.5 for the icon).
Image ghost(int size, GhostPose pose) {
    Image img(size, size, kMagenta);
    double k = size / 64.0;
    auto S = [&](double v) { return int(std::lround(v * k)); };
    bool rising = pose == GhostPose::rise || pose == GhostPose::pushRise;
    bool pushing = pose == GhostPose::push || pose == GhostPose::pushRise;
    int bob = rising ? -2 : 0;
    // the sheet: a round top, a body, a hem of scallops trailing to the right as he drifts
    disc(img, S(30), S(26 + bob), S(19), pal("ghost3"));
    rect(img, S(11), S(26 + bob), S(38), S(18), pal("ghost3"));
    for (int i = 0; i < 4; ++i) {
        int sx = S(15 + i * 10), sy = S(46 + bob + (i % 2) * 2 + (rising ? 2 : 0));
        disc(img, sx, sy, S(5.5), pal("ghost3"));
    }
    polygon(img, {S(46), S(30 + bob), S(60), S(50 + bob), S(48), S(48 + bob)}, pal("ghost3"));
    // shade on the far side
    for (int y = 0; y < size; ++y)
        for (int x = S(36); x < size; ++x)
            if (img.at(x, y) == pal("ghost3") && ((x + y) % 2 == 0 || x > S(44))) img.set(x, y, pal("ghost2"));
    // arms
    if (pushing) {
        ellipse(img, S(8), S(34 + bob), S(6), S(4), pal("ghost3"));
        ellipse(img, S(9), S(40 + bob), S(6), S(4), pal("ghost2"));
    } else if (rising) {
        ellipse(img, S(12), S(22 + bob), S(4), S(7), pal("ghost3"));
    } else {
        ellipse(img, S(13), S(38 + bob), S(4), S(6), pal("ghost3"));
    }
    // face: two dark eyes with a glint, a moustache, an open worried mouth
    int ey = S(24 + bob);
    ellipse(img, S(19), ey, S(3), S(4), pal("ghost0"));
    ellipse(img, S(29), ey, S(3), S(4), pal("ghost0"));
    img.set(S(18), ey - S(2), pal("ghost4"));
    img.set(S(28), ey - S(2), pal("ghost4"));
    int my = S(32 + bob);
    polygon(img, {S(16), my + S(2), S(24), my - S(1), S(32), my + S(2), S(24), my + S(1)}, pal("stone2"));
    ellipse(img, S(24), my + S(4), S(2), S(2), pal("ghost0"));
    // the owner's little crown
    polygon(img, {S(22), S(9 + bob), S(22), S(3 + bob), S(25), S(6 + bob), S(28), S(2 + bob), S(31), S(6 + bob), S(34), S(3 + bob), S(34), S(9 + bob)},
            pal("gold2"));
    hline(img, S(22), S(34), S(8 + bob), pal("gold1"));
    img.set(S(28), S(5 + bob), pal("red3"));
    outline(img, kMagenta, pal("ghost1"));
    return img;
}

// The owner's icon for the room display: his face alone, drawn for 32 pixels.
Image ghostIcon() {
    Image img(32, 32, kMagenta);
    disc(img, 16, 16, 12, pal("ghost3"));
    rect(img, 4, 16, 25, 9, pal("ghost3"));
    for (int k = 0; k < 4; ++k) disc(img, 6 + k * 7, 25 + (k % 2), 3, pal("ghost3"));
    for (int y = 0; y < 32; ++y)
        for (int x = 22; x < 32; ++x)
            if (img.at(x, y) == pal("ghost3") && (x + y) % 2 == 0) img.set(x, y, pal("ghost2"));
    polygon(img, {10, 7, 10, 1, 13, 4, 16, 0, 19, 4, 22, 1, 22, 7}, pal("gold2"));
    hline(img, 10, 21, 6, pal("gold1"));
    img.set(16, 3, pal("red3"));
    rect(img, 10, 11, 3, 4, pal("ghost0"));
    rect(img, 17, 11, 3, 4, pal("ghost0"));
    img.set(10, 11, pal("ghost4"));
    img.set(17, 11, pal("ghost4"));
    polygon(img, {7, 19, 13, 16, 16, 18, 19, 16, 25, 19, 16, 20}, pal("stone2"));
    hline(img, 15, 17, 22, pal("ghost0"));
    outline(img, kMagenta, pal("ghost1"));
    return img;
}

Image sweat() {
    Image img(80, 28, kMagenta);
    // left: three flicks of sweat flying off
    auto flick = [&](int x, int y, int dx, int dy) {
        thickLine(img, x, y, x + dx, y + dy, 1, pal("water3"));
        img.set(x + dx, y + dy, pal("water4"));
    };
    flick(6, 20, -4, -6);
    flick(16, 10, -1, -7);
    flick(28, 16, 3, -7);
    // right: one big drop
    Image drop(40, 28, kMagenta);
    disc(drop, 20, 18, 7, pal("water3"));
    polygon(drop, {14, 15, 20, 2, 26, 15}, pal("water3"));
    disc(drop, 18, 17, 3, pal("water4"));
    img.set(17, 15, kWhite);
    outline(drop, kMagenta, pal("water1"));
    blitAll(img, 40, 0, drop, kMagenta);
    outline(img, kMagenta, pal("water1"));
    return img;
}

Image surprise() {
    Image img(45, 45, kMagenta);
    for (int k = 0; k < 2; ++k) {
        int x = 12 + k * 14;
        polygon(img, {x - 4, 4, x + 4, 4, x + 2, 29, x - 2, 29}, pal("torch3"));
        disc(img, x, 37, 3, pal("torch3"));
        vline(img, x - 2, 5, 26, pal("torch4"));
    }
    outline(img, kMagenta, pal("red1"));
    outline(img, kMagenta, pal("torch0"));
    return img;
}

}  // namespace

void addCompanions(Catalog& out) {
    Image sheet(64, 32, kMagenta);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 2; ++r) blitAll(sheet, c * 16, r * 16, shelly(16, (c + r) % 2));
    out.push_back({"bmp/shelly1.bmp", sheet});
    out.push_back({"bmp/g1.bmp", shelly(24, 1)});

    Image ghosts(256, 128, kMagenta);
    for (int c = 0; c < 4; ++c) {
        blitAll(ghosts, c * 64, 0, ghost(64, c % 2 ? GhostPose::rise : GhostPose::hover));
        blitAll(ghosts, c * 64, 64, ghost(64, c % 2 ? GhostPose::pushRise : GhostPose::push));
    }
    out.push_back({"bmp/yurayuragost.bmp", ghosts});
    out.push_back({"bmp/yurayura.bmp", ghostIcon()});
    out.push_back({"bmp/ase.bmp", sweat()});
    out.push_back({"bmp/!!.bmp", surprise()});
}

}  // namespace pg
