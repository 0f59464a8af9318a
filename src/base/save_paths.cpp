// The save directory and the choice between a saved copy and the shipped file.
#include "base/save_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "base/atomic_file.h"

namespace {

std::string saveRoot;

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

bool isFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string homeDirectory() {
    const char* home = std::getenv("HOME");
    if (isAbsolute(home)) return home;
    struct passwd entry;
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found &&
        isAbsolute(found->pw_dir)) {
        return found->pw_dir;
    }
    return "";
}

// The pictures directory as xdg-user-dirs writes it into user-dirs.dirs:
// XDG_PICTURES_DIR="$HOME/Pictures" (or an absolute path). A value of $HOME alone means the user
// has none.
std::string picturesDirectory() {
    const char* named = std::getenv("XDG_PICTURES_DIR");
    if (isAbsolute(named)) return named;
    const std::string home = homeDirectory();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string file = isAbsolute(config) ? std::string(config) : home.empty() ? "" : home + "/.config";
    if (file.empty()) return "";
    std::ifstream dirs(file + "/user-dirs.dirs");
    const std::string key = "XDG_PICTURES_DIR=";
    for (std::string line; std::getline(dirs, line);) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0) {
            if (home.empty()) return "";
            value = home + value.substr(5);
        }
        if (!isAbsolute(value.c_str())) return "";
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        return value == home ? "" : value;
    }
    return "";
}

}  // namespace

void setSaveDirectory(const std::string& directory) {
    saveRoot = directory;
    while (saveRoot.size() > 1 && saveRoot.back() == '/') saveRoot.pop_back();
}

const std::string& saveDirectory() { return saveRoot; }

std::string savePath(std::string_view relativePath) {
    if (saveRoot.empty()) return std::string(relativePath);
    return saveRoot + "/" + std::string(relativePath);
}

std::string savedOrShipped(std::string_view relativePath) {
    if (!saveRoot.empty()) {
        std::string saved = savePath(relativePath);
        if (isFile(saved)) return saved;
    }
    return std::string(relativePath);
}

bool makeDirectories(const std::string& directory) {
    if (directory.empty()) return true;
    struct stat info;
    if (::stat(directory.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    const size_t slash = directory.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(directory.substr(0, slash))) return false;
    // Private to the player: the saves are nobody else's business.
    return ::mkdir(directory.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeSavedFile(std::string_view relativePath, std::string_view content) {
    const std::string path = savePath(relativePath);
    // The save directory is made on the first write; the game directory itself is written only
    // where its folders already stand.
    const size_t slash = path.find_last_of('/');
    if (!saveRoot.empty() && slash != std::string::npos && slash > 0 &&
        !makeDirectories(path.substr(0, slash)))
        return false;
    return writeFileAtomically(path, content);
}

std::string defaultSaveDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (isAbsolute(dataHome)) return std::string(dataHome) + "/yomogi";
    const std::string home = homeDirectory();
    return home.empty() ? "" : home + "/.local/share/yomogi";
}

std::string screenshotDirectory() {
    const std::string pictures = picturesDirectory();
    if (!pictures.empty()) return pictures + "/yomogi";
    return savePath("screenshots");
}
