// Yomogi, the small figure: bmp/yomogi_head.bmp and bmp/yomogi_body.bmp (6 x 12 cells of
// 24 x 24, facing left as stored; the game mirrors them for facing right). The head is a
// separate layer drawn over the body, so the head sheet holds only the head and the body
// sheet only the body below it. Also the opening's sprites bmp/g0.bmp (Yomogi walking,
// four frames) and bmp/g1.bmp (the companion, spinning).
//
// Rows: 0 standing (2), 1 walking (4), 2 appearing (2), 3 leaving (2), 4 rising, 5 falling,
// 6 crushed (4), 9 fallen out (4; the credits use its second head as the tilted head),
// 10 and 11 head only: the two reactions to a turn of the room (4 each).
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

constexpr int C = 24;

enum class Eyes { open, closed, wide, dizzy, crossed };

struct HeadLook {
    Eyes eyes = Eyes::open;
    bool back = false;      // seen from behind (walking into a door)
    int dy = 0;             // bob
    double tilt = 0;        // degrees, positive turns anticlockwise on screen
    bool squashed = false;  // flattened under a block
    bool sweat = false;
};

// Yomogi's head, looking left: a mugwort-green hood with a sprig on top, a round face.
Image head(const HeadLook& look) {
    Image img(C, C, kMagenta);
    const int cx = 12, cy = 10 + look.dy;
    // hood tail behind the head
    polygon(img, {cx + 4, cy + 1, cx + 10, cy + 6, cx + 6, cy + 7, cx + 3, cy + 5}, pal("leaf1"));
    disc(img, cx, cy, 7, pal("leaf2"));
    // highlight on the hood
    for (int y = -6; y <= -2; ++y)
        for (int x = -5; x <= 1; ++x)
            if (x * x + y * y <= 30 && x * x + y * y >= 16) img.set(cx + x, cy + y, pal("leaf3"));
    if (!look.back) {
        ellipse(img, cx - 3, cy + 2, 5, 4, pal("skin2"));
        // fringe of green hair over the brow
        for (int x = -7; x <= 1; ++x) img.set(cx + x, cy - 1 + ((x & 1) ? 0 : 1), pal("leaf2"));
        hline(img, cx - 7, cx + 1, cy - 2, pal("leaf2"));
        img.set(cx - 6, cy + 4, pal("skin1"));  // cheek
        img.set(cx - 1, cy + 4, pal("skin1"));
        int ex = cx - 4, ey = cy + 1;
        switch (look.eyes) {
        case Eyes::open: vline(img, ex, ey, ey + 1, pal("eye")); img.set(ex + 4, ey, pal("eye")); img.set(ex + 4, ey + 1, pal("eye")); break;
        case Eyes::closed: hline(img, ex - 1, ex, ey + 1, pal("eye")); hline(img, ex + 3, ex + 4, ey + 1, pal("eye")); break;
        case Eyes::wide:
            rect(img, ex - 1, ey, 2, 2, pal("ghost4")); img.set(ex - 1, ey + 1, pal("eye"));
            rect(img, ex + 3, ey, 2, 2, pal("ghost4")); img.set(ex + 3, ey + 1, pal("eye"));
            img.set(cx - 3, cy + 5, pal("eye"));  // little round mouth
            break;
        case Eyes::dizzy:
            img.set(ex, ey, pal("eye")); img.set(ex - 1, ey + 1, pal("eye")); img.set(ex + 1, ey + 1, pal("eye"));
            img.set(ex + 4, ey, pal("eye")); img.set(ex + 3, ey + 1, pal("eye")); img.set(ex + 5, ey + 1, pal("eye"));
            break;
        case Eyes::crossed:
            img.set(ex - 1, ey, pal("eye")); img.set(ex, ey + 1, pal("eye")); img.set(ex + 1, ey, pal("eye")); img.set(ex - 1, ey + 2, pal("eye")); img.set(ex + 1, ey + 2, pal("eye"));
            img.set(ex + 3, ey, pal("eye")); img.set(ex + 4, ey + 1, pal("eye")); img.set(ex + 5, ey, pal("eye")); img.set(ex + 3, ey + 2, pal("eye")); img.set(ex + 5, ey + 2, pal("eye"));
            break;
        }
    } else {
        ring(img, cx, cy + 1, 5, 4, pal("leaf1"));  // the hood's seam seen from behind
    }
    // the sprig of mugwort on top
    line(img, cx + 1, cy - 7, cx + 2, cy - 8, pal("leaf1"));
    polygon(img, {cx + 2, cy - 8, cx + 6, cy - 10, cx + 4, cy - 7}, pal("leaf4"));
    polygon(img, {cx + 1, cy - 8, cx - 2, cy - 10, cx, cy - 7}, pal("leaf3"));
    outline(img, kMagenta, pal("leaf0"));
    if (look.sweat) { img.set(cx + 7, cy - 3, pal("water3")); img.set(cx + 7, cy - 2, pal("water2")); img.set(cx + 8, cy - 2, pal("water3")); }
    if (look.squashed) {
        // flattened: keep every other row of the top half
        Image flat(C, C, kMagenta);
        for (int y = 0; y < C; ++y)
            for (int x = 0; x < C; ++x) {
                int sy = y < 10 ? -1 : 10 + (y - 10) * 2 - 10;
                if (sy >= 0 && sy < C) flat.set(x, y, img.at(x, sy));
            }
        img = flat;
    }
    if (look.tilt != 0) img = rotatedNearest(img, -look.tilt, 12, 12);
    return img;
}

