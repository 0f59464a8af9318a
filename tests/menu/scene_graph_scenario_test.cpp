// The whole scene graph from a fresh game directory, played by one input script through the
// headless runner: logo, opening, title, PUZZLE, world select, world 0, out through the hall's
// start cell and the NEXT menu's world-select entry, the world select again, back to the title,
// OPTION and back, CREDIT, and Enter on the credits back to the logo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_run.h"

namespace {

using testgame::field;
using testgame::GameDirectory;
using testgame::intField;

const char* const kScript =
    "# logo and opening, then the title: the scroll down, PUZZLE\n"
    "300 -\n1 ENTER\n2 -\n1 ENTER\n2 -\n1 ENTER\n"
    "# the world select: Enter held two frames on world 0 and released\n"
    "150 -\n2 ENTER\n"
    "# world 0: the hall's start cell, then the NEXT menu's world-select entry\n"
    "200 -\n1 ENTER\n150 -\n1 DOWN\n5 -\n1 ENTER\n"
    "# the world select again, and Backspace to the title\n"
    "200 -\n1 BACKSPACE\n"
    "# the title: OPTION\n"
    "150 -\n1 DOWN\n5 -\n1 DOWN\n5 -\n1 ENTER\n"
    "# the options: down past the joypad entry to the way back\n"
    "150 -\n1 DOWN\n5 -\n1 DOWN\n5 -\n1 ENTER\n"
    "# the title: CREDIT\n"
    "150 -\n1 DOWN\n5 -\n1 ENTER\n"
    "# the credits, then Enter back to the logo\n"
    "150 -\n1 ENTER\n";

}  // namespace

TEST(SceneGraph, OneScriptVisitsEveryScene) {
    GameDirectory game;
    testgame::writeText(game.file("keys.txt"), kScript);
    ASSERT_EQ(game.run("--headless --frames 1700 --input keys.txt --trace t.jsonl"), 1) << game.standardError();
    const std::vector<std::string> lines = game.lines("t.jsonl");
    ASSERT_EQ(lines.size(), 1700u);

    // The scenes in the order they ran, each run of frames counted once.
    std::vector<std::string> order;
    for (const std::string& line : lines) {
        const std::string scene = field(line, "scene");
        if (scene == "null") continue;
        if (order.empty() || order.back() != scene) order.push_back(scene);
    }
    const std::vector<std::string> expected = {"\"logo\"",   "\"opening\"", "\"title\"",   "\"select\"",
                                               "\"game\"",   "\"select\"",  "\"title\"",   "\"options\"",
                                               "\"title\"",  "\"credits\"", "\"logo\""};
    EXPECT_EQ(order, expected);

    // The world played was world 0, left through the hall: the select shows it again as the
    // cursor, and the game's frames were never in another world.
    bool inWorld = false, heldBlack = false;
    for (const std::string& line : lines) {
        if (field(line, "scene") != "\"game\"") continue;
        const std::string world = field(line, "game");
        if (world != "null") {
            inWorld = true;
            EXPECT_EQ(intField(world, "world"), 0);
        }
        if (intField(field(line, "fade"), "run") == 0) heldBlack = true;
    }
    EXPECT_TRUE(inWorld);
    EXPECT_TRUE(heldBlack);  // the game was entered under the fade held black

    // Every menu scene writes its own object; the select's names its cursor and how many worlds.
    for (const std::string& line : lines) {
        const std::string scene = field(line, "scene");
        const std::string menu = field(line, "menu");
        if (scene == "\"select\"" && menu != "null") {
            EXPECT_EQ(intField(menu, "count"), 5);
            EXPECT_EQ(intField(menu, "unlocked"), 0);
        }
        if (scene == "\"options\"" && menu != "null") EXPECT_EQ(field(menu, "page"), "\"main\"");
    }
    // Leaving the options wrote the key file.
    EXPECT_TRUE(std::filesystem::exists(game.file("data/JoyKey.txt")));
}
