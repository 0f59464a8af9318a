// The credits' scene procedures and their four stages frame by frame.
#include "menu/credits.h"

#include <cstdio>
#include <memory>

#include "frame/frame.h"
#include "audio/audio.h"
#include "base/json_writer.h"
#include "input/input.h"
#include "menu/logo.h"
#include "text/sjis.h"

CreditsState* credits = nullptr;

namespace {

std::unique_ptr<CreditsState> creditsRecord;

// The heading, the six makers (the studio's own roles; no one is named) and what each of them
// did, then the closing word. Slot 13 is the studio logo's row and holds no text.
const char* const kCreditTextsUtf8[kCreditTexts] = {
    "Ｍｅｍｂｅｒ",
    "そうかんとく", "ふくかんとく", "がくだん", "しくみのしょくにん", "ぶつりのしょくにん", "えかきのしょくにん",
    "Ｌｅａｄｅｒ", "Ｓｕｂｌｅｄｅｒ", "Ｓｏｕｎｄ", "Ｐｒｏｇｒａｍ", "Ｐｒｏｇｒａｍ", "Ｄｅｓｉｇｎ",
    "",
    "Ｅｎｄ",
};

// A value that wraps back to the far side once it has moved a whole screen to the right.
void slide(float& x, float by) {
    x += by;
    if (x >= 640) x = -640;
}

void flip(short& direction) { direction = direction == 1 ? 0 : 1; }

}  // namespace

void resetCredits(CreditsState& s) {
    s = CreditsState{};
    for (int i = 0; i < kCreditTexts; ++i) {
        std::snprintf(s.texts[i], kCreditTextBytes, "%s", sj(kCreditTextsUtf8[i]));
    }
    s.rows[0] = 480;
    for (int i = 1; i <= 6; ++i) s.rows[i] = 480 + 76 * i + 38;
    s.rows[13] = 542;
    s.rows[14] = 290;
}

void creditsEntry() {
    creditsRecord = std::make_unique<CreditsState>();
    credits = creditsRecord.get();
    CreditsState& s = *credits;
    resetCredits(s);
    s.sky = loadSurface("bmp/background.bmp");
    s.graveyard = loadSurface("bmp/hakaba1-2.bmp");
    s.castle = loadSurface("bmp/castle1-3.bmp");
    s.body = loadSurface("bmp/yomogi_body.bmp");
    s.head = loadSurface("bmp/yomogi_head.bmp");
    s.font = loadSurface("bmp/font2.bmp");
    s.banner = loadSurface("bmp/skipstart.bmp");
    s.sparkle = loadSurface("bmp/flash2.bmp");
    s.studioLogo = loadSurface("bmp/QM.bmp");
    s.surprise = loadSurface("bmp/!!.bmp");
    s.logoSheet = loadSurface("bmp/TL4-1.bmp");
    s.titleLogo = loadSurface("bmp/titlerogo3.bmp");
    app.sceneStep = creditsStep;
    audio.musicRequest = 6;
}

void creditsStep() {
    if (creditsUpdate() || app.quitRequested == 1) {
        creditsLeave();
    } else {
        creditsDraw();
    }
}

bool creditsUpdate() {
    CreditsState& s = *credits;
    if (pressed(kButtonEnter)) return true;

    if (s.stage == kCreditsLogo) {
        // The title logo fades in, then out, and stays out.
        if (s.direction == 1) s.fade += 2;
        if (s.direction == 0) s.fade -= 2;
        if (s.fade > 160) flip(s.direction);
        if (s.fade < 0) s.direction = -1;
        s.introTimer += 4.75f;
        if (s.introTimer > 640) {
            s.fade = 0;
            s.direction = 1;
            s.stage = kCreditsWalking;
        }
    }
    if (s.stage == kCreditsWalking) {
        s.walkerX -= 1;
        s.frameTimer += 1;
        if (s.frameTimer > s.framePeriod) {
            s.frameTimer = 0;
            s.frame += 1;
        }
        s.frame %= 4;
        if (s.walkerX + 36 < 320) {
            s.stage = kCreditsSinking;
            s.logoPass = 1;
            s.frameTimer = 0;
            s.framePeriod = 10;
        }
    }
    if (s.stage == kCreditsSinking) {
        // Yomogi looks up, startled four times, while the view sinks past the castle.
        if (s.surpriseCount < 4) {
            s.frameTimer += 1;
            if (s.frameTimer > s.framePeriod) {
                s.frameTimer = 0;
                s.surpriseCount += 1;
            }
        }
        s.walkerY += 0.5f;
        s.castleY += 0.5f;
        s.slopeY += 0.5f;
        if (s.headTilt < 15) s.headTilt += 1;
        if (s.slopeY + 30 > 480) s.stage = kCreditsEnd;
    }
    if (s.skyX1 + 112.5f < 320) {
        slide(s.skyX1, 0.25f);
        slide(s.skyX2, 0.25f);
    }
    if (s.castleX < 640) s.castleX += 0.5f;
    if (s.stage == kCreditsLogo || s.stage == kCreditsWalking) {
        slide(s.slopeX1, 2);
        slide(s.slopeX2, 2);
    }
    // The roll stops once the last name has gone off the top.
    if (s.stage != kCreditsLogo && s.rows[6] + 38 > 0) {
        for (int i = 0; i <= 12; ++i) s.rows[i] -= 2;
    }
    if (s.logoPass == 1) {
        s.rows[13] -= 3;
        if (s.rows[13] + 138 < 0) s.logoPass = 0;
    }
    if (s.stage == kCreditsEnd) {
        if (s.logoPass == 0) {
            if (s.rows[14] > 239) s.rows[14] -= 1;
            if (s.fade < 100) s.fade += 2;
        }
        for (int i = 0; i < 3; ++i) {
            const short step = static_cast<short>(2 * i + 2);
            s.sparkleOpacity[i] += s.sparkleToggle[i] == 0 ? step : -step;
            if (s.sparkleOpacity[i] < 0 || s.sparkleOpacity[i] > 128) s.sparkleToggle[i] = !s.sparkleToggle[i];
        }
    }
    if (s.rows[14] > 241) return false;
    // "Ｅｎｄ" is in place: the banner breathes and waves.
    if (s.direction == 1) s.bannerOpacity += 10;
    if (s.direction == 0) s.bannerOpacity -= 10;
    if (s.bannerOpacity < 0 || s.bannerOpacity > 175) flip(s.direction);
    s.wavePhase = (s.wavePhase + 2) % 180;
    return false;
}

void creditsLeave() {
    // The surfaces go with the record.
    creditsRecord.reset();
    credits = nullptr;
    app.sceneStep = logoEntry;
}

void traceCreditsMenu(JsonWriter& json) {
    if (!credits) {
        json.null();
        return;
    }
    const CreditsState& s = *credits;
    json.beginObject();
    json.field("stage", static_cast<int>(s.stage)).field("fade", static_cast<int>(s.fade));
    json.fixedField("walkerX", s.walkerX, 2).fixedField("walkerY", s.walkerY, 2);
    json.key("rows").beginArray();
    for (int row : s.rows) json.value(row);
    json.endArray();
    json.field("logoPass", static_cast<int>(s.logoPass));
    json.endObject();
}
