// Effects: the dust puffs bmp/effect.bmp (5 x 2 cells of 48 x 48 on black, drawn additively:
// row 0 stone dust, row 1 a splash of water), the gear frame bmp/big_gear1.bmp that turns
// behind every room, and the credits' sparkle bmp/flash2.bmp (keyed on white).
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

// Additive pictures brighten what lies below, so their colours are kept dim and cool.
Colour dim(Colour c, int percent) { return mix(kBlack, c, percent); }

void dustPuff(Image& img, int x0, int y0, int f) {
    // a ring of small clouds spreading out from the landing and fading
    Rng rng(900 + f);
    int spread = 8 + f * 5;
    int strength = 95 - f * 18;
    for (int k = 0; k < 7; ++k) {
        double a = M_PI + k * M_PI / 6;  // a half ring opening upward and to the sides
        int cx = x0 + 24 + int(std::lround(std::cos(a) * spread));
        int cy = y0 + 34 + int(std::lround(std::sin(a) * spread * 0.6));
        int r = 3 + f + rng.below(2);
        disc(img, cx, cy, r, dim(pal("stone4"), strength));
        disc(img, cx - 1, cy - 1, std::max(1, r - 2), dim(pal("stone5"), strength));
    }
    for (int i = 0; i < 6 - f; ++i) img.set(x0 + 24 + rng.below(2 * spread) - spread, y0 + 36 - rng.below(spread), dim(pal("stone6"), strength));
}

void splash(Image& img, int x0, int y0, int f) {
    // drops thrown up in an arc, falling back
    int strength = 100 - f * 18;
    for (int k = -3; k <= 3; ++k) {
        double t = (f + 1) / 5.0;
        int x = x0 + 24 + int(std::lround(k * 5 * t * 1.6));
        int y = y0 + 40 - int(std::lround((14 - k * k) * (1.2 * t - t * t) * 2.4));
        disc(img, x, y, k == 0 ? 2 : 1, dim(pal("water3"), strength));
        img.set(x, y - 1, dim(pal("water4"), strength));
    }
    ellipse(img, x0 + 24, y0 + 42, 6 + f * 3, 2, dim(pal("water2"), strength / 2));
}

Image gearFrame() {
    // a square frame of iron with teeth all round; the room stands in the middle (the key)
    Image img(320, 320, kMagenta);
    const int n = 320;
    // teeth along the outer edge
    for (int t = 0; t < 16; ++t) {
        int a = 10 + t * 19 + 2;
        rect(img, a, 0, 10, 12, pal("iron2"));
        rect(img, a, n - 12, 10, 12, pal("iron2"));
        rect(img, 0, a, 12, 10, pal("iron2"));
        rect(img, n - 12, a, 12, 10, pal("iron2"));
        hline(img, a, a + 9, 0, pal("iron4"));
        vline(img, 0, a, a + 9, pal("iron4"));
        hline(img, a, a + 9, n - 1, pal("iron1"));
        vline(img, n - 1, a, a + 9, pal("iron1"));
    }
    // the frame body
    for (int d = 12; d < 34; ++d) {
        Colour c = d < 14 ? pal("iron4") : d > 31 ? pal("iron1") : (d % 6 == 0 ? pal("iron1") : pal("iron3"));
        frame(img, d, d, n - 2 * d, n - 2 * d, c);
    }
    // rivets along the frame
    for (int r = 40; r < n - 40; r += 24)
        for (auto [x, y] : {std::pair{r, 22}, std::pair{r, n - 23}, std::pair{22, r}, std::pair{n - 23, r}}) {
            img.set(x, y, pal("iron5"));
            img.set(x + 1, y + 1, pal("iron1"));
        }
    // a cog at each corner
    for (auto [cx, cy] : {std::pair{22, 22}, std::pair{n - 23, 22}, std::pair{22, n - 23}, std::pair{n - 23, n - 23}}) {
        for (int t = 0; t < 8; ++t) {
            double a = t * M_PI / 4;
            disc(img, cx + int(std::lround(18 * std::cos(a))), cy + int(std::lround(18 * std::sin(a))), 4, pal("gold1"));
        }
        disc(img, cx, cy, 16, pal("gold1"));
        disc(img, cx, cy, 14, pal("gold2"));
        ring(img, cx, cy, 9, 7, pal("gold1"));
        disc(img, cx, cy, 4, pal("iron1"));
        img.set(cx - 6, cy - 8, pal("gold3"));
        img.set(cx - 7, cy - 7, pal("gold3"));
    }
    return img;
}

Image sparkle() {
    Image img(32, 32, kWhite);  // keyed on white in the credits
    std::vector<Colour> ramp = {pal("torch4"), pal("gold3"), pal("gold2")};
    for (int r = 0; r < 14; ++r) {
        Colour c = r < 4 ? pal("torch5") : r < 9 ? pal("gold3") : pal("gold2");
        img.set(16 + r, 16, c); img.set(15 - r, 16, c); img.set(16, 16 + r, c); img.set(16, 15 - r, c);
        if (r < 5) { img.set(16 + r, 15, c); img.set(15 - r, 15, c); img.set(15, 16 + r, c); img.set(15, 15 - r, c); }
    }
    for (int r = 1; r < 6; ++r) {
        img.set(16 + r, 16 + r, pal("gold2")); img.set(15 - r, 15 - r, pal("gold2"));
        img.set(16 + r, 15 - r, pal("gold2")); img.set(15 - r, 16 + r, pal("gold2"));
    }
    rect(img, 14, 14, 4, 4, pal("torch5"));
    return img;
}

}  // namespace

void addEffects(Catalog& out) {
    Image puffs(240, 96, kBlack);
    for (int f = 0; f < 5; ++f) {
        dustPuff(puffs, f * 48, 0, f);
        splash(puffs, f * 48, 48, f);
    }
    out.push_back({"bmp/effect.bmp", puffs});
    out.push_back({"bmp/big_gear1.bmp", gearFrame()});
    out.push_back({"bmp/flash2.bmp", sparkle()});
}

}  // namespace pg
