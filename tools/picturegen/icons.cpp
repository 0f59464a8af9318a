// The game's icon at the usual desktop sizes, drawn from the game's own art: Yomogi as the player
// sheets draw her (standing, head over body), in front of a moonlit tile of night sky with a
// stone ledge under her feet. The small sizes keep the picture readable: at 16 pixels only the
// head, at 24 the figure alone; from 32 up the whole tile, scaled by whole factors (crisp pixels).
// Written as PNG files with the magenta key made transparent, through libpng.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "catalog.h"
#include "sources.h"

namespace pg {
namespace {

constexpr int kCell = 24;  // the player sheets' cell

const Image& pictureOf(const Catalog& art, const std::string& path) {
    for (const Picture& p : art)
        if (p.path == path) return p.image;
    std::fprintf(stderr, "picturegen: the icon needs %s\n", path.c_str());
    std::exit(1);
}

// Yomogi standing, facing right as she walks in: the first cells of the body and head sheets.
Image figure(const Catalog& art) {
    Image body = crop(pictureOf(art, "bmp/yomogi_body.bmp"), 0, 0, kCell, kCell);
    Image head = crop(pictureOf(art, "bmp/yomogi_head.bmp"), 0, 0, kCell, kCell);
    blitAll(body, 0, 0, head, kMagenta);
    return mirrored(body);
}

// The 32 x 32 tile: a rounded square of night sky, the moon in its corner, a ledge of stone.
Image tile(const Image& yomogi) {
    Image img(32, 32, kMagenta);
    verticalRamp(img, 0, 0, 32, 32, {pal("night1"), pal("night2"), pal("night3")});
    // Rounded corners.
    for (int c = 0; c < 2; ++c)
        for (int d = 0; d < 2 - c; ++d) {
            img.set(c, d, kMagenta), img.set(31 - c, d, kMagenta);
            img.set(c, 31 - d, kMagenta), img.set(31 - c, 31 - d, kMagenta);
        }
    disc(img, 23, 8, 5, pal("moon1"));
    disc(img, 21, 7, 4, pal("night2"));  // a crescent: the sky bites into the moon
    img.set(6, 5, pal("moon2"));
    img.set(12, 3, pal("moon0"));
    img.set(4, 12, pal("moon0"));
    rect(img, 2, 27, 28, 3, pal("stone3"));
    hline(img, 2, 29, 27, pal("stone5"));
    vline(img, 11, 28, 29, pal("stone1"));
    vline(img, 21, 28, 29, pal("stone1"));
    blitAll(img, 4, 3, yomogi, kMagenta);
    return img;
}

std::vector<uint8_t> encodePng(const Image& img) {
    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fprintf(stderr, "picturegen: cannot encode an icon\n");
        std::exit(1);
    }
    png_set_write_fn(
        png, &bytes,
        [](png_structp p, png_bytep data, png_size_t length) {
            auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            out->insert(out->end(), data, data + length);
        },
        nullptr);
    png_set_IHDR(png, info, img.w, img.h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> row(size_t(img.w) * 4);
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            const Colour c = img.at(x, y);
            uint8_t* p = &row[size_t(x) * 4];
            p[0] = uint8_t(c >> 16), p[1] = uint8_t(c >> 8), p[2] = uint8_t(c), p[3] = c == kMagenta ? 0 : 255;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

// The picture's drawn pixels (all but the key) in the middle of a square of the given size; what
// is larger than the square loses its lower part (a head keeps its top and its face).
Image fitted(const Image& src, int size) {
    int left = src.w, top = src.h, right = -1, bottom = -1;
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (src.at(x, y) != kMagenta) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    Image out(size, size, kMagenta);
    if (right < 0) return out;
    const int w = std::min(size, right - left + 1), h = std::min(size, bottom - top + 1);
    blit(out, (size - w) / 2, (size - h) / 2, src, left + (right - left + 1 - w) / 2, top, w, h);
    return out;
}

}  // namespace

void addIcons(const Catalog& art, std::vector<EncodedFile>& out) {
    const Image yomogi = figure(art);
    const Image square = tile(yomogi);
    Image headOnly = mirrored(crop(pictureOf(art, "bmp/yomogi_head.bmp"), 0, 0, kCell, kCell));
    const Image head = fitted(headOnly, 16);
    const struct {
        int size;
        Image image;
    } sizes[] = {
        {16, head}, {24, yomogi}, {32, square}, {48, scaled(yomogi, 2)},
        {64, scaled(square, 2)}, {128, scaled(square, 4)}, {256, scaled(square, 8)},
    };
    for (const auto& s : sizes) {
        const std::string n = std::to_string(s.size);
        out.push_back({"icons/hicolor/" + n + "x" + n + "/apps/yomogi.png", encodePng(s.image)});
    }
}

}  // namespace pg
