// Off-screen drawing surfaces and everything drawn onto them: loading bitmaps, pixels, lines,
// rectangles, the blend and rotated blits, the plain platform-style copies and system-font text.
//
// Pixels are 32-bit 0x00RRGGBB (blue in the lowest byte, the screen's own order). Colours handed
// to the drawing operations are colour references 0x00BBGGRR (red in the lowest byte), as the
// game's data and rules speak of them; the operations convert.
//
// Callers pass sizes explicitly; the surface also knows its own size so that every copy can clip
// against both buffers and nothing is ever read or written outside.
#pragma once

#include <cstdint>

#include "base/pixels.h"

using Colour = uint32_t;  // 0x00BBGGRR
constexpr Colour kMagenta = 0xFF00FF;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;
constexpr uint32_t kKeyConstantOpacity = 0xFFFFFFFF;  // blendBlit key -1
constexpr uint32_t kKeyAdditive = 0xFFFFFFFE;         // blendBlit key -2
constexpr Colour kInvalidColour = 0xFFFFFFFF;         // readPixel outside the bitmap

// Colour reference (0x00BBGGRR) <-> pixel (0x00RRGGBB).
constexpr uint32_t colourToPixel(Colour c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr Colour pixelToColour(uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// --- Surfaces, bitmap loading and shapes -------------------------------------------------------
// All of these take logical coordinates and double them in the double-size display mode.
SurfacePtr loadSurface(const char* path);      // fatal message and platformFatal on failure
// A sprite sheet: loaded as loadSurface does, and refused the same way when the picture is smaller
// than the width x height logical pixels of the cells read from it.
SurfacePtr loadSheet(const char* path, int width, int height);
SurfacePtr createSurface(int width, int height);  // filled white
SurfacePtr createScreenSurface();                 // displayWidth x displayHeight, white
void releaseSurface(SurfacePtr& surface);
void fillSurface(Surface* s, Colour colour);
void drawPixel(Surface* s, int x, int y, Colour colour);
void drawLine(Surface* s, int x0, int y0, int x1, int y1, Colour colour);
void drawRectangle(Surface* s, int x, int y, int width, int height, int filled, Colour colour);
Colour readPixel(const Surface* s, int x, int y);

// --- Blits ------------------------------------------------------------------------------------
void blendBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
               int sh, int16_t percent, uint32_t key);
void rotateBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                int sw, int sh, int angle, uint32_t key);
void rotateBlitAbout(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                     int sw, int sh, int angle, uint32_t key, int pivotX, int pivotY);

// The four plain copies, in device coordinates (never doubled), clipped against both surfaces.
void copyBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy);
void fillBlack(Surface* dst, int x, int y, int w, int h);
void fillWhite(Surface* dst, int x, int y, int w, int h);
// Nearest-pixel stretch (dropping or repeating whole rows and columns).
void stretchBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                 int sw, int sh);
// Stretched copy leaving out source pixels equal to the key colour (a colour reference).
void transparentBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
                     int sw, int sh, Colour key);
// Stretched copy mixed at a constant opacity 0..255, source over destination.
void alphaBlit(Surface* dst, int x, int y, int w, int h, const Surface* src, int sx, int sy, int sw,
               int sh, int opacity);

// --- System-font text ---------------------------------------------------------------------------
void createSystemFont(int width, int height, const char* faceShiftJis);
void releaseSystemFont();
// printf-style; the format and the result are Shift-JIS bytes. background -1 (0xFFFFFFFF) means
// a transparent background.
void drawSystemText(Surface* s, int x, int y, Colour colour, Colour background, const char* format,
                    ...);
// The current system font's cell in device pixels; false while there is none.
bool systemFontCell(int& width, int& height);
