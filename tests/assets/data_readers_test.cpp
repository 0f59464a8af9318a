// Our data files read by the game's own readers: what the player will see.
#include "result/result.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string inGame(const char* relative) { return std::string(YOMOGI_GAME_DIR) + "/" + relative; }

}  // namespace

TEST(DataReaders, ResultMenusReadTheirTwoEntries) {
    std::vector<TextItem> over;
    readResultScript(inGame("data/resultscript_over.txt").c_str(), over);
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(fromShiftJis(over[0].text), "リトライ");
    EXPECT_EQ(fromShiftJis(over[1].text), "ホールへもどる");
    EXPECT_EQ(over[0].glyphWidth, 40);
    EXPECT_LT(over[0].y, over[1].y) << "retry above the way back";

    std::vector<TextItem> next;
    readResultScript(inGame("data/resultscript_next.txt").c_str(), next);
    ASSERT_EQ(next.size(), 2u);
    EXPECT_EQ(fromShiftJis(next[0].text), "つぎのワールドへ");
    EXPECT_EQ(fromShiftJis(next[1].text), "ワールドセレクト");
    EXPECT_GT(next[1].width, 0);
}

TEST(DataReaders, GlyphTableRecordsEndWhereTheyShould) {
    ASSERT_TRUE(readGlyphTable(inGame("data/mojidata.txt").c_str()));
    // Each record spells a katakana word: ヨモギ has three letters, ユラユラ four.
    EXPECT_EQ(fonts.glyphTable[0].count, 3);
    EXPECT_EQ(fonts.glyphTable[1].count, 4);
    for (const GlyphRecord& record : fonts.glyphTable) {
        EXPECT_GT(record.count, 0);
        for (int k = 0; k < record.count; ++k) {
            // Inside the katakana block of the font sheet (80..159 across, 16-pixel cells).
            EXPECT_GE(record.x[k], 80);
            EXPECT_LT(record.x[k], 160);
            EXPECT_EQ(record.y[k] % 16, 0);
        }
    }
}
