// The generated pictures: every bitmap the game loads exists in the game directory with the
// size and cell grid the game cuts it into, keyed areas are exactly the key, every glyph of
// the font sheets is there and every filler is empty, and the generator draws the same bytes
// every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kMagenta = 0xFF00FF, kBlack = 0x000000, kWhite = 0xFFFFFF;

// A 24-bit BMP read by hand: the header fields the game's loader relies on, and the pixels.
struct Bmp {
    bool ok = false;
    std::string problem;
    int w = 0, h = 0, bits = 0, compression = -1;
    std::vector<uint32_t> px;  // 0xRRGGBB, top row first
    uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
};

Bmp readBmp(const fs::path& path) {
    Bmp b;
    std::ifstream in(path, std::ios::binary);
    if (!in) { b.problem = "missing"; return b; }
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), {});
    auto u16 = [&](size_t o) { return uint32_t(d[o] | d[o + 1] << 8); };
    auto u32 = [&](size_t o) { return u16(o) | u16(o + 2) << 16; };
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') { b.problem = "not a bitmap"; return b; }
    uint32_t offset = u32(10);
    b.w = int32_t(u32(18));
    int32_t rawH = int32_t(u32(22));
    b.h = rawH < 0 ? -rawH : rawH;
    b.bits = int(u16(28));
    b.compression = int(u32(30));
    if (b.bits != 24 || b.compression != 0) { b.problem = "not an uncompressed 24-bit bitmap"; return b; }
    size_t row = (size_t(b.w) * 3 + 3) & ~size_t(3);
    if (d.size() < offset + row * b.h) { b.problem = "short pixel data"; return b; }
    b.px.resize(size_t(b.w) * b.h);
    for (int y = 0; y < b.h; ++y) {
        size_t r = offset + row * size_t(rawH < 0 ? y : b.h - 1 - y);
        for (int x = 0; x < b.w; ++x) b.px[size_t(y) * b.w + x] = uint32_t(d[r + 3 * x + 2]) << 16 | d[r + 3 * x + 1] << 8 | d[r + 3 * x];
    }
    b.ok = true;
    return b;
}

Bmp load(const std::string& name) { return readBmp(fs::path(YOMOGI_GAME_DIR) / name); }

bool cellEmpty(const Bmp& b, int x0, int y0, int w, int h, uint32_t key) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (b.at(x, y) != key) return false;
    return true;
}

// A pixel that is nearly the key but not the key would show as a fringe: smoothing or a
// stray colour. Keyed pictures must hold the key exactly or clearly something else.
int nearKeyPixels(const Bmp& b, uint32_t key) {
    int n = 0;
    for (uint32_t p : b.px) {
        if (p == key) continue;
        int dr = int(p >> 16) - int(key >> 16), dg = int((p >> 8) & 0xFF) - int((key >> 8) & 0xFF), db = int(p & 0xFF) - int(key & 0xFF);
        if (dr * dr + dg * dg + db * db < 40 * 40) ++n;
    }
    return n;
}

struct Expected {
    const char* path;
    int w, h;
    uint32_t key;  // the key the game draws it with; kNone for pictures drawn plainly
    bool opaque = false;  // drawn keyed, but meant to show whole: it must not hold the key at all
};
constexpr uint32_t kNone = 0xFFFFFFFF;

