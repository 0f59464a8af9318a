// The font sheets shared by the whole run, and the glyph table read at start-up.
#include "base/data_reader.h"
#include "text/glyph_text.h"

FontState fonts;

void loadFontSurfaces() {
    fonts.fontSurface = loadSheet("bmp/font2.bmp", 320, 320);
    fonts.cursorSurface = loadSurface("bmp/cursor.bmp");
    fonts.rankFontSurface = loadSheet("bmp/rankfont.bmp", 64, 16);
}

void releaseFontSurfaces() {
    releaseSurface(fonts.fontSurface);
    releaseSurface(fonts.cursorSurface);
    releaseSurface(fonts.rankFontSurface);
}

void loadGlyphTable() {
    loadFontSurfaces();
    readGlyphTable("data/mojidata.txt");
}

// Eight records of fourteen (x, y) pairs; (160, 160) ends a record's used entries. Nothing draws
// from the table, so a missing file simply leaves it empty, and a file that ends early or holds
// something other than numbers keeps the pairs read before that point.
bool readGlyphTable(const char* path) {
    for (GlyphRecord& record : fonts.glyphTable) record = GlyphRecord{};
    DataReader file;
    if (!file.open(path)) return false;
    bool reading = true;
    for (GlyphRecord& record : fonts.glyphTable) {
        for (int k = 0; k < 14 && reading; ++k) {
            int x = 0, y = 0;
            if (!file.number(x) || !file.number(y)) {
                reading = false;
                break;
            }
            record.x[k] = x;
            record.y[k] = y;
        }
        for (int k = 0; k < 14; ++k) {
            if (record.x[k] == 160 && record.y[k] == 160) {
                record.count = k;
                break;
            }
        }
    }
    return true;
}
