// picturegen: draws every bitmap the game loads and writes it into the game directory.
//
//   picturegen --out GAME_DIR [--content content/pictures] [--font unifont.otf] [--gallery FILE.bmp]
//
// The same sources always give the same bytes. --gallery also writes one contact sheet of
// every picture at 1:1 with its name, for looking the whole set over.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/atomic_file.h"
#include "catalog.h"
#include "gallery.h"
#include "lettering.h"
#include "sources.h"

namespace fs = std::filesystem;

namespace {

std::string defaultFont() {
    for (const char* f : {"/usr/share/fonts/opentype/unifont/unifont_jp.otf", "/usr/share/fonts/opentype/unifont/unifont.otf"})
        if (fs::exists(f)) return f;
    return "/usr/share/fonts/opentype/unifont/unifont_jp.otf";
}

bool writeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    return writeFileAtomically(path.string(), std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

int usage() {
    std::fprintf(stderr, "usage: picturegen --out GAME_DIR [--content DIR] [--font FILE] [--gallery FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, content = "content/pictures", font = defaultFont(), gallery;
    for (int i = 1; i < argc; ++i) {
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        bool ok = false;
        if (!std::strcmp(argv[i], "--out")) ok = value(out);
        else if (!std::strcmp(argv[i], "--content")) ok = value(content);
        else if (!std::strcmp(argv[i], "--font")) ok = value(font);
        else if (!std::strcmp(argv[i], "--gallery")) ok = value(gallery);
        if (!ok) return usage();
    }
    if (out.empty() && gallery.empty()) return usage();

    pg::loadSources(content);
    pg::openLetteringFont(font);

    pg::Catalog catalog;
    pg::addTiles(catalog);
    pg::addBlocks(catalog);
    pg::addPlayer(catalog);
    pg::addCompanions(catalog);
    pg::addEffects(catalog);
    pg::addBackdrops(catalog);
    pg::addResults(catalog);
    pg::addTitle(catalog);
    pg::addSelect(catalog);
    pg::addLogos(catalog);
    pg::addFonts(catalog, font);

    if (!out.empty()) {
        for (const auto& picture : catalog)
            if (!writeFile(fs::path(out) / picture.path, pg::encodeBmp(picture.image))) {
                std::fprintf(stderr, "picturegen: cannot write %s\n", (fs::path(out) / picture.path).c_str());
                return 1;
            }
        std::vector<pg::EncodedFile> icons;
        pg::addIcons(catalog, icons);
        for (const auto& icon : icons)
            if (!writeFile(fs::path(out) / icon.path, icon.bytes)) {
                std::fprintf(stderr, "picturegen: cannot write %s\n", (fs::path(out) / icon.path).c_str());
                return 1;
            }
    }
    if (!gallery.empty() && !writeFile(gallery, pg::encodeBmp(pg::contactSheet(catalog)))) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", gallery.c_str());
        return 1;
    }
    return 0;
}
