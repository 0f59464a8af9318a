// Staging a world in a temporary game directory.
#include "world_directory.h"

#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace solver {

namespace fs = std::filesystem;

std::string worldFolder(int world) {
    char path[32];
    std::snprintf(path, sizeof path, "map/%03d/", world);
    return path;
}

std::string clearMapPath(int world, int room) {
    char path[48];
    std::snprintf(path, sizeof path, "map/%03d/clear%03d.txt", world, room);
    return path;
}

bool readWholeFile(const fs::path& path, std::string& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    out = text.str();
    return true;
}

StagedWorld::~StagedWorld() {
    if (root_.empty()) return;
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

bool StagedWorld::stage(const WorldSource& source, std::string& fault) {
    char pattern[] = "/tmp/yomogi-solve-XXXXXX";
    if (!::mkdtemp(pattern)) {
        fault = "cannot make a temporary directory";
        return false;
    }
    root_ = pattern;
    const fs::path from = fs::path(source.root) / worldFolder(source.world);
    const fs::path to = fs::path(root_) / worldFolder(source.world);
    std::error_code error;
    fs::create_directories(to, error);
    if (!fs::is_directory(from)) {
        fault = from.string() + ": no such world directory";
        return false;
    }
    for (const char* name : {"stage.txt", "score.txt", "name.txt", "map.txt", "screen.txt"}) {
        if (fs::exists(from / name)) fs::copy_file(from / name, to / name, error);
    }
    if (!source.mapFile.empty()) {
        if (!fs::exists(from / source.mapFile)) {
            fault = (from / source.mapFile).string() + ": missing";
            return false;
        }
        fs::copy_file(from / source.mapFile, to / "map.txt", fs::copy_options::overwrite_existing, error);
        if (error) {
            fault = (to / "map.txt").string() + ": " + error.message();
            return false;
        }
    }
    const fs::path pictures = fs::absolute(fs::path(source.root) / "bmp", error);
    if (fs::is_directory(pictures)) fs::create_directory_symlink(pictures, fs::path(root_) / "bmp", error);
    return true;
}

}  // namespace solver
