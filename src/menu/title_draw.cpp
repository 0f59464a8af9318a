// Drawing the title's scroll: the two gears and the frame, then the scroll itself with its
// rope, its two rolls, the highlighted label and the description beside it.
#include <cmath>
#include <cstdlib>

#include "frame/frame.h"
#include "menu/title_menu.h"
#include "menu/title_state.h"

namespace {

constexpr int kScrollLeft = 61;

int scrollTop(const TitleState& t) { return t.scrollDrop - 409; }

// Darkens one row of the work surface by blending black over it.
void darkenRow(TitleState& t, int row, int opacity) {
    alphaBlit(t.work.get(), 0, row, 210, 1, t.scrollShade.get(), 0, 0, 210, 1, opacity);
}

void drawDescription(TitleState& t, int X, int Y) {
    Surface* scratch = t.panels[kScratchPanel].get();
    bandBlend(scratch, t.panels[t.cursor].get(), 5, 16, 238, 368, t.textCounter - 30, 10,
              titleMenu(t.cursor).descriptionOffset);
    transparentBlit(app.backBuffer.get(), X + 236, Y - 10, 238, 368, scratch, 0, 0, 238, 368, kBlack);
}

// The wooden rod at the top and its mirror at the bottom turn as the scroll moves.
void drawRope(TitleState& t, int X, int Y) {
    for (int e = -11; e <= 11; ++e) {
        const int row = static_cast<int>(e + t.smoothedCursor / 2 + 116) % 100;
        copyBlit(app.backBuffer.get(), X + 23, Y + e + 34, 210, 1, t.rope.get(), 0, row);
        copyBlit(app.backBuffer.get(), X + 23, Y - e + 384, 210, 1, t.rope.get(), 0, 99 - row);
    }
}

// The paper curling over the top rod, darker toward its edge.
void drawUpperRoll(TitleState& t, int X, int Y) {
    const int scrolled = static_cast<int>(t.smoothedCursor);
    for (int r = 11; r >= 0; --r) {
        const int source = static_cast<int>(12 * std::sin(7 * r * M_PI / 180)) + scrolled + r + 40;
        copyBlit(t.work.get(), 0, r, 210, 1, t.panels[kScrollPanel].get(), 0, source);
        darkenRow(t, r, 6 * (12 - r));
    }
    transparentBlit(app.backBuffer.get(), X + 20, Y + 21, 210, 12, t.work.get(), 0, 0, 210, 12, kBlack);
}

void drawBody(TitleState& t, int X, int Y) {
    transparentBlit(app.backBuffer.get(), X + 20, Y + 33, 210, 340, t.panels[kScrollPanel].get(), 0,
                    static_cast<int>(t.smoothedCursor) + 64, 210, 340, kBlack);
}

// The plain label is covered with bare paper, then the highlighted one is drawn over it,
// swelling and shrinking with the pulse.
void drawHighlight(TitleState& t, int X, int Y) {
    const int row = t.cursor * 30 + 169;
    const int top = Y + t.cursor * 30 - static_cast<int>(t.smoothedCursor) + 138;
    transparentBlit(app.backBuffer.get(), X + 20, top, 210, 31, t.plainScroll.get(), 0, row, 210, 31, kBlack);
    const int g = std::abs((t.pulsePhase - 32) / 3);
    const int k = titleMenu(t.cursor).stretch;
    transparentBlit(app.backBuffer.get(), X + 20 - k * g, top - g, 210 + 2 * k * g, 30 + 2 * g,
                    t.highlightLabels.get(), 0, row, 210, 30, kBlack);
}

// The paper rolling under the bottom rod: the last rows of the body, then the curl, shaded
// deepest where it turns away.
void drawLowerRoll(TitleState& t, int X, int Y) {
    const int scrolled = static_cast<int>(t.smoothedCursor);
    const Surface* scroll = t.panels[kScrollPanel].get();
    copyBlit(t.work.get(), 0, 0, 210, 16, scroll, 0, scrolled + 392);
    int o = 36, change = -3;
    for (int y = 23; y >= 1; --y) {
        o += change;
        if (o <= 0) change = 3;
        const int source = scrolled + static_cast<int>(std::sin(12 * (7 * y + 90) * 0.017453)) - y + 435;
        copyBlit(t.work.get(), 0, y + 12, 210, 1, scroll, 0, source);
        darkenRow(t, y + 12, static_cast<int>(2.5 * o));
    }
    for (int r = 1; r <= 12; ++r) darkenRow(t, r, 9 * r);
    transparentBlit(app.backBuffer.get(), X + 20, Y + 361, 210, 48, t.work.get(), 0, 0, 210, 48, kBlack);
}

}  // namespace

bool scrollShown() {
    const TitleState& t = *title;
    return t.openingFadeDone || t.entered || 2 * t.openingFadeCounter > 46;
}

void bandBlend(Surface* dst, const Surface* src, int startRow, int bandHeight, int width, int height,
               int opacity, int step, int rowOffset) {
    if (bandHeight <= 0) return;
    for (int band = 0; band < height / bandHeight; ++band) {
        if (opacity < 1) return;
        const int row = startRow + band * bandHeight;
        alphaBlit(dst, 0, row + rowOffset, width, bandHeight, src, 0, row, width, bandHeight,
                  opacity > 255 ? 255 : opacity);
        opacity -= step;
    }
}

void drawGearsAndFrame() {
    TitleState& t = *title;
    Surface* screen = app.backBuffer.get();
    const int s = 2 * t.openingFadeCounter;
    const bool shown = scrollShown();
    const int a = shown ? 90 : ((s + 30) % 60) * 6;
    const int b = shown ? 90 : 2 * s;
    const int dx = static_cast<int>(64 * cosTable[a % 360]), dy = static_cast<int>(64 * sinTable[a % 360]);
    rotateBlit(screen, 576 + dx, b + dy - 164, 64, 64, t.gear.get(), 520, 0, 64, 64, shown ? 100 - t.scrollDrop : 54,
               kBlack);
    rotateBlit(screen, 11 - dx, 568 - dy - b, 64, 64, t.gear.get(), 520, 0, 64, 64,
               t.scrollDrop < 340 ? 10 : t.scrollDrop, kBlack);
    if (!shown) return;
    if (t.scrollDrop <= 450) t.scrollDrop += t.scrollDrop / 6 + 1;
    if (t.scrollDrop > 451) t.scrollDrop = 451;
    // Coming from the opening, the frame rides a little higher until the scroll is nearly down.
    const int lift = t.fromOpening && t.scrollDrop < 340 ? t.openingFadeCounter - 23 : 22;
    transparentBlit(screen, 66, t.scrollDrop - 451 + lift, 515, 451, t.gear.get(), 0, 0, 515, 451, kBlack);
}

void drawScrollAndPanel() {
    TitleState& t = *title;
    const int X = kScrollLeft, Y = scrollTop(t);
    drawDescription(t, X, Y);
    drawRope(t, X, Y);
    drawUpperRoll(t, X, Y);
    drawBody(t, X, Y);
    drawHighlight(t, X, Y);
    drawLowerRoll(t, X, Y);
    paintPicture(Y);
}
