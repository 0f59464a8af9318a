// The broken-world corpus: every tests/broken_worlds/*.case is world 0 of the built game with
// some of its files broken, run through the real executable headless. Each either ends with its
// message and status 2 (the world refused under --world), or plays on with status 1, and no run
// leaves a sanitizer report.
//
// A case file: "# what it is", then expectations, then the changes to the game directory.
//   status N                 the exit status
//   message TEXT             standard error holds TEXT (repeatable); no-message TEXT: it does not
//   input FILE               the input script (a path under tests/); frames N: --frames (150)
//   same PATH / differs PATH the file after the run equals / differs from the shipped one
//   exists PATH              the file exists after the run; holds PATH TEXT: it holds TEXT
//   --- write PATH           the lines up to the next "--- " become the file
//   --- append PATH / --- prepend PATH   the lines are added at its end / start
//   --- replace PATH N       the next line's text, at its N-th place, becomes the line after it
//   --- truncate PATH BYTES  the shipped file keeps its first BYTES bytes
//   --- remove PATH          --- crlf PATH: every line end becomes CR LF
// In the lines, \r, \t, \xHH and \\ stand for their bytes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/scratch_game.h"

namespace {

namespace fs = std::filesystem;
using scratch::readFile;
using scratch::writeFile;

const fs::path kCases = fs::path(YOMOGI_SOURCE_DIR) / "tests" / "broken_worlds";
const fs::path kGame = YOMOGI_GAME_DIR;

std::string unescape(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            out += line[i];
            continue;
        }
        const char c = line[++i];
        if (c == 'r') {
            out += '\r';
        } else if (c == 't') {
            out += '\t';
        } else if (c == 'x' && i + 2 < line.size()) {
            out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

struct Change {
    std::string operation, path, argument;
    std::vector<std::string> lines;
};

struct Case {
    std::string name;
    int status = -1;
    std::vector<std::string> messages, absent, same, differs, exists;
    std::vector<std::pair<std::string, std::string>> holds;
    std::string input;
    long frames = 150;
    std::vector<Change> changes;
};

Case parseCase(const fs::path& file) {
    Case c;
    c.name = file.stem().string();
    std::istringstream text(readFile(file));
    for (std::string line; std::getline(text, line);) {
        if (line.rfind("--- ", 0) == 0) {
            std::istringstream words(line.substr(4));
            Change change;
            words >> change.operation >> change.path >> change.argument;
            c.changes.push_back(change);
            continue;
        }
        if (!c.changes.empty()) {
            c.changes.back().lines.push_back(unescape(line));
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        const size_t space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "status") c.status = std::stoi(value);
        if (key == "message") c.messages.push_back(value);
        if (key == "no-message") c.absent.push_back(value);
        if (key == "input") c.input = value;
        if (key == "frames") c.frames = std::stol(value);
        if (key == "same") c.same.push_back(value);
        if (key == "differs") c.differs.push_back(value);
        if (key == "exists") c.exists.push_back(value);
        if (key == "holds") c.holds.emplace_back(value.substr(0, value.find(' ')), unescape(value.substr(value.find(' ') + 1)));
    }
    return c;
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(kCases, ignored))
        if (entry.path().extension() == ".case") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// Applies one change of a case to the scratch game directory.
void apply(scratch::ScratchGame& game, const Change& change) {
    const fs::path file = game.file(change.path);
    const std::string text = joined(change.lines);
    if (change.operation == "write") {
        writeFile(file, text);
    } else if (change.operation == "append") {
        writeFile(file, readFile(file) + text);
    } else if (change.operation == "prepend") {
        writeFile(file, text + readFile(file));
    } else if (change.operation == "remove") {
        fs::remove(file);
    } else if (change.operation == "truncate") {
        writeFile(file, readFile(file).substr(0, std::stoul(change.argument)));
    } else if (change.operation == "crlf") {
        std::string out;
        for (char c : readFile(file)) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        writeFile(file, out);
    } else if (change.operation == "replace") {
        ASSERT_EQ(change.lines.size(), 2u) << change.path;
        std::string content = readFile(file);
        size_t at = std::string::npos;
        for (int n = std::stoi(change.argument); n > 0; --n)
            at = content.find(change.lines[0], at == std::string::npos ? 0 : at + 1);
        ASSERT_NE(at, std::string::npos) << change.path << ": no \"" << change.lines[0] << "\"";
        writeFile(file, content.replace(at, change.lines[0].size(), change.lines[1]));
    } else {
        FAIL() << "unknown change " << change.operation;
    }
}

class BrokenWorlds : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(BrokenWorlds, EndsWithItsMessageOrPlaysOn) {
    const Case c = parseCase(kCases / (GetParam() + ".case"));
    ASSERT_TRUE(c.status == 1 || c.status == 2) << "a case says its status";
    scratch::ScratchGame game;
    for (const Change& change : c.changes) ASSERT_NO_FATAL_FAILURE(apply(game, change));
    // Without a script of its own, a world that plays is walked in and turned both ways.
    std::string input = c.input.empty() ? "play.txt" : (fs::path(YOMOGI_SOURCE_DIR) / "tests" / c.input).string();
    writeFile(game.root() / "play.txt", "40 -\n12 RIGHT\n1 RIGHT+UP\n20 -\n1 A\n45 -\n1 D\n45 -\n");
    const int status = game.run("--headless --world 0 --frames " + std::to_string(c.frames) + " --input '" + input +
                                "' --trace t.jsonl").status;
    const std::string err = game.standardError();
    EXPECT_EQ(status, c.status) << err;
    EXPECT_EQ(err.find("Sanitizer"), std::string::npos) << err;
    EXPECT_EQ(err.find("runtime error"), std::string::npos) << err;
    for (const std::string& m : c.messages) EXPECT_NE(err.find(m), std::string::npos) << "no \"" << m << "\" in\n" << err;
    for (const std::string& m : c.absent) EXPECT_EQ(err.find(m), std::string::npos) << "\"" << m << "\" in\n" << err;
    if (c.status == 1) {
        const std::string trace = readFile(game.root() / "t.jsonl");
        if (c.input.empty()) {
            // Played: the world is on the screen to the last frame.
            EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), c.frames);
            const std::string last = trace.substr(trace.rfind('\n', trace.size() - 2) + 1);
            EXPECT_NE(last.find("\"scene\":\"game\""), std::string::npos) << last.substr(0, 200);
            EXPECT_EQ(last.find("\"game\":null"), std::string::npos) << last.substr(0, 200);
        } else {
            // Played through to the room's clear.
            EXPECT_NE(trace.find("\"panel\":\"clear\""), std::string::npos);
        }
    }
    for (const std::string& path : c.same) EXPECT_EQ(readFile(game.root() / path), readFile(kGame / path)) << path;
    for (const std::string& path : c.differs) EXPECT_NE(readFile(game.root() / path), readFile(kGame / path)) << path;
    for (const std::string& path : c.exists) EXPECT_TRUE(fs::exists(game.root() / path)) << path;
    for (const auto& [path, text] : c.holds)
        EXPECT_NE(readFile(game.root() / path).find(text), std::string::npos) << path << " without \"" << text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Corpus, BrokenWorlds, ::testing::ValuesIn(caseNames()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

TEST(BrokenWorldCorpus, HoldsAtLeastFiftyCases) { EXPECT_GE(caseNames().size(), 50u); }
