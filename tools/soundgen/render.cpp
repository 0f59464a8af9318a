#include "render.h"

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

double frequencyOf(double midiPitch, double cents) {
    return 440.0 * std::pow(2.0, (midiPitch - 69.0) / 12.0 + cents / 1200.0);
}

// A gentle fade of a few samples at the very start of every sound, so that no note, not even a
// drum hit, starts with a step.
double onsetRamp(size_t i) {
    constexpr size_t kRampSamples = 24;
    return i >= kRampSamples ? 1.0 : static_cast<double>(i) / kRampSamples;
}

std::vector<double> kick(uint32_t seed) {
    Noise noise(seed);
    OnePole click;
    std::vector<double> out(static_cast<size_t>(0.45 * kSampleRate));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += (48.0 + 95.0 * std::exp(-t / 0.035)) / kSampleRate;
        const double body = sineCycles(phase) * std::exp(-t / 0.16);
        const double knock = click.lowpass(noise.next(), 2500.0) * std::exp(-t / 0.004);
        const double fadeOut = 1.0 - t / 0.45;
        out[i] = (body + 0.6 * knock) * fadeOut * onsetRamp(i);
    }
    return out;
}

std::vector<double> snare(uint32_t seed) {
    Noise noise(seed);
    StateVariable filter;
    std::vector<double> out(static_cast<size_t>(0.32 * kSampleRate));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += 190.0 / kSampleRate;
        const double tone = sineCycles(phase) * std::exp(-t / 0.045);
        const double rattle = filter.step(noise.next(), 3200.0, 0.9).high * std::exp(-t / 0.085);
        out[i] = (0.55 * tone + 0.7 * rattle) * (1.0 - t / 0.32) * onsetRamp(i);
    }
    return out;
}

std::vector<double> hat(uint32_t seed, double ring) {
    Noise noise(seed);
    const double seconds = ring * 5.0;
    std::vector<double> out(static_cast<size_t>(seconds * kSampleRate));
    double previous = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double n = noise.next();
        const double bright = n - previous;  // a first difference keeps only the hiss
        previous = n;
        out[i] = 0.5 * bright * std::exp(-t / ring) * (1.0 - t / seconds) * onsetRamp(i);
    }
    return out;
}

std::vector<double> tom(double frequency) {
    std::vector<double> out(static_cast<size_t>(0.6 * kSampleRate));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += frequency * (1.0 + 0.6 * std::exp(-t / 0.04)) / kSampleRate;
        out[i] = sineCycles(phase) * std::exp(-t / 0.18) * (1.0 - t / 0.6) * onsetRamp(i);
    }
    return out;
}

}  // namespace

