// The world select's scene procedures and its rules frame by frame: the marker's approach, the
// highlights and emblems, the counters, Up and Down, Enter's jump-or-choose and Backspace.
#include "menu/world_select.h"

#include <cmath>
#include <memory>

#include "frame/frame.h"
#include "base/json_writer.h"
#include "game/game.h"
#include "input/input.h"
#include "menu/title.h"
#include "platform/platform.h"
#include "result/result.h"
#include "text/sjis.h"

SelectState* worldSelect = nullptr;

namespace {

constexpr const char* kScriptPath = "data/WorldSelect.txt";
constexpr const char* kPositionPath = "data/p_select_loc.txt";
constexpr int kVirtualKeyR = 'R';

std::unique_ptr<SelectState> selectRecord;

// The share of the marker's acceleration along each axis, by how far the target lies along it.
void aimAt(SelectState& s, const SelectPosition& target) {
    const double dx = std::fabs(target.x - s.marker.x);
    const double dy = std::fabs(target.y - s.marker.y);
    // Two positions at the same place would give 0 / 0; the marker is already there, so either
    // share serves, and equal ones keep both numbers finite.
    if (dx + dy == 0) {
        s.weight = {0.5, 0.5};
        return;
    }
    s.weight = {dx / (dx + dy), dy / (dx + dy)};
}

bool sameCell(double marker, int position) {
    return (static_cast<int>(marker) & ~15) == (position & ~15);
}

// The save file names the world to start on, how many worlds there are and the highest open
// one. Without it the screen opens as for a new game.
void readProgress(SelectState& s) {
    int cursor = 0, count = 5, unlocked = 0;
    if (!readSaveFile(cursor, count, unlocked)) {
        platformMessage(sj("セーブファイル data/save.txt がよめません。あたらしいゲームとしてはじめます。"),
                        sj("警告"), BoxIcon::Warning);
        cursor = 0;
        count = 5;
        unlocked = 0;
    }
    clampSaveValues(cursor, count, unlocked);
    s.cursor = cursor;
    s.count = count;
    s.unlocked = unlocked;
}

void buildImages(SelectState& s) {
    std::vector<const char*> strings;
    for (int i = 0; i < kSelectImageCount; ++i) strings.push_back(selectScript.lines[i].c_str());
    SurfacePtr font = loadSurface("bmp/font2.bmp");
    std::vector<SurfacePtr> built = buildImageList(strings, s.textSizes, kSelectTextCount, font.get());
    releaseSurface(font);
    for (int i = 0; i < kSelectImageCount && i < static_cast<int>(built.size()); ++i) {
        s.images[i] = std::move(built[i]);
    }
    // The name plate's bar: a blue line along its top that bends down at its right end.
    Surface* plate = s.images[kSlotNamePlate].get();
    const int w = s.textSizes[kSlotNamePlate - 8].width;
    if (plate) {
        drawLine(plate, 0, 0, w - 23, 0, 0xFF0000);
        drawLine(plate, w - 23, 0, w, 23, 0xFF0000);
    }
}

// The held fade runs on, so the world select comes back into view.
void backFromRefusedWorld() {
    app.fadeRun = 1;
    app.sceneStep = selectEntry;
}

}  // namespace

void selectEntry() {
    // Without the script's twenty image lines there is nothing to draw the screen from; the
    // reader has said so, and the title takes the player back.
    const bool read = readSelectScript(kScriptPath, kSelectScriptNumbers, kSelectScriptLines);
    if (!read || static_cast<int>(selectScript.lines.size()) < kSelectImageCount) {
        if (read) platformMessage(sj("WorldSelect.txt のぎょうがたりません"), sj("警告"), BoxIcon::Warning);
        app.sceneStep = titleEntry;
        return;
    }
    selectRecord = std::make_unique<SelectState>();
    worldSelect = selectRecord.get();
    SelectState& s = *worldSelect;
    readProgress(s);
    s.positions = readPositionList(kPositionPath, s.count);
    s.records.assign(static_cast<size_t>(s.count), SelectPositionRecord{});
    s.marker = {static_cast<double>(s.positions[s.cursor].x), static_cast<double>(s.positions[s.cursor].y)};
    s.stay = 1;
    buildImages(s);
    app.sceneStep = selectStep;
}

void selectStep() {
    if (selectUpdate()) {
        selectLeave();
    } else if (app.framePresented == 1) {
        selectDraw();
    }
}

bool approachStep(SelectPoint& marker, const SelectPoint& target, SelectPoint& velocity, double ax,
                  double ay) {
    auto axis = [](double& m, double t, double& v, double a) {
        m += v;
        const bool targetNegative = t - m < 0;
        const bool movingNegative = v < 0;
        // Moving away from the target brakes four times as hard as speeding toward it.
        const double change = targetNegative == movingNegative ? a : 4 * a;
        v += targetNegative ? -change : change;
    };
    axis(marker.x, target.x, velocity.x, ax);
    axis(marker.y, target.y, velocity.y, ay);
    const double ex = marker.x - target.x, ey = marker.y - target.y;
    return 3 * (ax + ay) > ex * ex + ey * ey;
}

