// The game executable driven headless: options, trace, input scripts, screenshots, records.
#include <gtest/gtest.h>

#include "app/game_run.h"
#include "gfx/surface.h"
#include "platform/platform.h"

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;

namespace {

std::vector<int> buttonsOf(const std::string& line) {
    std::string text = field(line, "buttons");
    std::vector<int> out;
    for (size_t i = 1; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) out.push_back(text[i] - '0');
    }
    return out;
}

}  // namespace

TEST(Runner, TraceOfTwoHundredFramesFollowsTheFrameRules) {
    GameDirectory game;
    ASSERT_EQ(game.run("--headless --frames 200 --trace t.jsonl"), 1) << game.standardError();
    std::vector<std::string> lines = game.lines("t.jsonl");
    ASSERT_EQ(lines.size(), 200u);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        long frame = static_cast<long>(i) + 1;
        ASSERT_EQ(intField(line, "frame"), frame) << line;
        // The headless clock never makes a frame late.
        EXPECT_EQ(intField(line, "shown"), 1) << line;
        // Frame n ends at 34 n ms: the first whole second is counted in frame 30, which ends at
        // 1020 ms; until then the figure is 1, afterwards the 29 or 30 frames of a second.
        int rate = intField(line, "rate");
        if (frame < 30) {
            EXPECT_EQ(rate, 1) << line;
        } else {
            EXPECT_TRUE(rate == 29 || rate == 30) << line;
        }
        EXPECT_EQ(buttonsOf(line), std::vector<int>(13, 0)) << line;
        EXPECT_EQ(field(line, "quit"), "0") << line;
        EXPECT_EQ(field(line, "sounds"), "[]") << line;
    }
    // The logo runs first and asks for the opening music, which plays from the first frame on.
    EXPECT_EQ(field(lines[0], "scene"), "\"logo\"");
    EXPECT_EQ(field(lines[0], "music"), "1");
    EXPECT_EQ(field(lines[0], "game"), "null");
    // No scene asked for a fade: the overlay is empty and the fade at its start values.
    EXPECT_EQ(field(lines[0], "fade"), "{\"state\":2,\"level\":0,\"run\":0,\"on\":0}");
}

TEST(Runner, EveryLineCarriesTheMenuObjectOfTheSceneThatRan) {
    GameDirectory game;
    ASSERT_EQ(game.run("--headless --frames 140 --trace t.jsonl"), 1) << game.standardError();
    std::vector<std::string> lines = game.lines("t.jsonl");
    ASSERT_EQ(lines.size(), 140u);
    for (const std::string& line : lines) ASSERT_NE(field(line, "menu"), "<missing>") << line;
    // The first logo: its record from the entry frame on, the stamp flying in 50 design units a
    // frame once the frame figure is above 5 (frame 30), and no record in the frame it leaves.
    EXPECT_EQ(field(lines[0], "menu"), "{\"counter\":0,\"flash\":0,\"landed\":0,\"shaken\":0,\"stampX\":-424}");
    int flyingFrames = 0, lastStampX = -424;
    for (size_t i = 0; i + 1 < 130; ++i) {
        const std::string& line = lines[i];
        ASSERT_EQ(field(line, "scene"), "\"logo\"") << line;
        const std::string menu = field(line, "menu");
        ASSERT_EQ(menu.front(), '{') << line;
        const int stampX = intField(menu, "stampX");
        if (stampX != lastStampX) {
            EXPECT_EQ(stampX - lastStampX, 50) << line;
            EXPECT_EQ(intField(menu, "landed"), 0) << line;
            ++flyingFrames;
        }
        lastStampX = stampX;
    }
    EXPECT_EQ(flyingFrames, 10);  // -424 + 10 * 50 = 76 lands it
    // The flash has faded in to 90 % over the zoom in the frame before.
    EXPECT_EQ(field(lines[128], "menu").substr(0, 25), "{\"counter\":60,\"flash\":90,");
    EXPECT_EQ(field(lines[129], "scene"), "\"logo\"");
    EXPECT_EQ(field(lines[129], "menu"), "null");

    // In the game the menu object is null and the game object is there from the first frame.
    ASSERT_EQ(game.run("--headless --world 0 --frames 3 --trace w.jsonl"), 1) << game.standardError();
    for (const std::string& line : game.lines("w.jsonl")) {
        EXPECT_EQ(field(line, "scene"), "\"game\"") << line;
        EXPECT_EQ(field(line, "menu"), "null") << line;
        EXPECT_EQ(field(field(line, "game"), "world"), "0") << line;
        // The fade is held at full black until the first game step that runs lets it go.
        EXPECT_EQ(field(line, "fade"), "{\"state\":4,\"level\":100,\"run\":0,\"on\":1}") << line;
    }
}

