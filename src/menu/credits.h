// The credits: over the castle scenery the title logo fades in and out, Yomogi walks in from the
// right and stops, the view sinks while the makers' roles and names roll up, the studio's logo
// passes, and "Ｅｎｄ" rises into place with sparkles and a wavy banner. The roll waits there;
// Enter goes back to the logo screen.
#pragma once

#include "gfx/surface.h"

class JsonWriter;

constexpr int kCreditTexts = 15;
constexpr int kCreditTextBytes = 20;

enum CreditsStage : short { kCreditsLogo = 0, kCreditsWalking = 1, kCreditsSinking = 2, kCreditsEnd = 3 };

struct CreditsState {
    float walkerX = 640, walkerY = 338;
    int frame = 0;           // walking frame 0..3
    short frameTimer = 0;
    short framePeriod = 1;   // 10 from the sinking on
    short surpriseCount = 0; // 0..4
    short headTilt = 0;      // 0..15 degrees
    float skyX1 = 0, skyX2 = -640;
    float castleX = 220, castleY = 210;
    float slopeX1 = 0, slopeX2 = -640, slopeY = 380;
    float introTimer = -200;
    short stage = kCreditsLogo;
    short logoPass = 0;      // 1 while the studio's logo scrolls past
    short direction = 1;     // of the title logo's and the banner's fade: 1 up, 0 down, -1 stopped
    int bannerOpacity = 0;
    int wavePhase = 0;
    char texts[kCreditTexts][kCreditTextBytes] = {};
    int rows[kCreditTexts] = {};
    short fade = 0;          // the title logo in the first stage, "Ｅｎｄ" in the last
    short sparkleToggle[3] = {};
    short sparkleOpacity[3] = {};

    SurfacePtr sky, graveyard, castle, body, head, font, banner, sparkle, studioLogo, surprise,
        logoSheet, titleLogo;
};
// The record of the running credits, nullptr when they are not running.
extern CreditsState* credits;

// The record with its start values and texts (no pictures).
void resetCredits(CreditsState& s);

void creditsEntry();
void creditsStep();
// One frame of the credits; true when Enter has ended them.
bool creditsUpdate();
void creditsDraw();
void creditsLeave();
// The trace's `menu` object of the scene (null when it is not running).
void traceCreditsMenu(JsonWriter& json);
