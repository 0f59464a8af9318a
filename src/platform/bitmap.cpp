// Bitmap files, the same in both backends. Uncompressed 24-bit pictures (the only kind our tools
// write) are decoded here straight into the surface's 0x00RRGGBB rows, reading the file in large
// blocks; any other kind SDL's BMP reader decodes, once its header has been checked against the
// file, and the pixels are converted with their colours exactly as stored (colour keys compare
// them exactly).
#include <SDL.h>
#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/pixels.h"
#include "platform/platform.h"

namespace {

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

uint32_t little32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t little16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// No picture of the game comes near this; a larger side is a broken header.
constexpr int64_t kLargestSide = 16384;

enum class Decoded { Done, Refused, NotOurs };

// A 24-bit uncompressed picture with a 40-byte or longer information header. Anything else is
// left to SDL. Every size is checked against the file's length before a pixel is allocated, so a
// short or lying file is refused without reading past its end.
Decoded decodeTrueColour(const char* path, Surface& out) {
    FilePtr file(std::fopen(path, "rb"));
    if (!file) return Decoded::Refused;
    uint8_t header[54];
    if (std::fread(header, 1, sizeof header, file.get()) != sizeof header) return Decoded::NotOurs;
    if (header[0] != 'B' || header[1] != 'M') return Decoded::NotOurs;
    const uint32_t pixelOffset = little32(header + 10);
    const uint32_t infoSize = little32(header + 14);
    const int64_t width = static_cast<int32_t>(little32(header + 18));
    const int64_t signedHeight = static_cast<int32_t>(little32(header + 22));
    const uint16_t bitsPerPixel = little16(header + 28);
    const uint32_t compression = little32(header + 30);
    if (infoSize < 40 || bitsPerPixel != 24 || compression != 0) return Decoded::NotOurs;
    // A negative height stores the rows from the top down; the usual positive one, bottom up.
    const bool topDown = signedHeight < 0;
    const int64_t height = topDown ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return Decoded::Refused;
    if (pixelOffset < 14 + infoSize) return Decoded::Refused;

    const size_t rowBytes = static_cast<size_t>((width * 3 + 3) / 4 * 4);  // rows pad to 4 bytes
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return Decoded::Refused;
    const long fileLength = std::ftell(file.get());
    if (fileLength < 0 ||
        static_cast<uint64_t>(fileLength) < pixelOffset + rowBytes * static_cast<uint64_t>(height))
        return Decoded::Refused;
    if (std::fseek(file.get(), static_cast<long>(pixelOffset), SEEK_SET) != 0) return Decoded::Refused;

    Surface picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    // Every pixel is written below; the fill only sizes the vector.
    platformSizePixels(picture.pixels, static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    // Rows are read some tens of kilobytes at a time and unpacked into their place.
    const size_t rowsPerBlock = std::max<size_t>(1, (64 * 1024) / rowBytes);
    std::vector<uint8_t> block(rowsPerBlock * rowBytes);
    for (int64_t first = 0; first < height;) {
        const size_t count = static_cast<size_t>(std::min<int64_t>(rowsPerBlock, height - first));
        if (std::fread(block.data(), rowBytes, count, file.get()) != count) return Decoded::Refused;
        for (size_t i = 0; i < count; ++i) {
            const int64_t stored = first + static_cast<int64_t>(i);
            const int y = static_cast<int>(topDown ? stored : height - 1 - stored);
            const uint8_t* from = block.data() + i * rowBytes;
            uint32_t* to = picture.row(y);
            for (int64_t x = 0; x < width; ++x, from += 3)  // blue, green, red in the file
                to[x] = uint32_t{from[0]} | uint32_t{from[1]} << 8 | uint32_t{from[2]} << 16;
        }
        first += static_cast<int64_t>(count);
    }
    out = std::move(picture);
    return Decoded::Done;
}

// Any other kind of picture is decoded by SDL, which allocates the surface the header names before
// it reads a pixel. So the header is judged first, for every depth and compression: both sides
// within the largest picture the game uses, a palette that fits its depth and the file, and at
// least the bytes its rows take (every row of plain pixels whole; a run-length row at least one
// two-byte run for every 255 pixels). A header that names more than the file can hold is refused
// without asking for its memory.
bool headerFitsFile(const char* path) {
    FilePtr file(std::fopen(path, "rb"));
    if (!file) return false;
    uint8_t header[14 + 124] = {};
    const size_t got = std::fread(header, 1, sizeof header, file.get());
    if (got < 14 + 12 || header[0] != 'B' || header[1] != 'M') return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    const long length = std::ftell(file.get());
    if (length < 0) return false;
    const uint64_t fileLength = static_cast<uint64_t>(length);

    const uint64_t pixelOffset = little32(header + 10);
    const uint32_t infoSize = little32(header + 14);
    if (infoSize < 12 || 14 + static_cast<uint64_t>(infoSize) > fileLength) return false;
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0, coloursUsed = 0;
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes, three-byte palette entries
        width = little16(header + 18);
        height = little16(header + 20);
        bits = little16(header + 24);
    } else {
        if (got < 14 + 40) return false;
        width = static_cast<int32_t>(little32(header + 18));
        height = static_cast<int32_t>(little32(header + 22));
        bits = little16(header + 28);
        compression = little32(header + 30);
        coloursUsed = little32(header + 46);
    }
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) return false;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;

