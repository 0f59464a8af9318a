// The logo screen. All pictures come from one sheet: the logo and its second state at (0, 0) and
// (0, 150), 200 x 150; the stamp at (35, 20), 135 x 20; the background at (0, 300) and the flash
// at (0, 500), both 320 x 200. Magenta is transparent everywhere except in the flash.
#include "menu/logo.h"

#include <memory>

#include "frame/frame.h"
#include "audio/audio.h"
#include "base/json_writer.h"
#include "input/input.h"
#include "menu/opening.h"

LogoState* logo = nullptr;

namespace {

std::unique_ptr<LogoState> logoRecord;

// Design units to screen pixels: 2 across, 2.4 down.
int screenX(int designX) { return 2 * designX; }
int screenY(int designY) { return static_cast<int>(2.4 * designY); }

}  // namespace

void logoEntry() {
    audio.musicRequest = 1;
    logoRecord = std::make_unique<LogoState>();
    logo = logoRecord.get();
    logo->sheet = loadSurface("bmp/TL4-1.bmp");
    app.sceneStep = logoStep;
}

void logoStep() {
    if (logoUpdate() || app.quitRequested == 1) {
        logoLeave();
    } else {
        logoDraw();
    }
}

bool logoUpdate() {
    LogoState& s = *logo;
    // Until a whole second shows more than 5 frames, the stamp, shake and wait stand still.
    if (app.frameRate <= 5) return false;
    if (pressed(kButtonEnter)) return true;
    if (s.flash >= 90) return true;
    if (s.stampX > 75) {
        s.landed = 1;
    } else {
        s.stampX += 50;
        s.stampY += 50;
        s.stampW -= 100;
        s.stampH -= 100;
    }
    if (s.landed) {
        if (s.counter > 14) {
            s.shaken = 1;
        } else {
            s.counter += 1;
            s.logoX += s.toggle == 1 ? 2 : -2;
            s.toggle = !s.toggle;
        }
    }
    if (s.shaken && s.counter < 60) s.counter += 1;
    return false;
}

void logoDraw() {
    LogoState& s = *logo;
    Surface* screen = app.backBuffer.get();
    const Surface* sheet = s.sheet.get();
    transparentBlit(screen, 0, 0, 640, 480, sheet, 0, 300, 320, 200, kMagenta);
    if (s.counter < 60) {
        transparentBlit(screen, screenX(s.logoX), screenY(s.logoY), screenX(s.logoW), screenY(s.logoH),
                        sheet, 0, 150 * s.shaken, 200, 150, kMagenta);
        if (!s.landed) {
            transparentBlit(screen, screenX(s.stampX), screenY(s.stampY), screenX(s.stampW),
                            screenY(s.stampH), sheet, 35, 20, 135, 20, kMagenta);
        }
        return;
    }
    // The growing and the zoom move on every frame drawn, whatever the frame figure.
    if (s.growX > 0) {
        s.growH = static_cast<int>(s.growH + 19.2);
        s.growW += 12;
        s.growY = static_cast<int>(s.growY - 7.2);
        s.growX -= 6;
        transparentBlit(screen, s.growX, s.growY, s.growW, s.growH, sheet, 0, 150, 200, 150, kMagenta);
    } else {
        s.zoomH -= 4;
        s.zoomW -= 6;
        s.zoomY += 2;
        s.zoomX += 3;
        transparentBlit(screen, 0, 0, 640, 480, sheet, s.zoomX, s.zoomY, s.zoomW, s.zoomH, kMagenta);
    }
    if (s.zoomX >= 90) {
        s.zoomX = 100;
        s.zoomY = 211;
        s.zoomW = 0;
        s.zoomH = 0;
    }
    blendBlit(screen, 0, 0, 640, 480, sheet, 0, 500, 320, 200, static_cast<int16_t>(s.flash),
              kKeyConstantOpacity);
    if (s.flash <= 100) s.flash += 3;
}

void logoLeave() {
    if (logo) releaseSurface(logo->sheet);
    logoRecord.reset();
    logo = nullptr;
    app.sceneStep = openingEntry;
}

void traceLogoMenu(JsonWriter& json) {
    if (!logo) {
        json.null();
        return;
    }
    json.beginObject();
    json.field("counter", logo->counter).field("flash", logo->flash);
    json.field("landed", static_cast<int>(logo->landed)).field("shaken", static_cast<int>(logo->shaken));
    json.field("stampX", logo->stampX);
    json.endObject();
}
