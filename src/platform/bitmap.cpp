// Bitmap files, the same in both backends: SDL's BMP reader decodes them and the pixels are
// converted to the surfaces' 0x00RRGGBB format with their colours exactly as stored (colour keys
// compare them exactly). Pictures are written as 24-bit BMP files.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "gfx/surface.h"
#include "platform/platform.h"

namespace {

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

}  // namespace

bool platformLoadBitmap(const char* path, Surface& out) {
    if (!path) return false;
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
    // A new file beside the old one, renamed over it only when it is complete.
    std::string temporary = std::string(path) + ".tmp";
    if (SDL_SaveBMP(picture.get(), temporary.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
