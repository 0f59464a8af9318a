// soundgen: writes the game's sound effects and music.
// Usage: soundgen MUSIC_DIR GAME_DIR
//   GAME_DIR/se/   the four effects, synthesised in effects.cpp
//   GAME_DIR/bgm/  one track per score MUSIC_DIR/<NAME>.score, written as <NAME>.wav
#include "effects.h"
#include "render.h"
#include "score.h"
#include "synth.h"
#include "wav.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

// The six tracks the game plays; each must have its score.
const char* const kTracks[] = {"OPBGM", "BGM", "CLEARBGM", "OVERBGM", "GAMEBGM", "ENDINGBGM"};

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write(const fs::path& path, const std::vector<float>& samples, int channels) {
    if (!writeWav(path.string(), samples, channels, kSampleRate)) {
        throw std::runtime_error(path.string() + ": cannot be written");
    }
    std::printf("soundgen: %-22s %6.2f s\n", path.filename().c_str(),
                static_cast<double>(samples.size()) / channels / kSampleRate);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: soundgen MUSIC_DIR GAME_DIR\n");
        return 2;
    }
    const fs::path music = argv[1];
    const fs::path game = argv[2];
    try {
        fs::create_directories(game / "se");
        fs::create_directories(game / "bgm");
        write(game / "se" / "enter3.wav", confirmChime(), 1);
        write(game / "se" / "jump.wav", jumpHop(), 1);
        write(game / "se" / "kaiten2.wav", roomTurning(), 1);
        write(game / "se" / "mekuru1.wav", pageTurn(), 1);
        for (const char* track : kTracks) {
            const fs::path source = music / (std::string(track) + ".score");
            const Score score = parseScore(readWholeFile(source), source.filename().string());
            write(game / "bgm" / (std::string(track) + ".wav"), renderScore(score), 2);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
