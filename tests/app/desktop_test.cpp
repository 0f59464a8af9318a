// The game on a desktop: where the player's files go (the user's data directory, --save-dir, or
// the game directory under --root), which copy a read takes, and the command line's --help,
// --version and refusals.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/game_run.h"

using testgame::field;
using testgame::GameDirectory;
using testgame::readText;
using testgame::writeText;

namespace {

namespace fs = std::filesystem;

// Runs the game from inside its directory without --root, with XDG_DATA_HOME set, so that the
// game finds its data where it stands and keeps the saves where a player's would be.
int runAsPlayer(const GameDirectory& game, const std::string& dataHome, const std::string& arguments) {
    std::string command = "cd '" + game.root().string() + "' && env XDG_DATA_HOME='" + dataHome + "' '" YOMOGI_EXE
                          "' " + arguments + " > stdout.txt 2> stderr.txt";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Enters world 0, waits, and leaves it with P: the game end writes the world's score file.
const char* kLeaveWorld = "--headless --world 0 --input leave.txt --trace t.jsonl --frames 60";
const char* kLeaveScript = "40 -\n1 P\n";

// The score file as the game writes it (three digits a value) is told from one written by hand.
const char* kUnpaddedScore = "0 0 0\n1 999 0\n3 999 0\n2 999 0\n7 999 0\n4 999 0\n";
const char* kPaddedScore = "000 000 000\n001 999 000\n003 999 000\n002 999 000\n007 999 000\n004 999 000\n";

// The trace's rooms array of a score file: [par, best, rank] per line.
std::string roomsOf(const std::string& score) {
    std::istringstream text(score);
    std::string out = "[";
    for (int par, best, rank; text >> par >> best >> rank;)
        out += (out.size() > 1 ? ",[" : "[") + std::to_string(par) + "," + std::to_string(best) + "," + std::to_string(rank) + "]";
    return out + "]";
}

}  // namespace

TEST(SaveDirectoryChoice, APlayersSavesGoToTheDataHomeAndTheGameIsNeverWritten) {
    GameDirectory game;
    writeText(game.file("leave.txt"), kLeaveScript);
    writeText(game.file("map/000/score.txt"), kUnpaddedScore);
    const std::string dataHome = (game.root() / "xdg").string();
    ASSERT_EQ(runAsPlayer(game, dataHome, kLeaveWorld), 1) << readText(game.file("stderr.txt"));
    EXPECT_EQ(readText(game.file("map/000/score.txt")), kUnpaddedScore);
    EXPECT_EQ(readText(game.root() / "xdg/yomogi/map/000/score.txt"), kPaddedScore);
    EXPECT_FALSE(fs::exists(game.root() / "xdg/yomogi/data"));  // nothing else was written
}

TEST(SaveDirectoryChoice, SaveDirWinsAndRootKeepsTheFilesInTheGameDirectory) {
    GameDirectory game;
    writeText(game.file("leave.txt"), kLeaveScript);
    writeText(game.file("map/000/score.txt"), kUnpaddedScore);
    const std::string dataHome = (game.root() / "xdg").string();
    const std::string saves = (game.root() / "my saves").string();
    ASSERT_EQ(runAsPlayer(game, dataHome, std::string(kLeaveWorld) + " --save-dir 'my saves'"), 1);
    EXPECT_TRUE(fs::exists(game.root() / "my saves/map/000/score.txt"));
    EXPECT_FALSE(fs::exists(game.root() / "xdg"));
    EXPECT_EQ(readText(game.file("map/000/score.txt")), kUnpaddedScore);

    // --root: the game directory is its own save directory, as tests and replays expect.
    fs::remove_all(saves);
    ASSERT_EQ(game.run(kLeaveWorld), 1) << game.standardError();
    EXPECT_EQ(readText(game.file("map/000/score.txt")), kPaddedScore);
    EXPECT_FALSE(fs::exists(saves));
}

TEST(SaveDirectoryChoice, ReadsTakeTheSavedCopyElseTheShippedOne) {
    GameDirectory game;
    writeText(game.file("stay.txt"), "2 -\n");
    const std::string dataHome = (game.root() / "xdg").string();
    const char* arguments = "--headless --world 0 --input stay.txt --trace t.jsonl --frames 2";
    ASSERT_EQ(runAsPlayer(game, dataHome, arguments), 1);
    const std::string shipped = readText(game.file("map/000/score.txt"));
    EXPECT_EQ(field(game.lines("t.jsonl").back(), "rooms"), roomsOf(shipped));
    EXPECT_NE(roomsOf(shipped).find("[0,0,0],[1,999,0]"), std::string::npos) << shipped;

    // A saved score file with room 2 cleared in 3 turns is the one the world loads.
    fs::create_directories(game.root() / "xdg/yomogi/map/000");
    writeText(game.root() / "xdg/yomogi/map/000/score.txt", "000 000 000\n001 999 000\n001 003 001\n004 999 000\n005 999 000\n006 999 000\n");
    ASSERT_EQ(runAsPlayer(game, dataHome, arguments), 1);
    EXPECT_EQ(field(game.lines("t.jsonl").back(), "rooms"), "[[0,0,0],[1,999,0],[1,3,1],[4,999,0],[5,999,0],[6,999,0]]");
}

TEST(CommandLine, HelpListsEveryOptionAndTheKeysAndBadOptionsAreRefused) {
    GameDirectory game;
    ASSERT_EQ(game.run("--help"), 0);
    const std::string help = readText(game.file("stdout.txt"));
    for (const char* option : {"--save-dir", "--root", "--headless", "--frames", "--input", "--trace", "--shot",
                               "--seed", "--world", "--record", "--help", "--version"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    for (const char* key : {"Alt+Enter", "F11", "F12", "Z or Backspace", "Escape"}) {
        EXPECT_NE(help.find(key), std::string::npos) << key;
    }
    EXPECT_EQ(game.standardError(), "");

    ASSERT_EQ(game.run("--version"), 0);
    EXPECT_EQ(readText(game.file("stdout.txt")).rfind("yomogi ", 0), 0u);

    for (const char* bad : {"--save-dir", "--save-dir ''", "--fullscreen", "-x"}) {
        EXPECT_EQ(game.run(std::string("--headless ") + bad), 2) << bad;
        const std::string error = game.standardError();
        EXPECT_EQ(error.rfind("yomogi: ", 0), 0u) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_EQ(readText(game.file("stdout.txt")), "") << bad;
    }
}
