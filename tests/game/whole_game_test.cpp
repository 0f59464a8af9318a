// The whole game from a fresh game directory in one headless run: the logo, the opening and the
// title, PUZZLE and world 0 on the world select, every room of every world in content/map
// cleared in order by its witness, out through the hall's start cell and the NEXT menu's next
// world, and after the ending world the credits. The input is composed here: each room's own
// play comes from its witness, and the walks across the hall between them (from the door the last
// clear left the player at to the next door, and at the end of a world to the start cell) are
// found with the solver, which plays the same frames alongside to know where the player stands.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_run.h"
#include "app/runner_script.h"
#include "base/data_reader.h"
#include "entry.h"
#include "key_table.h"
#include "state_key.h"

namespace {

namespace fs = std::filesystem;
using solver::Keys;
using testgame::field;
using testgame::intField;
using testgame::readText;

std::string worldFolder(int world) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d", world);
    return name;
}

std::string clearMap(int room) {
    char name[32];
    std::snprintf(name, sizeof name, "clear%03d.txt", room);
    return name;
}

// A shipped world: its number and the par of each room (index 0 is the hall).
struct ShippedWorld {
    int number = 0;
    std::vector<int> pars;
    int rooms() const { return static_cast<int>(pars.size()) - 1; }
};

// The worlds of content/map from world 0 on, as long as they follow one another.
std::vector<ShippedWorld> shippedWorlds() {
    std::vector<ShippedWorld> worlds;
    for (int w = 0; w <= 4; ++w) {
        const fs::path dir = fs::path(YOMOGI_SOURCE_DIR) / "content/map" / worldFolder(w);
        DataReader stage, score;
        int count = 0;
        if (!stage.open((dir / "stage.txt").string()) || !stage.number(count) ||
            !score.open((dir / "score.txt").string()))
            break;
        ShippedWorld world;
        world.number = w;
        for (int r = 0; r < count; ++r) {
            int par = 0, best = 0, rank = 0;
            if (!score.number(par) || !score.number(best) || !score.number(rank)) break;
            world.pars.push_back(par);
        }
        worlds.push_back(world);
    }
    return worlds;
}

// The script being composed, and the solver's game playing each frame of it alongside.
class Composer {
public:
    void add(long frames, Keys keys, const std::string& comment = "") {
        if (!comment.empty()) text_ += "# " + comment + "\n";
        if (frames <= 0) return;
        text_ += std::to_string(frames) + " " + keySetText(keys) + "\n";
        total_ += frames;
    }
    // Frames the solver's game has already played (its own walks).
    void addPlayed(const solver::Witness& walk) {
        for (const solver::WitnessLine& line : walk) add(line.frames, line.keys, line.comment);
    }
    void play(long frames, Keys keys, const std::string& comment = "") {
        for (long n = 0; n < frames; ++n) solver::stepFrame(keys);
        add(frames, keys, comment);
    }
    const std::string& text() const { return text_; }
    long frames() const { return total_; }

private:
    std::string text_;
    long total_ = 0;
};

InputScript witnessOf(int world, int room) {
    const fs::path path = fs::path(YOMOGI_SOURCE_DIR) / "tests/game/solutions" / worldFolder(world) /
                          ("room" + std::to_string(room) + ".txt");
    InputScript script;
    std::string error;
    EXPECT_TRUE(parseInputScript(readText(path), script, error)) << path << ": " << error;
    return script;
}

// The frames of a witness after its first `skip`, without the Escape that ends its run.
std::vector<ScriptLine> framesAfter(const InputScript& script, long skip) {
    std::vector<ScriptLine> out;
    for (ScriptLine line : script.lines) {
        const long dropped = std::min(skip, line.frames);
        skip -= dropped;
        line.frames -= dropped;
        if (line.frames > 0) out.push_back(line);
    }
    if (!out.empty() && keySetText(out.back().keys) == "ESCAPE") out.pop_back();
    return out;
}

// From the state in play, the fewest walking actions that leave the player at rest inside the
// hall's start cell; played, and added to the script.
bool walkToStartCell(Composer& out, const solver::InputModel& model) {
    const solver::FullState start = solver::captureFullState();
    solver::RoomKey codec;
    codec.bindToCurrentRoom();
    solver::KeyTable table(codec.words());
    std::vector<int32_t> key(static_cast<size_t>(codec.words()));
    std::vector<int> parent{-1}, via{-1};
    bool fresh = false;
    codec.capture(key.data());
    table.intern(key.data(), fresh);
    int found = solver::playerAtRest() && solver::playerInsideStartCell() ? 0 : -1;
    for (int q = 0; q < table.size() && found < 0 && table.size() < 200000; ++q) {
        for (int a = 0; a < solver::walkActionCount(model) && found < 0; ++a) {
            codec.restore(table.key(q), 0);
            bool failed = false;
            for (int f = 0; f < model.hold && !failed; ++f) {
                solver::stepFrame(solver::actionKeys(a, f));
                failed = solver::playerFailed() || !solver::playerNormal();
            }
            if (failed || !codec.capture(key.data())) continue;
            const int id = table.intern(key.data(), fresh);
            if (!fresh) continue;
            parent.push_back(q);
            via.push_back(a);
            if (solver::playerAtRest() && solver::playerInsideStartCell()) found = id;
        }
    }
    solver::restoreFullState(start);
    if (found < 0) return false;
    std::vector<int> actions;
    for (int id = found; parent[static_cast<size_t>(id)] >= 0; id = parent[static_cast<size_t>(id)])
        actions.insert(actions.begin(), via[static_cast<size_t>(id)]);
    bool first = true;
    for (int a : actions)
        for (int f = 0; f < model.hold; ++f) {
            out.play(1, solver::actionKeys(a, f), first ? "walk back to the hall's start cell" : "");
            first = false;
        }
    return true;
}

