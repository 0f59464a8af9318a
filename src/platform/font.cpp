// The system font, the same in both backends: a fixed-pitch Japanese font found through
// fontconfig, rasterised by SDL2_ttf without smoothing (crisp pixels like the rest of the game)
// and laid out in fixed cells: a single-byte Shift-JIS character takes one cell, a double-byte
// character two.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/pixels.h"
#include "platform/platform.h"
#include "base/sjis.h"

namespace {

struct FontCache {
    bool looked = false;
    std::string file;                 // "" when no font could be found
    std::map<int, TTF_Font*> bySize;  // pixel height -> font

    ~FontCache() {
        for (auto& entry : bySize) {
            if (entry.second) TTF_CloseFont(entry.second);
        }
        if (TTF_WasInit()) TTF_Quit();
    }
};
FontCache fonts;

std::string findJapaneseMonospaceFont() {
    std::string found;
    if (FcInit()) {
        for (const char* pattern : {"IPAGothic:spacing=mono", "monospace:lang=ja"}) {
            FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
            if (!request) continue;
            FcConfigSubstitute(nullptr, request, FcMatchPattern);
            FcDefaultSubstitute(request);
            FcResult result = FcResultNoMatch;
            FcPattern* match = FcFontMatch(nullptr, request, &result);
            if (match) {
                FcChar8* file = nullptr;
                if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
                    found = reinterpret_cast<const char*>(file);
                }
                FcPatternDestroy(match);
            }
            FcPatternDestroy(request);
            if (!found.empty()) break;
        }
        // The font's file name is all we keep; fontconfig's tables are not needed any more.
        FcFini();
    }
    return found;
}

// The font whose line height fits the cell height.
TTF_Font* fontForHeight(int height) {
    if (height <= 0) return nullptr;
    if (!fonts.looked) {
        fonts.looked = true;
        fonts.file = findJapaneseMonospaceFont();
    }
    if (fonts.file.empty()) return nullptr;
    if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
    auto it = fonts.bySize.find(height);
    if (it != fonts.bySize.end()) return it->second;
    TTF_Font* font = nullptr;
    for (int size = height; size >= 1; --size) {
        TTF_Font* candidate = TTF_OpenFont(fonts.file.c_str(), size);
        if (!candidate) break;
        if (TTF_FontHeight(candidate) <= height || size == 1) {
            font = candidate;
            break;
        }
        TTF_CloseFont(candidate);
    }
    if (font) TTF_SetFontHinting(font, TTF_HINTING_MONO);
    fonts.bySize[height] = font;
    return font;
}

// Decodes UTF-8 into code points, each with the number of cells its Shift-JIS form takes.
struct Character {
    uint32_t code;
    int cells;
};

std::vector<Character> charactersOf(const std::string& shiftJis) {
    std::vector<Character> out;
    for (size_t i = 0; i < shiftJis.size();) {
        auto byte = static_cast<unsigned char>(shiftJis[i]);
        bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        size_t length = (lead && i + 1 < shiftJis.size()) ? 2 : 1;
        std::string utf8 = fromShiftJis(shiftJis.substr(i, length));
        uint32_t code = 0xFFFD;
        if (!utf8.empty()) {
            auto u = reinterpret_cast<const unsigned char*>(utf8.data());
            if (u[0] < 0x80) code = u[0];
            else if ((u[0] & 0xE0) == 0xC0 && utf8.size() >= 2) code = ((u[0] & 0x1F) << 6) | (u[1] & 0x3F);
            else if ((u[0] & 0xF0) == 0xE0 && utf8.size() >= 3)
                code = ((u[0] & 0x0F) << 12) | ((u[1] & 0x3F) << 6) | (u[2] & 0x3F);
        }
        out.push_back({code, static_cast<int>(length)});
        i += length;
    }
    return out;
}

void fillBox(Surface& target, int x, int y, int w, int h, uint32_t pixel) {
    for (int row = std::max(y, 0); row < std::min(y + h, target.height); ++row) {
        uint32_t* line = target.row(row);
        for (int col = std::max(x, 0); col < std::min(x + w, target.width); ++col) line[col] = pixel;
    }
}

}  // namespace

void platformDrawText(Surface& target, int x, int y, const std::string& textShiftJis,
                      int charWidth, int charHeight, uint32_t textPixel, bool opaqueBackground,
                      uint32_t backgroundPixel) {
    if (target.pixels.empty() || charWidth <= 0 || charHeight <= 0) return;
    std::vector<Character> characters = charactersOf(textShiftJis);
    int cells = 0;
    for (const Character& c : characters) cells += c.cells;
    if (opaqueBackground) fillBox(target, x, y, cells * charWidth, charHeight, backgroundPixel);

    TTF_Font* font = fontForHeight(charHeight);
    if (!font) return;  // no Japanese font on this machine: the text stays blank
    SDL_Color white = {255, 255, 255, 255};
    int cellX = x;
    for (const Character& c : characters) {
        int boxWidth = c.cells * charWidth;
        SDL_Surface* glyph = c.code == ' ' ? nullptr : TTF_RenderGlyph32_Solid(font, c.code, white);
        if (glyph && SDL_LockSurface(glyph) == 0) {
            // A glyph wider than its cells is centred on them and cut at their edges.
            int offset = (boxWidth - glyph->w) / 2;
            const auto* base = static_cast<const uint8_t*>(glyph->pixels);
            for (int gy = 0; gy < glyph->h && gy < charHeight; ++gy) {
                int ty = y + gy;
                if (ty < 0 || ty >= target.height) continue;
                uint32_t* line = target.row(ty);
                for (int gx = 0; gx < glyph->w; ++gx) {
                    int cx = gx + offset;
                    if (cx < 0 || cx >= boxWidth) continue;
                    int tx = cellX + cx;
                    if (tx < 0 || tx >= target.width) continue;
                    // Solid rendering: palette index 0 is the background, anything else ink.
                    if (base[static_cast<size_t>(gy) * glyph->pitch + gx] != 0) line[tx] = textPixel;
                }
            }
            SDL_UnlockSurface(glyph);
        }
        if (glyph) SDL_FreeSurface(glyph);
        cellX += boxWidth;
    }
}