const Expected kPictures[] = {
    {"bmp/mod.bmp", 320, 2560, kMagenta},
    {"bmp/block.bmp", 320, 640, kMagenta},
    {"bmp/effect.bmp", 240, 96, kBlack},
    {"bmp/big_gear1.bmp", 320, 320, kMagenta},
    {"bmp/yomogi_head.bmp", 144, 288, kMagenta},
    {"bmp/yomogi_body.bmp", 144, 288, kMagenta},
    {"bmp/shelly1.bmp", 64, 32, kMagenta},
    {"bmp/yurayura.bmp", 32, 32, kMagenta},
    {"bmp/yurayuragost.bmp", 256, 128, kMagenta},
    {"bmp/ase.bmp", 80, 28, kMagenta},
    {"bmp/black_board.bmp", 576, 384, kMagenta},
    {"bmp/NewRecode.bmp", 72, 32, kMagenta},
    {"bmp/rankfont.bmp", 64, 16, kMagenta},
    {"bmp/cursor.bmp", 32, 32, kMagenta},
    {"bmp/font.bmp", 320, 336, kMagenta},
    {"bmp/font2.bmp", 320, 336, kMagenta},
    {"bmp/font2color.bmp", 320, 336, kMagenta},
    {"bmp/font3.bmp", 320, 336, kBlack},
    {"bmp/TL4-1.bmp", 320, 700, kMagenta},
    {"bmp/QM.bmp", 320, 400, kNone},
    {"bmp/titlerogo3.bmp", 600, 264, kMagenta},
    {"bmp/skipstart.bmp", 96, 84, kMagenta},
    {"bmp/flash2.bmp", 32, 32, kWhite},
    {"bmp/!!.bmp", 45, 45, kMagenta},
    {"bmp/g0.bmp", 96, 24, kMagenta},
    {"bmp/g1.bmp", 24, 24, kMagenta},
    {"bmp/bg.bmp", 320, 200, kNone},
    {"bmp/bg2.bmp", 320, 200, kNone},
    {"bmp/background.bmp", 640, 480, kNone},
    {"bmp/castle1-3.bmp", 100, 100, kMagenta},
    {"bmp/hakaba1-2.bmp", 448, 100, kMagenta},
    {"bmp/scroll3.bmp", 228, 738, kBlack},
    {"bmp/scroll4.bmp", 228, 738, kMagenta},
    {"bmp/poll.bmp", 210, 100, kNone},
    {"bmp/gear.bmp", 584, 451, kBlack},
    {"bmp/truespin.bmp", 48, 48, kBlack},
    {"bmp/falsespin.bmp", 48, 48, kBlack},
    {"bmp/waku1-1.bmp", 480, 360, kMagenta},
    {"bmp/truearrow.bmp", 32, 32, kMagenta},
    {"bmp/falsearrow.bmp", 32, 32, kMagenta},
    {"bmp/PushEnter.bmp", 90, 12, kMagenta, true},
    {"bmp/insert/ins1.bmp", 230, 190, kBlack, true},
    {"bmp/insert/ins2.bmp", 275, 235, kBlack, true},
    {"bmp/insert/ins3.bmp", 355, 285, kBlack, true},
    {"bmp/insert/ins4.bmp", 230, 190, kBlack, true},
};

TEST(Pictures, EveryPictureExistsWithItsSizeAndKeyIsExact) {
    for (const auto& e : kPictures) {
        SCOPED_TRACE(e.path);
        Bmp b = load(e.path);
        ASSERT_TRUE(b.ok) << b.problem;
        EXPECT_EQ(b.w, e.w);
        EXPECT_EQ(b.h, e.h);
        if (e.key == kNone) continue;
        long keyed = std::count(b.px.begin(), b.px.end(), e.key);
        if (e.opaque) {
            EXPECT_EQ(keyed, 0) << "a picture meant to show whole holds no key colour";
            continue;
        }
        // near-black is the night itself and the dim glow of added pictures, so only the bright
        // keys are checked for fringes
        if (e.key != kBlack) {
            EXPECT_EQ(nearKeyPixels(b, e.key), 0);
        }
        EXPECT_GT(keyed, 0) << "a keyed picture shows its key somewhere";
        EXPECT_LT(keyed, long(b.px.size())) << "and is not empty";
    }
    // pictures drawn without a key must not carry stray magenta
    for (const char* plain : {"bmp/bg.bmp", "bmp/bg2.bmp", "bmp/background.bmp", "bmp/bg5.bmp", "bmp/poll.bmp"}) {
        Bmp b = load(plain);
        ASSERT_TRUE(b.ok) << plain;
        EXPECT_EQ(std::count(b.px.begin(), b.px.end(), kMagenta), 0) << plain;
    }
}