TEST(Runner, InputScriptDrivesTheButtons) {
    GameDirectory game;
    testgame::writeText(game.file("keys.txt"),
                        "# two quiet frames, then Up and Right held\r\n2 -\r\n\r\n3 UP+RIGHT\r\n1 a\r\n");
    ASSERT_EQ(game.run("--headless --frames 8 --input keys.txt --trace t.jsonl"), 1)
        << game.standardError();
    std::vector<std::string> lines = game.lines("t.jsonl");
    ASSERT_EQ(lines.size(), 8u);
    auto states = [&](int frame) { return buttonsOf(lines[frame - 1]); };
    EXPECT_EQ(states(1), std::vector<int>(13, 0));
    EXPECT_EQ(states(2), std::vector<int>(13, 0));
    // Up drives buttons 2 and 5, Right button 4.
    EXPECT_EQ(states(3), (std::vector<int>{0, 0, 2, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(states(4), (std::vector<int>{0, 0, 3, 0, 3, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(states(5), (std::vector<int>{0, 0, 3, 0, 3, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(states(6), (std::vector<int>{0, 0, 1, 0, 1, 1, 0, 0, 2, 0, 0, 0, 0}));
    // After the last line nothing is held.
    EXPECT_EQ(states(7), std::vector<int>(13, 0));
    EXPECT_EQ(states(8), std::vector<int>(13, 0));
}

TEST(Runner, EscapeEndsTheProgramAfterOneMoreWholeFrame) {
    GameDirectory game;
    testgame::writeText(game.file("keys.txt"), "5 -\n1 ESCAPE\n");
    EXPECT_EQ(game.run("--headless --frames 100 --input keys.txt --trace t.jsonl"), 1);
    std::vector<std::string> lines = game.lines("t.jsonl");
    // Frame 6 polls Escape pressed; frame 7 notices it before it runs and still runs whole.
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(buttonsOf(lines[5])[12], 2);
    EXPECT_EQ(field(lines[5], "quit"), "0");
    EXPECT_EQ(field(lines[6], "quit"), "1");
    EXPECT_EQ(field(lines[6], "shown"), "1");
}

TEST(Runner, ShotWritesThePictureOfThatFrame) {
    GameDirectory game;
    ASSERT_EQ(game.run("--headless --frames 60 --shot 45:a.bmp --shot 60:b.bmp"), 1)
        << game.standardError();
    for (const char* name : {"a.bmp", "b.bmp"}) {
        Surface picture;
        ASSERT_TRUE(platformLoadBitmap(game.file(name).c_str(), picture)) << name;
        EXPECT_EQ(picture.width, 640);
        EXPECT_EQ(picture.height, 480);
        // 24 bits per pixel in the file's header.
        std::string bytes = testgame::readText(game.file(name));
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
        // The logo screen covers the whole screen with its background: no pixel left black.
        bool anyBlack = false;
        for (uint32_t pixel : picture.pixels) anyBlack = anyBlack || pixel == 0;
        EXPECT_FALSE(anyBlack) << name;
    }
}

TEST(Runner, RecordReplaysAsTheSameKeyboard) {
    GameDirectory game;
    testgame::writeText(game.file("keys.txt"), "3 -\n4 LEFT+A\n2 ENTER\n");
    ASSERT_EQ(game.run("--headless --frames 12 --input keys.txt --record rec.txt --trace t1.jsonl"), 1);
    std::string recorded = testgame::readText(game.file("rec.txt"));
    EXPECT_NE(recorded.find("3 -\n4 LEFT+A\n2 ENTER\n3 -\n"), std::string::npos) << recorded;
    ASSERT_EQ(game.run("--headless --frames 12 --input rec.txt --trace t2.jsonl"), 1);
    std::vector<std::string> first = game.lines("t1.jsonl"), second = game.lines("t2.jsonl");
    ASSERT_EQ(first.size(), 12u);
    ASSERT_EQ(second.size(), 12u);
    for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(field(first[i], "buttons"), field(second[i], "buttons"));
}

TEST(Runner, BadOptionsAndUnreadableFilesEndWithStatusTwo) {
    GameDirectory game;
    testgame::writeText(game.file("bad.txt"), "3 -\n2 JUMP\n");
    const char* cases[] = {
        "--headless --bogus",
        "--headless --frames",
        "--headless --frames 0",
        "--headless --frames ten",
        "--headless --seed -1",
        "--headless --shot 10",
        "--headless --shot x:a.bmp",
        "--headless --world 1000",
        "--headless --input missing.txt",
        "--headless --input bad.txt",
        "--headless --trace /nonexistent/dir/t.jsonl",
        "--headless --root /nonexistent/dir",
    };
    for (const char* arguments : cases) {
        EXPECT_EQ(game.run(arguments), 2) << arguments;
        std::string error = game.standardError();
        // One line that says what was wrong.
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << arguments << ": " << error;
    }
    EXPECT_NE(game.standardError().find("yomogi:"), std::string::npos);
}

TEST(Runner, SeedMakesRunsRepeatable) {
    GameDirectory game;
    ASSERT_EQ(game.run("--headless --frames 40 --seed 7 --trace a.jsonl"), 1);
    ASSERT_EQ(game.run("--headless --frames 40 --seed 7 --trace b.jsonl"), 1);
    EXPECT_EQ(game.lines("a.jsonl"), game.lines("b.jsonl"));
}
