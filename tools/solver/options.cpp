#include "options.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace solver {

namespace {

bool readInt(const char* text, int low, int high, int& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (*end != '\0' || v < low || v > high) return false;
    out = static_cast<int>(v);
    return true;
}

std::string baseName(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

}  // namespace

std::string usage(const std::string& program) {
    return "usage: " + program +
           " --root DIR [--world W]... [--room R] [--max-turns N] [--hold K] [--no-jumps]\n"
           "       [--settle N] [--witness PATH] [--json FILE] [--table FILE] [--figures]\n"
           "       [--random-runs N] [--check] [--witnesses DIR] [--quiet]\n";
}

bool parseOptions(int argc, const char* const* argv, Options& out, std::string& error) {
    out = Options{};
    if (argc > 0 && baseName(argv[0]) == "yomogi-check") out.check = true;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto needValue = [&]() {
            if (value) return true;
            error = option + " needs a value";
            return false;
        };
        auto intValue = [&](int low, int high, int& target) {
            if (!needValue()) return false;
            if (!readInt(value, low, high, target)) {
                error = option + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
                return false;
            }
            ++i;
            return true;
        };
        auto textValue = [&](std::string& target) {
            if (!needValue()) return false;
            target = value;
            ++i;
            return true;
        };
        int world = 0;
        if (option == "--root") {
            if (!textValue(out.root)) return false;
        } else if (option == "--world") {
            if (!intValue(0, 999, world)) return false;
            out.worlds.push_back(world);
        } else if (option == "--room") {
            if (!intValue(1, 63, out.room)) return false;
        } else if (option == "--max-turns") {
            if (!intValue(0, 200, out.model.maxTurns)) return false;
            out.maxTurnsGiven = true;
        } else if (option == "--hold") {
            if (!intValue(1, 60, out.model.hold)) return false;
        } else if (option == "--no-jumps") {
            out.model.jumps = false;
        } else if (option == "--settle") {
            if (!intValue(1, 100000, out.model.settleLimit)) return false;
        } else if (option == "--max-states") {
            if (!intValue(1000, 200000000, out.model.maxStates)) return false;
        } else if (option == "--witness") {
            if (!textValue(out.witness)) return false;
        } else if (option == "--json") {
            if (!textValue(out.json)) return false;
        } else if (option == "--table") {
            if (!textValue(out.table)) return false;
            out.figures = true;
        } else if (option == "--figures") {
            out.figures = true;
        } else if (option == "--random-runs") {
            if (!intValue(0, 1000000, out.randomRuns)) return false;
        } else if (option == "--check") {
            out.check = true;
        } else if (option == "--witnesses") {
            if (!textValue(out.witnesses)) return false;
        } else if (option == "--quiet") {
            out.quiet = true;
        } else if (option == "--help" || option == "-h") {
            error = "help";
            return false;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    // The solver stands in a staged copy of each world while it plays, so every path is made
    // absolute first.
    std::error_code ignored;
    for (std::string* path : {&out.root, &out.witness, &out.json, &out.table, &out.witnesses})
        if (!path->empty()) *path = std::filesystem::absolute(*path, ignored).lexically_normal().string();
    return true;
}

}  // namespace solver
