// Drawing the opening, back to front: sky, castle, slopes, logo, the sweat drop, Yomogi, the
// companion and the wavy banner.
#include <cmath>

#include "frame/frame.h"
#include "menu/opening_scenery.h"
#include "menu/opening.h"

namespace {

// The banner, one row at a time, each row shifted by the wave; the first text until everything
// is in place, then the second.
void drawBanner(Surface* screen, const Surface* banner, const OpeningScenery& s) {
    const int firstRow = s.ready ? 42 : 0;
    for (int i = 0; i < 42; ++i) {
        const int x = static_cast<int>(6 * std::sin(4 * (s.wavePhase + i) * 0.017529) + 448);
        blendBlit(screen, x, 396 + 2 * i, 192, 2, banner, 0, firstRow + i, 96, 1, s.bannerOpacity, kMagenta);
    }
}

}  // namespace

void openingDraw() {
    const OpeningScenery& s = *opening.records.scenery;
    const WalkerSprite& walker = *opening.records.walker;
    const SpinnerSprite& spinner = *opening.records.spinner;
    const SceneryPictures& p = opening.pictures;
    Surface* screen = app.backBuffer.get();

    drawSky(screen, p.sky.get(), s, kMagenta);
    transparentBlit(screen, s.castleX, static_cast<int>(s.castleY), 200, 200, p.castle.get(), 0, 0, 100, 100,
                    kMagenta);
    drawSlopes(screen, p.slope.get(), s, 0, kMagenta);
    transparentBlit(screen, 0, s.logoY, 600, 264, p.logo.get(), 0, 0, 600, 264, kMagenta);
    if (s.sweatCounter > 0 && s.sweatCounter < s.sweatPeriod / 2) {
        rotateBlitAbout(screen, walker.x + 50, static_cast<int>(walker.y) - 20, 40, 28, p.sweat.get(), 40, 0, 40,
                        28, s.sweatAngle, kMagenta, 0, 40);
    }
    drawWalker(screen, p.walker.get(), walker, 0, kMagenta);
    drawSpinner(screen, p.spinner.get(), spinner, 0, kMagenta);
    drawBanner(screen, p.banner.get(), s);
}
