// Drawing the world select, back to front: the far sky at half speed, the stars, the castle map,
// and per world its unfolding description, name plate and emblem; then the fanned WORLD labels,
// the Push-Enter ribbon under the chosen world and the pulsing legend.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame/frame.h"
#include "menu/world_select.h"
#include "stage/stars.h"

namespace {

constexpr Colour kBoxInterior = 0xD3D3D3;  // light grey
constexpr int kCameraLowest = 472;         // the camera stops this far down the map

struct View {
    int ox = 0, oy = 0;   // screen position of map point (0, 0)
    int mx = 0, py = 0;   // the map point shown at the screen's centre
};

View viewOf(const SelectState& s) {
    View v;
    v.mx = static_cast<int>(s.marker.x);
    v.py = std::min(static_cast<int>(s.marker.y), kCameraLowest);
    v.ox = 320 - v.mx;
    v.oy = 240 - v.py;
    return v;
}

int surfaceWidth(const Surface* s) { return s ? s->width : 0; }
int surfaceHeight(const Surface* s) { return s ? s->height : 0; }

void drawMap(Surface* screen, const Surface* map, const View& v) {
    // Clipped at the map's top and left edges; the copies clip the rest.
    const int sx = std::max(0, -v.ox), sy = std::max(0, -v.oy);
    const int dx = std::max(0, v.ox), dy = std::max(0, v.oy);
    const int w = std::min(640 - dx, surfaceWidth(map) - sx);
    const int h = std::min(480 - dy, surfaceHeight(map) - sy);
    if (w > 0 && h > 0) transparentBlit(screen, dx, dy, w, h, map, sx, sy, w, h, kMagenta);
}

// The description unfolds downward from a strip 32 pixels above the name plate.
void drawDescription(Surface* screen, const SelectState& s, int m, int X, int Y) {
    const int h = s.records[m].highlight;
    if (h <= 31) return;
    const ImageSize size = s.textSizes[kSlotFirstDescription - 8 + m];
    const int W = size.width, H = size.height;
    int D = 32, E = H - 32;
    if (h <= 39) {
        D = 4 * h - 128;
        E = 4 * ((h - 32) * (H - 32) / 32);
    }
    const int bx = X - W - 32, by = Y - D - 12, bh = D + E;
    const int insetX = W > 22 ? 3 : 0, insetY = bh > 22 ? 3 : 0;
    drawRectangle(screen, bx + insetX, by + insetY, W - 2 * insetX, bh - 2 * insetY, 1, kBoxInterior);
    transparentBlit(screen, bx, by, W, bh, s.images[kSlotFirstDescription + m].get(), 0, 32 - D, W, bh,
                    kBlack);
    drawNineFrame(screen, bx, by, W, bh, s.images[kSlotFrame].get());
}

void drawNamePlate(Surface* screen, const SelectState& s, int m, int X, int Y) {
    const int h = s.records[m].highlight;
    const int w = s.textSizes[kSlotNamePlate - 8].width;
    const int shown = h <= 31 ? h * w / 32 : 30 * w / 32;
    if (shown <= 0) return;
    transparentBlit(screen, X - shown - 20, Y - 15, shown, 23, s.images[kSlotNamePlate].get(), w - shown, 0,
                    shown, 23, kBlack);
}

void drawEmblem(Surface* screen, const SelectState& s, int m, int X, int Y) {
    const int angle = s.records[m].emblemAngle;
    if (m <= s.unlocked) {
        rotateBlitAbout(screen, X - 8, Y - 8, 48, 48, s.images[kSlotOpenEmblem].get(), 0, 0, 48, 48, angle,
                        kBlack, 24, 24);
    } else {
        // A locked emblem only gives a small jolt now and then while the cursor is on it.
        const int jolt = angle % 32 == 0 ? 8 : 0;
        rotateBlitAbout(screen, X - 8, Y - 8, 48, 48, s.images[kSlotLockedEmblem].get(), 0, 0, 48, 48, jolt,
                        kBlack, 24, 24);
    }
}

// The height of a fanned letter: it grows with the highlight, then settles at 42.
int letterHeight(int t, bool first) {
    const int s = first ? t * 53 / 28 : t * 53 / 30;
    const int held = (s > 53 ? 1 : 0) + (81 - t < 42 ? 1 : 0);
    if (held == 0) return s;
    if (held == 1) return 81 - t;
    return 42;
}

// The letters of WORLD and the world's digit fan out around a common point beside the emblem.
void drawWorldLabel(Surface* screen, const SelectState& s, int m, const View& v) {
    const Surface* letters = s.images[kSlotWorldLetters].get();
    const int px = v.ox + s.positions[m].x + 10, py = v.oy + s.positions[m].y - 5;
    int t = s.records[m].highlight;
    int theta = m <= s.unlocked ? 360 - s.records[m].emblemAngle : 278;
    auto letter = [&](int cellX, bool first) {
        const int g = letterHeight(t, first);
        rotateBlitAbout(screen, px, py - g / 2, 20, g, letters, cellX, 12, 19, g, theta, kBlack, 6, g);
        theta += 30;
        t -= 3;
    };
    int drawn = 0;
    while (drawn < 5 && t >= 0) {
        letter(12 + 20 * drawn, drawn == 0);
        ++drawn;
    }
    if (drawn == 5 && t >= 1) letter(112 + 20 * m, false);
}

// How far column o of the ribbon is bent round its ends.
int ribbonBend(int o) {
    if (o < 15) return static_cast<int>(1 - 90 * std::sin(1.5 * (o + 165) * 0.017259));
    if (o > 44) return static_cast<int>(90 - 90 * std::sin((1.5 * o + 15) * 0.017259));
    return 0;
}

void drawRibbon(Surface* screen, const SelectState& s, int X, int Y) {
    Surface* canvas = s.images[kSlotRibbonCanvas].get();
    const Surface* strip = s.images[kSlotPushEnter].get();
    if (!canvas) return;
    const int a = s.records[s.cursor].emblemAngle;
    fillBlack(canvas, 0, 0, canvas->width, canvas->height);
    for (int o = 59; o >= 0; --o) {
        transparentBlit(canvas, o, 0, 1, 12, strip, (a / 2 + o + ribbonBend(o)) % 90, 0, 1, 12, kMagenta);
    }
    const ImageSize size = s.textSizes[kSlotRibbonCanvas - 8];
    blendBlit(screen, X - 12 - s.hold / 4, Y + 56 + s.hold / 16, 60 + s.hold / 2, 12 - s.hold / 8, canvas, 0,
              0, size.width, size.height, static_cast<int16_t>(3 * s.appear), kBlack);
}

void drawLegend(Surface* screen, const SelectState& s) {
    const int b = std::abs(s.blink - 16), g = b / 2;
    const Surface* upLine = s.images[kSlotUpLine].get();
    transparentBlit(screen, 360, 450, 100, 28, upLine, 0, 12, 100, 28, kBlack);
    transparentBlit(screen, 460, 440, 200, 28, upLine, 100, 12, 200, 28, kBlack);
    transparentBlit(screen, 460, 460, 200, 28, s.images[kSlotDownLine].get(), 100, 12, 200, 28, kBlack);
    transparentBlit(screen, 440 - g, 440, 90 + 2 * g, 28 - g / 3, s.images[kSlotUpWord].get(), 0, 12, 90, 28,
                    kBlack);
    transparentBlit(screen, 440 - g, 460 + g / 6, 90 + 2 * g, 28 - g / 3, s.images[kSlotDownWord].get(), 0, 12,
                    90, 28, kBlack);
}

}  // namespace

