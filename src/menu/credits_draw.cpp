// Drawing the credits, back to front: the sky, the small castle, the title logo of the first
// stage, the graveyard slopes, Yomogi, the roll of names, the studio logo, and at the end the
// sparkles, "Ｅｎｄ" and the banner.
#include <cmath>

#include "frame/frame.h"
#include "menu/credits.h"
#include "text/glyph_text.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void drawCharacter(Surface* screen, const CreditsState& s) {
    const int x = static_cast<int>(s.walkerX), y = static_cast<int>(s.walkerY);
    if (s.stage == kCreditsWalking) {
        transparentBlit(screen, x, y, 72, 72, s.body.get(), 24 * s.frame, 24, 24, 24, kMagenta);
        transparentBlit(screen, x, y, 72, 72, s.head.get(), 24 * s.frame, 24, 24, 24, kMagenta);
        return;
    }
    if (s.stage == kCreditsSinking || s.stage == kCreditsEnd) {
        transparentBlit(screen, x, y, 72, 72, s.body.get(), 0, 0, 24, 24, kMagenta);
        rotateBlitAbout(screen, x, y - 24, 72, 72, s.head.get(), 24, 216, 24, 24, s.headTilt, kMagenta, 40, 30);
    }
}

void drawRoll(Surface* screen, const CreditsState& s) {
    static const int nameWidths[6] = {266, 228, 152, 304, 342, 342};
    static const int roleWidths[6] = {168, 224, 140, 224, 224, 168};
    const Surface* font = s.font.get();
    drawGlyphText(screen, 0, s.rows[0], 342, 76, 40, -1, font, s.texts[0]);
    for (int i = 1; i <= 6; ++i) {
        drawGlyphText(screen, 38, s.rows[i], nameWidths[i - 1], 38, 32, -1, font, s.texts[i]);
        drawGlyphText(screen, 0, s.rows[i] - 28, roleWidths[i - 1], 28, 24, -1, font, s.texts[6 + i]);
    }
}

void drawSparkles(Surface* screen, const CreditsState& s) {
    static const int sparkles[6][3] = {{74, 98, 0}, {500, 270, 0}, {50, 250, 1},
                                       {510, 64, 1}, {190, 210, 2}, {600, 350, 2}};
    for (const auto& p : sparkles) {
        blendBlit(screen, p[0], p[1], 32, 32, s.sparkle.get(), 0, 0, 32, 32, s.sparkleOpacity[p[2]], kWhite);
    }
}

void drawEndWord(Surface* screen, const CreditsState& s) {
    drawGlyphTextBlend(screen, 206, s.rows[14], 228, 76, 56, kMagenta, s.font.get(), s.texts[14], s.fade);
    if (s.rows[14] > 241) return;
    // The banner waves column by column.
    const int16_t opacity = static_cast<int16_t>(s.bannerOpacity);
    for (int i = 0; i < 96; ++i) {
        const int y = static_cast<int>(4 * std::cos(4 * (i + s.wavePhase) * kPi / 180) + 438);
        blendBlit(screen, 544 + i, y, 1, 42, s.banner.get(), i, 0, 1, 42, opacity, kMagenta);
    }
}

}  // namespace

void creditsDraw() {
    const CreditsState& s = *credits;
    Surface* screen = app.backBuffer.get();
    copyBlit(screen, static_cast<int>(s.skyX1), 0, 640, 480, s.sky.get(), 0, 0);
    copyBlit(screen, static_cast<int>(s.skyX2), 0, 640, 480, s.sky.get(), 0, 0);
    copyBlit(screen, static_cast<int>(s.skyX2) + 55, 45, 115, 125, s.sky.get(), 525, 0);
    if (s.castleX < 640) {
        transparentBlit(screen, static_cast<int>(s.castleX), static_cast<int>(s.castleY), 200, 200, s.castle.get(),
                        0, 0, 100, 100, kMagenta);
    }
    if (s.stage == kCreditsLogo) {
        blendBlit(screen, 170, 174, 300, 132, s.titleLogo.get(), 0, 0, 600, 264, s.fade, kMagenta);
    }
    const int slopeY = static_cast<int>(s.slopeY);
    transparentBlit(screen, static_cast<int>(s.slopeX1), slopeY, 640, 100, s.graveyard.get(), 0, 0, 448, 100,
                    kMagenta);
    transparentBlit(screen, static_cast<int>(s.slopeX2), slopeY, 640, 100, s.graveyard.get(), 0, 0, 448, 100,
                    kMagenta);
    drawCharacter(screen, s);
    if (s.stage == kCreditsSinking && s.frameTimer > 2 && s.frameTimer < 8) {
        rotateBlit(screen, static_cast<int>(s.walkerX) - 24, static_cast<int>(s.walkerY) - 48, 45, 45,
                   s.surprise.get(), 0, 0, 45, 45, 0, kMagenta);
    }
    if (s.stage == kCreditsEnd) drawSparkles(screen, s);
    if (s.stage != kCreditsLogo && s.rows[6] + 38 > 0) drawRoll(screen, s);
    if (s.logoPass == 1) {
        blendBlit(screen, 160, s.rows[13] - 62, 320, 200, s.studioLogo.get(), 0, 200, 320, 200, 64,
                  kKeyConstantOpacity);
    }
    if (s.stage == kCreditsEnd && s.logoPass == 0) drawEndWord(screen, s);
}
