// A BMP picture of any depth and compression, loaded the way the game loads its pictures, then
// drawn onto the screen as the stage and the menus draw theirs: keyed and stretched, blended,
// turned.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "frame/frame.h"
#include "gfx/surface.h"

YOMOGI_FUZZ_TARGET(bitmap)(const uint8_t* data, size_t size) {
    fuzzBegin();
    fuzzWrite("fuzz.bmp", std::string_view(reinterpret_cast<const char*>(data), size));
    fuzzQuietly([&] {
        SurfacePtr picture = loadSurface("fuzz.bmp");
        Surface* screen = app.backBuffer.get();
        const int w = picture->width, h = picture->height;
        transparentBlit(screen, 0, 0, 640, 480, picture.get(), 0, 0, w, h, kMagenta);
        blendBlit(screen, -7, 5, w, h, picture.get(), 0, 0, w, h, 50, kMagenta);
        blendBlit(screen, 100, 100, 64, 64, picture.get(), w / 2, h / 2, 32, 32, -2, 0);
        rotateBlit(screen, 320 - w / 2, 240 - h / 2, w, h, picture.get(), 0, 0, w, h, 33, kMagenta);
        readPixel(picture.get(), w - 1, h - 1);
    });
    return 0;
}
