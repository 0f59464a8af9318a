// Logos and words: the logo screen's sheet bmp/TL4-1.bmp (our studio's seal at (0, 0) and
// glowing at (0, 150), the name stamp inside it at (35, 20), the backdrop at (0, 300) and the
// flash at (0, 500)), the studio logo of the credits bmp/QM.bmp (used from row 200), the title
// logo bmp/titlerogo3.bmp and the banner bmp/skipstart.bmp ("PUSH ENTER" / "START").
#include <algorithm>
#include <cmath>
#include <tuple>

#include "catalog.h"
#include "lettering.h"
#include "sources.h"

namespace pg {
namespace {

const char* kStudio = "MUGWORT WORKS";

// The seal: a round badge with a turret and a crescent; the stamp band carries the name.
void seal(Image& img, int x0, int y0, bool glowing) {
    Image s(200, 150, kMagenta);
    ellipse(s, 100, 80, 92, 66, glowing ? pal("gold2") : pal("gold1"));
    ellipse(s, 100, 80, 86, 60, pal("night2"));
    ellipse(s, 100, 80, 80, 54, pal("night3"));
    // the turret and the crescent
    rect(s, 84, 74, 32, 50, pal("stone2"));
    rect(s, 84, 74, 6, 50, pal("stone4"));
    for (int x = 84; x < 116; x += 8) rect(s, x, 68, 5, 6, pal("stone2"));
    rect(s, 96, 90, 8, 12, glowing ? pal("torch4") : pal("torch3"));
    disc(s, 140, 60, 14, pal("moon2"));
    disc(s, 146, 55, 12, pal("night3"));
    // a sprig of mugwort across the foot of the badge
    blitAll(s, 76, 124, sprite("sprig"), kMagenta);
    blitAll(s, 100, 124, mirrored(sprite("sprig")), kMagenta);
    // the stamp band at (35, 20), 135 x 20, with the studio's name
    rect(s, 35, 20, 135, 20, glowing ? pal("red2") : pal("red1"));
    frame(s, 35, 20, 135, 20, pal("red0"));
    frame(s, 36, 21, 133, 18, pal("red3"));
    Mask name = tinyText(kStudio);
    stamp(s, name, 35 + (135 - name.w * 2) / 2, 25, 2, glowing ? pal("torch5") : pal("paper3"));
    if (glowing)
        for (int k = 0; k < 12; ++k) {
            double a = k * M_PI / 6;
            line(s, 100 + int(95 * std::cos(a)), 80 + int(70 * std::sin(a)), 100 + int(99 * std::cos(a)), 80 + int(74 * std::sin(a)), pal("torch4"));
        }
    outline(s, kMagenta, pal("gold0"));
    blitAll(img, x0, y0, s);
}

Image logoSheet() {
    Image img(320, 700, kMagenta);
    seal(img, 0, 0, false);
    seal(img, 0, 150, true);
    // the backdrop: a deep night with a wash of moonlight
    Image back(320, 200, kBlack);
    verticalRamp(back, 0, 0, 320, 200, {pal("night0"), pal("night1"), pal("night2"), pal("night1"), pal("night0")});
    Rng rng(3200);
    for (int i = 0; i < 120; ++i) back.set(rng.below(320), rng.below(200), rng.chance(30) ? pal("moon1") : pal("night4"));
    blitAll(img, 0, 300, back);
    // the flash: moonlight white, warmest in the middle
    Image flash(320, 200, pal("moon2"));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) {
            int dx = (x - 160) / 2, dy = y - 100;
            int d = dx * dx + dy * dy;
            Colour c = d < 900 ? pal("torch5") : d < 3600 ? (ditherPick(x, y, 8) ? pal("torch5") : pal("moon2")) : pal("moon2");
            if (d > 8000) c = ditherPick(x, y, 6) ? pal("moon1") : pal("moon2");
            flash.set(x, y, c);
        }
    blitAll(img, 0, 500, flash);
    return img;
}

Image studioLogo() {
    // 320 x 400; the credits draw rows 200..399, blended, without a key
    Image img(320, 400, kBlack);
    Image part(320, 200, kBlack);
    seal(part, 60, 10, true);
    Mask name = tinyText(kStudio);
    stamp(part, name, 160 - name.w * 3 / 2, 172, 3, pal("gold3"));
    recolour(part, kMagenta, kBlack);
    blitAll(img, 0, 0, part);
    blitAll(img, 0, 200, part);
    return img;
}

Image titleLogo() {
    // 600 x 264, drawn at the screen's left edge: "ヨモギとユラユラの城" in big pixel letters of
    // moonlight rimmed in gold, centred on the 640-pixel screen (column 320 of the picture), a
    // sprig of mugwort to each side of Yomogi's name and a few stars. No moon of its own: the
    // sky behind it has one.
    Image img(600, 264, kMagenta);
    Mask m1 = textMask(utf32("ヨモギと")), m2 = textMask(utf32("ユラユラの城"));
    const int s = 5, centre = 320;
    auto letters = [&](const Mask& m, int x, int y) {
        stamp(img, grown(m, 1), x - s, y - s, s, pal("night0"));
        stamp(img, m, x + s / 2, y + s / 2, s, pal("gold1"));
        stampRamp(img, m, x, y, s, {pal("moon2"), pal("moon1"), pal("moon0"), pal("ghost2")});
    };
    const int x1 = centre - m1.w * s / 2, x2 = centre - m2.w * s / 2;
    letters(m1, x1, 22);
    letters(m2, x2, 132);
    // the sprigs, pointing away from the name
    const Image sprig = scaled(sprite("sprig"), 3);
    blitAll(img, x1 - sprig.w - 14, 66, mirrored(sprig), kMagenta);
    blitAll(img, x1 + m1.w * s + 14, 66, sprig, kMagenta);
    // four-pointed stars of torchlight gold
    auto star = [&](int x, int y, int r) {
        hline(img, x - r, x + r, y, pal("gold2"));
        vline(img, x, y - r, y + r, pal("gold2"));
        img.set(x, y, pal("torch5"));
        if (r > 2) { img.set(x - 1, y, pal("gold3")); img.set(x + 1, y, pal("gold3")); img.set(x, y - 1, pal("gold3")); img.set(x, y + 1, pal("gold3")); }
    };
    star(x2 - 22, 150, 4);
    star(x2 + m2.w * s + 18, 120, 5);
    star(x1 + m1.w * s + 60, 24, 3);
    star(x1 - 48, 36, 3);
    outline(img, kMagenta, pal("night0"));
    return img;
}

Image banner() {
    // 96 x 84: rows 0..41 "PUSH ENTER" (to skip), rows 42..83 "START"
    Image img(96, 84, kMagenta);
    auto plate = [&](int y, const std::string& text, int scale) {
        rect(img, 2, y + 4, 92, 34, pal("night1"));
        frame(img, 2, y + 4, 92, 34, pal("gold2"));
        frame(img, 3, y + 5, 90, 32, pal("gold0"));
        Mask m = textMask(utf32(text));
        int x = 48 - m.w * scale / 2, top = y + 21 - 8 * scale - (scale == 1 ? 0 : -2);
        stamp(img, grown(m, 1), x - scale, top - scale, scale, pal("torch0"));
        stampRamp(img, m, x, top, scale, {pal("torch5"), pal("torch4"), pal("torch3")});
    };
    plate(0, "PUSH ENTER", 1);
    plate(42, "START", 2);
    return img;
}

}  // namespace

void addLogos(Catalog& out) {
    out.push_back({"bmp/TL4-1.bmp", logoSheet()});
    out.push_back({"bmp/QM.bmp", studioLogo()});
    out.push_back({"bmp/titlerogo3.bmp", titleLogo()});
    out.push_back({"bmp/skipstart.bmp", banner()});
}

}  // namespace pg
