// The sound effects and music tracks that the build writes into the game directory: effects as
// WAV, music as Ogg Vorbis, checked on the audio the game's decoder gets out of them.
#include "assets/sound_ogg.h"
#include "assets/sound_wav.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "../../tools/soundgen/render.h"
#include "../../tools/soundgen/score.h"

namespace fs = std::filesystem;

namespace {

const char* const kEffects[] = {"se/enter3.wav", "se/jump.wav", "se/kaiten2.wav", "se/mekuru1.wav"};
const char* const kTracks[] = {"bgm/OPBGM.ogg",   "bgm/BGM.ogg",     "bgm/CLEARBGM.ogg",
                               "bgm/OVERBGM.ogg", "bgm/GAMEBGM.ogg", "bgm/ENDINGBGM.ogg"};

std::string inGame(const std::string& relative) { return std::string(YOMOGI_GAME_DIR) + "/" + relative; }

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int peakOf(const WavFile& wav, size_t from, size_t to) {
    int peak = 0;
    for (size_t f = from; f < to; ++f) {
        for (int c = 0; c < wav.channels; ++c) peak = std::max(peak, std::abs(wav.sample(f, c)));
    }
    return peak;
}

double rmsOf(const WavFile& wav, size_t from, size_t to, int channel) {
    double sum = 0.0;
    for (size_t f = from; f < to; ++f) sum += static_cast<double>(wav.sample(f, channel)) * wav.sample(f, channel);
    return std::sqrt(sum / static_cast<double>(to - from));
}

}  // namespace

TEST(SoundFiles, EffectsAreShortAudiblePcmThatStartAndEndInSilence) {
    for (const char* name : kEffects) {
        SCOPED_TRACE(name);
        const WavFile wav = readWav(inGame(name));
        ASSERT_TRUE(wav.valid) << wav.fault;
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_GT(wav.seconds(), 0.1);
        EXPECT_LT(wav.seconds(), 1.5);
        EXPECT_GT(peakOf(wav, 0, wav.frames()), 8000) << "too quiet to hear over the music";
        EXPECT_LT(peakOf(wav, 0, wav.frames()), 32767) << "clipped";
        // A new effect cuts the previous one, so both ends must be near silence to avoid clicks.
        EXPECT_LT(peakOf(wav, 0, 1), 600);
        EXPECT_LT(peakOf(wav, wav.frames() - 1, wav.frames()), 600);
    }
}

TEST(SoundFiles, TheRoomTurnLastsAsLongAsTheTurnAnimation) {
    // 30 frames of 34 ms: the grinding must cover the whole turn.
    const WavFile wav = readWav(inGame("se/kaiten2.wav"));
    ASSERT_TRUE(wav.valid) << wav.fault;
    EXPECT_GE(wav.seconds(), 1.0);
    const size_t late = static_cast<size_t>(0.9 * wav.rate);
    EXPECT_GT(rmsOf(wav, late - wav.rate / 10, late, 0), 500.0) << "silent before the turn ends";
}

TEST(MusicFiles, TracksAreLongStereoLoopsWithoutGaps) {
    for (const char* name : kTracks) {
        SCOPED_TRACE(name);
        const OggFile wav = readOggVorbis(inGame(name));
        ASSERT_TRUE(wav.valid) << wav.fault;
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_GE(wav.seconds(), 20.0);
        EXPECT_LT(peakOf(wav, 0, wav.frames()), 32767) << "clipped";
        // Music all the way through: every second of the loop carries sound.
        for (size_t second = 0; second + 1 < static_cast<size_t>(wav.seconds()); ++second) {
            const size_t from = second * wav.rate;
            EXPECT_GT(rmsOf(wav, from, from + wav.rate, 0), 300.0) << "near silence at " << second << " s";
        }
    }
}

