// The two menus shown over the darkened screen: OVER after a failure (retry or back to the hall)
// and NEXT when leaving a world (next world or world select). Their texts and places come from
// the result scripts.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/data_reader.h"

#include "audio/audio.h"
#include "input/input.h"
#include "result/panel_rules.h"
#include "stage/world.h"

namespace {

// Positions and sizes from a script are kept within reach of the screen, so that no layout
// arithmetic can overflow whatever the file holds.
int sane(int value) { return std::clamp(value, -10000, 10000); }

// An entry: its text (one word of at most 255 bytes; the rest of a longer word is read as what
// follows it), position, size and glyph width.
bool readEntry(DataReader& file, TextItem& entry) {
    std::string_view word;
    int x = 0, y = 0, width = 0, height = 0, glyphWidth = 0;
    if (!file.word(word, sizeof entry.text - 1) || !file.number(x) || !file.number(y) || !file.number(width) ||
        !file.number(height) || !file.number(glyphWidth))
        return false;
    const size_t length = std::min(word.size(), sizeof entry.text - 1);
    std::memcpy(entry.text, word.data(), length);
    entry.text[length] = '\0';
    entry.x = sane(x);
    entry.y = sane(y);
    entry.width = sane(width);
    entry.height = sane(height);
    entry.glyphWidth = sane(glyphWidth);
    return true;
}

void setUpMenu(const char* script, int selected) {
    readResultScript(script, results.texts);
    results.images.clear();
    for (TextItem& entry : results.texts) {
        entry.opacity = 0;
        entry.step = 2;
    }
    selectMenuEntry(selected);
}

bool lastRoomCleared() {
    return !world.rooms.empty() && world.rooms.back().bestMoves != 999;
}

}  // namespace

// Exactly two entries. A script that is missing or ends early leaves the entries it could not
// read empty: the menu still works, it just shows nothing for them.
void readResultScript(const char* path, std::vector<TextItem>& entries) {
    entries.assign(2, TextItem{});
    DataReader file;
    if (!path || !file.open(path)) return;
    for (TextItem& entry : entries) {
        TextItem read;
        if (!readEntry(file, read)) break;
        entry = read;
    }
}

void selectMenuEntry(int index) {
    for (size_t i = 0; i < results.texts.size(); ++i)
        results.texts[i].selected = static_cast<int>(i) == index ? 1 : 0;
}

int selectedMenuEntry() {
    for (size_t i = 0; i < results.texts.size(); ++i)
        if (results.texts[i].selected) return static_cast<int>(i);
    return 0;
}

void pulseMenuEntries() {
    for (TextItem& entry : results.texts) {
        if (entry.opacity < 30) {
            entry.opacity += entry.step;
        } else if (entry.selected) {
            entry.opacity += entry.step;
            if (entry.opacity > 100) {
                entry.opacity = 100;
                entry.step = -entry.step;
            }
            if (entry.opacity < 50) {
                entry.opacity = 50;
                entry.step = -entry.step;
            }
        } else {
            entry.opacity -= 2;
            if (entry.opacity < 30) entry.opacity = 30;
        }
    }
}

int resultOver() {
    if (results.resultPhase == 0) {
        audio.musicRequest = 4;
        setUpMenu("data/resultscript_over.txt", 0);
        results.resultPhase = 2;
        return 0;
    }
    if (results.resultPhase == 2) {
        pulseMenuEntries();
        if (pressed(kButtonMenuDown)) selectMenuEntry(1);
        if (pressed(kButtonMenuUp)) selectMenuEntry(0);
        // Any state but up confirms: a button still held from play chooses the retry at once.
        if (input.buttons[kButtonEnter].state != 0) {
            audio.soundRequest = 1;
            results.resultPhase = 3;
            results.resultChoice = selectedMenuEntry() == 0 ? 1 : 2;
        }
        return 0;
    }
    if (results.resultPhase != 3 || !closeTexts(2)) return 0;
    // The music follows the room the player failed in: a room keeps its own music.
    audio.musicRequest = world.currentRoom != 0 ? 5 : 2;
    closePanel();
    return 1;
}

int resultNext() {
    if (results.resultPhase == 0) {
        setUpMenu("data/resultscript_next.txt", 1);
        results.resultPhase = 2;
        return 0;
    }
    if (results.resultPhase == 2) {
        pulseMenuEntries();
        if (pressed(kButtonMenuDown)) {
            selectMenuEntry(1);
            results.goToNextWorld = 0;
        }
        // The next world opens only once the world's last room has been cleared.
        if (pressed(kButtonMenuUp) && lastRoomCleared()) {
            selectMenuEntry(0);
            results.goToNextWorld = 1;
        }
        if (pressed(kButtonEnter)) {
            audio.soundRequest = 1;
            results.resultPhase = 3;
        }
        return 0;
    }
    if (results.resultPhase != 3 || !closeTexts(2)) return 0;
    closePanel();
    return 1;
}