void drawNineFrame(Surface* dst, int x, int y, int w, int h, const Surface* frame) {
    const int cw = w > 22 ? 11 : w / 2, ch = h > 22 ? 11 : h / 2;
    transparentBlit(dst, x, y, cw, ch, frame, 0, 0, cw, ch, kMagenta);
    transparentBlit(dst, x + w - cw, y, cw, ch, frame, 480 - cw, 0, cw, ch, kMagenta);
    transparentBlit(dst, x, y + h - ch, cw, ch, frame, 0, 360 - ch, cw, ch, kMagenta);
    transparentBlit(dst, x + w - cw, y + h - ch, cw, ch, frame, 480 - cw, 360 - ch, cw, ch, kMagenta);
    const int ex = w > 22 ? 3 : 0, ey = h > 22 ? 3 : 0;
    transparentBlit(dst, x + ex, y, w - 2 * ex, ch, frame, 12, 0, cw, ch, kMagenta);
    transparentBlit(dst, x + ex, y + h - ch, w - 2 * ex, ch, frame, 12, 360 - ch, cw, ch, kMagenta);
    transparentBlit(dst, x, y + ey, cw, h - 2 * ey, frame, 0, 12, cw, ch, kMagenta);
    transparentBlit(dst, x + w - cw, y + ey, cw, h - 2 * ey, frame, 480 - cw, 12, cw, ch, kMagenta);
}

void selectDraw() {
    const SelectState& s = *worldSelect;
    Surface* screen = app.backBuffer.get();
    const View v = viewOf(s);

    stretchBlit(screen, 0, 0, 640, 480, s.images[kSlotSky].get(), (v.mx - 320) / 2 + 320, (v.py - 240) / 2 + 240,
                320, 240);
    drawStarField(screen, 13, s.frameCounter, 0.01, 320 + v.ox, v.oy, 640, 480, 1000, 1200, 7);
    drawMap(screen, s.images[kSlotMap].get(), v);

    for (int m = s.count - 1; m >= 0; --m) {
        const int X = v.ox + s.positions[m].x, Y = v.oy + s.positions[m].y;
        drawDescription(screen, s, m, X, Y);
        drawNamePlate(screen, s, m, X, Y);
        drawEmblem(screen, s, m, X, Y);
    }
    // Five labels where there are five worlds; a shorter save file has fewer positions to
    // put them at.
    for (int m = std::min(4, s.count - 1); m >= 0; --m) drawWorldLabel(screen, s, m, v);
    drawRibbon(screen, s, v.ox + s.positions[s.cursor].x, v.oy + s.positions[s.cursor].y);
    drawLegend(screen, s);
}
