// Turning the menus' image lists into surfaces: pictures by name, and text entries drawn with the
// bitmap font.
#include "menu/image_list.h"

#include <climits>
#include <string>

#include "platform/platform.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

constexpr int kTextCellSize = 20;
constexpr int kNullSide = 32;
// A text entry is a label or a framed panel of the screen; a side beyond this is a typing slip
// in the script, and would ask for gigabytes. It is refused like an unreadable side.
constexpr int kLargestTextSide = 2048;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The character after the next comma, or the string's end when there is no further comma.
const char* pastComma(const char* p) {
    while (*p != '\0' && *p != ',') ++p;
    return *p == ',' ? p + 1 : p;
}

// One side of a text entry; a side that cannot be read is reported and becomes 0.
int readSide(const char* field, const char* warning) {
    int value = readDecimalField(field, ',');
    if (value > kLargestTextSide) value = -1;
    if (value < 0) {
        platformMessage(sj(warning), sj("警告"), BoxIcon::Warning);
        return 0;
    }
    return value;
}

// The picture's name ends at its line feed (script lines keep theirs); a carriage return before
// it, as in a script saved with CRLF line ends, is no part of the name either.
std::string pictureName(const char* name) {
    std::string cut;
    for (const char* p = name; *p != '\0' && *p != '\n'; ++p) cut += *p;
    if (!cut.empty() && cut.back() == '\r') cut.pop_back();
    return cut;
}

SurfacePtr nullEntry() {
    SurfacePtr surface = createSurface(kNullSide, kNullSide);
    drawSystemText(surface.get(), 0, 0, kBlack, kWhite, "NULL");
    return surface;
}

SurfacePtr textEntry(const char*& text, ImageSize& size, const Surface* font) {
    text = pastComma(text);
    const int width = readSide(text, "width設定値エラー");
    text = pastComma(text);
    const int height = readSide(text, "height設定値エラー");
    text = pastComma(text);
    if (width == 0 || height == 0) {
        size = {kNullSide, kNullSide};
        return nullEntry();
    }
    size = {width, height};
    SurfacePtr surface = createSurface(width, height);
    drawRectangle(surface.get(), 0, 0, width, height, 1, kBlack);
    // The font sheet's top-left pixel is its background; an unreadable one means magenta (-1).
    const int key = static_cast<int>(font ? readPixel(font, 0, 0) : kInvalidColour);
    drawGlyphText(surface.get(), 0, 0, width, height, kTextCellSize, key, font, text);
    return surface;
}

}  // namespace

int readDecimalField(const char* text, char stop) {
    if (!text || *text == '\0' || *text == stop || !isDigit(*text)) return -1;
    int value = 0;
    for (const char* p = text; *p != '\0' && *p != stop && isDigit(*p); ++p) {
        const int digit = *p - '0';
        value = value > (INT_MAX - digit) / 10 ? INT_MAX : value * 10 + digit;
    }
    return value;
}

std::vector<SurfacePtr> buildImageList(std::span<const char*> strings, std::span<ImageSize> sizes,
                                       int startIndex, const Surface* font) {
    std::vector<SurfacePtr> surfaces(strings.size());
    for (size_t i = strings.size(); i-- > 0;) {
        const char*& entry = strings[i];
        if (entry && entry[0] == '>') {
            --startIndex;
            ImageSize size;
            surfaces[i] = textEntry(entry, size, font);
            if (startIndex >= 0 && static_cast<size_t>(startIndex) < sizes.size())
                sizes[startIndex] = size;
        } else {
            const std::string path = "bmp/" + pictureName(entry ? entry : "") + ".bmp";
            surfaces[i] = loadSurface(path.c_str());
        }
    }
    return surfaces;
}