TEST(Pictures, BackdropsAreLargeEnoughForTheirWindows) {
    // the world select shows a 320 x 240 part of bg5 at up to half the map's extent, and the
    // stage stretches windows of both pictures over the screen
    Bmp castle = load("bmp/castle2-5-2.bmp"), sky = load("bmp/bg5.bmp");
    ASSERT_TRUE(castle.ok && sky.ok);
    EXPECT_GE(castle.w, 640);
    EXPECT_GE(castle.h, 480);
    EXPECT_GE(sky.w, (castle.w - 320) / 2 + 640);
    EXPECT_GE(sky.h, (472 - 240) / 2 + 480);
    EXPECT_EQ(nearKeyPixels(castle, kMagenta), 0);
    EXPECT_GT(std::count(castle.px.begin(), castle.px.end(), kMagenta), 0) << "the sky behind the castle is keyed out";
}

TEST(Pictures, TileSheetHasEveryRowTheCellsDraw) {
    Bmp b = load("bmp/mod.bmp");
    ASSERT_TRUE(b.ok);
    auto used = [&](int col, int row) { return !cellEmpty(b, col * 32, row * 32, 32, 32, kMagenta); };
    for (int c = 0; c < 10; ++c) EXPECT_TRUE(used(c, 1) && used(c, 2)) << "wall " << 10 + c;
    for (int c = 0; c < 8; ++c) EXPECT_TRUE(used(c, 0)) << "open tile " << c;  // 8 and 9 open onto the sky
    // start cells, goal and the five doors open over seven frames (counter 0..30, column counter / 5)
    for (int row = 5; row <= 12; ++row)
        for (int f = 0; f < 7; ++f) EXPECT_TRUE(used(f, row)) << "row " << row << " frame " << f;
    for (int f = 0; f < 4; ++f) EXPECT_TRUE(used(f, 14)) << "torch frame " << f;
    for (int row = 15; row <= 23; ++row)
        for (int f = 0; f < 2; ++f) EXPECT_TRUE(used(f, row)) << "cycle of 10, row " << row;
    for (int row = 26; row <= 33; ++row)
        for (int f = 0; f < 2; ++f) EXPECT_TRUE(used(f, row)) << "cycle of 10, row " << row;
    for (int f = 0; f < 6; ++f) EXPECT_TRUE(used(f, 25)) << "blink frame " << f;
    for (int row = 34; row < 80; ++row) EXPECT_TRUE(used(0, row)) << "still decoration row " << row;
    for (int row = 40; row < 80; ++row)
        for (int c = 0; c < 10; ++c) EXPECT_FALSE(cellEmpty(b, c * 32, row * 32, 32, 32, kMagenta)) << "wall ornament " << row << "," << c;
    // the glow at column 1 of row 24 is added over the torch: black around a warm centre
    EXPECT_EQ(b.at(32, 24 * 32), kBlack);
    EXPECT_EQ(b.at(63, 24 * 32 + 31), kBlack);
    uint32_t centre = b.at(48, 24 * 32 + 13);
    EXPECT_GT(centre >> 16, (centre & 0xFF)) << "a warm glow: more red than blue";
}

