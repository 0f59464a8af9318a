// datagen: turns the data scripts and worlds we author (UTF-8) into the Shift-JIS files the game
// reads. Usage: datagen CONTENT_DIR GAME_DIR
//   CONTENT_DIR/data/**  ->  GAME_DIR/data/**
//   CONTENT_DIR/map/**   ->  GAME_DIR/map/**
// A character without a Shift-JIS form stops the build instead of silently becoming "?", so a
// typo in a source never reaches the game as a broken glyph.
#include "base/sjis.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeWholeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Line and column of the first character that does not survive the trip to Shift-JIS and back.
std::string whereConversionFails(const std::string& utf8) {
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        std::string one = utf8.substr(i, n);
        if (fromShiftJis(toShiftJis(one)) != one) {
            std::ostringstream where;
            where << "line " << line << ", byte " << (i - lineStart + 1) << " (\"" << one << "\")";
            return where.str();
        }
        if (b == '\n') {
            ++line;
            lineStart = i + 1;
        }
        i += n;
    }
    return "unknown position";
}

// Converts every file below `from` into the same relative place below `to`.
// Files are handled in sorted order so that messages come out the same on every run.
bool convertTree(const fs::path& from, const fs::path& to, int& converted) {
    if (!fs::is_directory(from)) return true;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    bool ok = true;
    for (const auto& file : files) {
        const std::string utf8 = readWholeFile(file);
        const std::string shiftJis = toShiftJis(utf8);
        if (fromShiftJis(shiftJis) != utf8) {
            std::fprintf(stderr, "datagen: %s: no Shift-JIS form for the character at %s\n",
                         file.c_str(), whereConversionFails(utf8).c_str());
            ok = false;
            continue;
        }
        const fs::path target = to / fs::relative(file, from);
        if (!writeWholeFile(target, shiftJis)) {
            std::fprintf(stderr, "datagen: cannot write %s\n", target.c_str());
            ok = false;
            continue;
        }
        ++converted;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: datagen CONTENT_DIR GAME_DIR\n");
        return 2;
    }
    const fs::path content = argv[1];
    const fs::path game = argv[2];
    int converted = 0;
    bool ok = true;
    for (const char* tree : {"data", "map"}) {
        ok = convertTree(content / tree, game / tree, converted) && ok;
    }
    if (!ok) return 1;
    std::printf("datagen: %d files written to %s\n", converted, game.c_str());
    return 0;
}
