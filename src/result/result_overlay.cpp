// The result panels' pictures, the text item setter, the rank rule and the overlay that the
// frame draws over the faded play field every frame.
#include <cstring>

#include "frame/frame.h"
#include "gfx/picture_cache.h"
#include "result/panel_rules.h"
#include "stage/world.h"
#include "text/glyph_text.h"

ResultState results;

void clearResultRecord() { static_cast<ResultRecord&>(results) = ResultRecord{}; }

void setupResultResources(WorldPictures pictures) {
    results.resultStep = nullptr;
    results.resultPhase = 0;
    results.newRecord = 0;
    results.texts.clear();
    results.images.clear();
    results.companionFlownOff = 0;
    if (pictures == WorldPictures::None) return;
    // From the picture keep, given back by releaseResultResources for the next world.
    results.board = takePicture("bmp/black_board.bmp", 576, 384);
    results.companionSheet = takePicture("bmp/shelly1.bmp", 64, 32);
    results.rankMarks = takePicture("bmp/rankfont.bmp", 64, 16);
    results.newRecordLabel = takePicture("bmp/NewRecode.bmp", 72, 32);
}

void releaseResultResources() {
    results.texts.clear();
    results.images.clear();
    results.resultStep = nullptr;
    keepPicture(results.board);
    keepPicture(results.companionSheet);
    keepPicture(results.rankMarks);
    keepPicture(results.newRecordLabel);
}

void setTextItem(TextItem& item, const char* text, int alignment, int y, int height, int step,
                 int opacity, int glyphWidth) {
    std::strncpy(item.text, text ? text : "", sizeof item.text - 1);
    item.text[sizeof item.text - 1] = '\0';
    item.width = glyphWidth * (static_cast<int>(std::strlen(item.text)) / 2 + 1);
    item.x = alignment == 0 ? (640 - item.width) / 2 : alignment == 1 ? 640 - item.width : 0;
    item.y = y;
    item.height = height;
    item.step = step;
    item.opacity = opacity;
    item.glyphWidth = glyphWidth;
    item.selected = 0;
}

int rankOf(int moves, int par) {
    if (moves <= par) return 0;
    if (moves <= par + 5) return 1;
    if (moves <= par + 10) return 2;
    return 3;
}

bool closeTexts(int step) {
    bool allBelow = true;
    for (TextItem& item : results.texts) {
        item.opacity -= step;
        if (item.opacity < 0)
            item.opacity = 0;
        else
            allBelow = false;
    }
    return allBelow;
}

void closePanel() {
    results.texts.clear();
    results.images.clear();
    results.resultStep = nullptr;
    results.resultPhase = 0;
}

namespace {

void drawClearBoard(Surface* target) {
    const int opacity = results.texts[1].opacity;
    if (results.board)
        blendBlit(target, 32, results.texts[1].y - 10, 576, 384, results.board.get(), 0, 0, 576, 384,
              static_cast<int16_t>(opacity), kMagenta);
    const size_t count = results.images.size();
    for (size_t i = 0; i < count; ++i) {
        const ImageItem& image = results.images[i];
        if (!image.surface) continue;
        if (i + 1 == count) {
            // The new-record label, whole, only when the clear beat the record.
            if (results.newRecord == 1)
                blendBlit(target, image.x, image.y, 72, 32, image.surface, 0, 0, 72, 32,
                          static_cast<int16_t>(opacity), kMagenta);
            continue;
        }
        blendBlit(target, image.x, image.y, image.width, image.height, image.surface,
                  16 * image.cell, 0, 16, 16, static_cast<int16_t>(opacity), kMagenta);
    }
}

void drawRankMark(Surface* target, const TextItem& rankText) {
    if (world.targetRoom < 0 || world.targetRoom >= static_cast<int>(world.rooms.size())) return;
    const int rank = world.rooms[static_cast<size_t>(world.targetRoom)].bestRank;
    // Whatever the score file holds is shown; a value far outside the marks shows nothing.
    if (rank < 0 || rank > 1000 || !fonts.rankFontSurface) return;
    blendBlit(target, rankText.x + rankText.width - 8, rankText.y - 16, 48, 64,
              fonts.rankFontSurface.get(), 16 * rank, 0, 16, 16,
              static_cast<int16_t>(rankText.opacity), kMagenta);
}

}  // namespace

void drawResultOverlay() {
    if (!results.resultStep || results.texts.empty()) return;
    Surface* target = app.backBuffer.get();
    if (!target) return;
    const bool clear = results.resultStep == resultClear;
    if (clear && results.texts.size() > 1) drawClearBoard(target);
    for (size_t i = 0; i < results.texts.size(); ++i) {
        if (clear && i == 0) continue;
        const TextItem& item = results.texts[i];
        drawGlyphTextBlend(target, item.x, item.y, item.width, item.height, item.glyphWidth,
                           static_cast<int>(kMagenta), fonts.fontSurface.get(), item.text,
                           static_cast<int16_t>(item.opacity));
        if (i == 1 && results.resultStep == resultRank) drawRankMark(target, item);
    }
}
