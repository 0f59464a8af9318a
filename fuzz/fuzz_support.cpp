// The fuzz targets' scratch game directory and fresh frame state.
#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "audio/audio.h"
#include "base/save_paths.h"
#include "game/game.h"
#include "input/input.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/world_files.h"
#include "text/glyph_text.h"

namespace fs = std::filesystem;

namespace {

fs::path gameDirectory() {
    if (const char* named = std::getenv("YOMOGI_FUZZ_GAME_DIR"); named && *named) return named;
    return YOMOGI_GAME_DIR;
}

fs::path scratch;

void removeScratch() {
    std::error_code ignored;
    if (!scratch.empty()) fs::remove_all(scratch, ignored);
}

[[noreturn]] void fatalFault() { throw FuzzFatal{}; }

// Once per process: the scratch directory beside nothing else, the game's pictures linked in,
// its data and world files copied (the targets overwrite them), the platform and the fonts.
void prepareOnce() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    const fs::path game = gameDirectory();
    if (!fs::is_directory(game / "bmp") || !fs::is_directory(game / "map")) {
        std::fprintf(stderr, "fuzz: no built game in %s (build the assets target, or set YOMOGI_FUZZ_GAME_DIR)\n",
                     game.c_str());
        std::exit(2);
    }
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    scratch = base / ("yomogi-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    std::atexit(removeScratch);
    for (const char* pictures : {"bmp", "hude", "insert"})
        if (fs::exists(game / pictures)) fs::create_directory_symlink(fs::absolute(game / pictures), scratch / pictures);
    for (const char* folder : {"data", "map"}) fs::copy(game / folder, scratch / folder, fs::copy_options::recursive);
    fs::current_path(scratch);
    setSaveDirectory("");
    platformOpen(Backend::Headless);
    display.width = 640;
    display.height = 480;
    display.mode = 2;
    platformSetHandlers({nullptr, nullptr, fatalFault});
    loadGlyphTable();
}

}  // namespace

std::string_view FuzzInput::section() {
    if (at_ >= text_.size()) return {};
    const size_t end = text_.find('\0', at_);
    const std::string_view part = text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_);
    at_ = end == std::string_view::npos ? text_.size() : end + 1;
    return part;
}

std::string_view FuzzInput::rest() {
    const std::string_view part = at_ < text_.size() ? text_.substr(at_) : std::string_view{};
    at_ = text_.size();
    return part;
}

uint32_t fuzzButtons(std::string_view keys, size_t frame) {
    if (frame >= keys.size()) return 0;
    static constexpr int kBits[8] = {kButtonEnter, kButtonLeft, kButtonRight, kButtonJump,
                                     kButtonMenuDown, kButtonTurnLeft, kButtonTurnRight, kButtonRestart};
    const auto byte = static_cast<uint8_t>(keys[frame]);
    uint32_t held = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (byte & (1u << bit)) held |= 1u << kBits[bit];
    }
    // Up means jump in play and cursor up in the menus; R is also Backspace, the menus' way back.
    if (held & (1u << kButtonJump)) held |= 1u << kButtonMenuUp;
    if (held & (1u << kButtonRestart)) held |= 1u << kButtonBack;
    return held;
}

void fuzzBegin() {
    prepareOnce();
    resetAppState();
    display.width = 640;
    display.height = 480;
    display.mode = 2;
    app.backBuffer = createScreenSurface();
    app.fadeSurface = createSurface(640, 480);
    fillSurface(app.fadeSurface.get(), kBlack);
    app.frameRate = 29;
    app.framePresented = 1;
    resetInputState();
    audio = AudioState{};
    game = GameState{};
    clearResultRecord();
    clearWorld();
    platformSetHandlers({nullptr, nullptr, fatalFault});
    // Files kept aside by an earlier input would pile up.
    std::error_code ignored;
    for (const char* folder : {"data", "map/000"})
        for (const auto& entry : fs::directory_iterator(folder, ignored))
            if (entry.path().filename().string().find(".bad") != std::string::npos) fs::remove(entry.path(), ignored);
}

void fuzzRestore(const std::string& relativePath) {
    std::error_code ignored;
    fs::copy_file(gameDirectory() / relativePath, relativePath, fs::copy_options::overwrite_existing, ignored);
}

void fuzzWrite(const std::string& relativePath, std::string_view bytes) {
    std::ofstream(relativePath, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                         static_cast<std::streamsize>(bytes.size()));
}

namespace {

// Standard error as the fuzzer sees it while the game's is silenced.
int visibleError = 2;

// The replay build and YOMOGI_FUZZ_VERBOSE=1 show the game's messages (and every sanitizer
// report); a fuzzing run keeps them out of its log.
bool silencing() {
#ifdef YOMOGI_LIBFUZZER
    const char* verbose = std::getenv("YOMOGI_FUZZ_VERBOSE");
    return !(verbose && *verbose == '1');
#else
    return false;
#endif
}

}  // namespace

int fuzzSilenceBegin() {
    if (!silencing()) return -1;
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        ::dup2(quiet, 2);
        ::close(quiet);
    }
    visibleError = saved;
    return saved;
}

void fuzzSilenceEnd(int saved) {
    if (saved < 0) return;
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    visibleError = 2;
}

[[noreturn]] void fuzzFinding(const char* what) {
    std::fflush(stderr);
    if (visibleError != 2) ::dup2(visibleError, 2);
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::fflush(stderr);
    std::abort();
}
