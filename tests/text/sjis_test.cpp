#include "text/sjis.h"

#include <gtest/gtest.h>

TEST(ShiftJis, ConvertsFullWidthTextToTwoByteCharacters) {
    // "ＣＬＥＡＲ" is five full-width letters: lead byte 0x82, trail 0x62, 0x6B, 0x64, 0x60, 0x71.
    EXPECT_EQ(toShiftJis("ＣＬＥＡＲ"), "\x82\x62\x82\x6B\x82\x64\x82\x60\x82\x71");
    EXPECT_EQ(toShiftJis("ー"), "\x81\x5B");
    EXPECT_EQ(toShiftJis("あ"), "\x82\xA0");
}

TEST(ShiftJis, RoundTripsAndReplacesWhatCannotBeConverted) {
    EXPECT_EQ(fromShiftJis(toShiftJis("本当に終了しますか？")), "本当に終了しますか？");
    EXPECT_EQ(toShiftJis("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji has no Shift-JIS form
    EXPECT_EQ(fromShiftJis("\x82"), "\xEF\xBF\xBD");        // a lead byte without its trail
}

TEST(ShiftJis, LiteralsAreConvertedOnceAndStayValid) {
    static const char* const literal = "ヨモギ";
    const char* first = sj(literal);
    EXPECT_EQ(first, sj(literal));
    EXPECT_STREQ(first, "\x83\x88\x83\x82\x83\x4D");
}
