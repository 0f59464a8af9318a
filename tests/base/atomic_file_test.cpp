// The atomic writer: the old file or the new one, never half of either, and nothing left beside.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/atomic_file.h"

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        // A directory of the test's own: test runs of other trees, and ctest -j, run beside it.
        char pattern[] = "/tmp/yomogi_atomic_file_XXXXXX";
        dir = ::mkdtemp(pattern);
        path = (dir / "save.txt").string();
        std::ofstream(path) << "old";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
    std::string path;
};

TEST_F(AtomicWrite, ReplacesTheFileWholeAndLeavesNothingBeside) {
    ASSERT_TRUE(writeFileAtomically(path, std::string("new\0content", 11)));
    EXPECT_EQ(readText(path), std::string("new\0content", 11));
    EXPECT_FALSE(fs::exists(path + ".new"));
    // A half-written file left by a crash is simply written over.
    std::ofstream(path + ".new") << "half";
    ASSERT_TRUE(writeFileAtomically(path, ""));
    EXPECT_EQ(readText(path), "");
    EXPECT_FALSE(fs::exists(path + ".new"));
}

TEST_F(AtomicWrite, AFailedWriteLeavesTheOldFile) {
    fs::create_directories(path + ".new/in-the-way");
    EXPECT_FALSE(writeFileAtomically(path, "new"));
    EXPECT_EQ(readText(path), "old");
    fs::remove_all(path + ".new");
    EXPECT_FALSE(writeFileAtomically((dir / "no/such/dir.txt").string(), "new"));
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(AtomicWrite, PiecesAppearOnlyOnCommit) {
    {
        AtomicFile file;
        ASSERT_TRUE(file.open(path));
        file.write("line 1\n");
        EXPECT_EQ(readText(path), "old");
        // Destroyed without a commit: as if it had never been written.
    }
    EXPECT_EQ(readText(path), "old");
    EXPECT_FALSE(fs::exists(path + ".new"));
    AtomicFile file;
    ASSERT_TRUE(file.open(path));
    file.write("line 1\n");
    file.write("line 2\n");
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(readText(path), "line 1\nline 2\n");
    EXPECT_FALSE(file.commit());  // nothing open any more
}

}  // namespace
