// The options screen and its main page: screen mode, music, the way to the joypad page and the
// way back to the title.
#include "menu/options.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "frame/frame.h"
#include "audio/audio.h"
#include "base/data_reader.h"
#include "base/json_writer.h"
#include "input/input.h"
#include "menu/title.h"
#include "platform/platform.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

OptionPages optionPages;
OptionsState* optionsScreen = nullptr;
int optionsScreenMode = 2;

namespace {

std::unique_ptr<OptionsState> optionsRecord;

// What the entries say when data/optiondata.txt does not.
const char* const kDefaultEntryLabels[kOptionEntries] = {"スクリーンきりかえ", "サウンドきりかえ",
                                                         "ジョイパッドせってい", "タイトルへもどる"};

void highlightMove(int* opacity, int from, int to) {
    if (from == to) return;
    opacity[to] = 100;
    opacity[from] = 30;
}

}  // namespace

bool readOptionLabels(const char* path, char (*labels)[kOptionLabelBytes], int count,
                      const char* const* defaultsUtf8) {
    for (int i = 0; i < count; ++i) {
        std::snprintf(labels[i], kOptionLabelBytes, "%s", sj(defaultsUtf8[i]));
    }
    DataReader file;
    if (!file.open(path)) return false;
    // Words separated by whitespace, as "%s" reads them; a word too long for its label is cut.
    std::string_view word;
    for (int i = 0; i < count && file.word(word); ++i) {
        const size_t length = std::min(word.size(), static_cast<size_t>(kOptionLabelBytes - 1));
        std::memcpy(labels[i], word.data(), length);
        labels[i][length] = '\0';
    }
    return true;
}

void optionsEntry() {
    joypadClose();
    optionsRecord = std::make_unique<OptionsState>();
    optionsScreen = optionsRecord.get();
    OptionsState& s = *optionsScreen;
    s.cursor = 0;
    optionPages = {mainPageStep, mainPageDraw};
    app.sceneStep = optionsStep;
    // Without the label file the entries keep our own labels.
    readOptionLabels("data/optiondata.txt", s.labels, kOptionEntries, kDefaultEntryLabels);
    for (int& o : s.opacity) o = 30;
    s.font = loadSurface("bmp/font2.bmp");
    s.background = loadSurface("bmp/background.bmp");
    s.opacity[s.cursor] = 100;
    s.scroll = 0;
}

void optionsStep() {
    if (optionPages.step() != 0) {
        optionsLeave();
        return;
    }
    OptionsState& s = *optionsScreen;
    Surface* screen = app.backBuffer.get();
    // The sky drifts right by a pixel a frame, wrapping round.
    copyBlit(screen, s.scroll, 0, 640, 480, s.background.get(), 0, 0);
    copyBlit(screen, s.scroll - 640, 0, 640, 480, s.background.get(), 0, 0);
    s.scroll = (s.scroll + 1) % 640;
    optionPages.draw();
}

int mainPageStep() {
    OptionsState& s = *optionsScreen;
    if (app.fadeState == 1) return 1;
    if (app.overlayStep) return 0;  // a fade is running: the keys wait

    const int before = s.cursor;
    int direction = 0;
    if (pressed(kButtonMenuDown) && s.cursor < 3) {
        direction = 1;
    } else if (pressed(kButtonMenuUp) && s.cursor > 0) {
        direction = -1;
    }
    s.cursor = static_cast<int8_t>(s.cursor + direction);
    // Without a joystick there is nothing to set up: the cursor passes the joypad entry.
    if (direction != 0 && s.cursor == kOptionJoypad && input.joystickCount <= 0) {
        s.cursor = static_cast<int8_t>(s.cursor + direction);
    }

    const bool enter = pressed(kButtonEnter);
    if (s.cursor == kOptionJoypad && input.joystickCount > 0 && enter) {
        joypadOpen();
        optionPages = {joypadPageStep, joypadPageDraw};
        return 0;
    }
    if (enter && s.cursor == kOptionScreen) {
        optionsScreenMode ^= 2;
        setDisplay(640, 100, 640, 480, optionsScreenMode, sj("ヨモギとユラユラの城"));
    }
    if (enter && s.cursor == kOptionMusic) {
        if (audio.musicEnabled != 0) {
            switchMusicOff();
        } else {
            switchMusicOn();
        }
    }
    if (enter && s.cursor == kOptionBack && !app.overlayStep) app.overlayStep = startFade;
    highlightMove(s.opacity, before, s.cursor);
    return app.quitRequested != 0 ? 1 : 0;
}

void mainPageDraw() {
    const OptionsState& s = *optionsScreen;
    for (int i = 0; i < kOptionEntries; ++i) {
        drawGlyphTextBlend(app.backBuffer.get(), 160, 150 + 32 * i, 330, 33, 32, kMagenta, s.font.get(),
                           s.labels[i], static_cast<int16_t>(s.opacity[i]));
    }
}

void optionsLeave() {
    // Every way out keeps the joystick assignment, quitting included. A file that cannot be
    // written leaves the old one whole; the player is told.
    if (!saveKeyConfig()) {
        platformMessage(sj("data/JoyKey.txt にかきこめませんでした"), sj("警告"), BoxIcon::Warning);
    }
    if (optionsScreen) {
        releaseSurface(optionsScreen->background);
        releaseSurface(optionsScreen->font);
    }
    optionsRecord.reset();
    optionsScreen = nullptr;
    joypadClose();
    app.sceneStep = titleEntry;
}

void traceOptionsMenu(JsonWriter& json) {
    if (!optionsScreen) {
        json.null();
        return;
    }
    const bool onJoypad = optionPages.step == joypadPageStep && joypadPage;
    json.beginObject();
    json.textField("page", onJoypad ? "joypad" : "main");
    json.field("cursor", static_cast<int>(onJoypad ? joypadPage->cursor : optionsScreen->cursor));
    json.field("screenMode", optionsScreenMode).field("musicEnabled", audio.musicEnabled);
    json.key("pad").beginArray();
    for (const Button& b : input.buttons) json.value(static_cast<int>(b.padButton));
    json.endArray();
    json.endObject();
}