struct BodyPose {
    int legL = 0, legR = 0;     // foot offsets forward (negative = ahead, to the left)
    int liftL = 0, liftR = 0;   // foot lifted by
    int armAy = 0, armBy = 0;   // hand heights relative to the hip (negative = raised)
    int armAx = 0, armBx = 0;
    int dy = 0;                 // whole body bob
    int squash = 0;             // rows lost under a block
    bool back = false;
};

// The body below the head: a plum tunic with a belt, small arms and boots.
Image body(const BodyPose& p) {
    Image img(C, C, kMagenta);
    int top = 14 + p.dy;
    // legs and boots
    auto leg = [&](int x, int fwd, int lift) {
        int fx = x + fwd, fy = 22 - lift;
        line(img, x, top + 5, fx, fy - 1, pal("cloth0"));
        rect(img, fx - 1, fy - 1, 3, 2, pal("wood1"));
        img.set(fx - 2, fy, pal("wood1"));
        img.set(fx - 1, fy, pal("wood1"));
        img.set(fx, fy, pal("wood1"));
    };
    leg(10, p.legL, p.liftL);
    leg(14, p.legR, p.liftR);
    // tunic: narrow at the shoulders, flaring to the hem
    polygon(img, {9, top, 15, top, 17, top + 7, 7, top + 7}, pal("cloth1"));
    vline(img, 9, top, top + 6, pal("cloth2"));
    hline(img, 8, 16, top + 4, pal("wood3"));  // belt
    img.set(10, top + 4, pal("gold2"));
    if (p.back) hline(img, 9, 15, top + 1, pal("leaf1"));  // the hood hangs down the back
    // arms: a sleeve and a small hand each
    auto arm = [&](int sx, int hx, int hy, Colour sleeve) {
        line(img, sx, top + 1, hx, hy, sleeve);
        img.set(hx, hy, pal("skin2"));
        img.set(hx, hy + 1, pal("skin1"));
    };
    arm(14, 15 + p.armBx, top + 4 + p.armBy, pal("cloth0"));  // far arm
    arm(9, 7 + p.armAx, top + 4 + p.armAy, pal("cloth1"));    // near arm
    outline(img, kMagenta, pal("ink"));
    if (p.squash > 0) {
        Image flat(C, C, kMagenta);
        int h = C - top;
        int newH = std::max(2, h - p.squash);
        for (int y = 0; y < newH; ++y)
            for (int x = -1; x <= C; ++x) {
                int sy = top + y * h / newH;
                int sx = x + (x - 12) * p.squash / 24 * 0;
                flat.set(x, C - newH + y, img.at(sx, sy));
            }
        img = flat;
    }
    return img;
}

void sparkles(Image& img, int f, bool rising) {
    static const int pts[2][5][2] = {{{3, 6}, {20, 3}, {5, 17}, {19, 14}, {12, 21}}, {{6, 2}, {18, 8}, {2, 12}, {21, 19}, {9, 16}}};
    for (auto& p : pts[f % 2]) {
        int y = p[1] - (rising ? 2 : 0);
        img.set(p[0], y, pal("ghost4"));
        if (img.at(p[0] + 1, y) == kMagenta) img.set(p[0] + 1, y, pal("ghost2"));
        if (img.at(p[0], y + 1) == kMagenta) img.set(p[0], y + 1, pal("ghost2"));
    }
}

}  // namespace

