// The command line of yomogi-solve (and of yomogi-check, the same program under another name).
#pragma once

#include <string>
#include <vector>

#include "search.h"

namespace solver {

struct Options {
    std::string root = ".";
    std::vector<int> worlds;       // empty: every world of the game directory
    int room = -1;                 // -1: every puzzle room
    InputModel model;
    bool maxTurnsGiven = false;
    std::string witness;           // with --room a file, else a directory for room<R>.txt
    std::string json;
    std::string table;
    bool figures = false;          // the puzzle figures (implied by --json and --table)
    int randomRuns = 1000;
    bool check = false;            // the world checker
    std::string witnesses;         // checker: witnesses to replay, <dir>/<NNN>/room<R>.txt
    bool quiet = false;
};

// Reads argv; false with a one-line reason. program is the name the tool was called by.
bool parseOptions(int argc, const char* const* argv, Options& out, std::string& error);
std::string usage(const std::string& program);

}  // namespace solver
