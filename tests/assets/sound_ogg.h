// The music tracks decoded with Xiph's libvorbisfile, the decoder the game's mixer uses, into the
// same interleaved 16-bit form as the WAV reader gives, for the asset tests.
#pragma once

#include <vorbis/vorbisfile.h>

#include <string>

#include "assets/sound_wav.h"

struct OggFile : WavFile {
    long long pcmTotal = -1;  // frames the stream says it holds (ov_pcm_total)
};

inline OggFile readOggVorbis(const std::string& path) {
    OggFile ogg;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        ogg.fault = "not an Ogg Vorbis file";
        return ogg;
    }
    const vorbis_info* info = ov_info(&file, -1);
    ogg.channels = info ? info->channels : 0;
    ogg.rate = info ? static_cast<int>(info->rate) : 0;
    ogg.bits = 16;
    ogg.pcmTotal = ov_pcm_total(&file, -1);
    if (ogg.channels < 1 || ogg.pcmTotal < 0 || ov_streams(&file) != 1) {
        ogg.fault = "not one plain stream";
        ov_clear(&file);
        return ogg;
    }
    ogg.samples.reserve(static_cast<size_t>(ogg.pcmTotal) * ogg.channels);
    char buffer[8192];
    int section = 0;
    for (;;) {
        const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got == 0) break;
        if (got < 0) {
            ogg.fault = "damaged audio packet";
            ov_clear(&file);
            return ogg;
        }
        for (long i = 0; i + 1 < got; i += 2) {
            const auto low = static_cast<unsigned char>(buffer[i]);
            const auto high = static_cast<unsigned char>(buffer[i + 1]);
            ogg.samples.push_back(static_cast<int16_t>(low | (high << 8)));
        }
    }
    ov_clear(&file);
    ogg.valid = true;
    return ogg;
}
