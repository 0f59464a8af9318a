// The bitmap-font text of one frame: the CLEAR panel's texts drawn into the back buffer through
// the blend blit (the heaviest overlay the game draws), and the glyph lookup on its own.
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "text/glyph_text.h"
#include "text/sjis.h"

namespace {

Surface sheet() {
    Surface font;
    font.width = 320;
    font.height = 336;
    font.pixels.assign(static_cast<size_t>(font.width) * font.height, 0xFF00FF);
    for (int y = 0; y < font.height; ++y)
        for (int x = 0; x < font.width; ++x)
            if ((x + y) % 3 == 0) font.row(y)[x] = 0xE0C080;
    return font;
}

void BM_ClearPanelTexts(benchmark::State& state) {
    display.mode = 0;
    display.width = 640;
    display.height = 480;
    const Surface font = sheet();
    Surface screen;
    screen.width = 640;
    screen.height = 480;
    screen.pixels.assign(640 * 480, 0x202020);
    const char* title = sj("ＣＬＥＡＲ");
    const char* now = sj("ＮＯＷ：０１２");
    const char* best = sj("ＢＥＳＴ：９９９");
    const char* enter = sj("Ｅｎｔｅｒ");
    const char* rank = sj("ＲＡＮＫ");
    for (auto _ : state) {
        drawGlyphTextBlend(&screen, 128, 124, 384, 80, 64, 0xFF00FF, &font, title, 100);
        drawGlyphTextBlend(&screen, 192, 204, 256, 50, 32, 0xFF00FF, &font, now, 100);
        drawGlyphTextBlend(&screen, 176, 252, 288, 50, 32, 0xFF00FF, &font, best, 100);
        drawGlyphTextBlend(&screen, 224, 432, 192, 50, 32, 0xFF00FF, &font, enter, 60);
        drawGlyphTextBlend(&screen, 136, 308, 320, 65, 64, 0xFF00FF, &font, rank, 100);
        benchmark::DoNotOptimize(screen.pixels.data());
    }
}
BENCHMARK(BM_ClearPanelTexts);

void BM_GlyphLookup(benchmark::State& state) {
    const std::string text = toShiftJis("ステージセレクトＷＯＲＬＤ０１２ー・　");
    for (auto _ : state) {
        GlyphSource source;
        int found = 0;
        for (size_t i = 0; i + 1 < text.size(); i += 2)
            found += findGlyph(static_cast<uint8_t>(text[i]), static_cast<uint8_t>(text[i + 1]), source);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_GlyphLookup);

}  // namespace