bool selectUpdate() {
    SelectState& s = *worldSelect;
    if (keyIsDown(kVirtualKeyR)) readSelectScript(kScriptPath, kSelectScriptNumbers, kSelectScriptLines);

    const SelectPosition& aim = s.positions[s.cursor];
    const double k = selectScript.numbers.empty() ? 0 : selectScript.numbers[0];
    if (approachStep(s.marker, {static_cast<double>(aim.x), static_cast<double>(aim.y)}, s.velocity,
                     k * s.weight.x / 100, k * s.weight.y / 100)) {
        s.velocity = {0, 0};
    }

    for (int i = s.count - 1; i >= 0; --i) {
        SelectPositionRecord& r = s.records[i];
        if (i == s.cursor) {
            if (r.highlight < 63) ++r.highlight;
        } else if (r.highlight > 0) {
            --r.highlight;
        }
        if (i <= s.unlocked) r.emblemAngle = (r.emblemAngle + 1) % 360;
    }
    SelectPositionRecord& here = s.records[s.cursor];
    here.emblemAngle = (here.emblemAngle + 1) % 360;

    s.frameCounter = (s.frameCounter + 1) & 0xFFFF;
    s.blink = (s.blink + 1) % 31;
    if (input.buttons[kButtonEnter].state >= 2) {
        if (s.hold < 30) ++s.hold;
    } else if (s.hold > 0) {
        --s.hold;
    }
    if (s.appear < 30) ++s.appear;

    // Once a world is chosen or the way back is taken, the choice stands: the keys no longer
    // move the cursor, so the world entered is the one chosen.
    const bool deciding = s.stay == 1 && s.fadeStarted == 0;
    const bool up = pressed(kButtonMenuUp), down = pressed(kButtonMenuDown);
    if (deciding && ((up && s.cursor < s.unlocked) || (down && s.cursor > 0))) {
        s.appear = 0;
        s.hold = 0;
        s.records[s.cursor].chosen = 0;
        s.cursor += (up ? 1 : 0) - (down ? 1 : 0);
        aimAt(s, s.positions[s.cursor]);
    }

    const SelectPosition& target = s.positions[s.cursor];
    const int8_t enter = input.buttons[kButtonEnter].state;
    if (deciding && enter == 2) {
        if (sameCell(s.marker.x, target.x) && sameCell(s.marker.y, target.y)) {
            s.records[s.cursor].chosen = 1;
        } else {
            // Still travelling: the marker jumps onto the position; a second press chooses it.
            s.marker = {static_cast<double>(target.x), static_cast<double>(target.y)};
            s.velocity = {0, 0};
        }
    } else if (deciding && enter == 1) {
        if (s.records[s.cursor].chosen == 1 && s.cursor <= s.unlocked) s.stay = 0;
    } else if (pressed(kButtonBack) || s.stay == 0) {
        if (!app.overlayStep) {
            app.overlayStep = startFade;
            s.fadeStarted = 1;
        }
    }

    if (s.fadeStarted && app.fadeState == 1) {
        // A chosen world is entered with the screen held black until the game's first step
        // lets the fade run on; otherwise the way leads back to the title.
        s.intoWorld = s.stay == 0 ? 1 : 0;
        return true;
    }
    return false;
}

void selectLeave() {
    if (!worldSelect) return;
    const int world = worldSelect->cursor;
    const bool intoWorld = worldSelect->intoWorld != 0;
    for (SurfacePtr& image : worldSelect->images) releaseSurface(image);
    selectRecord.reset();
    worldSelect = nullptr;
    if (intoWorld) {
        // A world whose files are refused brings the player back here rather than ending the
        // game (unless the program has its own way for that).
        if (!game.worldRefused) game.worldRefused = backFromRefusedWorld;
        enterWorld(world);
    } else {
        app.sceneStep = titleEntry;
    }
}

void traceSelectMenu(JsonWriter& json) {
    if (!worldSelect) {
        json.null();
        return;
    }
    const SelectState& s = *worldSelect;
    json.beginObject();
    json.field("cursor", s.cursor).field("unlocked", s.unlocked).field("count", s.count);
    json.key("marker").beginArray().fixed(s.marker.x, 6).fixed(s.marker.y, 6).endArray();
    json.field("chosen", s.records[s.cursor].chosen).field("stay", static_cast<int>(s.stay));
    json.field("hold", s.hold).field("appear", s.appear);
    json.endObject();
}
