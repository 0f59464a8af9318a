// The world select's pictures (the names its display script lists): the emblems of open and
// locked worlds (bmp/truespin.bmp, bmp/falsespin.bmp, 48 x 48 keyed on black, spun by the
// screen), the nine-part frame of the description box (bmp/waku1-1.bmp, 480 x 360), the
// arrows (bmp/truearrow.bmp, bmp/falsearrow.bmp) and the Push-Enter ribbon strip
// (bmp/PushEnter.bmp, repeating every 90 pixels). The map and its sky are the backdrops'.
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "lettering.h"
#include "sources.h"

namespace pg {
namespace {

Image emblem(bool open) {
    Image img(48, 48, kBlack);
    Colour rim = open ? pal("gold2") : pal("stone3");
    Colour body = open ? pal("gold1") : pal("stone2");
    Colour light = open ? pal("gold3") : pal("stone4");
    // a cog with eight teeth: it spins on the map
    for (int t = 0; t < 8; ++t) {
        double a = t * M_PI / 4;
        int tx = 24 + int(std::lround(19 * std::cos(a))), ty = 24 + int(std::lround(19 * std::sin(a)));
        disc(img, tx, ty, 4, rim);
    }
    disc(img, 24, 24, 18, rim);
    disc(img, 24, 24, 15, body);
    ring(img, 24, 24, 15, 13, light);
    if (open) {
        // a crescent moon in the middle
        disc(img, 24, 24, 9, pal("moon2"));
        disc(img, 28, 21, 8, body);
    } else {
        // a padlock
        ring(img, 24, 19, 6, 4, pal("iron3"));
        rect(img, 16, 21, 17, 12, pal("iron2"));
        frame(img, 16, 21, 17, 12, pal("iron1"));
        rect(img, 23, 25, 3, 5, pal("iron0"));
    }
    // never pure black inside the emblem: black is its key
    outline(img, kBlack, open ? pal("gold0") : pal("stone1"));
    return img;
}

Image nineFrame() {
    Image img(480, 360, kMagenta);
    // an 11-pixel border of dark wood with a gold inner line; corners carry studs
    for (int d = 0; d < 11; ++d) {
        Colour c = d == 0 ? pal("wood0") : d < 3 ? pal("wood3") : d < 8 ? pal("wood2") : d == 8 ? pal("gold2") : pal("wood1");
        frame(img, d, d, 480 - 2 * d, 360 - 2 * d, c);
    }
    for (auto [x, y] : {std::pair{5, 5}, std::pair{474, 5}, std::pair{5, 354}, std::pair{474, 354}}) {
        disc(img, x, y, 3, pal("gold2"));
        img.set(x - 1, y - 1, pal("gold3"));
    }
    return img;
}

Image arrowPicture(bool open) {
    Image img(32, 32, kMagenta);
    Colour c = open ? pal("gold2") : pal("stone3");
    polygon(img, {16, 3, 29, 18, 21, 18, 21, 29, 11, 29, 11, 18, 3, 18}, c);
    outline(img, kMagenta, open ? pal("gold0") : pal("stone1"));
    return img;
}

Image pushEnterStrip() {
    // 90 x 12: a red ribbon with gold letters, seamless every 90 pixels
    Image img(90, 12, pal("red1"));
    hline(img, 0, 89, 0, pal("red3"));
    hline(img, 0, 89, 1, pal("red2"));
    hline(img, 0, 89, 10, pal("red0"));
    hline(img, 0, 89, 11, pal("red0"));
    Mask m = tinyText("PUSH ENTER");
    stamp(img, m, 4, 4, 1, pal("gold3"));
    stamp(img, m, 49, 4, 1, pal("gold3"));
    img.set(46, 6, pal("gold2"));
    img.set(1, 6, pal("gold2"));
    return img;
}

}  // namespace

void addSelect(Catalog& out) {
    out.push_back({"bmp/truespin.bmp", emblem(true)});
    out.push_back({"bmp/falsespin.bmp", emblem(false)});
    out.push_back({"bmp/waku1-1.bmp", nineFrame()});
    out.push_back({"bmp/truearrow.bmp", arrowPicture(true)});
    out.push_back({"bmp/falsearrow.bmp", arrowPicture(false)});
    out.push_back({"bmp/PushEnter.bmp", pushEnterStrip()});
}

}  // namespace pg