TEST(Pictures, SpecialCellsOpenFrameByFrame) {
    Bmp b = load("bmp/mod.bmp");
    ASSERT_TRUE(b.ok);
    auto count = [&](int col, int row, auto pred) {
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) n += pred(b.at(col * 32 + x, row * 32 + y));
        return n;
    };
    auto warm = [](uint32_t p) { return p != kMagenta && int(p >> 16) > int(p & 0xFF) + 60; };
    auto bright = [](uint32_t p) { return p != kMagenta && ((p >> 16) + ((p >> 8) & 0xFF) + (p & 0xFF)) > 600; };
    // a door lets more of the lit room behind it show with every frame of its opening
    for (int row = 8; row <= 12; ++row) {
        for (int f = 1; f < 7; ++f)
            EXPECT_GE(count(f, row, warm), count(f - 1, row, warm)) << "door row " << row << " frame " << f;
        EXPECT_GT(count(6, row, warm), count(0, row, warm) + 40) << "door row " << row;
    }
    // the goal fills with moonlight as it opens
    EXPECT_GT(count(6, 7, bright), count(0, 7, bright));
    // the start cell facing right is the one facing left, mirrored
    for (int f = 0; f < 7; ++f)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(b.at(f * 32 + x, 5 * 32 + y), b.at(f * 32 + 31 - x, 6 * 32 + y)) << "frame " << f;
}

TEST(Pictures, BlockSheetHasEveryTypeWithItsFrames) {
    Bmp b = load("bmp/block.bmp");
    ASSERT_TRUE(b.ok);
    // type by row: frames of 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160..190
    const int frames[17] = {1, 1, 1, 1, 1, 10, 1, 2, 1, 3, 4, 1, 1, 1, 1, 1, 1};
    for (int row = 0; row < 17; ++row)
        for (int f = 0; f < frames[row]; ++f) {
            uint32_t key = row == 9 ? kBlack : kMagenta;  // arrows are added, so they sit on black
            EXPECT_FALSE(cellEmpty(b, f * 32, row * 32, 32, 32, key)) << "row " << row << " frame " << f;
        }
    // animated rows really move
    auto sameCells = [&](int row, int f0, int f1) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (b.at(f0 * 32 + x, row * 32 + y) != b.at(f1 * 32 + x, row * 32 + y)) return false;
        return true;
    };
    EXPECT_FALSE(sameCells(5, 0, 5));
    EXPECT_FALSE(sameCells(7, 0, 1));
    EXPECT_FALSE(sameCells(9, 0, 1));
    EXPECT_FALSE(sameCells(10, 0, 2));
    // rows no type uses stay empty
    for (int row = 17; row < 20; ++row) EXPECT_TRUE(cellEmpty(b, 0, row * 32, 320, 32, kMagenta));
}

TEST(Pictures, PlayerSheetsHaveEveryRowAndFrame) {
    Bmp head = load("bmp/yomogi_head.bmp"), body = load("bmp/yomogi_body.bmp");
    ASSERT_TRUE(head.ok && body.ok);
    struct Row { int row, frames; };
    for (Row r : {Row{0, 2}, Row{1, 4}, Row{2, 2}, Row{3, 2}, Row{4, 1}, Row{5, 1}, Row{6, 4}, Row{9, 4}})
        for (int f = 0; f < r.frames; ++f) {
            EXPECT_FALSE(cellEmpty(head, f * 24, r.row * 24, 24, 24, kMagenta)) << "head row " << r.row << " frame " << f;
            EXPECT_FALSE(cellEmpty(body, f * 24, r.row * 24, 24, 24, kMagenta)) << "body row " << r.row << " frame " << f;
        }
    for (int row : {10, 11})
        for (int f = 0; f < 4; ++f) EXPECT_FALSE(cellEmpty(head, f * 24, row * 24, 24, 24, kMagenta)) << "reaction row " << row;
    // the head sits over the body: the head's pixels lie in the top of the cell, the body's below
    auto rowsUsed = [](const Bmp& b, int col, int row, int& top, int& bottom) {
        top = 99; bottom = -1;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x)
                if (b.at(col * 24 + x, row * 24 + y) != kMagenta) { top = std::min(top, y); bottom = std::max(bottom, y); }
    };
    int ht, hb, bt, bb;
    rowsUsed(head, 0, 0, ht, hb);
    rowsUsed(body, 0, 0, bt, bb);
    EXPECT_LT(ht, bt);
    EXPECT_LT(hb, bb);
    EXPECT_EQ(bb, 23) << "the figure stands on the bottom of its box";
    // walking frames differ
    bool differ = false;
    for (int y = 0; y < 24 && !differ; ++y)
        for (int x = 0; x < 24; ++x) differ |= body.at(x, 24 + y) != body.at(48 + x, 24 + y);
    EXPECT_TRUE(differ);
}

