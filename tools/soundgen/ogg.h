// Ogg Vorbis files for the music, encoded by Xiph's libvorbisenc: a tenth of the size of the
// same loop as WAV, and played by the game's mixer just the same.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

// Interleaved samples in -1..1 (clipped), encoded at the given variable-bitrate quality
// (-0.1 .. 1). The stream ends with the exact number of frames given, so a decoder that honours
// the last page's position (libvorbisfile does) returns exactly one loop, nothing padded. The
// stream's serial number is fixed by the caller so that two runs write the same bytes.
bool writeOggVorbis(const std::string& path, const std::vector<float>& samples, int channels,
                    int rate, float quality, int serial, const std::string& title);

// The largest sample size (1 = full scale) of the file as libvorbisfile decodes it, or -1 when it
// cannot be read. Coding moves peaks a little, now and then above the level the music was mixed to.
double decodedPeak(const std::string& path);

}  // namespace soundgen
