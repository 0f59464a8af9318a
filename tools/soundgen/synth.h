// Building blocks shared by the music renderer and the sound effects: a table sine, a seeded noise
// source, filters, envelopes and the two room effects (echo and reverb). Everything is plain
// arithmetic on doubles with fixed seeds, so the same sources always give the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kSampleRate = 22050;

// sin(2π · cycles) from a table with linear interpolation: cheaper than std::sin for the hundreds
// of oscillators a track runs.
double sineCycles(double cycles);

// Polynomial correction that removes most of the aliasing of a saw or square step at 22 kHz.
double polyBlep(double phase, double phaseStep);

// Seeded white noise in -1..1 (a 32-bit linear congruential generator).
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    double next();

private:
    uint32_t state_;
};

// One-pole low pass; run two in a row for a softer, 12 dB slope.
class OnePole {
public:
    double lowpass(double x, double cutoffHz) { return lowpassWith(x, coefficientFor(cutoffHz)); }
    // The same with the coefficient worked out once for a fixed or slowly moving cutoff.
    static double coefficientFor(double cutoffHz);
    double lowpassWith(double x, double coefficient) {
        y_ += coefficient * (x - y_);
        return y_;
    }

private:
    double y_ = 0.0;
};

// Chamberlin state-variable filter: low, band and high outputs of one step.
class StateVariable {
public:
    struct Out {
        double low, band, high;
    };
    Out step(double x, double cutoffHz, double damping);

private:
    double low_ = 0.0, band_ = 0.0;
};

// Attack, decay toward a sustain level, and a release that always lands exactly on zero.
struct Envelope {
    double attack = 0.01;   // seconds to full level
    double decay = 0.2;     // time constant of the fall toward sustain
    double sustain = 0.7;   // level held while the note is on
    double release = 0.2;   // seconds from note-off to silence

    double level(double t, double onLength) const;
};

// A stereo signal, left and right kept apart for panning and the room effects.
struct Stereo {
    std::vector<double> left, right;
    explicit Stereo(size_t frames = 0) : left(frames, 0.0), right(frames, 0.0) {}
    size_t frames() const { return left.size(); }
};

// Equal-power panning, pan -1 (left) .. 1 (right).
void panGains(double pan, double& left, double& right);

// Ping-pong echo added onto the signal in place.
void addEcho(Stereo& signal, double delaySeconds, double feedback, double mix);

// A small hall (parallel combs into all-passes, different lengths per side) returned as a new
// signal of the same length.
Stereo hallReverb(const std::vector<double>& send, double roomSize, double damping);

}  // namespace soundgen
