// The opening: over a slowly scrolling sky the companion spins in, the castle slides in with
// Yomogi walking beside it, the title logo drops from the top, and a wavy banner blinks at the
// bottom right while the graveyard slope rolls past. One Enter press, once released, puts
// everything in its final place; the next press hands the scenery to the title.
#include "menu/opening.h"

#include "frame/frame.h"
#include "audio/audio.h"
#include "base/json_writer.h"
#include "input/input.h"
#include "menu/opening_scenery.h"
#include "menu/title.h"

void openingEntry() {
    opening.records = newOpeningRecords("data/titledata.txt");
    loadScenery();
    audio.musicRequest = 1;
    app.sceneStep = openingStep;
}

void openingStep() {
    if (openingUpdate() || app.quitRequested == 1) {
        openingLeave();
        if (app.quitRequested == 1) return;
    }
    openingDraw();
}

namespace {

bool released(int button) { return input.buttons[button].state == 1; }

// Yomogi walks in beside the castle, then follows his path while the logo drops; while ready
// he stands at his final place.
void moveWalker(OpeningScenery& s, WalkerSprite& w, const OpeningPaths& paths) {
    if (s.stage == 1 || s.ready) {
        if (!s.ready) {
            w.x -= 6;
            w.y += 1;
        } else {
            w.x = 480;
            w.y = 320;
        }
        if (w.x <= 480) s.stage = 2;
    } else if (s.stage == 2) {
        walkAlongPath(w, paths);
    }
}

void moveSpinner(OpeningScenery& s, SpinnerSprite& sp) {
    if (s.stage != 0 && !s.ready) return;
    sp.x -= 6;
    sp.y += 1;
    if (s.ready) {
        sp.x = 160;
        sp.y = 403.334f;
    }
    if (sp.x <= 160) s.stage = 1;
}

void dropLogo(OpeningScenery& s) {
    if (s.stage != 2 && !s.ready) return;
    if (!s.ready) {
        s.logoY += 6;
    } else {
        s.logoY = 0;
    }
    if (s.logoY >= 0) s.stage = 3;
}

}  // namespace

bool openingUpdate() {
    OpeningScenery& s = *opening.records.scenery;
    WalkerSprite& walker = *opening.records.walker;
    SpinnerSprite& spinner = *opening.records.spinner;
    const OpeningPaths& paths = *opening.records.paths;

    // Only a press seen here counts: Enter still held from the logo screen sets nothing when
    // it is let go.
    if (pressed(kButtonEnter)) {
        audio.soundRequest = 1;
        s.enterSeen = 1;
    }
    if ((released(kButtonEnter) && s.enterSeen == 1) || s.stage == 3) s.ready = 1;
    if (pressed(kButtonEnter) && s.ready == 1) {
        audio.soundRequest = 1;
        return true;
    }
    turnSprites(walker, spinner);
    s.bannerOpacity = static_cast<short>(s.bannerOpacity + 10 * s.bannerDirection);
    if (s.bannerOpacity < 0 || s.bannerOpacity > 175) s.bannerDirection = -s.bannerDirection;
    s.wavePhase += 2;
    if (s.wavePhase > 1000) s.wavePhase = 0;
    moveSky(s);
    moveCastle(s);
    moveSlopes(s);
    dropLogo(s);
    moveWalker(s, walker, paths);
    advanceWalkerPath(walker, paths);
    moveSpinner(s, spinner);
    bobSpinner(spinner, paths);
    s.sweatCounter += 1;
    s.sweatAngle = static_cast<short>(s.sweatAngle + 1);
    if (s.sweatCounter > s.sweatPeriod) {
        s.sweatCounter = 0;
        s.sweatAngle = 0;
    }
    return false;
}

void openingLeave() {
    // After a normal end the records, tables and pictures stay for the title to take over.
    if (app.quitRequested == 1) {
        releaseScenery();
        opening.records = OpeningRecords{};
    }
    app.sceneStep = titleEntry;
}

void traceOpeningMenu(JsonWriter& json) {
    const OpeningRecords& r = opening.records;
    if (!r.present()) {
        json.null();
        return;
    }
    json.beginObject()
        .field("stage", r.scenery->stage)
        .field("ready", r.scenery->ready)
        .field("enterSeen", r.scenery->enterSeen)
        .field("castleX", r.scenery->castleX)
        .field("logoY", r.scenery->logoY)
        .field("walkerX", r.walker->x)
        .field("spinnerX", r.spinner->x)
        .endObject();
}
