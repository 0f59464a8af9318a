// The command line of the game executable: without options it is the game; the options drive it
// headless, from an input script, and write a trace, screenshots and the keyboard of the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ShotRequest {
    long frame = 0;
    std::string file;
};

struct RunnerOptions {
    bool rootGiven = false;
    std::string root;
    bool saveDirGiven = false;
    std::string saveDir;  // where the progress files and the key assignment are written
    bool help = false;     // --help: the options and keys, nothing else
    bool version = false;  // --version
    bool headless = false;
    bool framesGiven = false;
    long frames = 0;
    std::string inputFile;   // "" = the keyboard itself
    std::string traceFile;   // "" = no trace
    std::string recordFile;  // "" = no record
    std::vector<ShotRequest> shots;
    bool seedGiven = false;
    uint32_t seed = 0;
    bool worldGiven = false;
    int world = 0;
};
extern RunnerOptions runner;

// Reads the options (argv[1..]); false with a one-line reason when one is bad.
bool parseRunnerOptions(int argc, const char* const* argv, RunnerOptions& out, std::string& error);

// The text of --help: every option and the keys.
const char* runnerUsage();
// "yomogi <version>".
const char* runnerVersion();

// The whole program: options, game directory, save directory, platform, the game. Never returns.
[[noreturn]] void runnerMain(int argc, const char* const* argv);

// Ends the process with this status after completing the runner's files and releasing the
// platform (a world that cannot be loaded under --world ends with 2).
[[noreturn]] void exitWithStatus(int code);
