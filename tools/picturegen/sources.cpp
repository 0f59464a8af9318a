#include "sources.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace pg {
namespace {

struct Sources {
    std::map<std::string, Colour> palette;
    std::map<std::string, Image> sprites;
};
Sources sources;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "picturegen: %s\n", what.c_str());
    std::exit(1);
}

std::string stripComment(const std::string& line) {
    auto hash = line.find('#');
    std::string s = hash == std::string::npos ? line : line.substr(0, hash);
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

void readPalette(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) fail("cannot read " + file.string());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(stripComment(line));
        std::string name, hex;
        if (!(words >> name >> hex)) continue;
        sources.palette[name] = Colour(std::stoul(hex, nullptr, 16)) & 0xFFFFFF;
    }
}

// A sprite file: "colour <char> <palette name>" lines give the legend ("key" is the magenta
// key), "sprite <name> <w> <h>" is followed by h rows of w legend characters.
void readSprites(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) fail("cannot read " + file.string());
    std::map<char, Colour> legend{{'.', kMagenta}};
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "colour") {
            std::string ch, name;
            words >> ch >> name;
            if (ch.size() != 1) fail(file.string() + ":" + std::to_string(lineNo) + ": legend needs one character");
            legend[ch[0]] = name == "key" ? kMagenta : pal(name);
        } else if (word == "sprite") {
            std::string name;
            int w = 0, h = 0;
            words >> name >> w >> h;
            Image img(w, h, kMagenta);
            for (int y = 0; y < h; ++y) {
                if (!std::getline(in, line)) fail(file.string() + ": sprite " + name + " ends early");
                ++lineNo;
                for (int x = 0; x < w; ++x) {
                    char c = x < int(line.size()) ? line[x] : '.';
                    auto it = legend.find(c);
                    if (it == legend.end())
                        fail(file.string() + ":" + std::to_string(lineNo) + ": unknown colour '" + c + "'");
                    img.set(x, y, it->second);
                }
            }
            sources.sprites[name] = img;
        }
    }
}

}  // namespace

void loadSources(const std::string& dir) {
    namespace fs = std::filesystem;
    readPalette(fs::path(dir) / "palette.txt");
    std::vector<fs::path> files;
    if (fs::is_directory(fs::path(dir) / "sprites"))
        for (auto& entry : fs::directory_iterator(fs::path(dir) / "sprites"))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());  // the same order on every machine
    for (auto& f : files) readSprites(f);
}

Colour pal(const std::string& name) {
    auto it = sources.palette.find(name);
    if (it == sources.palette.end()) fail("palette.txt has no colour '" + name + "'");
    return it->second;
}

const Image& sprite(const std::string& name) {
    auto it = sources.sprites.find(name);
    if (it == sources.sprites.end()) fail("no sprite '" + name + "' in sprites/*.txt");
    return it->second;
}

bool hasSprite(const std::string& name) { return sources.sprites.count(name) != 0; }

}  // namespace pg
