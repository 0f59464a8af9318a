// Text in the platform's fixed-pitch Japanese font, for placeholder labels. There is one current
// system font for the whole program; the platform layer rasterises it.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "gfx/surface.h"
#include "gfx/surface_internal.h"
#include "platform/platform.h"
#include "base/sjis.h"

namespace {

struct SystemFont {
    bool exists = false;
    int width = 0, height = 0;  // device pixels of one single-byte cell
    std::string face;           // Shift-JIS; the platform picks its own fixed-pitch face
};
SystemFont systemFont;

}  // namespace

void createSystemFont(int width, int height, const char* faceShiftJis) {
    releaseSystemFont();
    const int scale = displayScale();
    systemFont.exists = true;
    systemFont.width = width * scale;
    systemFont.height = height * scale;
    systemFont.face = faceShiftJis ? faceShiftJis : "";
}

void releaseSystemFont() { systemFont = SystemFont{}; }

bool systemFontCell(int& width, int& height) {
    width = systemFont.width;
    height = systemFont.height;
    return systemFont.exists;
}

void drawSystemText(Surface* s, int x, int y, Colour colour, Colour background, const char* format,
                    ...) {
    char text[2048];
    text[0] = '\0';
    if (format) {
        va_list values;
        va_start(values, format);
        std::vsnprintf(text, sizeof text, format, values);  // cut at 2047 bytes, never beyond
        va_end(values);
    }
    if (!systemFont.exists) createSystemFont(8, 16, sj("ＭＳ 明朝"));
    if (s && !s->pixels.empty()) {
        const int64_t scale = displayScale();
        const bool opaque = background != 0xFFFFFFFF;
        platformDrawText(*s, static_cast<int>(x * scale), static_cast<int>(y * scale), text,
                         systemFont.width, systemFont.height, colourToPixel(colour & 0xFFFFFF),
                         opaque, colourToPixel(background & 0xFFFFFF));
    }
    // Each drawing leaves the surface with its defaults (opaque background, black on white);
    // our surfaces keep no text state between calls, so there is nothing to restore.
    platformPumpEvents();
}
