// A small reader of the 16-bit PCM WAV files our sound generator writes, for the asset tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct WavFile {
    bool valid = false;
    std::string fault;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;  // interleaved

    size_t frames() const { return channels ? samples.size() / channels : 0; }
    double seconds() const { return rate ? static_cast<double>(frames()) / rate : 0.0; }
    int sample(size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

inline uint32_t littleEndian(const std::string& bytes, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Walks the RIFF chunks: "fmt " must describe plain PCM, "data" must hold whole frames.
inline WavFile readWav(const std::string& path) {
    WavFile wav;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        wav.fault = "not a RIFF WAVE file";
        return wav;
    }
    if (littleEndian(bytes, 4, 4) + 8 != bytes.size()) {
        wav.fault = "RIFF size does not match the file size";
        return wav;
    }
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = littleEndian(bytes, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > bytes.size()) {
            wav.fault = "chunk " + id + " runs past the end";
            return wav;
        }
        if (id == "fmt ") {
            if (size < 16 || littleEndian(bytes, body, 2) != 1) {
                wav.fault = "format is not plain PCM";
                return wav;
            }
            wav.channels = static_cast<int>(littleEndian(bytes, body + 2, 2));
            wav.rate = static_cast<int>(littleEndian(bytes, body + 4, 4));
            const uint32_t byteRate = littleEndian(bytes, body + 8, 4);
            const uint32_t blockAlign = littleEndian(bytes, body + 12, 2);
            wav.bits = static_cast<int>(littleEndian(bytes, body + 14, 2));
            if (wav.channels < 1 || blockAlign != static_cast<uint32_t>(wav.channels * wav.bits / 8) ||
                byteRate != static_cast<uint32_t>(wav.rate) * blockAlign) {
                wav.fault = "inconsistent format chunk";
                return wav;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wav.bits != 16 || size % (2 * wav.channels) != 0) {
                wav.fault = "data chunk without a 16-bit format or with a partial frame";
                return wav;
            }
            wav.samples.resize(size / 2);
            for (size_t i = 0; i < wav.samples.size(); ++i) {
                wav.samples[i] = static_cast<int16_t>(littleEndian(bytes, body + 2 * i, 2));
            }
            wav.valid = true;
            return wav;
        }
        at = body + size + (size & 1);
    }
    wav.fault = "no data chunk";
    return wav;
}
