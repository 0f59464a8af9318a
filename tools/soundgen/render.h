// Turns a score into a loop of interleaved stereo samples at kSampleRate.
#pragma once

#include "score.h"

#include <cstdint>
#include <vector>

namespace soundgen {

// One note of an instrument, mono, from its start to the end of its release.
std::vector<double> synthesiseNote(const Instrument& instrument, double midiPitch, double onSeconds,
                                   double detuneCents, uint32_t seed);

// The whole track. Sound that rings on past the end (note releases, echoes, the hall) is folded
// back onto the start, so that the last sample flows into the first when the player loops it.
// Normally the track is brought to a common loudness scaled by the score's gain, its peaks kept
// below full scale; without normalising, the mix comes out at the instruments' own levels, for
// comparing one instrument against the others.
std::vector<float> renderScore(const Score& score, bool normalise = true);

}  // namespace soundgen