    uint64_t tablesEnd = 14 + static_cast<uint64_t>(infoSize);
    if (compression == 3 && infoSize == 40) tablesEnd += 12;  // the three masks follow the header
    if (bits <= 8) {
        const uint64_t colours = coloursUsed == 0 ? (uint64_t{1} << bits) : coloursUsed;
        if (colours > (uint64_t{1} << bits)) return false;
        tablesEnd += colours * (infoSize == 12 ? 3 : 4);
    }
    if (tablesEnd > fileLength || pixelOffset > fileLength) return false;

    const uint64_t available = fileLength - pixelOffset;
    uint64_t needed = 0;
    switch (compression) {
    case 0:  // plain rows, each padded to four bytes
    case 3:  // bit fields: plain rows of 16 or 32 bits
        if (compression == 3 && bits != 16 && bits != 32) return false;
        needed = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4 * static_cast<uint64_t>(height);
        break;
    case 1:  // RLE8
    case 2:  // RLE4
        if ((compression == 1 && bits != 8) || (compression == 2 && bits != 4)) return false;
        needed = 2 * ((static_cast<uint64_t>(width) + 254) / 255) * static_cast<uint64_t>(height);
        break;
    default: return false;
    }
    return needed <= available;
}

}  // namespace

void platformKeepPictureMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

void platformSizePixels(std::vector<uint32_t>& pixels, size_t count, uint32_t fill) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr size_t kLargePage = size_t{2} << 20;
    if (count * sizeof(uint32_t) >= kLargePage && pixels.capacity() < count) {
        // Fresh memory, not yet touched: the advice is only a hint, and its refusal costs nothing.
        std::vector<uint32_t> fresh;
        fresh.reserve(count);
        const auto start = reinterpret_cast<uintptr_t>(fresh.data());
        const uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
        const uintptr_t end = (start + count * sizeof(uint32_t)) & ~(kLargePage - 1);
        if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
        pixels.swap(fresh);
    }
#endif
    pixels.assign(count, fill);
}

bool platformLoadBitmap(const char* path, Surface& out) {
    if (!path) return false;
    switch (decodeTrueColour(path, out)) {
    case Decoded::Done: return true;
    case Decoded::Refused: return false;
    case Decoded::NotOurs: break;
    }
    if (!headerFitsFile(path)) return false;
    SdlSurfacePtr loaded(SDL_LoadBMP(path));
    if (!loaded) return false;
    // RGB888 is 32 bits with red in bits 16-23 and blue in the low byte: the surfaces' own order.
    SdlSurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
    if (!converted || converted->w <= 0 || converted->h <= 0) return false;
    if (SDL_LockSurface(converted.get()) != 0) return false;
    out.width = converted->w;
    out.height = converted->h;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    const auto* base = static_cast<const uint8_t*>(converted->pixels);
    for (int y = 0; y < out.height; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(base + static_cast<size_t>(y) * converted->pitch);
        uint32_t* dst = out.row(y);
        for (int x = 0; x < out.width; ++x) dst[x] = src[x] & 0x00FFFFFF;
    }
    SDL_UnlockSurface(converted.get());
    return true;
}

bool platformSaveBitmap(const char* path, const Surface& in, int width, int height) {
    if (!path || width <= 0 || height <= 0) return false;
    SdlSurfacePtr picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24));
    if (!picture) return false;
    SDL_FillRect(picture.get(), nullptr, 0);
    if (SDL_LockSurface(picture.get()) != 0) return false;
    auto* base = static_cast<uint8_t*>(picture->pixels);
    int w = std::min(width, in.width);
    int h = std::min(height, in.height);
    for (int y = 0; y < h; ++y) {
        uint8_t* dst = base + static_cast<size_t>(y) * picture->pitch;
        const uint32_t* src = in.row(y);
        for (int x = 0; x < w; ++x) {
            // BGR24 keeps blue, green, red in memory order, as the file does.
            dst[3 * x + 0] = static_cast<uint8_t>(src[x] & 0xFF);          // blue
            dst[3 * x + 1] = static_cast<uint8_t>((src[x] >> 8) & 0xFF);   // green
            dst[3 * x + 2] = static_cast<uint8_t>((src[x] >> 16) & 0xFF);  // red
        }
    }
    SDL_UnlockSurface(picture.get());
    // SDL encodes the file in memory (headers of at most 138 bytes, then padded rows); the atomic
    // writer puts it in place whole.
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> file(138 + rowBytes * static_cast<size_t>(height) + 1024);
    SDL_RWops* memory = SDL_RWFromMem(file.data(), static_cast<int>(file.size()));
    if (!memory) return false;
    if (SDL_SaveBMP_RW(picture.get(), memory, 0) != 0) {
        SDL_RWclose(memory);
        return false;
    }
    const Sint64 length = SDL_RWtell(memory);
    SDL_RWclose(memory);
    if (length <= 0) return false;
    return writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(file.data()),
                                                      static_cast<size_t>(length)));
}
