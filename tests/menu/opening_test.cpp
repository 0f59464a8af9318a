// The opening frame by frame, and its path tables. (Its stage timings are checked through the
// headless runner in front_door_scenario_test.cpp.)
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app.h"
#include "audio/audio.h"
#include "input/input.h"
#include "menu/opening_scenery.h"
#include "menu/opening.h"

namespace {

namespace fs = std::filesystem;

class OpeningTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState();
        input = InputState{};
        audio = AudioState{};
        folder = fs::temp_directory_path() / ("yomogi_opening_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        opening = OpeningState{};
        fs::remove_all(folder);
        resetAppState();
    }
    std::string write(const std::string& name, const std::string& text) {
        const fs::path path = folder / name;
        std::ofstream(path) << text;
        return path.string();
    }
    void start(const std::string& tables) { opening.records = newOpeningRecords(write("titledata.txt", tables).c_str()); }
    // One update with Enter in the given state (0 up, 2 pressed, 3 held, 1 released).
    bool update(int enter = 0) {
        input.buttons[kButtonEnter].state = static_cast<int8_t>(enter);
        audio.soundRequest = 0;
        return openingUpdate();
    }
    OpeningScenery& scenery() { return *opening.records.scenery; }
    WalkerSprite& walker() { return *opening.records.walker; }
    SpinnerSprite& spinner() { return *opening.records.spinner; }
    fs::path folder;
};

const char* kTables =
    "3 3 3 3 -999 0 0 0 0 0 0 0\n"
    "0.5 0.5 0.5 0.5 -999 0 0 0 0 0 0 0\n"
    "1 -1 -999 0 0 0 0 0 0 0 0 0\n";

}  // namespace

TEST_F(OpeningTest, EnterHeldFromTheLogoDoesNotCountAndTheSecondPressEnds) {
    start(kTables);
    EXPECT_FALSE(update(3));  // still held from the logo screen
    EXPECT_FALSE(update(1));  // let go: nothing, no press was seen here
    EXPECT_EQ(scenery().enterSeen, 0);
    EXPECT_EQ(scenery().ready, 0);
    EXPECT_FALSE(update(0));
    EXPECT_FALSE(update(2));  // the first press in the opening: seen, with a sound, not yet ready
    EXPECT_EQ(audio.soundRequest, 1);
    EXPECT_EQ(scenery().enterSeen, 1);
    EXPECT_EQ(scenery().ready, 0);
    EXPECT_FALSE(update(3));
    EXPECT_EQ(scenery().ready, 0);
    EXPECT_FALSE(update(1));  // its release puts everything in place
    EXPECT_EQ(scenery().ready, 1);
    EXPECT_TRUE(update(2));
}

TEST_F(OpeningTest, WhileReadyEverythingIsHeldInItsFinalPlaceAndTheRestMovesOn) {
    start(kTables);
    for (int i = 0; i < 5; ++i) update();
    update(2);
    update(1);
    float skyBefore = scenery().skyX1;
    int slopeBefore = scenery().slope1X;
    for (int frame = 0; frame < 40; ++frame) {
        EXPECT_FALSE(update());
        EXPECT_EQ(scenery().castleX, 70);
        EXPECT_FLOAT_EQ(scenery().castleY, 271.25f);
        EXPECT_EQ(walker().x, 480);
        EXPECT_FLOAT_EQ(walker().y, 320.0f);
        EXPECT_EQ(spinner().x, 160);
        // The companion bobs on its path about its final height.
        EXPECT_NEAR(spinner().y, 403.334f, 1.01f);
        EXPECT_EQ(scenery().logoY, 0);
    }
    EXPECT_FLOAT_EQ(scenery().skyX1, skyBefore + 10.0f);
    EXPECT_EQ(scenery().slope1X, slopeBefore + 240);
}

TEST_F(OpeningTest, PathsWithoutTheirEndOrWithoutTheFileStandStill) {
    OpeningPaths paths;
    EXPECT_FALSE(readOpeningPaths((folder / "missing.txt").c_str(), paths));
    EXPECT_EQ(paths.walkerXLoopAt, 0);

    // The walker's x table has no -999 among its 12 values; the y table is cut short before
    // its -999; the spinner's is never reached.
    ASSERT_TRUE(readOpeningPaths(write("bad.txt", "5 5 5 5 5 5 5 5 5 5 5 5\n1 2 3").c_str(), paths));
    EXPECT_EQ(paths.walkerXLoopAt, 0);
    EXPECT_EQ(paths.walkerYLoopAt, 0);
    EXPECT_EQ(paths.spinnerYLoopAt, 0);
    WalkerSprite w;
    SpinnerSprite s;
    for (int frame = 0; frame < 100; ++frame) {
        walkAlongPath(w, paths);
        advanceWalkerPath(w, paths);
        bobSpinner(s, paths);
    }
    EXPECT_EQ(w.x, 640);
    EXPECT_FLOAT_EQ(w.y, 293.334f);
    EXPECT_EQ(w.pathIndex, 0);
    EXPECT_EQ(w.direction, 1);
    EXPECT_FLOAT_EQ(s.y, 323.334f);

    // A good table loops at its -999 and turns the walker back; a word that is no number ends
    // the reading.
    ASSERT_TRUE(readOpeningPaths(write("good.txt", kTables).c_str(), paths));
    EXPECT_EQ(paths.walkerXLoopAt, 4);
    EXPECT_EQ(paths.spinnerYLoopAt, 2);
    for (int frame = 0; frame < 4; ++frame) {
        walkAlongPath(w, paths);
        advanceWalkerPath(w, paths);
    }
    EXPECT_EQ(w.x, 652);
    EXPECT_FLOAT_EQ(w.y, 291.334f);
    EXPECT_EQ(w.direction, -1);
    walkAlongPath(w, paths);
    EXPECT_EQ(w.x, 649);
    ASSERT_TRUE(readOpeningPaths(write("word.txt", "3 3 x -999 0 0 0 0 0 0 0 0").c_str(), paths));
    EXPECT_EQ(paths.walkerXLoopAt, 0);
}
