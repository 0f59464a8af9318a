#include "ogg.h"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace soundgen {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The encoder's state, released in the reverse order of its set-up whatever happens.
struct Encoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool dspReady = false, blockReady = false, streamReady = false;

    Encoder() {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder() {
        if (streamReady) ogg_stream_clear(&stream);
        if (blockReady) vorbis_block_clear(&block);
        if (dspReady) vorbis_dsp_clear(&dsp);
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool writePage(std::FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) ==
               static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) ==
               static_cast<size_t>(page.body_len);
}

// Takes every block the analysis has ready, encodes it and writes the pages that fill up.
bool drain(Encoder& e, std::FILE* file) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        if (vorbis_analysis(&e.block, nullptr) != 0 || vorbis_bitrate_addblock(&e.block) != 0) {
            return false;
        }
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet) == 1) {
            ogg_stream_packetin(&e.stream, &packet);
            while (ogg_stream_pageout(&e.stream, &page) != 0) {
                if (!writePage(file, page)) return false;
            }
        }
    }
    return true;
}

}  // namespace

bool writeOggVorbis(const std::string& path, const std::vector<float>& samples, int channels,
                    int rate, float quality, int serial, const std::string& title) {
    if (channels < 1) return false;
    Encoder e;
    if (vorbis_encode_init_vbr(&e.info, channels, rate, quality) != 0) return false;
    if (!title.empty()) vorbis_comment_add_tag(&e.comment, "TITLE", title.c_str());
    if (vorbis_analysis_init(&e.dsp, &e.info) != 0) return false;
    e.dspReady = true;
    if (vorbis_block_init(&e.dsp, &e.block) != 0) return false;
    e.blockReady = true;
    if (ogg_stream_init(&e.stream, serial) != 0) return false;
    e.streamReady = true;

    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;

    // The three headers, on pages of their own before the audio.
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &identification);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page) != 0) {
        if (!writePage(file.get(), page)) return false;
    }

    constexpr size_t kChunkFrames = 4096;
    const size_t frames = samples.size() / static_cast<size_t>(channels);
    for (size_t at = 0; at < frames; at += kChunkFrames) {
        const size_t count = std::min(kChunkFrames, frames - at);
        float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(count));
        for (size_t f = 0; f < count; ++f) {
            for (int c = 0; c < channels; ++c) {
                buffer[c][f] = std::clamp(samples[(at + f) * channels + c], -1.0f, 1.0f);
            }
        }
        if (vorbis_analysis_wrote(&e.dsp, static_cast<int>(count)) != 0) return false;
        if (!drain(e, file.get())) return false;
    }
    // The end of the input: the last packet's position is the exact frame count, which is what
    // tells a decoder to drop the padding of the final block.
    if (vorbis_analysis_wrote(&e.dsp, 0) != 0 || !drain(e, file.get())) return false;
    while (ogg_stream_flush(&e.stream, &page) != 0) {
        if (!writePage(file.get(), page)) return false;
    }
    return std::fflush(file.get()) == 0 && !std::ferror(file.get());
}

double decodedPeak(const std::string& path) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return -1.0;
    double peak = 0.0;
    float** pcm = nullptr;
    int section = 0;
    const int channels = ov_info(&file, -1)->channels;
    long frames = 0;
    while ((frames = ov_read_float(&file, &pcm, 4096, &section)) > 0) {
        for (int c = 0; c < channels; ++c) {
            for (long i = 0; i < frames; ++i) peak = std::max(peak, std::fabs(double{pcm[c][i]}));
        }
    }
    ov_clear(&file);
    return frames < 0 ? -1.0 : peak;
}

}  // namespace soundgen
