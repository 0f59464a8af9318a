#include "gallery.h"

#include <algorithm>

#include "lettering.h"

namespace pg {

Image contactSheet(const Catalog& catalog) {
    const int sheetWidth = 1400, gap = 8, label = 12;
    // shelf packing in catalogue order: pictures side by side until the row is full
    struct Place { int x, y; };
    std::vector<Place> places;
    int x = gap, y = gap, rowHeight = 0;
    for (const auto& p : catalog) {
        int w = std::max(p.image.w, int(p.path.size()) * 4);
        if (x + w + gap > sheetWidth && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + gap;
        rowHeight = std::max(rowHeight, p.image.h + label);
    }
    Image sheet(sheetWidth, y + rowHeight + gap, 0x303030);
    for (size_t i = 0; i < catalog.size(); ++i) {
        const auto& p = catalog[i];
        std::string name = p.path;
        std::transform(name.begin(), name.end(), name.begin(), [](char c) { return char(std::toupper(c)); });
        stamp(sheet, tinyText(name), places[i].x, places[i].y + 2, 1, 0xE0E0E0);
        Image shown = p.image;
        // brush masks are black and RGB(1, 0, 0): show the stroke so it can be seen
        if (p.path.find("hude/") != std::string::npos) recolour(shown, 0x010000, 0xC8C8C8);
        blitAll(sheet, places[i].x, places[i].y + label, shown);
    }
    return sheet;
}

}  // namespace pg
