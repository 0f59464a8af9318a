// data/mojidata.txt, the glyph table read at start-up: eight records of fourteen pairs, each
// record's count where (160, 160) ends it. Then the panels' texts drawn with the font sheets.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "frame/frame.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

YOMOGI_FUZZ_TARGET(glyph_table)(const uint8_t* data, size_t size) {
    fuzzBegin();
    fuzzWrite("data/mojidata.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    fuzzQuietly([&] {
        readGlyphTable("data/mojidata.txt");
        for (const GlyphRecord& record : fonts.glyphTable)
            if (record.count < 0 || record.count > 14) fuzzFinding("a glyph record counts outside 0..14");
        drawGlyphText(app.backBuffer.get(), 0, 0, 640, 64, 32, kMagenta, fonts.fontSurface.get(), sj("ＣＬＥＡＲ　あいう"));
    });
    return 0;
}