// Every room of the world in order, then (unless it is the last world there is) out through the
// start cell and the NEXT menu's next world. The script as given ends at about the world's first
// frame: the wait before the first walk (the player appearing, and a margin) covers the frames the
// change of scene takes, and a player who has stood still a little longer is in the same state.
void composeWorld(Composer& out, const ShippedWorld& world, bool leave) {
    // The solver plays in a staged copy of the world, from inside it: whatever happens, the test
    // leaves it.
    struct ClosesWorld {
        ~ClosesWorld() { solver::closeWorld(); }
    } closes;
    const solver::InputModel model;
    const std::string root = YOMOGI_GAME_DIR;
    std::string fault;
    // How many frames of each witness walk the hall: the walk the solver finds from the world's
    // first frame with the map a player has when that room is next, which the witness begins with.
    std::vector<long> hallFrames(static_cast<size_t>(world.rooms() + 1), 0);
    for (int r = 1; r <= world.rooms(); ++r) {
        ASSERT_TRUE(solver::openWorld({root, world.number, r == 1 ? "" : clearMap(r - 1)}, fault)) << fault;
        solver::RoomEntry entry;
        ASSERT_TRUE(solver::enterRoom(r, model, entry, fault)) << fault;
        hallFrames[static_cast<size_t>(r)] = entry.hallFrames;
        const InputScript witness = witnessOf(world.number, r);
        for (long f = 1; f <= entry.hallFrames; ++f) {
            long at = f;
            Keys keys = 0;
            for (const solver::WitnessLine& line : entry.walk) {
                if (at <= line.frames) {
                    keys = line.keys;
                    break;
                }
                at -= line.frames;
            }
            ASSERT_EQ(witness.keysInFrame(f), keys)
                << "world " << world.number << " room " << r << ": the witness does not begin with the walk to its door";
        }
    }
    ASSERT_TRUE(solver::openWorld({root, world.number, ""}, fault)) << fault;
    // The solver plays in its own copy of the world's directory, the current directory while the
    // world is open; the cleared maps join it there, so that each first clear opens the next
    // door as it does in the game.
    const fs::path shipped = fs::path(root) / "map" / worldFolder(world.number);
    for (int r = 1; r <= world.rooms(); ++r)
        fs::copy_file(shipped / clearMap(r), fs::current_path() / "map" / worldFolder(world.number) / clearMap(r),
                      fs::copy_options::overwrite_existing);
    for (int r = 1; r <= world.rooms(); ++r) {
        solver::RoomEntry entry;
        ASSERT_TRUE(solver::enterRoom(r, model, entry, fault)) << "world " << world.number << " room " << r << ": " << fault;
        out.addPlayed(entry.walk);
        bool cleared = false;
        out.add(0, 0, "world " + std::to_string(world.number) + ", room " + std::to_string(r) + " as its witness plays it");
        for (const ScriptLine& line : framesAfter(witnessOf(world.number, r), hallFrames[static_cast<size_t>(r)])) {
            for (long n = 0; n < line.frames; ++n) {
                solver::stepFrame(line.keys);
                if (solver::currentRoom() == r && solver::playerLeavingThroughGoal()) cleared = true;
            }
            out.add(line.frames, line.keys);
        }
        ASSERT_TRUE(cleared) << "world " << world.number << " room " << r << " is not cleared by its witness";
    }
    if (leave) {
        ASSERT_TRUE(walkToStartCell(out, model)) << "world " << world.number << ": no walk to the hall's start cell";
        // The leave panel is up once the player has stood in the cell for 30 frames; the NEXT menu
        // comes up over the faded screen, its next world chosen with Up.
        out.add(40, 0, "leave the world, and the NEXT menu's next world");
        out.add(1, solver::kKeyEnter);
        out.add(150, 0);
        out.add(1, solver::kKeyUp);
        out.add(10, 0);
        out.add(1, solver::kKeyEnter);
        out.add(200, 0);
    }
}

