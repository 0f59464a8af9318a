// The save directory: where a player's files go when nobody names a place, and which copy a read
// takes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/save_paths.h"

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Sets or removes an environment variable for the length of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        if (value) ::setenv(name, value, 1); else ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (had_) ::setenv(name_, old_.c_str(), 1); else ::unsetenv(name_);
    }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

class SaveDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/yomogi-save-XXXXXX";
        root = ::mkdtemp(pattern);
        fs::create_directories(root / "game" / "data");
        std::ofstream(root / "game" / "data" / "save.txt") << "0 5 0";
        previous = fs::current_path();
        fs::current_path(root / "game");
    }
    void TearDown() override {
        fs::current_path(previous);
        setSaveDirectory("");
        fs::remove_all(root);
    }
    fs::path root, previous;
};

TEST_F(SaveDirectory, ReadsTakeTheSavedCopyOnlyOnceThereIsOne) {
    setSaveDirectory((root / "saves/").string());
    EXPECT_EQ(saveDirectory(), (root / "saves").string());
    // Nothing saved yet: the shipped file is read, and the save directory is not even made.
    EXPECT_EQ(savedOrShipped("data/save.txt"), "data/save.txt");
    EXPECT_EQ(savedOrShipped("map/000/score.txt"), "map/000/score.txt");
    EXPECT_FALSE(fs::exists(root / "saves"));

    ASSERT_TRUE(writeSavedFile("map/000/score.txt", "003 999 000\n"));
    ASSERT_TRUE(writeSavedFile("data/save.txt", "1 5 1"));
    EXPECT_EQ(savedOrShipped("data/save.txt"), (root / "saves/data/save.txt").string());
    EXPECT_EQ(readText(root / "saves/map/000/score.txt"), "003 999 000\n");
    EXPECT_EQ(readText(root / "saves/data/save.txt"), "1 5 1");
    // The shipped file is never written, and a file never saved still comes from the game.
    EXPECT_EQ(readText("data/save.txt"), "0 5 0");
    EXPECT_EQ(savedOrShipped("data/JoyKey.txt"), "data/JoyKey.txt");
    // The player's directories are the player's own.
    EXPECT_EQ(fs::status(root / "saves").permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(SaveDirectory, WithoutASaveDirectoryTheGameDirectoryIsReadAndWrittenInPlace) {
    setSaveDirectory("");
    ASSERT_TRUE(writeSavedFile("data/save.txt", "2 5 2"));
    EXPECT_EQ(readText("data/save.txt"), "2 5 2");
    EXPECT_EQ(savedOrShipped("data/save.txt"), "data/save.txt");
    EXPECT_EQ(savePath("map/001/map.txt"), "map/001/map.txt");
    // ... and only where its folders already stand: nothing is created in the game directory.
    EXPECT_FALSE(writeSavedFile("map/004/score.txt", "000 999 000\n"));
    EXPECT_FALSE(fs::exists("map"));
}

TEST_F(SaveDirectory, AWriteThatCannotBeMadeFailsAndChangesNothing) {
    std::ofstream(root / "plain") << "a file, not a directory";
    setSaveDirectory((root / "plain" / "saves").string());
    EXPECT_FALSE(writeSavedFile("data/save.txt", "1 5 1"));
    EXPECT_EQ(savedOrShipped("data/save.txt"), "data/save.txt");
    EXPECT_EQ(readText(root / "plain"), "a file, not a directory");
}

TEST(DefaultSaveDirectory, DataHomeThenHome) {
    ScopedVariable home("HOME", "/home/player");
    {
        ScopedVariable data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(defaultSaveDirectory(), "/data/home/yomogi");
    }
    {
        // Only an absolute data home counts.
        ScopedVariable data("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(defaultSaveDirectory(), "/home/player/.local/share/yomogi");
    }
    ScopedVariable data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(defaultSaveDirectory(), "/home/player/.local/share/yomogi");
}

TEST_F(SaveDirectory, ScreenshotsGoToThePicturesDirectoryElseBesideTheSaves) {
    ScopedVariable home("HOME", root.c_str());
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    ScopedVariable pictures("XDG_PICTURES_DIR", nullptr);
    setSaveDirectory((root / "saves").string());
    EXPECT_EQ(screenshotDirectory(), (root / "saves/screenshots").string());

    fs::create_directories(root / ".config");
    std::ofstream(root / ".config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                      "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(screenshotDirectory(), (root / "Bilder/yomogi").string());
    // A pictures directory set to the home itself means the user has none.
    std::ofstream(root / ".config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/\"\n";
    EXPECT_EQ(screenshotDirectory(), (root / "saves/screenshots").string());

    ScopedVariable named("XDG_PICTURES_DIR", "/srv/pictures");
    EXPECT_EQ(screenshotDirectory(), "/srv/pictures/yomogi");
}

}  // namespace
