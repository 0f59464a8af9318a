// Our music score format and the loop renderer of the sound generator.
#include "../../tools/soundgen/render.h"
#include "../../tools/soundgen/score.h"
#include "../../tools/soundgen/synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

using namespace soundgen;

namespace {

const char* const kHeader =
    "tempo 120\n"
    "meter 4\n"
    "instrument lead\n"
    "  wave sine\n"
    "  adsr 0.01 0.2 0.5 0.5\n"
    "end\n";

std::string faultOf(const std::string& text) {
    try {
        parseScore(text, "test.score");
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

}  // namespace

TEST(MusicScore, ReadsLengthsChordsRestsAccentsAndRepeats) {
    const Score score = parseScore(std::string(kHeader) +
                                       "voice lead\n"
                                       "  C4:1/2 D4 E4+G4:1 r:1 F#4!:1/2 Bb3?  # the rest of the bar\n"
                                       "  | ( A4:1 )x4 |\n"
                                       "end\n",
                                   "test.score");
    ASSERT_EQ(score.voices.size(), 1u);
    EXPECT_DOUBLE_EQ(score.totalBeats, 8.0);
    const auto& notes = score.voices[0].notes;
    ASSERT_EQ(notes.size(), 9u);  // the rest makes no note; the repeat makes four
    EXPECT_DOUBLE_EQ(notes[0].pitches[0], 60.0);
    EXPECT_DOUBLE_EQ(notes[1].beats, 0.5);  // a length carries on to the following notes
    EXPECT_DOUBLE_EQ(notes[1].startBeat, 0.5);
    ASSERT_EQ(notes[2].pitches.size(), 2u);
    EXPECT_DOUBLE_EQ(notes[2].pitches[1], 67.0);
    EXPECT_DOUBLE_EQ(notes[3].pitches[0], 66.0);
    EXPECT_DOUBLE_EQ(notes[3].startBeat, 3.0);
    EXPECT_GT(notes[3].velocity, 1.0);
    EXPECT_DOUBLE_EQ(notes[4].pitches[0], 58.0);
    EXPECT_LT(notes[4].velocity, 1.0);
    EXPECT_DOUBLE_EQ(notes[8].startBeat, 7.0);
    EXPECT_DOUBLE_EQ(notes[8].pitches[0], 69.0);
}

TEST(MusicScore, FaultsNameTheLineAndTheProblem) {
    EXPECT_NE(faultOf(std::string(kHeader) + "voice lead\n C4:3 | C4:1\nend\n").find("test.score:8"),
              std::string::npos);
    EXPECT_NE(faultOf(std::string(kHeader) + "voice lead\n C4:4\nend\nvoice lead\n C4:8\nend\n").find("lasts"),
              std::string::npos);
    EXPECT_NE(faultOf(std::string(kHeader) + "voice organ\n C4:4\nend\n").find("unknown instrument"),
              std::string::npos);
    EXPECT_NE(faultOf(std::string(kHeader) + "voice lead\n ( C4:4\nend\n").find("without"), std::string::npos);
    EXPECT_NE(faultOf(std::string(kHeader) + "voice lead\n H4:4\nend\n").find("bad pitch"), std::string::npos);
    EXPECT_NE(faultOf(std::string(kHeader) + "voice lead\n C4:3\nend\n").find("bar line"), std::string::npos);
}

TEST(MusicRender, NotesRingingPastTheEndAreFoldedOntoTheStart) {
    // One bar at 120 bpm (2 s); the last note's half-second release runs past the loop point.
    const Score score = parseScore(std::string(kHeader) + "voice lead\n r:3 A4:1\nend\n", "test.score");
    const auto samples = renderScore(score);
    ASSERT_EQ(samples.size(), static_cast<size_t>(2 * kSampleRate * 2));
    float startPeak = 0.0f, quietPeak = 0.0f, peak = 0.0f;
    for (size_t i = 0; i < samples.size(); ++i) {
        const float v = std::abs(samples[i]);
        peak = std::max(peak, v);
        if (i < 2 * kSampleRate / 10) startPeak = std::max(startPeak, v);
        if (i > 2 * kSampleRate && i < 2 * kSampleRate * 3 / 2) quietPeak = std::max(quietPeak, v);
    }
    // Brought to the common loudness (RMS 0.2 × gain), the peaks kept below full scale.
    double energy = 0.0;
    for (float v : samples) energy += static_cast<double>(v) * v;
    EXPECT_NEAR(std::sqrt(energy / samples.size()), 0.2 * score.gain, 0.01 * score.gain);
    EXPECT_LE(peak, 0.95f);
    EXPECT_GT(startPeak, 0.05f) << "the release should sound at the start of the loop";
    EXPECT_LT(quietPeak, startPeak) << "the middle of the bar, long after the hall has died, is quieter";
    // Across the seam the wave moves by no more than a sine of that pitch does in one step.
    const double maximumStep = 2.0 * 3.1416 * 440.0 / kSampleRate * peak;
    EXPECT_LT(std::abs(samples[0] - samples[samples.size() - 2]), maximumStep);
    EXPECT_LT(std::abs(samples[1] - samples[samples.size() - 1]), maximumStep);
    EXPECT_EQ(samples, renderScore(score)) << "the same score must give the same samples";
}

TEST(MusicRender, EnvelopeRisesHoldsAndReleasesToExactlyZero) {
    const Envelope envelope{0.1, 0.2, 0.5, 0.3};
    EXPECT_DOUBLE_EQ(envelope.level(0.05, 1.0), 0.5);
    EXPECT_NEAR(envelope.level(0.99, 1.0), 0.5, 0.01);
    EXPECT_LT(envelope.level(1.2, 1.0), envelope.level(1.0, 1.0));
    EXPECT_DOUBLE_EQ(envelope.level(1.3, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(envelope.level(-0.01, 1.0), 0.0);
    // A note released during its attack fades from where it got to.
    EXPECT_NEAR(envelope.level(0.05, 0.05), 0.5, 1e-9);
}

TEST(MusicRender, NotesSoundAtTheirPitch) {
    Instrument sine;
    sine.wave = Wave::Sine;
    const auto note = synthesiseNote(sine, 69.0, 1.0, 0.0, 1);
    // Count upward zero crossings over the held half second in the middle: 440 Hz gives 220.
    int crossings = 0;
    const size_t from = kSampleRate / 4, to = from + kSampleRate / 2;
    for (size_t i = from + 1; i < to; ++i) {
        if (note[i - 1] < 0.0 && note[i] >= 0.0) ++crossings;
    }
    EXPECT_NEAR(crossings, 220, 1);
}

TEST(MusicRender, SwingDelaysTheSecondHalfOfABeat) {
    auto onsetSeconds = [](const std::string& settings) {
        const Score score = parseScore(std::string(kHeader) + settings + "voice lead\n r:1/2 A4:1/2 r:3\nend\n",
                                       "test.score");
        const auto samples = renderScore(score);
        float peak = 0.0f;
        for (float v : samples) peak = std::max(peak, std::abs(v));
        for (size_t i = 0; i < samples.size(); ++i) {
            if (std::abs(samples[i]) > 0.05f * peak) return static_cast<double>(i / 2) / kSampleRate;
        }
        return -1.0;
    };
    // At 120 beats a minute the offbeat falls at 0.25 s; swung to 0.6 of the beat, at 0.3 s.
    EXPECT_NEAR(onsetSeconds(""), 0.25, 0.005);
    EXPECT_NEAR(onsetSeconds("swing 0.6\n"), 0.30, 0.005);
    EXPECT_NE(faultOf(std::string(kHeader) + "swing 0.9\nvoice lead\n C4:4\nend\n").find("swing"), std::string::npos);
}
