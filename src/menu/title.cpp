// The title: the hub of the game. PUZZLE leads to the world select, CREDIT to the credits,
// OPTION to the options, END ends the program; Escape ends it at any time. A choice is
// confirmed through the screen fade and taken when the screen is fully black.
#include "menu/title.h"

#include <algorithm>
#include <memory>

#include "frame/frame.h"
#include "audio/audio.h"
#include "base/json_writer.h"
#include "input/input.h"
#include "menu/credits.h"
#include "menu/options.h"
#include "menu/title_menu.h"
#include "menu/title_state.h"
#include "menu/world_select.h"
#include "text/glyph_text.h"

TitleState* title = nullptr;

namespace {

std::unique_ptr<TitleState> titleRecord;

constexpr int kEscapeKey = 27;

// The entry pictures for cursor 0..3, then the sixteen brush-stroke masks in stroke order.
const char* const kPictureNames[kTitlePictures] = {
    "insert/ins1", "insert/ins2", "insert/ins3", "insert/ins4",  "hude/hude1",  "hude/hude2",  "hude/hude3",
    "hude/hude4",  "hude/hude5",  "hude/hude6",  "hude/hude7",   "hude/hude8",  "hude/hude9",  "hude/hude10",
    "hude/hude11", "hude/hude12", "hude/hude13", "hude/hude14",  "hude/hude15", "hude/hude16",
};

// The title's per-frame fade, chosen by the opening-fade-done field.
const Procedure kTitleFades[3] = {sceneryFade, noOperation, badProcedure};

SurfacePtr blackSurface(int width, int height) {
    SurfacePtr surface = createSurface(width, height);
    drawRectangle(surface.get(), 0, 0, width, height, 1, kBlack);
    return surface;
}

void loadTitlePictures(TitleState& t) {
    for (int i = 0; i < kScrollPanel; ++i) t.panels[i] = blackSurface(270, 400);
    t.work = blackSurface(640, 480);
    t.panels[kScrollPanel] = loadSurface("bmp/scroll3.bmp");
    t.plainScroll = loadSurface("bmp/scroll3.bmp");
    t.highlightLabels = blackSurface(210, 340);
    t.rope = loadSurface("bmp/poll.bmp");
    t.scrollShade = loadSurface("bmp/scroll4.bmp");
    t.labelFont = loadSurface("bmp/font.bmp");
    t.gear = loadSurface("bmp/gear.bmp");
    t.eraser = blackSurface(270, 400);
    if (t.fromOpening) {
        PristineScenery& p = t.pristine;
        p.sky = loadSurface("bmp/bg.bmp");
        p.quietSky = loadSurface("bmp/bg2.bmp");
        p.walker = loadSurface("bmp/g0.bmp");
        p.spinner = loadSurface("bmp/g1.bmp");
        p.castle = loadSurface("bmp/castle1-3.bmp");
        p.slope = loadSurface("bmp/hakaba1-2.bmp");
        p.banner = loadSurface("bmp/skipstart.bmp");
        p.logo = loadSurface("bmp/titlerogo3.bmp");
    } else {
        t.background = loadSurface("bmp/background.bmp");
    }
}

void buildPictures(TitleState& t) {
    const char* names[kTitlePictures];
    std::copy(std::begin(kPictureNames), std::end(kPictureNames), names);
    t.pictures = buildImageList(names, t.pictureSizes, 1, t.labelFont.get());
}

void writeDescriptions(TitleState& t) {
    SurfacePtr font = loadSurface("bmp/font3.bmp");
    for (int e = kTitleEntries - 1; e >= 0; --e) {
        drawGlyphTextFade(t.panels[e].get(), 16, 16, 222, 368, 16, 50, 1, kBlack, font.get(),
                          titleMenu(e).description());
    }
}

void writeLabels(Surface* onto, const Surface* font) {
    for (int e = 0; e < kTitleEntries; ++e) {
        const TitleMenuEntry& entry = titleMenu(e);
        drawGlyphText(onto, entry.labelX, entry.labelY, 17 * entry.labelBytes(), 34, 17, -1, font, entry.label());
    }
}

void shadeScrolls(TitleState& t) {
    transparentBlit(t.panels[kScrollPanel].get(), 0, 0, 228, 738, t.scrollShade.get(), 0, 0, 228, 738, kMagenta);
    transparentBlit(t.plainScroll.get(), 0, 0, 228, 738, t.scrollShade.get(), 0, 0, 228, 738, kMagenta);
    // Covered whole, so that every row of it is black.
    drawRectangle(t.scrollShade.get(), 0, 0, 228, 738, 1, kBlack);
}

// Up and Down move the cursor without wrapping; a move restarts the description, the eraser
// and the picture's brush, and plays sound 5.
void moveCursor(TitleState& t) {
    const bool down = pressed(kButtonMenuDown), up = pressed(kButtonMenuUp);
    if (app.overlayStep || !((down && t.cursor < 3) || (up && t.cursor > 0))) return;
    if (t.eraserCounter >= 50) t.eraserCounter = 0;
    t.brushProgress = 0;
    if (t.pictureFade == 0) t.pictureFade = 100;
    t.textCounter = 0;
    t.cursor = static_cast<uint8_t>(t.cursor + (down ? 1 : 0) - (up ? 1 : 0));
    t.pulsePhase = 32;
    audio.soundRequest = 5;
}

}  // namespace