TEST(MusicFiles, TheEndFlowsIntoTheStartWithoutAClick) {
    for (const char* name : kTracks) {
        SCOPED_TRACE(name);
        const OggFile wav = readOggVorbis(inGame(name));
        ASSERT_TRUE(wav.valid) << wav.fault;
        ASSERT_GT(wav.frames(), static_cast<size_t>(wav.rate));
        for (int c = 0; c < wav.channels; ++c) {
            // The largest step between neighbouring samples of the first second is what the music
            // itself does; the step from the last sample back to the first must be no larger.
            int largestStep = 0;
            for (size_t f = 1; f < static_cast<size_t>(wav.rate); ++f) {
                largestStep = std::max(largestStep, std::abs(wav.sample(f, c) - wav.sample(f - 1, c)));
            }
            const int seam = std::abs(wav.sample(0, c) - wav.sample(wav.frames() - 1, c));
            EXPECT_LE(seam, largestStep) << "channel " << c;
            // Nor a step out of place where it happens: the coded edges of the file must join
            // about as smoothly as the music moves on either side of the seam.
            double steps = 0.0;
            for (size_t f = 1; f < 200; ++f) {
                steps += std::abs(wav.sample(f, c) - wav.sample(f - 1, c)) +
                         std::abs(wav.sample(wav.frames() - f, c) - wav.sample(wav.frames() - f - 1, c));
            }
            EXPECT_LE(seam, 3.0 * steps / 398.0 + 32.0) << "channel " << c;
            // And the level carries on across the seam: a loop that faded out would jump back in.
            const double before = rmsOf(wav, wav.frames() - wav.rate / 4, wav.frames(), c);
            const double after = rmsOf(wav, 0, wav.rate / 4, c);
            EXPECT_LT(std::abs(before - after), 0.6 * std::max(before, after) + 200.0) << "channel " << c;
        }
    }
}

namespace {

soundgen::Score scoreOf(const std::string& track) {
    const std::string file = std::string(YOMOGI_SOURCE_DIR) + "/content/music/" + track + ".score";
    return soundgen::parseScore(bytesOf(file), track + ".score");
}

}  // namespace

TEST(MusicFiles, EachFileHoldsExactlyOneLoopOfItsScore) {
    // No encoder padding and no lead-in: the stream says it holds the score's bars to the frame,
    // and the decoder gives exactly that many, so the loop comes round on the beat.
    for (const char* name : kTracks) {
        SCOPED_TRACE(name);
        const std::string track = fs::path(name).stem().string();
        const OggFile ogg = readOggVorbis(inGame(name));
        ASSERT_TRUE(ogg.valid) << ogg.fault;
        const soundgen::Score score = scoreOf(track);
        const double seconds = score.totalBeats * score.secondsPerBeat();
        EXPECT_EQ(ogg.pcmTotal, std::llround(seconds * ogg.rate));
        EXPECT_EQ(static_cast<long long>(ogg.frames()), ogg.pcmTotal);
    }
}

TEST(MusicFiles, TheDecodedTrackIsTheRenderedLoopInPlace) {
    // The shortest track rendered again here: the decoded audio follows it sample for sample
    // (a shift of one sample or a lost stretch would bring the difference up to the music's own
    // size), to within what a lossy coder leaves and the level the generator may take off to keep
    // the coded peaks below full scale.
    const soundgen::Score score = scoreOf("CLEARBGM");
    const std::vector<float> rendered = soundgen::renderScore(score);
    const OggFile ogg = readOggVorbis(inGame("bgm/CLEARBGM.ogg"));
    ASSERT_TRUE(ogg.valid) << ogg.fault;
    ASSERT_EQ(ogg.samples.size(), rendered.size());
    auto errorAt = [&](int shift) {
        // The residue after the best level: 1 - (want . got)^2 / (|want|^2 |got|^2).
        double wantWant = 0.0, gotGot = 0.0, wantGot = 0.0;
        for (size_t i = 2 * 2048; i + 2 * 2048 < rendered.size(); ++i) {
            const double want = std::clamp(rendered[i], -1.0f, 1.0f) * 32767.0;
            const double got = ogg.samples[i + 2 * shift];
            wantWant += want * want;
            gotGot += got * got;
            wantGot += want * got;
        }
        return 1.0 - wantGot * wantGot / (wantWant * gotGot);
    };
    EXPECT_LT(errorAt(0), 0.1);  // better than 10 dB, about 16 dB as encoded
    EXPECT_GT(errorAt(1), 2.0 * errorAt(0));
    EXPECT_GT(errorAt(-1), 2.0 * errorAt(0));
}

TEST(SoundGenerator, TwoRunsWriteTheSameBytes) {
    const fs::path scratch = fs::temp_directory_path() / ("yomogi_soundgen_" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    const std::string command = std::string(YOMOGI_SOUNDGEN) + " " + YOMOGI_SOURCE_DIR + "/content/music " +
                                scratch.string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> names(std::begin(kEffects), std::end(kEffects));
    names.insert(names.end(), std::begin(kTracks), std::end(kTracks));
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const std::string fresh = bytesOf((scratch / name).string());
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == bytesOf(inGame(name))) << "differs from the build's copy";
    }
    fs::remove_all(scratch);
}
