// The opening's scenery under the title: it keeps moving while it fades into the quiet sky, the
// castle sinking away to the lower left and the logo fading out.
#include "frame/frame.h"
#include "menu/title_state.h"

namespace {

// The scenery's pictures are rebuilt each frame from the clean copies: the sky mixes from the
// opening's sky into the quiet one, everything else fades toward black.
void fadeInto(Surface* drawing, const Surface* pristine, int width, int height, int opacity) {
    fillBlack(drawing, 0, 0, width, height);
    alphaBlit(drawing, 0, 0, width, height, pristine, 0, 0, width, height, opacity);
}

}  // namespace

void sceneryFade() {
    TitleState& t = *title;
    const int fade = t.openingFadeCounter;
    if (fade <= 44) {
        const int opacity = static_cast<int>(static_cast<int>(100 - 2.1 * fade) * 2.5);
        SceneryPictures& d = opening.pictures;
        const PristineScenery& p = t.pristine;
        copyBlit(d.sky.get(), 0, 0, 320, 200, p.quietSky.get(), 0, 0);
        alphaBlit(d.sky.get(), 0, 0, 320, 200, p.sky.get(), 0, 0, 320, 200, opacity);
        fadeInto(d.castle.get(), p.castle.get(), 100, 100, opacity);
        fadeInto(d.slope.get(), p.slope.get(), 448, 100, opacity);
        fadeInto(d.walker.get(), p.walker.get(), 240, 72, opacity);
        fadeInto(d.spinner.get(), p.spinner.get(), 240, 72, opacity);
        return;
    }
    t.pristine = PristineScenery{};
    t.openingFadeDone = 1;
}

void drawTitleScenery() {
    TitleState& t = *title;
    const OpeningRecords& r = t.scenery;
    const SceneryPictures& p = opening.pictures;
    Surface* screen = app.backBuffer.get();
    const int v = t.openingFadeDone ? 45 : t.openingFadeCounter;
    // The sprites' faded background is their key: whatever colour the spinner's corner has now.
    Colour key = readPixel(p.spinner.get(), 0, 0);
    if (key == kInvalidColour) key = kMagenta;

    drawSky(screen, p.sky.get(), *r.scenery, kKeyNone);
    if (!t.openingFadeDone) {
        blendBlit(screen, 0, r.scenery->logoY, 600, 264, p.logo.get(), 0, 0, 600, 264,
                  static_cast<int16_t>(90 - 2 * t.openingFadeCounter), kMagenta);
    }
    transparentBlit(screen, r.scenery->castleX - 3 * v, static_cast<int>(r.scenery->castleY + v), 200, 200,
                    p.castle.get(), 0, 0, 100, 100, key);
    drawSlopes(screen, p.slope.get(), *r.scenery, v, key);
    drawWalker(screen, p.walker.get(), *r.walker, v, key);
    drawSpinner(screen, p.spinner.get(), *r.spinner, v, key);
}
