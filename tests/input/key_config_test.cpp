// "data/JoyKey.txt": read at start-up with a joystick attached, written by the options screen.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fake_devices.h"

namespace {

class KeyConfig : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        previous = std::filesystem::current_path();
        dir = std::filesystem::temp_directory_path() /
              ("yomogi_joykey_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "data");
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
        InputTest::TearDown();
    }
    static void write(const std::string& text) {
        std::ofstream("data/JoyKey.txt", std::ios::binary) << text;
    }
    static std::string read() {
        std::ifstream in("data/JoyKey.txt", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::vector<int> pads() {
        std::vector<int> out;
        for (const Button& b : input.buttons) out.push_back(b.padButton);
        return out;
    }
    std::filesystem::path previous, dir;
};

TEST_F(KeyConfig, ReadOnlyWithAJoystick) {
    write("1 2 3 4 5 6 7 8 9 10 11 12 13");
    loadKeyConfig();
    EXPECT_EQ(pads(), std::vector<int>(13, 0));
    EXPECT_EQ(input.joystickCount, 0);
    plugJoystick(2);
    loadKeyConfig();
    EXPECT_EQ(pads(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(input.joystickCount, 1);
    EXPECT_EQ(input.buttons[12].keyCode, 27);
}

TEST_F(KeyConfig, AnyWhitespaceAndLineEnds) {
    plugJoystick(0);
    write("\xEF\xBB\xBF");  // not a number: nothing is read
    loadKeyConfig();
    EXPECT_EQ(pads(), std::vector<int>(13, 0));
    write("  1\r\n2\r\n\t3 4\n5 6 7 8 9 10 11\r\n12\r\n32\r\n");
    loadKeyConfig();
    EXPECT_EQ(pads(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 32}));
}

TEST_F(KeyConfig, MissingShortAndGarbageFiles) {
    plugJoystick(0);
    loadKeyConfig();  // no file at all
    EXPECT_EQ(pads(), std::vector<int>(13, 0));
    write("4 5");
    loadKeyConfig();
    EXPECT_EQ(pads(), (std::vector<int>{4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    resetInputState();
    write("7 x 9");  // reading stops at the first thing that is not a number
    loadKeyConfig();
    EXPECT_EQ(pads(), (std::vector<int>{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    resetInputState();
    write("3abc 4");  // a number glued to garbage: the number counts, the garbage stops
    loadKeyConfig();
    EXPECT_EQ(pads(), (std::vector<int>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    resetInputState();
    write(std::string("5 \0 6", 5));
    loadKeyConfig();
    EXPECT_EQ(pads()[0], 5);
    EXPECT_EQ(pads()[1], 0);
    resetInputState();
    write("");
    loadKeyConfig();
    EXPECT_EQ(pads(), std::vector<int>(13, 0));
}

TEST_F(KeyConfig, EachNumberFillsOnlyItsOwnOneByteField) {
    plugJoystick(0);
    write("300 -1 99999999999 5");
    loadKeyConfig();
    EXPECT_EQ(input.buttons[0].padButton, 44);  // 300 keeps its low byte
    EXPECT_EQ(input.buttons[0].keyCode, 13);    // and nothing spills into the next fields
    EXPECT_EQ(input.buttons[1].padButton, -1);
    EXPECT_EQ(input.buttons[1].keyCode, 8);
    EXPECT_EQ(input.buttons[2].padButton, 0);  // too large for a number: reading stops
    EXPECT_EQ(input.buttons[3].padButton, 0);
}

TEST_F(KeyConfig, WrittenOnOneLineAndReadBack) {
    const int assigned[13] = {1, 2, 0, 0, 0, 3, 4, 0, 5, 6, 32, -1, 7};
    for (int i = 0; i < 13; ++i) input.buttons[i].padButton = static_cast<int8_t>(assigned[i]);
    ASSERT_TRUE(saveKeyConfig());
    EXPECT_EQ(read(), "1 2 0 0 0 3 4 0 5 6 32 -1 7 ");
    EXPECT_FALSE(std::filesystem::exists("data/JoyKey.txt.new"));
    resetInputState();
    plugJoystick(0);
    loadKeyConfig();
    for (int i = 0; i < 13; ++i) EXPECT_EQ(input.buttons[i].padButton, assigned[i]) << i;
}

TEST_F(KeyConfig, FailedWriteLeavesTheOldFile) {
    write("9 9 9");
    std::filesystem::create_directory("data/JoyKey.txt.new");  // the new file cannot be made
    EXPECT_FALSE(saveKeyConfig());
    EXPECT_EQ(read(), "9 9 9");
    std::filesystem::remove("data/JoyKey.txt.new");
    std::filesystem::remove_all("data");
    EXPECT_FALSE(saveKeyConfig());  // no data directory at all
}

}  // namespace