void titleEntry() {
    titleRecord = std::make_unique<TitleState>();
    title = titleRecord.get();
    TitleState& t = *title;
    if (opening.records.present()) {
        t.fromOpening = 1;
        t.scenery = std::move(opening.records);
        opening.records = OpeningRecords{};
    }
    t.openingFadeDone = 1 - t.fromOpening;
    if (t.fromOpening) loadScenery();
    loadTitlePictures(t);
    buildPictures(t);
    writeDescriptions(t);
    writeLabels(t.panels[kScrollPanel].get(), t.labelFont.get());
    {
        SurfacePtr highlightFont = loadSurface("bmp/font2color.bmp");
        writeLabels(t.highlightLabels.get(), highlightFont.get());
    }
    shadeScrolls(t);
    app.sceneStep = titleStep;
    if (t.fromOpening) drawTitleScenery();
}

void titleStep() {
    if (titleUpdate()) {
        titleLeave();
        return;
    }
    TitleState& t = *title;
    kTitleFades[t.openingFadeDone]();
    if (t.textCounter % 4 == 0) {
        bandBlend(t.panels[kScratchPanel].get(), t.eraser.get(), 6, 16, 238, 368, t.eraserCounter * 2 + 128, 5, 0);
    }
    if (app.framePresented == 1) titleDraw();
}

bool titleUpdate() {
    TitleState& t = *title;
    app.quitRequested = keyIsDown(kEscapeKey) ? 1 : 0;
    if (t.fromOpening) {
        continueScenery(t.scenery);
        if (t.openingFadeCounter < 45) t.openingFadeCounter += 1;
    }
    t.pulsePhase = (t.pulsePhase + 1) % 64;
    moveCursor(t);
    t.textCounter = static_cast<short>(std::min(t.textCounter + 2, 1000));
    t.eraserCounter = static_cast<short>(std::min(t.eraserCounter + 2, 50));
    t.smoothedCursor += (t.cursor * 30 - t.smoothedCursor) / 11;
    if (pressed(kButtonEnter)) {
        audio.soundRequest = 1;
        if (t.openingFadeDone == 0 && t.entered == 0) {
            // The first Enter before the scroll is down only brings the scroll most of the way.
            t.scrollDrop = 339;
            t.entered = 1;
        } else if (!app.overlayStep) {
            app.overlayStep = startFade;
        }
    }
    if (app.fadeState == 1) t.waiting = 0;
    if (t.waiting) return app.quitRequested != 0;
    switch (t.cursor) {
    case 0: t.nextScene = selectEntry; break;
    case 1: t.nextScene = creditsEntry; break;
    case 2: t.nextScene = optionsEntry; break;
    default: app.quitRequested = 1; break;
    }
    return true;
}

void titleLeave() {
    // END and Escape leave the scene slot empty: the frame loop ends on quitRequested.
    app.sceneStep = title ? title->nextScene : nullptr;
    releaseScenery();
    titleRecord.reset();
    title = nullptr;
}

void titleDraw() {
    TitleState& t = *title;
    if (t.fromOpening) {
        drawTitleScenery();
    } else {
        copyBlit(app.backBuffer.get(), 0, 0, 640, 480, t.background.get(), 0, 0);
    }
    drawGearsAndFrame();
    if (scrollShown()) drawScrollAndPanel();
}

void traceTitleMenu(JsonWriter& json) {
    if (!title) {
        json.null();
        return;
    }
    const TitleState& t = *title;
    json.beginObject()
        .field("cursor", static_cast<int>(t.cursor))
        .field("scrollDrop", t.scrollDrop)
        .field("entered", t.entered)
        .field("waiting", t.waiting)
        .field("fromOpening", t.fromOpening)
        .field("fadeDone", t.openingFadeDone)
        .field("openingFade", t.openingFadeCounter)
        .endObject();
}
