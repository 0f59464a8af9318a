// The front door through the headless runner: logo, opening and title frame by frame on the
// trace, and a title choice taken when the screen is black.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_run.h"

namespace {

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;

std::string sceneOf(const std::string& line) { return field(line, "scene"); }
std::string menuOf(const std::string& line) { return field(line, "menu"); }

// The frame number of the first line at or after `from` whose scene is `scene`; 0 when none.
size_t firstFrameOf(const std::vector<std::string>& lines, const std::string& scene, size_t from = 1) {
    for (size_t i = from - 1; i < lines.size(); ++i)
        if (sceneOf(lines[i]) == "\"" + scene + "\"") return i + 1;
    return 0;
}

}  // namespace

TEST(FrontDoor, LogoOpeningAndTitleHandOverAndPuzzleIsTakenWhenTheScreenIsBlack) {
    GameDirectory game;
    // Wait out the logo and the whole opening, then Enter ends it; on the title the first Enter
    // brings the scroll down, the second confirms PUZZLE.
    testgame::writeText(game.file("keys.txt"), "300 -\n1 ENTER\n2 -\n1 ENTER\n2 -\n1 ENTER\n");
    ASSERT_EQ(game.run("--headless --frames 400 --input keys.txt --trace t.jsonl"), 1) << game.standardError();
    const std::vector<std::string> lines = game.lines("t.jsonl");
    ASSERT_EQ(lines.size(), 400u);
    auto line = [&](size_t frame) { return lines[frame - 1]; };

    // The logo leaves in frame 130 (its last line has no record), the opening enters in 131.
    const size_t opening = firstFrameOf(lines, "opening");
    ASSERT_EQ(opening, 131u);
    EXPECT_EQ(menuOf(line(opening - 1)), "null");
    EXPECT_EQ(menuOf(line(opening)), "{\"stage\":0,\"ready\":0,\"enterSeen\":0,\"castleX\":-200,\"logoY\":-264,"
                                     "\"walkerX\":640,\"spinnerX\":640}");
    // Its updates start in the next frame: the companion arrives after 80, Yomogi 27 later, the
    // logo 44 after that; then everything is held in place.
    auto stageAt = [&](size_t frame) { return intField(menuOf(line(frame)), "stage"); };
    for (auto [after, stage] : {std::pair{79, 0}, {80, 1}, {106, 1}, {107, 2}, {150, 2}, {151, 3}})
        EXPECT_EQ(stageAt(opening + after), stage) << after;
    EXPECT_EQ(intField(menuOf(line(opening + 107)), "castleX"), 70);
    EXPECT_EQ(intField(menuOf(line(opening + 152)), "ready"), 1);
    EXPECT_EQ(intField(menuOf(line(300)), "walkerX"), 480);

    // Enter in frame 301 ends the opening with its sound; the title enters in 302 and takes over
    // the scenery.
    EXPECT_EQ(sceneOf(line(301)), "\"opening\"");
    EXPECT_EQ(field(line(301), "sounds"), "[1]");
    EXPECT_EQ(sceneOf(line(302)), "\"title\"");
    EXPECT_EQ(menuOf(line(302)), "{\"cursor\":0,\"scrollDrop\":0,\"entered\":0,\"waiting\":1,\"fromOpening\":1,"
                                 "\"fadeDone\":0,\"openingFade\":0}");
    // The first Enter (frame 304) brings the scroll most of the way down, without a fade.
    EXPECT_EQ(intField(menuOf(line(303)), "entered"), 0);
    EXPECT_EQ(intField(menuOf(line(304)), "entered"), 1);
    EXPECT_GE(intField(menuOf(line(304)), "scrollDrop"), 339);
    EXPECT_EQ(intField(field(line(304), "fade"), "on"), 0);
    // The second (frame 307) starts the fade.
    EXPECT_EQ(intField(field(line(306), "fade"), "on"), 0);
    EXPECT_EQ(intField(field(line(307), "fade"), "on"), 1);

    // The title waits until the fade has made the screen black, leaves in the frame after, and
    // the world select runs in the next.
    size_t black = 0;
    for (size_t frame = 307; frame <= lines.size() && !black; ++frame)
        if (intField(field(line(frame), "fade"), "state") == 1) black = frame;
    ASSERT_NE(black, 0u);
    for (size_t frame = 307; frame < black; ++frame) {
        ASSERT_EQ(sceneOf(line(frame)), "\"title\"") << frame;
        ASSERT_EQ(intField(menuOf(line(frame)), "waiting"), 1) << frame;
    }
    EXPECT_EQ(sceneOf(line(black + 1)), "\"title\"");
    EXPECT_EQ(menuOf(line(black + 1)), "null");
    EXPECT_EQ(sceneOf(line(black + 2)), "\"select\"");
}
