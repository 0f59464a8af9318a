// The headless runner: reads the options, finds the game directory, chooses the backend and
// joins the frame loop to feed the scripted keyboard, record it, write the trace and the
// screenshots, and end the run after the asked number of frames.
#include "app/runner.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/app.h"
#include "app/runner_script.h"
#include "app/startup.h"
#include "app/trace.h"
#include "base/atomic_file.h"
#include "base/save_paths.h"
#include "game/game.h"
#include "platform/platform.h"

RunnerOptions runner;

namespace {

struct RunnerState {
    InputScript script;
    bool scripted = false;
    AtomicFile trace;
    ScriptRecorder recorder;
    bool recording = false;
    long frame = 0;
};
RunnerState state;

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "yomogi: %s\n", message.c_str());
    std::fflush(stderr);
    std::_Exit(2);
}

bool parseWhole(const char* text, long min, long max, long& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) return false;
    // Leading spaces or signs other than a minus for negative ranges are not numbers here.
    if (!(std::isdigit(static_cast<unsigned char>(text[0])) || (text[0] == '-' && min < 0))) {
        return false;
    }
    out = static_cast<long>(value);
    return true;
}

bool isDirectory(const char* path) {
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string directoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool holdsGame(const std::string& directory) {
    return isDirectory((directory + "/bmp").c_str()) && isDirectory((directory + "/map").c_str());
}

// The game directory: where we stand when it holds bmp/ and map/, else beside the executable (a
// build tree), else the installed data the executable's own place leads to (bin/../share/yomogi).
void findGameDirectory(const char* argv0) {
    if (runner.rootGiven) {
        if (::chdir(runner.root.c_str()) != 0) {
            fail("cannot use " + runner.root + " as the game directory: " + std::strerror(errno));
        }
        return;
    }
    if (holdsGame(".")) return;
    char self[PATH_MAX] = {};
    ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string executable = length > 0 ? std::string(self, static_cast<size_t>(length))
                                        : std::string(argv0 ? argv0 : "");
    const std::string beside = directoryOf(executable);
    std::string data = YOMOGI_DATA_FROM_BINDIR;
    if (!data.empty() && data[0] != '/') data = beside + "/" + data;
    for (const std::string& directory : {beside, data}) {
        if (holdsGame(directory) && ::chdir(directory.c_str()) == 0) return;
    }
    fail("cannot find the game's data (bmp/ and map/) here, beside " + executable + " or in " + data +
         "; name it with --root DIR");
}

// Where the player's files are written: --save-dir, else the game directory itself when --root
// names one (tests and replays run in a directory of their own), else the user's data directory.
void chooseSaveDirectory() {
    if (runner.saveDirGiven) {
        setSaveDirectory(runner.saveDir);
    } else if (runner.rootGiven) {
        setSaveDirectory("");
    } else {
        // Without any home directory the game directory keeps the files, as it always could.
        setSaveDirectory(defaultSaveDirectory());
    }
}

void writeRecord() {
    if (!state.recording) return;
    if (!writeFileAtomically(runner.recordFile, state.recorder.text())) {
        std::fprintf(stderr, "yomogi: cannot write the record %s\n", runner.recordFile.c_str());
        frameHooks.failedStatus = 2;
    }
    state.recording = false;
}

// --- Frame hooks -------------------------------------------------------------------------------

// A world that cannot be loaded under --world ends the run with status 2.
void worldRefused() { exitWithStatus(2); }

void afterStartUp() {
    if (!runner.worldGiven) return;
    // Exactly what the world select does when it chooses a world.
    game.worldRefused = worldRefused;
    enterWorld(runner.world);
}

void beforeFrame() {
    ++state.frame;
    if (state.scripted) {
        KeySet keys = state.script.keysInFrame(state.frame);
        int codes[kScriptKeyCount];
        int count = 0;
        for (int i = 0; i < kScriptKeyCount; ++i) {
            if (keys & (KeySet{1} << i)) codes[count++] = scriptKeyVirtualCode(i);
        }
        platformScriptKeys(true, codes, count);
    }
    if (state.recording) {
        KeySet held = 0;
        for (int i = 0; i < kScriptKeyCount; ++i) {
            if (platformKeyDown(scriptKeyVirtualCode(i))) held |= KeySet{1} << i;
        }
        state.recorder.addFrame(held);
    }
}

void afterFrame() {
    if (state.trace.isOpen()) {
        std::string line = traceLine(state.frame);
        line += '\n';
        state.trace.write(line);
    }
    for (const ShotRequest& shot : runner.shots) {
        if (shot.frame == state.frame && !platformSaveFrame(shot.file.c_str())) {
            std::fprintf(stderr, "yomogi: cannot write the picture %s\n", shot.file.c_str());
            exitWithStatus(2);
        }
    }
    if (runner.framesGiven && state.frame >= runner.frames) app.quitRequested = 1;
}

void beforeExit() {
    if (state.trace.isOpen() && !state.trace.commit()) {
        std::fprintf(stderr, "yomogi: cannot write the trace %s\n", runner.traceFile.c_str());
        frameHooks.failedStatus = 2;
    }
    writeRecord();
}

// File names on the command line are meant from where the command was given, even when --root
// moves the program into the game directory.
void makeAbsolute(std::string& path) {
    if (path.empty() || path[0] == '/') return;
    char here[PATH_MAX];
    if (::getcwd(here, sizeof here)) path = std::string(here) + "/" + path;
}

}  // namespace

