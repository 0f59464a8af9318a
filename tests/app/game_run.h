// Scenario tests: a fresh copy of the game directory in a temporary folder, the game executable
// run there headless, and its trace read back.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/surface.h"
#include "platform/platform.h"

namespace testgame {

namespace fs = std::filesystem;

inline std::string readText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeText(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

// A picture of the given size in which every pixel has the colour of its 16 x 16 block, so that
// any drawing from it shows on the screen.
inline void writeFixturePicture(const fs::path& path, int width, int height) {
    Surface s;
    s.width = width;
    s.height = height;
    s.pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.row(y)[x] = (((x / 16) * 37 + (y / 16) * 91) & 0xFF) << 8 | 0x400000;
        }
    }
    platformSaveBitmap(path.c_str(), s, width, height);
}

// A fresh game directory: the one the build assembled, plus stand-in pictures for any of the
// pictures the first scenes load that the build does not make yet.
class GameDirectory {
public:
    GameDirectory() {
        char pattern[] = "/tmp/yomogi-test-XXXXXX";
        root_ = ::mkdtemp(pattern);
        fs::path game = YOMOGI_GAME_DIR;
        std::error_code ignored;
        for (const char* folder : {"bmp", "bgm", "se", "data", "map", "hude", "insert"}) {
            if (fs::exists(game / folder)) {
                fs::copy(game / folder, root_ / folder, fs::copy_options::recursive, ignored);
            }
        }
        fs::create_directories(root_ / "bmp");
        fs::create_directories(root_ / "map");
        fs::create_directories(root_ / "data");
        struct Picture {
            const char* name;
            int width, height;
        } pictures[] = {{"TL4-1", 320, 700}, {"font2", 256, 256}, {"cursor", 64, 64}, {"rankfont", 64, 16}};
        for (const Picture& p : pictures) {
            fs::path file = root_ / "bmp" / (std::string(p.name) + ".bmp");
            if (!fs::exists(file)) writeFixturePicture(file, p.width, p.height);
        }
    }
    ~GameDirectory() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    const fs::path& root() const { return root_; }
    fs::path file(const std::string& name) const { return root_ / name; }

    // Runs yomogi --root <dir> <arguments> from the directory; returns the exit status.
    int run(const std::string& arguments) {
        std::string command = "cd '" + root_.string() + "' && '" YOMOGI_EXE "' --root '" +
                              root_.string() + "' " + arguments + " > '" + (root_ / "stdout.txt").string() +
                              "' 2> '" + (root_ / "stderr.txt").string() + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string standardError() const { return readText(root_ / "stderr.txt"); }

    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> out;
        std::istringstream text(readText(root_ / name));
        for (std::string line; std::getline(text, line);) out.push_back(line);
        return out;
    }

private:
    fs::path root_;
};

// The text of a field in a flat trace line: "key":value up to the next comma or closing bracket
// at the same depth.
inline std::string field(const std::string& line, const std::string& key) {
    std::string marker = "\"" + key + "\":";
    size_t at = line.find(marker);
    if (at == std::string::npos) return "<missing>";
    size_t start = at + marker.size();
    int depth = 0;
    size_t end = start;
    for (; end < line.size(); ++end) {
        char c = line[end];
        if (c == '{' || c == '[') ++depth;
        if (c == '}' || c == ']') {
            if (depth == 0) break;
            --depth;
        }
        if (c == ',' && depth == 0) break;
    }
    return line.substr(start, end - start);
}

inline int intField(const std::string& line, const std::string& key) {
    return std::atoi(field(line, key).c_str());
}

}  // namespace testgame
