// The three panels of play: CLEAR after a room's goal, RANK in front of an open door of the hall
// and the leave panel on a start cell.
#include <cstdio>

#include "audio/audio.h"
#include "result/panel_rules.h"
#include "stage/world.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

constexpr int kClearTop = 124;  // where the CLEAR title stops rising

Room* roomAt(int index) {
    if (index < 0 || index >= static_cast<int>(world.rooms.size())) return nullptr;
    return &world.rooms[static_cast<size_t>(index)];
}

// "ＮＯＷ：１２３", "ＢＥＳＴ：９９９".
void numberText(char* out, size_t size, const char* labelFormat, int value) {
    char hundreds[3] = {}, tens[3] = {}, units[3] = {};
    digitGlyph(value / 100 % 10, hundreds);
    digitGlyph(value / 10 % 10, tens);
    digitGlyph(value % 10, units);
    std::snprintf(out, size, labelFormat, hundreds, tens, units);
}

void setUpClear() {
    results.clearedRoom = world.currentRoom;
    const Room* room = roomAt(world.currentRoom);
    const int turns = room ? room->turnCount : 0;
    const int best = room ? room->bestMoves : 999;
    const int par = room ? room->par : 0;

    results.texts.assign(6, TextItem{});
    results.images.assign(3, ImageItem{});
    std::vector<TextItem>& t = results.texts;
    char text[64];
    setTextItem(t[1], sj("ＣＬＥＡＲ"), 0, 564, 80, 3, 100, 64);
    numberText(text, sizeof text, sj("ＮＯＷ：%s%s%s"), turns);
    setTextItem(t[2], text, 0, t[1].y + 80, 50, 3, 100, 32);
    numberText(text, sizeof text, sj("ＢＥＳＴ：%s%s%s"), best);
    setTextItem(t[3], text, 0, t[2].y + 16, 50, 3, 100, 32);
    setTextItem(t[4], sj("Ｅｎｔｅｒ"), 0, 432, 50, 2, 0, 32);
    setTextItem(t[5], sj("ＲＡＮＫ"), 0, t[3].y + 16, 65, 3, 100, 64);
    t[5].x -= 24;

    std::vector<ImageItem>& images = results.images;
    images[0] = {results.companionSheet.get(), 288, t[1].y - 80, 64, 64, 0, -1, 0};
    images[1] = {results.rankMarks.get(), t[5].x + 264, t[5].y - 16, 88, 88, 0, 0, rankOf(turns, par)};
    images[2] = {results.newRecordLabel.get(), t[2].x + 240, t[2].y + 8, 72, 32, 0, 0, 0};
    results.newRecord = turns < best ? 1 : 0;
    audio.musicRequest = 3;
}

// The companion on the board bobs up and down, her wings beating with the direction.
void bobCompanion(ImageItem& companion) {
    companion.speed += companion.acceleration;
    if (companion.speed > 3 || companion.speed < -3) companion.acceleration = -companion.acceleration;
    if (companion.speed < 0) companion.cell = 1;
    if (companion.speed > 0) companion.cell = 0;
    companion.y += companion.speed;
}

void animateClear() {
    // The panel waits until Shelly has dived out of the picture.
    if (!results.companionFlownOff) return;
    std::vector<TextItem>& t = results.texts;
    std::vector<ImageItem>& images = results.images;
    t[1].opacity += t[1].step;
    if (t[1].opacity > 100) t[1].opacity = 100;
    t[1].y -= 8;
    if (t[1].y < kClearTop) t[1].y = kClearTop;
    t[2].y = t[1].y + 80;
    t[3].y = t[2].y + 48;
    t[5].y = t[3].y + 56;
    images[1].y = t[5].y - 16;
    images[2].y = t[2].y + 8;
    if (t[1].y > kClearTop) {
        images[0].y = t[1].y - 80;
    } else {
        bobCompanion(images[0]);
        t[4].opacity += t[4].step;
        if (t[4].opacity > 80) t[4].opacity = 80;
    }
}

// Every text fades in by its own step up to 80.
void fadeInTexts() {
    for (TextItem& item : results.texts) {
        item.opacity += item.step;
        if (item.opacity > 80) item.opacity = 80;
    }
}

}  // namespace

int resultClear() {
    if (results.resultPhase == 0) {
        setUpClear();
        results.resultPhase = 2;
        return 0;
    }
    if (results.resultPhase == 2 && results.texts.size() == 6 && results.images.size() == 3) {
        animateClear();
        return 0;
    }
    if (results.resultPhase != 3) return 0;
    if (!closeTexts(4)) return 0;
    // The record belongs to the room that was cleared, even if the camera has already carried
    // the player on by the time the panel has faded.
    const int cleared = results.texts.empty() ? world.currentRoom : results.clearedRoom;
    audio.musicRequest = 2;
    closePanel();
    if (Room* room = roomAt(cleared); room && room->turnCount < room->bestMoves) {
        room->bestMoves = room->turnCount;
        room->bestRank = rankOf(room->bestMoves, room->par);
        // A new record is on the disk at once: a window closed or a power cut before the world
        // is left must not lose it.
        writeScoreFile(world.number);
    }
    return 2;
}

int resultRank() {
    if (results.resultPhase == 0) {
        const Room* room = roomAt(world.targetRoom);
        results.texts.assign(5, TextItem{});
        results.images.clear();
        std::vector<TextItem>& t = results.texts;
        char text[64];
        setTextItem(t[0], room ? room->name : "", 1, 0, 50, 4, 0, 40);
        setTextItem(t[1], sj("ＲＡＮＫ"), 1, 64, 50, 4, 0, 32);
        t[1].x -= 56;
        numberText(text, sizeof text, sj("ＢＥＳＴ：%s%s%s"), room ? room->bestMoves : 999);
        setTextItem(t[2], text, 1, 128, 50, 4, 0, 32);
        t[2].x -= 120;
        setTextItem(t[3], sj("ユラユラ"), 1, 136, 50, 4, 0, 24);
        setTextItem(t[4], sj("Ｅｎｔｅｒ"), 1, 416, 50, 2, 0, 32);
        results.resultPhase = 2;
        return 0;
    }
    if (results.resultPhase == 2) {
        fadeInTexts();
        return 0;
    }
    if (results.resultPhase != 3 || !closeTexts(20)) return 0;
    closePanel();
    return 2;
}

int resultLeave() {
    if (results.resultPhase == 0) {
        results.texts.assign(2, TextItem{});
        results.images.clear();
        setTextItem(results.texts[0],
                    world.currentRoom == 0 ? sj("ＷＯＲＬＤＳＥＬＥＣＴ") : sj("ＳＴＡＧＥＳＥＬＥＣＴ"),
                    1, 0, 50, 4, 0, 40);
        setTextItem(results.texts[1], sj("Ｅｎｔｅｒ"), 1, 416, 50, 2, 0, 32);
        results.resultPhase = 2;
        return 0;
    }
    if (results.resultPhase == 2) {
        fadeInTexts();
        return 0;
    }
    if (results.resultPhase != 3 || !closeTexts(10)) return 0;
    closePanel();
    return 2;
}