bool parseRunnerOptions(int argc, const char* const* argv, RunnerOptions& out, std::string& error) {
    out = RunnerOptions{};
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        auto value = [&](const char*& into) {
            if (i + 1 >= argc) {
                error = option + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        const char* text = nullptr;
        long number = 0;
        if (option == "--help" || option == "-h") {
            out.help = true;
        } else if (option == "--version") {
            out.version = true;
        } else if (option == "--headless") {
            out.headless = true;
        } else if (option == "--save-dir") {
            if (!value(text)) return false;
            if (!*text) return error = "--save-dir needs a directory", false;
            out.saveDirGiven = true;
            out.saveDir = text;
        } else if (option == "--root") {
            if (!value(text)) return false;
            if (!*text) return error = "--root needs a directory", false;
            out.rootGiven = true;
            out.root = text;
        } else if (option == "--frames") {
            if (!value(text)) return false;
            if (!parseWhole(text, 1, LONG_MAX / 2, number)) {
                return error = "--frames needs a frame count of 1 or more, not \"" + std::string(text) + "\"", false;
            }
            out.framesGiven = true;
            out.frames = number;
        } else if (option == "--input" || option == "--trace" || option == "--record") {
            if (!value(text)) return false;
            if (!*text) return error = option + " needs a file name", false;
            (option == "--input" ? out.inputFile : option == "--trace" ? out.traceFile : out.recordFile) = text;
        } else if (option == "--shot") {
            if (!value(text)) return false;
            const char* colon = std::strchr(text, ':');
            std::string frameText = colon ? std::string(text, colon) : std::string();
            if (!colon || !parseWhole(frameText.c_str(), 1, LONG_MAX / 2, number) || !colon[1]) {
                return error = "--shot needs FRAME:FILE, not \"" + std::string(text) + "\"", false;
            }
            out.shots.push_back({number, colon + 1});
        } else if (option == "--seed") {
            if (!value(text)) return false;
            if (!parseWhole(text, 0, 0xFFFFFFFFL, number)) {
                return error = "--seed needs a number from 0 to 4294967295, not \"" + std::string(text) + "\"", false;
            }
            out.seedGiven = true;
            out.seed = static_cast<uint32_t>(number);
        } else if (option == "--world") {
            if (!value(text)) return false;
            if (!parseWhole(text, 0, 999, number)) {
                return error = "--world needs a world number from 0 to 999, not \"" + std::string(text) + "\"", false;
            }
            out.worldGiven = true;
            out.world = static_cast<int>(number);
        } else {
            error = "unknown option \"" + option + "\" (yomogi --help lists them)";
            return false;
        }
    }
    // A picture after the last frame would never be taken.
    for (const ShotRequest& shot : out.shots) {
        if (out.framesGiven && shot.frame > out.frames) {
            error = "--shot " + std::to_string(shot.frame) + ":" + shot.file + " lies after the last frame (--frames " +
                    std::to_string(out.frames) + ")";
            return false;
        }
    }
    return true;
}

[[noreturn]] void runnerMain(int argc, const char* const* argv) {
    std::string error;
    if (!parseRunnerOptions(argc, argv, runner, error)) fail(error);
    if (runner.help || runner.version) {
        std::fputs(runner.help ? runnerUsage() : runnerVersion(), stdout);
        std::fputc('\n', stdout);
        std::exit(std::fflush(stdout) == 0 ? 0 : 2);
    }
    makeAbsolute(runner.saveDir);
    makeAbsolute(runner.inputFile);
    makeAbsolute(runner.traceFile);
    makeAbsolute(runner.recordFile);
    for (ShotRequest& shot : runner.shots) makeAbsolute(shot.file);
    findGameDirectory(argc > 0 ? argv[0] : nullptr);
    chooseSaveDirectory();
    if (runner.headless && !runner.seedGiven) {
        runner.seedGiven = true;
        runner.seed = 1;
    }
    if (!runner.inputFile.empty()) {
        if (isDirectory(runner.inputFile.c_str())) fail("cannot read the input script " + runner.inputFile + ": it is a directory");
        std::ifstream file(runner.inputFile, std::ios::binary);
        if (!file) fail("cannot read the input script " + runner.inputFile);
        std::stringstream text;
        text << file.rdbuf();
        if (file.bad()) fail("cannot read the input script " + runner.inputFile);
        if (!parseInputScript(text.str(), state.script, error)) {
            fail("input script " + runner.inputFile + ", " + error);
        }
        state.scripted = true;
    }
    if (!runner.recordFile.empty()) {
        std::FILE* probe = std::fopen(runner.recordFile.c_str(), "ab");
        if (!probe) fail("cannot write the record " + runner.recordFile + ": " + std::strerror(errno));
        std::fclose(probe);
        state.recording = true;
    }
    if (!runner.traceFile.empty()) {
        if (!state.trace.open(runner.traceFile)) fail("cannot write the trace " + runner.traceFile + ": " + std::strerror(errno));
    }
    if (!platformOpen(runner.headless ? Backend::Headless : Backend::Sdl)) {
        beforeExit();
        std::exit(1);
    }
    frameHooks.afterStartUp = afterStartUp;
    frameHooks.beforeFrame = beforeFrame;
    frameHooks.afterFrame = afterFrame;
    frameHooks.beforeExit = beforeExit;
    programEntry();
}

[[noreturn]] void exitWithStatus(int code) { endProcess(code); }