void addPlayer(Catalog& out) {
    Image heads(144, 288, kMagenta), bodies(144, 288, kMagenta);
    auto put = [](Image& sheet, int col, int row, const Image& cell) { blitAll(sheet, col * C, row * C, cell); };

    // 0 standing: a slow breath
    for (int f = 0; f < 2; ++f) {
        put(heads, f, 0, head({Eyes::open, false, f}));
        BodyPose p;
        p.armAy = f;
        put(bodies, f, 0, body(p));
    }
    // 1 walking: legs swing, arms swing the other way, the head bobs on the passing frames
    static const int legA[4] = {-3, 0, 3, 0}, lift[4] = {0, 1, 0, 1};
    for (int f = 0; f < 4; ++f) {
        put(heads, f, 1, head({Eyes::open, false, f % 2}));
        BodyPose p;
        p.legL = legA[f];
        p.legR = -legA[f];
        p.liftL = f == 1 ? 1 : 0;
        p.liftR = f == 3 ? 1 : 0;
        p.armAx = legA[f] > 0 ? -2 : legA[f] < 0 ? 2 : 0;
        p.armBx = -p.armAx;
        p.dy = lift[f] ? -1 : 0;
        (void)lift;
        put(bodies, f, 1, body(p));
    }
    // 2 appearing: moonlight sparkles around the figure
    for (int f = 0; f < 2; ++f) {
        Image h = head({Eyes::closed});
        sparkles(h, f, false);
        put(heads, f, 2, h);
        put(bodies, f, 2, body({}));
    }
    // 3 leaving: seen from behind, stepping through
    for (int f = 0; f < 2; ++f) {
        Image h = head({Eyes::open, true, f});
        sparkles(h, f + 1, true);
        put(heads, f, 3, h);
        BodyPose p;
        p.back = true;
        p.legL = f ? -1 : 1;
        p.legR = -p.legL;
        put(bodies, f, 3, body(p));
    }
    // 4 rising: arms up, legs tucked
    {
        put(heads, 0, 4, head({Eyes::open, false, 0}));
        BodyPose p;
        p.armAy = -6; p.armAx = -1; p.armBy = -6; p.armBx = 1;
        p.liftL = 2; p.liftR = 1; p.legL = -2;
        put(bodies, 0, 4, body(p));
    }
    // 5 falling: arms flung up, legs apart, eyes wide
    {
        put(heads, 0, 5, head({Eyes::wide, false, 0}));
        BodyPose p;
        p.armAy = -7; p.armAx = -3; p.armBy = -7; p.armBx = 3;
        p.legL = -3; p.legR = 3;
        put(bodies, 0, 5, body(p));
    }
    // 6 crushed: squashed more with every frame
    for (int f = 0; f < 4; ++f) {
        HeadLook h{f == 0 ? Eyes::wide : Eyes::crossed};
        h.squashed = f >= 2;
        Image hi = head(h);
        put(heads, f, 6, shifted(hi, 0, f * 2));
        BodyPose p;
        p.squash = f * 2;
        p.armAy = -2 + f; p.armBy = -2 + f;
        put(bodies, f, 6, body(p));
    }
    // 9 fallen out: dazed, the head tipping further each frame
    for (int f = 0; f < 4; ++f) {
        HeadLook h{f == 0 ? Eyes::wide : Eyes::dizzy};
        h.tilt = 8 + f * 8;
        h.sweat = true;
        put(heads, f, 9, head(h));
        BodyPose p;
        p.armAy = -5 + f; p.armBy = -6 + f; p.armAx = -2; p.armBx = 2;
        p.legL = -2; p.legR = 2;
        put(bodies, f, 9, body(p));
    }
    // 10, 11: the room turns under Yomogi: eyes go wide and the head tips with the turn
    for (int f = 0; f < 4; ++f) {
        static const double tilt[4] = {6, 14, 10, 4};
        HeadLook a{Eyes::wide};
        a.tilt = tilt[f];
        a.sweat = f >= 1;
        put(heads, f, 10, head(a));
        HeadLook b{Eyes::wide};
        b.tilt = -tilt[f];
        b.sweat = f >= 1;
        put(heads, f, 11, head(b));
    }
    out.push_back({"bmp/yomogi_head.bmp", heads});
    out.push_back({"bmp/yomogi_body.bmp", bodies});

    // the opening's walker: head over body, four walking frames side by side
    Image walker(96, 24, kMagenta);
    for (int f = 0; f < 4; ++f) {
        blit(walker, f * C, 0, bodies, f * C, C, C, C, kMagenta);
        blit(walker, f * C, 0, heads, f * C, C, C, C, kMagenta);
    }
    out.push_back({"bmp/g0.bmp", walker});
}

}  // namespace pg
