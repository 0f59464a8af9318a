#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr int kTableSize = 8192;

const std::array<double, kTableSize + 1>& sineTable() {
    static const auto table = [] {
        std::array<double, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) t[i] = std::sin(2.0 * std::numbers::pi * i / kTableSize);
        return t;
    }();
    return table;
}

}  // namespace

double sineCycles(double cycles) {
    const double wrapped = cycles - std::floor(cycles);
    const double position = wrapped * kTableSize;
    const int index = static_cast<int>(position);
    const double fraction = position - index;
    const auto& table = sineTable();
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

double polyBlep(double phase, double phaseStep) {
    if (phase < phaseStep) {
        const double t = phase / phaseStep;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - phaseStep) {
        const double t = (phase - 1.0) / phaseStep;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388607.5 - 1.0;
}

double OnePole::coefficientFor(double cutoffHz) {
    return 1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / kSampleRate);
}

StateVariable::Out StateVariable::step(double x, double cutoffHz, double damping) {
    // Above a sixth of the sample rate this filter turns unstable, so the cutoff is held below.
    const double fc = std::min(cutoffHz, kSampleRate / 6.5);
    const double f = 2.0 * std::sin(std::numbers::pi * fc / kSampleRate);
    low_ += f * band_;
    const double high = x - low_ - damping * band_;
    band_ += f * high;
    return {low_, band_, high};
}

double Envelope::level(double t, double onLength) const {
    auto held = [this](double u) {
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / decay);
    };
    if (t < 0.0) return 0.0;
    if (t < onLength) return held(t);
    const double r = (t - onLength) / release;
    if (r >= 1.0) return 0.0;
    return held(onLength) * (1.0 - r) * (1.0 - r);
}

void panGains(double pan, double& left, double& right) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    left = std::cos(angle);
    right = std::sin(angle);
}

void addEcho(Stereo& signal, double delaySeconds, double feedback, double mix) {
    const size_t delay = static_cast<size_t>(std::lround(delaySeconds * kSampleRate));
    if (delay == 0 || mix <= 0.0) return;
    // Rings one delay long: the dry input and the repeats of `delay` samples ago.
    std::vector<double> dryLeft(delay, 0.0), dryRight(delay, 0.0), echoLeft(delay, 0.0), echoRight(delay, 0.0);
    for (size_t i = 0; i < signal.frames(); ++i) {
        const size_t slot = i % delay;
        // The left repeat feeds the right one and back, so repeats bounce across the stereo field.
        const double left = dryRight[slot] * 0.5 + feedback * echoRight[slot];
        const double right = dryLeft[slot] * 0.5 + feedback * echoLeft[slot];
        dryLeft[slot] = signal.left[i];
        dryRight[slot] = signal.right[i];
        echoLeft[slot] = left;
        echoRight[slot] = right;
        signal.left[i] += mix * left;
        signal.right[i] += mix * right;
    }
}

namespace {

struct Comb {
    std::vector<double> line;
    size_t at = 0;
    double store = 0.0;
    explicit Comb(size_t length) : line(length, 0.0) {}
    double step(double x, double feedback, double damping) {
        const double out = line[at];
        store = out * (1.0 - damping) + store * damping;
        line[at] = x + store * feedback;
        at = (at + 1) % line.size();
        return out;
    }
};

struct AllPass {
    std::vector<double> line;
    size_t at = 0;
    explicit AllPass(size_t length) : line(length, 0.0) {}
    double step(double x) {
        const double delayed = line[at];
        const double out = delayed - x;
        line[at] = x + delayed * 0.5;
        at = (at + 1) % line.size();
        return out;
    }
};

std::vector<double> reverbSide(const std::vector<double>& send, double roomSize, double damping,
                               size_t spread) {
    // Comb and all-pass lengths of a classic small hall, halved for 22 kHz.
    std::vector<Comb> combs;
    for (size_t length : {558, 594, 638, 678, 711, 745}) combs.emplace_back(length + spread);
    std::vector<AllPass> allPasses;
    for (size_t length : {278, 220, 170}) allPasses.emplace_back(length + spread / 2);
    std::vector<double> out(send.size(), 0.0);
    for (size_t i = 0; i < send.size(); ++i) {
        double sum = 0.0;
        for (auto& comb : combs) sum += comb.step(send[i], roomSize, damping);
        for (auto& allPass : allPasses) sum = allPass.step(sum);
        out[i] = sum / combs.size();
    }
    return out;
}

}  // namespace

Stereo hallReverb(const std::vector<double>& send, double roomSize, double damping) {
    Stereo out;
    out.left = reverbSide(send, roomSize, damping, 0);
    out.right = reverbSide(send, roomSize, damping, 12);
    return out;
}

}  // namespace soundgen
