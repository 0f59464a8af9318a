// The result overlay's pixels: panel texts from the shared font sheet, the RANK panel's mark of
// the target room, and the CLEAR board with its pictures.
#include "app/app.h"
#include "result_support.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

SurfacePtr filled(int w, int h, uint32_t pixel) {
    auto s = std::make_unique<Surface>();
    s->width = w;
    s->height = h;
    s->pixels.assign(static_cast<size_t>(w) * h, pixel);
    return s;
}

class ResultOverlay : public ResultTest {
protected:
    void SetUp() override {
        ResultTest::SetUp();
        savedDisplay = display;
        display.mode = 0;
        display.width = 640;
        display.height = 480;
        app.backBuffer = filled(640, 480, 0x000000);
        // Every glyph cell of the sheet is solid white; the rank marks are one colour per rank.
        fonts.fontSurface = filled(320, 336, 0xFFFFFF);
        fonts.rankFontSurface = filled(64, 16, 0);
        const uint32_t rankColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 64; ++x) fonts.rankFontSurface->row(y)[x] = rankColours[x / 16];
    }
    void TearDown() override {
        app.backBuffer.reset();
        fonts.fontSurface.reset();
        fonts.rankFontSurface.reset();
        results.board.reset();
        results.newRecordLabel.reset();
        results.rankMarks.reset();
        results.companionSheet.reset();
        display = savedDisplay;
        ResultTest::TearDown();
    }
    uint32_t pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= 640 || y >= 480) {
            ADD_FAILURE() << "pixel (" << x << ", " << y << ") is off the screen";
            return 0xDEAD;
        }
        return app.backBuffer->row(y)[x];
    }
    DisplayState savedDisplay;
};

}  // namespace

TEST_F(ResultOverlay, NothingWithoutAPanel) {
    drawResultOverlay();
    for (uint32_t p : app.backBuffer->pixels) ASSERT_EQ(p, 0u);
}

TEST_F(ResultOverlay, RankPanelDrawsItsTextsAndTheTargetRoomsMark) {
    world.targetRoom = 1;
    world.rooms[1].bestRank = 2;
    results.resultStep = resultRank;
    resultRank();
    for (TextItem& item : results.texts) item.opacity = 100;
    drawResultOverlay();
    const TextItem& rank = results.texts[1];
    // "ＲＡＮＫ": its first glyph at (x + 10, y + 10), 31 x 31.
    EXPECT_EQ(pixel(rank.x + 10, rank.y + 10), 0xFFFFFFu);
    EXPECT_EQ(pixel(rank.x + 40, rank.y + 40), 0xFFFFFFu);
    EXPECT_EQ(pixel(rank.x + 41, rank.y + 10), 0u);  // the gap between two cells
    // The mark of rank 2, stretched to 48 x 64 at (x + width - 8, y - 16).
    const int markX = rank.x + rank.width - 8, markY = rank.y - 16;
    EXPECT_EQ(pixel(markX, markY), 0x0000FFu);
    EXPECT_EQ(pixel(markX + 47, markY + 63), 0x0000FFu);
    EXPECT_NE(pixel(markX + 48, markY + 30), 0x0000FFu);
}

TEST_F(ResultOverlay, ClearBoardAndNewRecordLabelFollowTheTitle) {
    results.board = filled(576, 384, 0x404040);
    results.newRecordLabel = filled(72, 32, 0xFF0000);
    results.rankMarks = filled(64, 16, 0x00FF00);
    results.companionSheet = filled(64, 32, 0x0000FF);
    world.currentRoom = 1;
    world.rooms[1].turnCount = 4;
    world.rooms[1].bestMoves = 4;  // no new record: no label
    results.resultStep = resultClear;
    resultClear();
    // As the panel stands once risen.
    results.texts[1].y = 124;
    results.images[0].y = 44;
    results.images[2].y = 212;
    drawResultOverlay();
    EXPECT_EQ(pixel(32, 114), 0x404040u);  // the board at (32, y1 - 10)
    EXPECT_EQ(pixel(31, 114), 0u);
    const ImageItem& label = results.images[2];
    EXPECT_NE(pixel(label.x + 36, label.y + 16), 0xFF0000u);
    const ImageItem& companion = results.images[0];
    EXPECT_EQ(pixel(companion.x + 32, companion.y + 32), 0x0000FFu);

    results.newRecord = 1;
    drawResultOverlay();
    EXPECT_EQ(pixel(label.x + 36, label.y + 16), 0xFF0000u);
}