std::vector<double> synthesiseNote(const Instrument& in, double midiPitch, double onSeconds,
                                   double detuneCents, uint32_t seed) {
    switch (in.wave) {
    case Wave::Kick: return kick(seed);
    case Wave::Snare: return snare(seed);
    case Wave::Hat: return hat(seed, 0.022);
    case Wave::OpenHat: return hat(seed, 0.09);
    case Wave::Tom: return tom(frequencyOf(midiPitch, detuneCents));
    default: break;
    }

    const double frequency = frequencyOf(midiPitch, detuneCents);
    Envelope envelope{std::max(in.attack, 0.002), std::max(in.decay, 0.001), in.sustain,
                      std::max(in.release, 0.005)};
    if (in.wave == Wave::Pluck) envelope.sustain = 1.0;  // a string dies away by itself
    const size_t length = static_cast<size_t>(std::ceil((onSeconds + envelope.release) * kSampleRate)) + 1;
    std::vector<double> out(length, 0.0);

    // Harmonics of the plucked string: each higher one dies away faster.
    constexpr int kHarmonics = 10;
    double harmonicLevel[kHarmonics];
    double harmonicFade[kHarmonics];
    for (int h = 0; h < kHarmonics; ++h) {
        const bool audible = frequency * (h + 1) < kSampleRate * 0.45;
        harmonicLevel[h] = audible ? 1.0 / (h + 1) : 0.0;
        const double rate = (1.0 + 0.4 * h * h) / std::max(in.decay, 0.01);
        harmonicFade[h] = std::exp(-rate / kSampleRate);
    }

    Noise noise(seed);
    StateVariable noiseFilter;
    OnePole lowpass1, lowpass2;
    // Copies of a chorus start at different points of the wave so they do not reinforce at once.
    double phase = static_cast<double>(seed % 1000) / 1000.0;
    double modulatorPhase = 0.0;
    // Envelope, vibrato and filter sweep move slowly: they are worked out once per block of
    // samples and interpolated in between, which keeps exp and pow out of the inner loop.
    constexpr size_t kBlock = 16;
    auto vibratoAt = [&](double t) {
        if (in.vibratoCents <= 0.0 || t <= in.vibratoDelay) return 1.0;
        const double depth = std::min(1.0, (t - in.vibratoDelay) / 0.3) * in.vibratoCents;
        return std::exp2(depth * sineCycles(in.vibratoRate * t) / 1200.0);
    };
    auto cutoffAt = [&](double t) {
        return OnePole::coefficientFor(in.cutoff + in.cutoffSweep * std::exp(-t / in.cutoffSweepTime));
    };
    double levelFrom = 0.0, levelTo = 0.0, vibratoFrom = 1.0, vibratoTo = 1.0, filterCoefficient = 0.0;
    for (size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const size_t inBlock = i % kBlock;
        if (inBlock == 0) {
            const double blockEnd = static_cast<double>(i + kBlock) / kSampleRate;
            levelFrom = envelope.level(t, onSeconds);
            levelTo = envelope.level(blockEnd, onSeconds);
            vibratoFrom = vibratoAt(t);
            vibratoTo = vibratoAt(blockEnd);
            if (in.cutoff > 0.0) filterCoefficient = cutoffAt(t);
        }
        const double blend = static_cast<double>(inBlock) / kBlock;
        const double level = levelFrom + (levelTo - levelFrom) * blend;
        const double f = frequency * (vibratoFrom + (vibratoTo - vibratoFrom) * blend);
        const double step = f / kSampleRate;
        double sample = 0.0;
        switch (in.wave) {
        case Wave::Sine: sample = sineCycles(phase); break;
        case Wave::Triangle: sample = 1.0 - 4.0 * std::abs(phase - 0.5); break;
        case Wave::Saw: sample = 2.0 * phase - 1.0 - polyBlep(phase, step); break;
        case Wave::Square: {
            double shifted = phase + 1.0 - in.pulseWidth;
            shifted -= std::floor(shifted);
            sample = (phase < in.pulseWidth ? 1.0 : -1.0) + polyBlep(phase, step) - polyBlep(shifted, step);
            sample *= 0.7;
            break;
        }
        case Wave::Fm: {
            const double index = in.fmIndex * std::exp(-t / std::max(in.fmIndexDecay, 0.001));
            sample = sineCycles(phase + index / (2.0 * std::numbers::pi) * sineCycles(modulatorPhase));
            modulatorPhase += step * in.fmRatio;
            break;
        }
        case Wave::Pluck:
            for (int h = 0; h < kHarmonics; ++h) {
                if (harmonicLevel[h] == 0.0) continue;
                sample += harmonicLevel[h] * sineCycles(phase * (h + 1));
                harmonicLevel[h] *= harmonicFade[h];
            }
            sample *= 0.6;
            break;
        case Wave::Noise:
            sample = noiseFilter.step(noise.next(), in.cutoff > 0.0 ? in.cutoff : 2000.0, 0.5).band;
            break;
        default: break;
        }
        phase += step;
        phase -= std::floor(phase);
        if (in.cutoff > 0.0 && in.wave != Wave::Noise) {
            sample = lowpass2.lowpassWith(lowpass1.lowpassWith(sample, filterCoefficient), filterCoefficient);
        }
        out[i] = sample * level * onsetRamp(i);
    }
    return out;
}