TEST(Pictures, CompanionSheetsFillTheirCells) {
    Bmp shelly = load("bmp/shelly1.bmp"), ghost = load("bmp/yurayuragost.bmp"), puffs = load("bmp/effect.bmp");
    ASSERT_TRUE(shelly.ok && ghost.ok && puffs.ok);
    EXPECT_FALSE(cellEmpty(shelly, 0, 0, 16, 16, kMagenta));
    EXPECT_FALSE(cellEmpty(shelly, 16, 0, 16, 16, kMagenta));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_FALSE(cellEmpty(ghost, c * 64, r * 64, 64, 64, kMagenta));
    // dust puffs are added over the picture: black around, four frames per kind in use
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_FALSE(cellEmpty(puffs, c * 48, r * 48, 48, 48, kBlack)) << "puff " << r << "," << c;
            EXPECT_EQ(puffs.at(c * 48, r * 48), kBlack);
        }
}

TEST(Pictures, LogoSheetHoldsItsFiveRegions) {
    Bmp b = load("bmp/TL4-1.bmp");
    ASSERT_TRUE(b.ok);
    EXPECT_FALSE(cellEmpty(b, 0, 0, 200, 150, kMagenta));
    EXPECT_FALSE(cellEmpty(b, 0, 150, 200, 150, kMagenta));
    for (int y = 20; y < 40; ++y)
        for (int x = 35; x < 170; ++x) ASSERT_NE(b.at(x, y), kMagenta) << "the stamp is solid at " << x << "," << y;
    for (int y = 300; y < 700; ++y)
        for (int x = 0; x < 320; ++x) ASSERT_NE(b.at(x, y), kMagenta) << "backdrop and flash are solid at " << x << "," << y;
}

TEST(Pictures, BrushStrokesAreMasksOfTheTitlePicture) {
    for (int i = 1; i <= 16; ++i) {
        Bmp b = load("bmp/hude/hude" + std::to_string(i) + ".bmp");
        ASSERT_TRUE(b.ok) << i;
        EXPECT_GE(b.w, 230);
        EXPECT_GE(b.h, 190);
        long painted = 0;
        for (uint32_t p : b.px) {
            ASSERT_TRUE(p == 0x000000 || p == 0x010000) << "stroke " << i << " holds only black and the pass-through colour";
            painted += p == 0x010000;
        }
        EXPECT_GT(painted, 190 * 30) << "stroke " << i;
    }
}

// ---- font sheets ----------------------------------------------------------------------------

struct Block { int x, y, columns; std::vector<bool> filler; };

std::vector<Block> glyphBlocks() {
    // fillers of the kana blocks (full-width spaces in the table) and the space in the symbols
    auto kana = [] {
        std::vector<bool> f(93, false);
        for (int i : {36, 38, 46, 47, 48, 51, 52, 53, 54, 61, 63, 90, 91}) f[i] = true;
        return f;
    };
    std::vector<bool> symbols(17, false);
    symbols[16] = true;
    return {{0, 0, 5, kana()},
            {80, 0, 5, kana()},
            {160, 0, 10, std::vector<bool>(26, false)},
            {160, 48, 10, std::vector<bool>(26, false)},
            {160, 144, 10, std::vector<bool>(10, false)},
            {0, 304, 15, symbols}};
}

