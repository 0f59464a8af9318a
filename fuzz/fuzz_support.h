// What the fuzz targets share: a scratch game directory, the headless platform and the frame state
// set up once, the input cut into files, and buttons for the frames a target plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// An input of several files: sections separated by NUL bytes (the game's text files never hold
// one), then whatever follows the last separator a target asks for.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : text_(reinterpret_cast<const char*>(data), size) {}
    // The next section (up to the next NUL, or the rest).
    std::string_view section();
    // Everything not yet taken.
    std::string_view rest();

private:
    std::string_view text_;
    size_t at_ = 0;
};

// The buttons of frame n of a run: one byte per frame (Enter, Left, Right, Up, Down, A, D, R or
// Backspace), nothing once the bytes run out. Escape and P are never pressed: they end the scene.
uint32_t fuzzButtons(std::string_view keys, size_t frame);

// Enters the scratch game directory (made once per process in /dev/shm or /tmp: the game's
// pictures linked in, data/ and map/ its own, world 0 and the data files copied from the built
// game), opens the headless platform, and sets the frame state to that of a fresh start: a 640 x
// 480 back buffer and fade surface, the fonts and glyph table loaded, buttons up, no scene, no
// world. Call at the start of every input. A fatal fault (a picture that cannot be loaded) throws
// FuzzFatal, which fuzzQuietly catches.
void fuzzBegin();
// The shipped file name back as the built game has it (data/, map/000/).
void fuzzRestore(const std::string& relativePath);
void fuzzWrite(const std::string& relativePath, std::string_view bytes);

struct FuzzFatal {};

// Runs body with standard error sent to /dev/null (the game's warnings, one per refused file,
// would drown a fuzzer's output) and a fatal fault caught.
template <typename Body>
void fuzzQuietly(Body body);

// A finding that is not a crash: a rule of the game broken (a world that no longer loads after a
// first clear, a script that does not read back). Ends the process as a crash does.
[[noreturn]] void fuzzFinding(const char* what);

// --- implementation of the template ------------------------------------------------------------
int fuzzSilenceBegin();
void fuzzSilenceEnd(int saved);

template <typename Body>
void fuzzQuietly(Body body) {
    const int saved = fuzzSilenceBegin();
    try {
        body();
    } catch (const FuzzFatal&) {
    }
    fuzzSilenceEnd(saved);
}
