// 16-bit PCM WAV files, the format the game's mixer plays for both music and effects.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

// Interleaved samples in -1..1, clipped to 16 bits when written.
bool writeWav(const std::string& path, const std::vector<float>& samples, int channels, int rate);

}  // namespace soundgen
