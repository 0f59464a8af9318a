// The data-file reader: formatted scanning's "%d" and "%s", read from the whole file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/data_reader.h"

TEST(DataReader, NumbersAreReadAsPercentDReadsThem) {
    DataReader file;
    file.assign("\xEF\xBB\xBF 12abc\r\n-7 +3 2147483647 -2147483648 2147483648 - 5");
    int n = 0;
    ASSERT_TRUE(file.number(n));
    EXPECT_EQ(n, 12);
    // The rest of the word stays: no number there, and nothing is taken.
    EXPECT_FALSE(file.number(n));
    std::string_view word;
    ASSERT_TRUE(file.word(word));
    EXPECT_EQ(word, "abc");
    for (int expected : {-7, 3, 2147483647, -2147483647 - 1}) {
        ASSERT_TRUE(file.number(n));
        EXPECT_EQ(n, expected);
    }
    EXPECT_FALSE(file.number(n));  // beyond an int
    ASSERT_TRUE(file.word(word));
    EXPECT_EQ(word, "2147483648");
    EXPECT_FALSE(file.number(n));  // a sign alone
    ASSERT_TRUE(file.word(word));
    ASSERT_TRUE(file.number(n));
    EXPECT_EQ(n, 5);
    EXPECT_TRUE(file.atEnd());
    EXPECT_FALSE(file.number(n));
    EXPECT_FALSE(file.word(word));
}

TEST(DataReader, WordsWithAWidthLeaveTheRestForTheNextRead) {
    DataReader file;
    file.assign("ABCDEFGH12 9");
    std::string_view word;
    ASSERT_TRUE(file.word(word, 8));
    EXPECT_EQ(word, "ABCDEFGH");
    int n = 0;
    ASSERT_TRUE(file.number(n));
    EXPECT_EQ(n, 12);
    EXPECT_TRUE(DataReader::wholeNumber("-42", n) && n == -42);
    EXPECT_FALSE(DataReader::wholeNumber("42x", n));
    EXPECT_FALSE(DataReader::wholeNumber("+", n));
}

TEST(DataReader, FilesThatCannotBeReadSayWhy) {
    const auto dir = std::filesystem::temp_directory_path() / ("yomogi_data_reader_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    DataReader file;
    EXPECT_FALSE(file.open((dir / "none.txt").string()));
    EXPECT_EQ(file.fault(), DataReader::Fault::Missing);
    std::ofstream(dir / "big.txt") << std::string(100, '1');
    EXPECT_FALSE(file.open((dir / "big.txt").string(), 99));
    EXPECT_EQ(file.fault(), DataReader::Fault::TooLarge);
    int n = 0;
    EXPECT_FALSE(file.number(n));  // nothing kept of a refused file
    ASSERT_TRUE(file.open((dir / "big.txt").string(), 100));
    EXPECT_FALSE(file.number(n));  // a hundred ones is no int
    std::filesystem::remove_all(dir);
}
