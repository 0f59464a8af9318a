// PNG files, the same in both backends: screenshots written and icons read through SDL2_image,
// which needs no window.
#include <SDL.h>
#include <SDL_image.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/pixels.h"
#include "platform/platform.h"

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

}  // namespace

bool platformSavePng(const char* path, const Surface& in, int width, int height) {
    if (!path || width <= 0 || height <= 0 || width > in.width || height > in.height) return false;
    // The surface's own rows, seen by SDL without a copy: 0x00RRGGBB is SDL's RGB888.
    SdlSurfacePtr view(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(in.row(0)), width, height, 32,
                                                          in.width * 4, SDL_PIXELFORMAT_RGB888));
    if (!view) return false;
    // An uncompressed PNG of these pixels is smaller than this; a write that does not fit fails.
    const size_t capacity = static_cast<size_t>(width) * height * 4 + 65536;
    if (capacity > static_cast<size_t>(std::numeric_limits<int>::max())) return false;
    std::vector<char> bytes(capacity);
    SDL_RWops* memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!memory) return false;
    const bool encoded = IMG_SavePNG_RW(view.get(), memory, 0) == 0;
    const Sint64 length = SDL_RWtell(memory);
    SDL_RWclose(memory);
    if (!encoded || length <= 0) return false;
    return writeFileAtomically(path, std::string_view(bytes.data(), static_cast<size_t>(length)));
}

bool platformLoadPng(const char* path, Surface& out) {
    if (!path) return false;
    SdlSurfacePtr decoded(IMG_Load(path));
    if (!decoded) return false;
    SdlSurfacePtr pixels(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!pixels || SDL_LockSurface(pixels.get()) != 0) return false;
    Surface picture;
    picture.width = pixels->w;
    picture.height = pixels->h;
    picture.pixels.resize(static_cast<size_t>(pixels->w) * pixels->h);
    for (int y = 0; y < pixels->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(pixels->pixels) + y * pixels->pitch);
        for (int x = 0; x < pixels->w; ++x) picture.row(y)[x] = row[x] & 0x00FFFFFFu;
    }
    SDL_UnlockSurface(pixels.get());
    out = std::move(picture);
    return true;
}