// One frame of the trace, with the fields the checks read.
struct Frame {
    std::string scene, game;
    int world() const { return intField(game, "world"); }
    int room() const { return intField(game, "current"); }
};

TEST(WholeGame, EveryWorldClearedInOrderFromTheWorldSelectToTheCredits) {
    const std::vector<ShippedWorld> worlds = shippedWorlds();
    ASSERT_FALSE(worlds.empty());
    const bool toTheEnd = worlds.back().number == 4;

    Composer script;
    script.add(300, 0, "the logo and the opening, then the title: the scroll down, PUZZLE");
    script.add(1, solver::kKeyEnter);
    script.add(2, 0);
    script.add(1, solver::kKeyEnter);
    script.add(2, 0);
    script.add(1, solver::kKeyEnter);
    script.add(150, 0, "the world select: Enter on world 0, then the scene changes");
    script.add(2, solver::kKeyEnter);
    script.add(100, 0);
    for (const ShippedWorld& world : worlds) {
        composeWorld(script, world, world.number < 4 ? &world != &worlds.back() : true);
        if (HasFatalFailure()) return;
    }
    script.add(300, 0, toTheEnd ? "the credits" : "the last world there is: its hall");

    testgame::GameDirectory dir;
    testgame::writeText(dir.file("whole.txt"), script.text());
    const std::string frames = std::to_string(script.frames());
    ASSERT_EQ(dir.run("--headless --input whole.txt --trace t.jsonl --frames " + frames), 1) << dir.standardError();

    // The scenes in the order they ran, the worlds in the order they were played, and each
    // room's CLEAR panel with the move count it showed.
    std::vector<std::string> scenes;
    std::vector<int> worldOrder;
    std::vector<std::string> clears;
    std::string lastClear;
    bool selectSeen = false, creditsSeen = false;
    for (const std::string& line : dir.lines("t.jsonl")) {
        Frame f{field(line, "scene"), field(line, "game")};
        if (f.scene != "null" && (scenes.empty() || scenes.back() != f.scene)) scenes.push_back(f.scene);
        // The world select of a fresh game: world 0 under the cursor and the only one open.
        const std::string menu = field(line, "menu");
        if (f.scene == "\"select\"" && menu != "null") {
            selectSeen = true;
            EXPECT_EQ(intField(menu, "cursor"), 0);
            EXPECT_EQ(intField(menu, "unlocked"), 0);
        }
        if (f.scene == "\"credits\"" && menu != "null") creditsSeen = field(menu, "rows") != "<missing>";
        if (f.game == "null" || f.game == "<missing>") {
            lastClear.clear();
            continue;
        }
        if (worldOrder.empty() || worldOrder.back() != f.world()) worldOrder.push_back(f.world());
        const std::string clear = field(f.game, "panel") == "\"clear\"" && f.room() > 0
                                      ? std::to_string(f.world()) + "." + std::to_string(f.room()) + " in " +
                                            std::to_string(intField(field(f.game, "turn"), "count"))
                                      : "";
        if (!clear.empty() && clear != lastClear) clears.push_back(clear);
        lastClear = clear;
    }
    std::vector<std::string> expectedScenes = {"\"logo\"", "\"opening\"", "\"title\"", "\"select\"", "\"game\""};
    if (toTheEnd) expectedScenes.push_back("\"credits\"");
    EXPECT_EQ(scenes, expectedScenes);
    EXPECT_TRUE(selectSeen);
    EXPECT_EQ(creditsSeen, toTheEnd);
    std::vector<int> expectedWorlds, playedWorlds;
    std::vector<std::string> expectedClears;
    for (const ShippedWorld& world : worlds) {
        expectedWorlds.push_back(world.number);
        for (int r = 1; r <= world.rooms(); ++r)
            expectedClears.push_back(std::to_string(world.number) + "." + std::to_string(r) + " in " +
                                     std::to_string(world.pars[static_cast<size_t>(r)]));
    }
    EXPECT_EQ(worldOrder, expectedWorlds);
    EXPECT_EQ(clears, expectedClears);

    // The progress files: the last world unlocked (world 4's clear unlocks nothing beyond it),
    // and every room's record its par at rank 0.
    const int unlocked = std::min(worlds.back().number + 1, 4);
    EXPECT_EQ(readText(dir.file("data/save.txt")),
              std::to_string(unlocked) + " 5 " + std::to_string(unlocked));
    for (const ShippedWorld& world : worlds) {
        std::string expected = "000 000 000\n";
        for (int r = 1; r <= world.rooms(); ++r) {
            char line[32];
            const int par = world.pars[static_cast<size_t>(r)];
            std::snprintf(line, sizeof line, "%03d %03d 000\n", par, par);
            expected += line;
        }
        EXPECT_EQ(readText(dir.file("map/" + worldFolder(world.number) + "/score.txt")), expected)
            << "world " << world.number;
    }
}

}  // namespace
