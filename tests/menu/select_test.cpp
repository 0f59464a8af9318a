// The world select: the marker's approach, the script and position files, the save values, the
// cursor rules, Enter's jump-or-choose and the way into a world under the held fade.
#include <cmath>
#include <string>

#include "game/game.h"
#include "menu/menu_fixture.h"
#include "menu/title.h"
#include "menu/world_select.h"

namespace {

TEST(SelectApproach, SpeedsUpTowardTheTargetBrakesFourTimesAsHardAndArrivesWithinReach) {
    SelectPoint m{0, 0}, v{3, 0};
    const SelectPoint t{5, 0};
    // x: 3 -> 7 (speeding up), then past the target: braking by 4 a.
    EXPECT_FALSE(approachStep(m, t, v, 1, 0));
    EXPECT_EQ(m.x, 3);
    EXPECT_EQ(v.x, 4);
    EXPECT_FALSE(approachStep(m, t, v, 1, 0));  // 3 > (7 - 5)^2 fails
    EXPECT_EQ(m.x, 7);
    EXPECT_EQ(v.x, 0);
    // A velocity of 0 counts as moving the positive way: the target behind brakes again by 4.
    EXPECT_FALSE(approachStep(m, t, v, 1, 0));
    EXPECT_EQ(m.x, 7);
    EXPECT_EQ(v.x, -4);
    EXPECT_FALSE(approachStep(m, t, v, 1, 0));
    EXPECT_EQ(m.x, 3);
    EXPECT_EQ(v.x, 0);
    EXPECT_FALSE(approachStep(m, t, v, 1, 0));
    EXPECT_EQ(v.x, 1);
    EXPECT_TRUE(approachStep(m, t, v, 1, 0));  // at 4: 3 * 1 > 1
    EXPECT_EQ(m.x, 4);
    // Both axes count toward the reach: 3 * (0.5 + 0.5) = 3 is not more than 2^2.
    SelectPoint m2{2, 0}, v2{0, 0};
    EXPECT_FALSE(approachStep(m2, {0, 0}, v2, 0.5, 0.5));
}

class SelectScriptTest : public MenuTest {};

TEST_F(SelectScriptTest, MarkersLimitsAndWarnings) {
    const std::string longLine(300, 'a');
    write("script.txt",
          "header text 12 : 7 8\n"
          "numbers :1 :x :2 :3 :4\n"
          "@ from here on lines\n"
          ":first line\n"
          "commentary :second\n"
          ":" + longLine + " :not a line\n"
          ":\n"
          ":fourth\n");
    testing::internal::CaptureStderr();
    ASSERT_TRUE(readSelectScript("script.txt", 2, 4));
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(selectScript.header[0], 7);
    EXPECT_EQ(selectScript.header[1], 8);
    // ":x" is refused and reading goes on; ":3" passes the limit and ends the section, and the
    // section's last ":4" is not taken for a line.
    ASSERT_EQ(selectScript.numbers.size(), 2u);
    EXPECT_EQ(selectScript.numbers[0], 1);
    EXPECT_EQ(selectScript.numbers[1], 2);
    ASSERT_EQ(selectScript.lines.size(), 4u);
    EXPECT_EQ(selectScript.lines[0], "first line\n");
    EXPECT_EQ(selectScript.lines[1], "second\n");
    EXPECT_EQ(selectScript.lines[2], std::string(254, 'a'));  // cut; the rest of it is not a marker
    EXPECT_EQ(selectScript.lines[3], "\n");
    // The script's warnings hold their message in the title bar and "警告" as the text.
    EXPECT_NE(warnings.find("入力値が不正: 警告"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("整数型配列を超過しました: 警告"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("入力上限です、離脱します。: 警告"), std::string::npos) << warnings;

    // A file that cannot be opened is reported and leaves the script as it was.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(readSelectScript("missing.txt", 100, 100));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("警告: 読み込みに失敗"), std::string::npos);
    EXPECT_EQ(selectScript.lines.size(), 4u);
}

TEST_F(SelectScriptTest, ShippedScriptGivesTheScreenItsSlotsAndEveryDescriptionFitsItsBox) {
    ASSERT_TRUE(readSelectScript("data/WorldSelect.txt", 100, 100));
    ASSERT_EQ(selectScript.numbers.size(), 1u);  // a stray marker in the commentary would add one
    EXPECT_EQ(selectScript.numbers[0], 80);
    ASSERT_EQ(selectScript.lines.size(), 20u);
    EXPECT_EQ(selectScript.lines[0], "castle2-5-2\n");
    EXPECT_EQ(selectScript.lines[7], "bg5\n");
    for (int slot = kSlotFirstDescription; slot < 20; ++slot) {
        const std::string& line = selectScript.lines[slot];
        int w = 0, h = 0, text = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), ">,%d,%d,%n", &w, &h, &text), 2) << slot;
        const std::string words = line.substr(text, line.size() - text - 1);
        const GlyphLayout layout = glyphLayout(w, h, 20);
        EXPECT_LE(static_cast<int>(words.size() / 2), layout.perRow * (layout.lastRow + 1)) << slot;
        EXPECT_GE(h, 32) << slot;  // the box unfolds from a 32-pixel strip
    }
}