std::vector<float> renderScore(const Score& score, bool normalise) {
    const double secondsPerBeat = score.secondsPerBeat();
    const size_t loopFrames = static_cast<size_t>(std::lround(score.totalBeats * secondsPerBeat * kSampleRate));
    const size_t tailFrames = static_cast<size_t>(6 * kSampleRate);
    const size_t frames = loopFrames + tailFrames;

    Stereo mix(frames);
    std::vector<double> hallSend(frames, 0.0);
    Stereo echoBus(frames);
    for (size_t instrumentIndex = 0; instrumentIndex < score.instruments.size(); ++instrumentIndex) {
        const Instrument& in = score.instruments[instrumentIndex];
        // Only an instrument with an echo needs a bus of its own, so that the echo repeats just
        // that instrument; the others go straight into the mix.
        const bool echoed = in.echoMix > 0.0 && in.echoBeats > 0.0;
        Stereo& bus = echoed ? echoBus : mix;
        if (echoed) {
            std::fill(bus.left.begin(), bus.left.end(), 0.0);
            std::fill(bus.right.begin(), bus.right.end(), 0.0);
        }
        bool used = false;
        for (size_t voiceIndex = 0; voiceIndex < score.voices.size(); ++voiceIndex) {
            const Voice& voice = score.voices[voiceIndex];
            if (voice.instrument != instrumentIndex) continue;
            used = true;
            for (size_t noteIndex = 0; noteIndex < voice.notes.size(); ++noteIndex) {
                const Note& note = voice.notes[noteIndex];
                // Swing: a note on the second half of a beat comes late and is shortened to match.
                double startBeat = note.startBeat, beats = note.beats;
                const double withinBeat = startBeat - std::floor(startBeat);
                if (std::abs(withinBeat - 0.5) < 1e-6 && beats <= 0.5 + 1e-6) {
                    startBeat += score.swing - 0.5;
                    beats -= score.swing - 0.5;
                }
                // A player's hand: a small, fixed-seed nudge in time and strength per note (the same
                // for every pitch and chorus copy of it, so chords stay together). The first note
                // of the track is never moved earlier than the loop start.
                Noise hand(static_cast<uint32_t>(voiceIndex * 104729u + noteIndex * 31u + 7u));
                const double nudgeSeconds = score.humaniseMs / 1000.0 * hand.next();
                const double strength = 1.0 + (score.humaniseMs > 0.0 ? 0.06 * hand.next() : 0.0);
                const double startSeconds = std::max(0.0, startBeat * secondsPerBeat + nudgeSeconds);
                const size_t start = static_cast<size_t>(std::lround(startSeconds * kSampleRate));
                const double onSeconds = beats * secondsPerBeat * in.gate;
                for (size_t p = 0; p < note.pitches.size(); ++p) {
                    for (int copy = 0; copy < in.chorusVoices; ++copy) {
                        // Copies of a chorus: the first in tune, the others detuned to either side
                        // and spread apart.
                        double offset = 0.0;
                        if (in.chorusVoices == 2) offset = copy == 0 ? -0.5 : 0.5;
                        if (in.chorusVoices > 2 && copy > 0) offset = (copy % 2 == 1 ? -1.0 : 1.0) * ((copy + 1) / 2);
                        const double pan = std::clamp(in.pan + 0.45 * offset, -1.0, 1.0);
                        const uint32_t seed = static_cast<uint32_t>(
                            voiceIndex * 1000003u + noteIndex * 7919u + p * 131u + copy * 17u + 1u);
                        const auto sound = synthesiseNote(in, note.pitches[p], onSeconds,
                                                          in.chorusCents * offset, seed);
                        double left = 0.0, right = 0.0;
                        panGains(pan, left, right);
                        const double level =
                            in.volume * note.velocity * strength / std::sqrt(static_cast<double>(in.chorusVoices));
                        const double send = echoed ? 0.0 : 0.5 * in.reverbSend * (left + right) * level;
                        const size_t count = std::min(sound.size(), frames - std::min(frames, start));
                        for (size_t i = 0; i < count; ++i) {
                            bus.left[start + i] += sound[i] * level * left;
                            bus.right[start + i] += sound[i] * level * right;
                            hallSend[start + i] += sound[i] * send;
                        }
                    }
                }
            }
        }
        if (!used || !echoed) continue;
        addEcho(bus, in.echoBeats * secondsPerBeat, in.echoFeedback, in.echoMix);
        for (size_t i = 0; i < frames; ++i) {
            mix.left[i] += bus.left[i];
            mix.right[i] += bus.right[i];
            hallSend[i] += (bus.left[i] + bus.right[i]) * 0.5 * in.reverbSend;
        }
    }
    const Stereo hall = hallReverb(hallSend, score.roomSize, score.roomDamping);
    for (size_t i = 0; i < frames; ++i) {
        mix.left[i] += hall.left[i];
        mix.right[i] += hall.right[i];
    }

    // Fold what rings past the loop point onto the start: this is what the second time round
    // sounds like, and it makes the seam continuous.
    for (size_t i = loopFrames; i < frames; ++i) {
        mix.left[(i - loopFrames) % loopFrames] += mix.left[i];
        mix.right[(i - loopFrames) % loopFrames] += mix.right[i];
    }

    // Level: every track is brought to about the same loudness (its RMS at 0.2 × gain), but never
    // so far that its peaks go beyond 1.35; a soft knee from 0.6 then rounds those peaks off below
    // full scale. The knee is a fixed curve per sample, so the seam stays as smooth as the music.
    double peak = 1e-9, energy = 0.0;
    for (size_t i = 0; i < loopFrames; ++i) {
        peak = std::max({peak, std::abs(mix.left[i]), std::abs(mix.right[i])});
        energy += mix.left[i] * mix.left[i] + mix.right[i] * mix.right[i];
    }
    const double rms = std::sqrt(energy / (2.0 * static_cast<double>(loopFrames))) + 1e-12;
    const double scale = normalise ? std::min(0.2 * score.gain / rms, 1.35 / peak) : 1.0;
    auto softKnee = [normalise](double x) {
        constexpr double kKnee = 0.6, kRoom = 0.35;
        const double size = std::abs(x);
        if (!normalise || size <= kKnee) return x;
        return std::copysign(kKnee + kRoom * std::tanh((size - kKnee) / kRoom), x);
    };
    std::vector<float> samples(loopFrames * 2);
    for (size_t i = 0; i < loopFrames; ++i) {
        samples[2 * i] = static_cast<float>(softKnee(mix.left[i] * scale));
        samples[2 * i + 1] = static_cast<float>(softKnee(mix.right[i] * scale));
    }
    return samples;
}

}  // namespace soundgen
