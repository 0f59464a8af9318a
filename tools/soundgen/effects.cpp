#include "effects.h"

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

size_t samplesFor(double seconds) { return static_cast<size_t>(std::lround(seconds * kSampleRate)); }

double timeOf(size_t i) { return static_cast<double>(i) / kSampleRate; }

// Rises over `in` seconds, falls over the last `out` seconds of `length`, zero at both ends.
double fadeInOut(double t, double in, double out, double length) {
    double level = 1.0;
    if (t < in) level = t / in;
    if (t > length - out) level = std::min(level, std::max(0.0, (length - t) / out));
    return level;
}

std::vector<float> normalised(const std::vector<double>& sound, double peakLevel) {
    double peak = 1e-9;
    for (double s : sound) peak = std::max(peak, std::abs(s));
    std::vector<float> out(sound.size());
    for (size_t i = 0; i < sound.size(); ++i) out[i] = static_cast<float>(sound[i] / peak * peakLevel);
    return out;
}

// A struck bell: a sine phase-modulated at an inharmonic ratio, the brightness dying first.
double bell(double t, double frequency) {
    if (t < 0.0) return 0.0;
    const double index = 2.2 * std::exp(-t / 0.09);
    const double modulator = sineCycles(frequency * 3.5 * t);
    const double body = sineCycles(frequency * t + index / (2.0 * std::numbers::pi) * modulator);
    const double shimmer = 0.25 * sineCycles(frequency * 2.01 * t) * std::exp(-t / 0.12);
    const double attack = std::min(1.0, t / 0.002);
    return (body + shimmer) * std::exp(-t / 0.22) * attack;
}

}  // namespace

std::vector<float> confirmChime() {
    const double length = 0.7;
    std::vector<double> sound(samplesFor(length));
    for (size_t i = 0; i < sound.size(); ++i) {
        const double t = timeOf(i);
        // E6 then B6, a fifth up, the second stroke a little softer and later.
        const double strokes = bell(t, 1318.5) + 0.8 * bell(t - 0.075, 1975.5);
        sound[i] = strokes * fadeInOut(t, 0.001, 0.08, length);
    }
    return normalised(sound, 0.7);
}

std::vector<float> jumpHop() {
    const double length = 0.2;
    std::vector<double> sound(samplesFor(length));
    OnePole soften1, soften2;
    double phase = 0.0;
    for (size_t i = 0; i < sound.size(); ++i) {
        const double t = timeOf(i);
        // The pitch springs up quickly and settles, like the figure leaving the ground.
        const double frequency = 260.0 + 700.0 * (1.0 - std::exp(-t / 0.05));
        const double step = frequency / kSampleRate;
        phase += step;
        phase -= std::floor(phase);
        double square = (phase < 0.35 ? 1.0 : -1.0) + polyBlep(phase, step);
        double shifted = phase + 0.65;
        shifted -= std::floor(shifted);
        square -= polyBlep(shifted, step);
        const double tone = soften2.lowpass(soften1.lowpass(square, 3000.0), 3000.0);
        const double envelope = std::exp(-t / 0.07) * fadeInOut(t, 0.003, 0.03, length);
        sound[i] = tone * envelope;
    }
    return normalised(sound, 0.6);
}

std::vector<float> roomTurning() {
    // One turn lasts 30 frames of 34 ms; the sound covers it and lets the room settle with a thud.
    const double turnEnd = 1.0;
    const double length = 1.25;
    std::vector<double> sound(samplesFor(length));
    Noise grit(11), roughness(12), clickNoise(13);
    StateVariable stoneBand, rumbleLow, clickHigh;
    OnePole roughSmooth1, roughSmooth2;
    double rumblePhase = 0.0, wobblePhase = 0.0;
    // Gear teeth pass at an even rate while the room turns; each tooth has its own strength.
    const double toothPeriod = 0.062;
    for (size_t i = 0; i < sound.size(); ++i) {
        const double t = timeOf(i);
        const double turning = fadeInOut(t, 0.08, 0.12, turnEnd) * (t < turnEnd ? 1.0 : 0.0);

        // Stone grinding: band-limited noise whose loudness wanders quickly and unevenly.
        const double rough = roughSmooth2.lowpass(roughSmooth1.lowpass(roughness.next(), 25.0), 25.0);
        const double grind = stoneBand.step(grit.next(), 520.0, 1.2).band * (0.55 + 6.0 * std::abs(rough));

        // A low rumble of the whole room moving.
        rumblePhase += (52.0 + 4.0 * sineCycles(wobblePhase)) / kSampleRate;
        wobblePhase += 3.0 / kSampleRate;
        const double rumble = 0.5 * sineCycles(rumblePhase) + 0.6 * rumbleLow.step(grit.next(), 110.0, 0.7).low;

        // Gear teeth: a dry tick with a short metallic ring.
        double teeth = 0.0;
        if (t < turnEnd) {
            const double sinceTooth = std::fmod(t, toothPeriod);
            const int tooth = static_cast<int>(t / toothPeriod);
            const double strength = 0.6 + 0.4 * ((tooth * 7) % 5) / 4.0;
            const double tick = clickHigh.step(clickNoise.next(), 2600.0, 0.4).high * std::exp(-sinceTooth / 0.004);
            const double ring = sineCycles(1870.0 * sinceTooth) * 0.5 * std::exp(-sinceTooth / 0.018) +
                                sineCycles(2790.0 * sinceTooth) * 0.3 * std::exp(-sinceTooth / 0.011);
            teeth = strength * (tick + ring) * std::min(1.0, sinceTooth / 0.0005);
        }

        // The room locks into place: a heavy, short thud.
        double thud = 0.0;
        if (t >= turnEnd - 0.02) {
            const double u = t - (turnEnd - 0.02);
            thud = sineCycles(70.0 * u + 25.0 * 0.03 * (1.0 - std::exp(-u / 0.03))) * std::exp(-u / 0.09) *
                   std::min(1.0, u / 0.002);
        }

        const double ending = fadeInOut(t, 0.001, 0.1, length);
        sound[i] = (turning * (0.9 * grind + 0.8 * rumble + 0.35 * teeth) + 1.1 * thud) * ending;
    }
    return normalised(sound, 0.8);
}

std::vector<float> pageTurn() {
    const double length = 0.42;
    std::vector<double> sound(samplesFor(length));
    Noise paper(21), crinkleNoise(22);
    StateVariable swish, body;
    for (size_t i = 0; i < sound.size(); ++i) {
        const double t = timeOf(i);
        // The page lifts (a rising swish), sweeps over and lands with a soft flap.
        const double sweep = 1400.0 + 2200.0 * std::sin(std::numbers::pi * std::min(t / 0.3, 1.0));
        const double air = swish.step(paper.next(), sweep, 1.1).band;
        const double loudness = std::pow(std::sin(std::numbers::pi * std::min(t / 0.32, 1.0)), 1.5);
        // Crinkles: brief bursts where the paper bends.
        double crinkle = 0.0;
        for (double at : {0.05, 0.11, 0.16}) {
            if (t >= at && t < at + 0.02) crinkle += crinkleNoise.next() * std::exp(-(t - at) / 0.004);
        }
        double flap = 0.0;
        if (t >= 0.3) flap = body.step(paper.next(), 350.0, 0.8).low * std::exp(-(t - 0.3) / 0.03);
        sound[i] = (air * loudness + 0.25 * crinkle + 1.5 * flap) * fadeInOut(t, 0.004, 0.05, length);
    }
    return normalised(sound, 0.55);
}

}  // namespace soundgen
