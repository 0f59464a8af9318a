// soundgen: writes the game's sound effects and music.
// Usage: soundgen MUSIC_DIR GAME_DIR
//   GAME_DIR/se/   the four effects, synthesised in effects.cpp
//   GAME_DIR/bgm/  one track per score MUSIC_DIR/<NAME>.score, written as <NAME>.ogg (Ogg Vorbis)
#include "effects.h"
#include "ogg.h"
#include "render.h"
#include "score.h"
#include "synth.h"
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

// Vorbis quality of the music (0..1): at 22 kHz stereo about 60 kbit/s, a tenth of the WAV.
constexpr float kMusicQuality = 0.4f;

void report(const fs::path& path, const std::vector<float>& samples, int channels) {
    std::printf("soundgen: %-22s %6.2f s %8ju bytes\n", path.filename().c_str(),
                static_cast<double>(samples.size()) / channels / kSampleRate,
                static_cast<uintmax_t>(fs::file_size(path)));
}

void write(const fs::path& path, const std::vector<float>& samples, int channels) {
    if (!writeWav(path.string(), samples, channels, kSampleRate)) {
        throw std::runtime_error(path.string() + ": cannot be written");
    }
    report(path, samples, channels);
}

std::string trimmed(const std::string& text) {
    const size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string::npos) return {};
    return text.substr(from, text.find_last_not_of(" \t\r") - from + 1);
}

// Each track's stream gets its own serial number, the same on every run.
int serialOf(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
    return static_cast<int>(hash & 0x7FFFFFFF);
}

// Decoded peaks stay this far below full scale, where the player's decoder would clip them.
constexpr double kMusicCeiling = 0.97;

// A track whose coded peaks come out above the ceiling is encoded again a little softer; the
// others keep the level they were mixed to.
void writeMusic(const fs::path& path, std::vector<float> samples, const std::string& title) {
    const std::string name = path.stem().string();
    for (int attempt = 0;; ++attempt) {
        if (!writeOggVorbis(path.string(), samples, 2, kSampleRate, kMusicQuality, serialOf(name),
                            title)) {
            throw std::runtime_error(path.string() + ": cannot be encoded");
        }
        const double peak = decodedPeak(path.string());
        if (peak < 0.0) throw std::runtime_error(path.string() + ": cannot be decoded");
        if (peak <= kMusicCeiling) break;
        if (attempt == 3) throw std::runtime_error(path.string() + ": peaks stay above full scale");
        const float softer = static_cast<float>(0.99 * kMusicCeiling / peak);
        for (float& s : samples) s *= softer;
        std::printf("soundgen: %-22s coded peak %.3f, encoded again %.1f dB softer\n",
                    path.filename().c_str(), peak, 20.0 * std::log10(softer));
    }
    report(path, samples, 2);
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
            writeMusic(game / "bgm" / (std::string(track) + ".ogg"), renderScore(score),
                       trimmed(score.title));
            // An earlier build shipped the music as WAV: leave no stale copy behind.
            fs::remove(game / "bgm" / (std::string(track) + ".wav"));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