class SelectSceneTest : public MenuTest {
protected:
    void enter(const std::string& save) {
        write("data/save.txt", save);
        game.currentWorld = 0;
        selectEntry();
        ASSERT_EQ(app.sceneStep, selectStep);
        ASSERT_NE(worldSelect, nullptr);
    }
    void step() {
        app.framePresented = 1;  // draw as well
        selectStep();
        clearButtons();
    }
    void TearDown() override {
        if (worldSelect) selectLeave();
        MenuTest::TearDown();
    }
    const SelectState& s() const { return *worldSelect; }
};

TEST_F(SelectSceneTest, HandEditedSaveAndShortPositionListStayInsideTheScreen) {
    write("data/p_select_loc.txt", "100 100 100 100 100");
    enter("9 7 -3");
    EXPECT_EQ(s().count, 5);
    EXPECT_EQ(s().cursor, 4);
    EXPECT_EQ(s().unlocked, 0);
    // Positions the list does not name stand at (0, 0); the marker starts on the cursor's.
    EXPECT_EQ(s().positions[1].x, 100);
    EXPECT_EQ(s().positions[2].x, 0);
    EXPECT_EQ(s().marker.x, 0);
    // Down to a position at the marker's own place: equal shares, the marker stays finite.
    for (int i = 0; i < 3; ++i) {
        press(kButtonMenuDown);
        step();
    }
    EXPECT_EQ(s().cursor, 1);
    EXPECT_EQ(s().weight.x, 0.5);
    press(kButtonMenuDown);
    step();  // (100, 100) -> (100, 100)
    EXPECT_EQ(s().weight.x, 0.5);
    for (int i = 0; i < 300; ++i) step();
    EXPECT_TRUE(std::isfinite(s().marker.x) && std::isfinite(s().marker.y));
    EXPECT_NEAR(s().marker.x, 100, 2);  // the springy path has settled on the position
    EXPECT_NEAR(s().marker.y, 100, 2);
}

TEST_F(SelectSceneTest, WithoutASaveFileTheSelectOpensAsANewGame) {
    std::filesystem::remove(root / "data/save.txt");
    testing::internal::CaptureStderr();
    game.currentWorld = 3;
    selectEntry();
    const std::string warnings = testing::internal::GetCapturedStderr();
    ASSERT_NE(worldSelect, nullptr);
    EXPECT_NE(warnings.find("data/save.txt"), std::string::npos) << warnings;
    EXPECT_EQ(app.quitRequested, 0);
    EXPECT_EQ(s().cursor, 0);
    EXPECT_EQ(s().count, 5);
    EXPECT_EQ(s().unlocked, 0);
}

TEST_F(SelectSceneTest, WithoutTheScriptTheTitleTakesThePlayerBack) {
    std::filesystem::remove(root / "data/WorldSelect.txt");
    selectScript = SelectScript{};
    testing::internal::CaptureStderr();
    selectEntry();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("読み込みに失敗"), std::string::npos);
    EXPECT_EQ(worldSelect, nullptr);
    EXPECT_EQ(app.sceneStep, titleEntry);
}

