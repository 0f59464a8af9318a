// The title's state: a hanging scroll with the four-entry menu drops into the screen, a
// description and a brush-painted picture show the highlighted entry, two gears turn. Coming
// from the opening, the title takes over the opening's scenery and fades it out; coming back
// from the options or the world select it shows a still background instead.
#pragma once

#include <cstdint>
#include <vector>

#include "frame/frame.h"
#include "gfx/surface.h"
#include "menu/image_list.h"
#include "menu/opening_scenery.h"

constexpr int kTitleEntries = 4;
constexpr int kTitlePictures = 20;  // ins1..ins4, then the brush masks hude1..hude16
constexpr int kScratchPanel = 4;
constexpr int kScrollPanel = 5;

// Clean copies of the scenery's pictures, from which the fading drawing surfaces are rebuilt.
struct PristineScenery {
    SurfacePtr sky, quietSky, walker, spinner, castle, slope, banner, logo;
};

struct TitleState {
    int pictureFade = 0;    // while non-zero the old picture shows at this opacity
    int brushProgress = 0;  // 0..100, the brush stroke being painted
    std::vector<SurfacePtr> pictures;
    ImageSize pictureSizes[1];
    OpeningRecords scenery;  // taken over from the opening; empty in background mode
    SurfacePtr background;   // background mode only
    int entryCount = kTitleEntries;
    SurfacePtr panels[6];  // 0..3 descriptions, 4 the shown description, 5 the labelled scroll
    SurfacePtr rope;
    SurfacePtr scrollShade;  // black after entry: the black source of the darkening blends
    SurfacePtr eraser;
    int openingFadeCounter = 0;  // 0..45
    int scrollDrop = 0;          // 0..451
    int openingFadeDone = 0;     // selects the fade procedure: 0 scenery fade, 1 nothing
    int entered = 0;             // the first Enter came before the scroll was down
    SurfacePtr work;             // 640 x 480, where the rolls, highlight and picture are composed
    uint8_t cursor = 0;          // 0 PUZZLE, 1 CREDIT, 2 OPTION, 3 END
    short textCounter = 0;       // 0..1000, the description's fade-in
    short eraserCounter = 0;     // 0..50
    double smoothedCursor = 0;   // follows cursor * 30 pixels
    int pulsePhase = 32;         // 0..63
    int waiting = 1;             // until the fade started by Enter has made the screen black
    int fromOpening = 0;
    Procedure nextScene = nullptr;

    // The title's own pictures besides the record.
    SurfacePtr plainScroll;       // the scroll without labels
    SurfacePtr highlightLabels;   // 210 x 340, the labels in the highlight font
    SurfacePtr labelFont;
    SurfacePtr gear;              // the 515 x 451 scroll frame and the 64 x 64 gear at x 520
    PristineScenery pristine;     // from-opening mode, until the scenery has faded
};
// The running title's record, nullptr when the title is not running.
extern TitleState* title;

// One update of the title; true when the title leaves.
bool titleUpdate();
void titleLeave();
void titleDraw();  // the backdrop, the gears and frame, the scroll and panel

// Blends src onto dst band by band: (height / bandHeight) bands of bandHeight rows from
// startRow, the first at opacity `opacity` (capped at 255), each next one `step` lower, stopping
// when the opacity falls below 1; destination rows are the source rows plus rowOffset.
void bandBlend(Surface* dst, const Surface* src, int startRow, int bandHeight, int width, int height,
               int opacity, int step, int rowOffset);

// Pieces of the title's frame, in the order its step runs them.
void sceneryFade();         // from-opening mode, while the opening fade is not done
void drawTitleScenery();    // the scenery under the title in from-opening mode
void drawGearsAndFrame();   // also lets the scroll drop once it is shown
void drawScrollAndPanel();  // only once the scroll is shown
void paintPicture(int scrollTop);
bool scrollShown();