TEST(Pictures, FontSheetsHoldEveryGlyphAndOnlyThem) {
    for (auto [name, key] : {std::pair{"bmp/font.bmp", kMagenta}, std::pair{"bmp/font2.bmp", kMagenta},
                             std::pair{"bmp/font2color.bmp", kMagenta}, std::pair{"bmp/font3.bmp", kBlack}}) {
        SCOPED_TRACE(name);
        Bmp b = load(name);
        ASSERT_TRUE(b.ok);
        std::vector<bool> covered(size_t(b.w) * b.h, false);
        for (const auto& block : glyphBlocks())
            for (size_t j = 0; j < block.filler.size(); ++j) {
                int cx = block.x + int(j % block.columns) * 16, cy = block.y + int(j / block.columns) * 16;
                bool empty = cellEmpty(b, cx + 1, cy + 1, 15, 15, key);
                EXPECT_EQ(empty, bool(block.filler[j])) << "cell " << j << " of the block at " << block.x << "," << block.y;
                for (int y = 1; y < 16; ++y)
                    for (int x = 1; x < 16; ++x) covered[size_t(cy + y) * b.w + cx + x] = true;
            }
        // the cells' first row and column and everything outside the glyph boxes stay key
        long stray = 0;
        for (int y = 0; y < b.h; ++y)
            for (int x = 0; x < b.w; ++x)
                if (!covered[size_t(y) * b.w + x] && b.at(x, y) != key) ++stray;
        EXPECT_EQ(stray, 0);
    }
    // the four rank marks are distinct
    Bmp ranks = load("bmp/rankfont.bmp");
    ASSERT_TRUE(ranks.ok);
    for (int a = 0; a < 4; ++a)
        for (int c = a + 1; c < 4; ++c) {
            bool same = true;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) same &= ranks.at(a * 16 + x, y) == ranks.at(c * 16 + x, y);
            EXPECT_FALSE(same) << a << " vs " << c;
            EXPECT_FALSE(cellEmpty(ranks, a * 16, 0, 16, 16, kMagenta));
        }
}

TEST(Pictures, GlyphsDifferAndAreLegible) {
    // a few characters that must not come out alike: ア/マ, ソ/ン, ０/Ｏ, ー/－
    Bmp b = load("bmp/font2.bmp");
    ASSERT_TRUE(b.ok);
    auto same = [&](int ax, int ay, int bx, int by) {
        for (int y = 1; y < 16; ++y)
            for (int x = 1; x < 16; ++x)
                if (b.at(ax + x, ay + y) != b.at(bx + x, by + y)) return false;
        return true;
    };
    EXPECT_FALSE(same(80, 0, 80, 96));               // ア (0) and マ (30)
    EXPECT_FALSE(same(80 + 64, 32, 80, 160));        // ソ (14) and ン (50)
    EXPECT_FALSE(same(160, 144, 160 + 64, 48 + 16)); // ０ and Ｏ (14)
    EXPECT_FALSE(same(0, 304, 96, 304));             // ー and －
}

// ---- the generator --------------------------------------------------------------------------

std::vector<char> fileBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), {});
}

TEST(Pictures, GeneratorIsDeterministic) {
    fs::path base = fs::temp_directory_path() / ("picturegen_test_" + std::to_string(::getpid()));
    fs::remove_all(base);
    std::string content = std::string(YOMOGI_SOURCE_DIR) + "/content/pictures";
    for (const char* run : {"a", "b"}) {
        std::string cmd = std::string(YOMOGI_PICTUREGEN) + " --out " + (base / run).string() + " --content " + content;
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    size_t files = 0;
    for (auto& entry : fs::recursive_directory_iterator(base / "a")) {
        if (!entry.is_regular_file()) continue;
        fs::path rel = fs::relative(entry.path(), base / "a");
        ++files;
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(base / "b" / rel)) << rel;
        // and the build's game directory holds the same picture
        EXPECT_EQ(fileBytes(entry.path()), fileBytes(fs::path(YOMOGI_GAME_DIR) / rel)) << rel;
    }
    EXPECT_GE(files, 60u);
    fs::remove_all(base);
}

}  // namespace