TEST_F(SelectSceneTest, UpStopsAtTheHighestOpenWorldAndBackspaceLeadsToTheTitle) {
    enter("0 5 1");
    for (int i = 0; i < 5; ++i) step();
    EXPECT_EQ(s().appear, 5);
    press(kButtonMenuUp);
    step();
    EXPECT_EQ(s().cursor, 1);
    EXPECT_EQ(s().appear, 0);
    step();
    press(kButtonMenuUp);
    step();  // world 2 is locked: nothing happens, not even the counters
    EXPECT_EQ(s().cursor, 1);
    EXPECT_EQ(s().appear, 2);
    // Up and Down together: Down is allowed, so the counters reset, and the cursor stays.
    press(kButtonMenuUp);
    press(kButtonMenuDown);
    step();
    EXPECT_EQ(s().cursor, 1);
    EXPECT_EQ(s().appear, 0);
    // The highlight grows on the cursor's position and fades on the others; the frame of a move
    // still counts for the old position (6 after five frames and the move, then three down).
    EXPECT_EQ(s().records[1].highlight, 3);
    EXPECT_EQ(s().records[0].highlight, 3);

    press(kButtonBack);
    step();
    EXPECT_EQ(app.overlayStep, startFade);
    app.fadeState = 1;  // the fade has covered the screen
    step();
    EXPECT_EQ(worldSelect, nullptr);
    EXPECT_EQ(app.sceneStep, titleEntry);
}

TEST_F(SelectSceneTest, EnterWhileTravellingOnlyJumpsThenChoosesAndTheChoiceStands) {
    enter("0 5 2");
    press(kButtonMenuUp);
    step();
    ASSERT_NE(s().marker.y, s().positions[1].y);  // on its way
    press(kButtonEnter);
    step();
    EXPECT_EQ(s().marker.x, s().positions[1].x);
    EXPECT_EQ(s().marker.y, s().positions[1].y);
    EXPECT_EQ(s().velocity.x, 0);
    EXPECT_EQ(s().records[1].chosen, 0);
    release(kButtonEnter);
    step();
    EXPECT_EQ(s().stay, 1);  // released without a choice: nothing starts
    EXPECT_EQ(app.overlayStep, nullptr);
    press(kButtonEnter);
    step();
    EXPECT_EQ(s().records[1].chosen, 1);
    EXPECT_EQ(s().hold, 1);
    release(kButtonEnter);
    step();
    EXPECT_EQ(s().stay, 0);
    step();
    EXPECT_EQ(app.overlayStep, startFade);
    // While the fade covers the screen the keys no longer move the chosen world.
    press(kButtonMenuDown);
    step();
    EXPECT_EQ(s().cursor, 1);
}

TEST_F(SelectSceneTest, ChosenWorldIsEnteredUnderTheFadeHeldBlackUntilTheGamesFirstStep) {
    write("data/save.txt", "0 5 0");
    app.sceneStep = selectEntry;
    game.currentWorld = 4;
    auto frame = [] { frameStep(); };
    frame();  // the entry
    ASSERT_EQ(app.sceneStep, selectStep);
    fake.keys = {13};  // Enter: pressed, then held
    frame();
    frame();
    fake.keys.clear();  // released: the arrived world is chosen
    frame();
    EXPECT_EQ(worldSelect->stay, 0);
    int frames = 0;
    while (app.sceneStep == selectStep && frames++ < 200) frame();
    ASSERT_EQ(app.sceneStep, gameEntry);
    EXPECT_EQ(game.currentWorld, 0);
    EXPECT_EQ(app.overlayStep, fadeStep);
    EXPECT_EQ(app.fadeLevel, 100);
    // The screen stays black through the game entry and every frame before the first game step.
    while (game.gameStartPending != 1 || app.sceneStep == gameEntry) {
        EXPECT_EQ(app.fadeRun, 0);
        frame();
        ASSERT_LT(frames++, 400);
    }
    while (game.gameStartPending == 1) {
        EXPECT_EQ(app.fadeRun, 0);
        EXPECT_EQ(app.fadeLevel, 100);
        frame();
        ASSERT_LT(frames++, 400);
    }
    EXPECT_EQ(app.fadeRun, 1);  // the first game step lets the hall fade in
    app.quitRequested = 1;
    fake.keys = {80};  // P: the game ends and frees the world
    frame();
}

}  // namespace
