// The data scripts of the game directory: Shift-JIS copies of our UTF-8 sources, each readable
// the way the game reads it.
#include "text/sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string gameFile(const std::string& relative) { return bytesOf(fs::path(YOMOGI_GAME_DIR) / relative); }

std::string sourceFile(const std::string& relative) {
    return bytesOf(fs::path(YOMOGI_SOURCE_DIR) / "content" / relative);
}

// The characters the bitmap-font sheets hold: hiragana, katakana, full-width Latin letters and
// digits, the seventeen symbols, and the full-width space.
const std::set<std::string>& drawableCharacters() {
    static const std::set<std::string> characters = [] {
        const std::string all =
            "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
            "ぁぃぅぇぉゃゅょがぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽっ"
            "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
            "ァィゥェォャュョガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポッ"
            "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"
            "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
            "０１２３４５６７８９"
            "ー！？”＆＋－：「」。、☆％￥・　";
        std::set<std::string> out;
        for (size_t i = 0; i < all.size(); i += 3) out.insert(all.substr(i, 3));
        return out;
    }();
    return characters;
}

// The first character of a UTF-8 text that the bitmap font cannot draw, or "" when all can.
std::string undrawable(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        const size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        const std::string one = utf8.substr(i, n);
        if (!drawableCharacters().count(one)) return one;
        i += n;
    }
    return "";
}

// Characters per row and rows of the glyph layout in a W × H box at cell size c.
int charactersPerRow(int width, int cell) { return width / cell - (width % cell == 0 ? 1 : 0); }
int lastRow(int height, int cell) { return height / cell - (height % cell == 0 ? 1 : 0) - 1; }

// Files the game writes back while it is played: the build's copy may have moved on.
bool gameRewrites(const std::string& relative) {
    const std::string name = fs::path(relative).filename().string();
    return relative == "data/save.txt" || relative == "data/JoyKey.txt" || name == "score.txt" ||
           name == "map.txt";
}

std::vector<std::string> contentFiles() {
    std::vector<std::string> files;
    const fs::path content = fs::path(YOMOGI_SOURCE_DIR) / "content";
    for (const char* tree : {"data", "map"}) {
        for (const auto& entry : fs::recursive_directory_iterator(content / tree)) {
            if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), content).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path runDatagen(const std::string& tag) {
    const fs::path out = fs::temp_directory_path() / ("yomogi_datagen_" + tag + "_" + std::to_string(::getpid()));
    fs::remove_all(out);
    const std::string command = std::string(YOMOGI_DATAGEN) + " " + YOMOGI_SOURCE_DIR + "/content " +
                                out.string() + " > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return out;
}

struct MenuEntry {
    std::string text;  // Shift-JIS
    int x = 0, y = 0, width = 0, height = 0, glyph = 0;
};

// "%s", "%d %d", "%d %d", "%d" twice, as the result menus read their scripts.
std::vector<MenuEntry> readResultScript(const std::string& shiftJis) {
    std::istringstream in(shiftJis);
    std::vector<MenuEntry> entries;
    MenuEntry e;
    while (in >> e.text >> e.x >> e.y >> e.width >> e.height >> e.glyph) entries.push_back(e);
    return entries;
}

std::vector<std::string> readWords(const std::string& shiftJis) {
    std::istringstream in(shiftJis);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

template <typename T>
std::vector<T> readNumbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<T> values;
    T value;
    while (in >> value) values.push_back(value);
    return values;
}

}  // namespace

TEST(DataFiles, EveryFileIsTheShiftJisFormOfItsSource) {
    const fs::path fresh = runDatagen("convert");
    const auto files = contentFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& relative : files) {
        SCOPED_TRACE(relative);
        const std::string source = sourceFile(relative);
        const std::string converted = bytesOf(fresh / relative);
        EXPECT_EQ(converted, toShiftJis(source));
        EXPECT_EQ(fromShiftJis(converted), source);
        EXPECT_TRUE(fs::exists(fs::path(YOMOGI_GAME_DIR) / relative));
        if (!gameRewrites(relative)) {
            EXPECT_EQ(gameFile(relative), converted) << "the game directory is stale";
        }
    }
    fs::remove_all(fresh);
}

TEST(DataFiles, TwoDatagenRunsWriteTheSameBytes) {
    const fs::path first = runDatagen("first");
    const fs::path second = runDatagen("second");
    for (const auto& relative : contentFiles()) {
        SCOPED_TRACE(relative);
        EXPECT_TRUE(bytesOf(first / relative) == bytesOf(second / relative));
    }
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(DataFiles, ResultMenusHoldTwoCentredEntriesTheFontCanDraw) {
    for (const char* name : {"data/resultscript_over.txt", "data/resultscript_next.txt"}) {
        SCOPED_TRACE(name);
        const auto entries = readResultScript(gameFile(name));
        ASSERT_EQ(entries.size(), 2u);
        for (const auto& e : entries) {
            const std::string text = fromShiftJis(e.text);
            SCOPED_TRACE(text);
            EXPECT_EQ(undrawable(text), "");
            const int characters = static_cast<int>(e.text.size() / 2);
            EXPECT_EQ(e.text.size() % 2, 0u) << "only full-width characters";
            EXPECT_LE(characters, charactersPerRow(e.width, e.glyph)) << "does not fit one row";
            EXPECT_GE(lastRow(e.height, e.glyph), 0) << "the box is too low for one row";
            // Glyphs start 10 pixels into the box; the row's middle sits on the screen's middle.
            const int middle = e.x + 10 + characters * e.glyph / 2;
            EXPECT_LE(std::abs(middle - 320), e.glyph / 2);
        }
        EXPECT_GE(entries[1].y, entries[0].y + entries[0].glyph) << "the entries overlap";
        const int top = entries[0].y + 10, bottom = entries[1].y + 10 + entries[1].glyph;
        EXPECT_LE(std::abs((top + bottom) / 2 - 240), entries[0].glyph / 2);
    }
    EXPECT_EQ(fromShiftJis(readResultScript(gameFile("data/resultscript_over.txt"))[0].text), "リトライ");
}

TEST(DataFiles, WorldSelectScriptGivesTheTwentyImageSlots) {
    // Read byte by byte, the way the select screen reads it: a ":" and an "@" are markers only as
    // single bytes, so the Shift-JIS commentary must not smuggle in a stray "@".
    const std::string script = gameFile("data/WorldSelect.txt");
    size_t at = script.find(':');
    ASSERT_NE(at, std::string::npos);
    int header1 = 0, header2 = 0;
    ASSERT_EQ(std::sscanf(script.c_str() + at + 1, "%d %d", &header1, &header2), 2);
    const size_t lineSection = script.find('@', at);
    ASSERT_NE(lineSection, std::string::npos);
    std::vector<int> integers;
    for (size_t i = at + 1; i < lineSection; ++i) {
        if (script[i] != ':') continue;
        int value = 0;
        ASSERT_EQ(std::sscanf(script.c_str() + i + 1, "%d", &value), 1) << "a \":\" without an integer";
        integers.push_back(value);
    }
    // After the header's two values: the marker acceleration in percent.
    ASSERT_GE(integers.size(), 1u);
    EXPECT_GT(integers[0], 0) << "the marker would never move";
    std::vector<std::string> lines;
    for (size_t i = lineSection; i < script.size(); ++i) {
        if (script[i] != ':') continue;
        const size_t end = script.find('\n', i);
        lines.push_back(fromShiftJis(script.substr(i + 1, end == std::string::npos ? std::string::npos : end - i)));
        ASSERT_LE(lines.back().size(), 254u * 3);
        i = end == std::string::npos ? script.size() : end;
    }
    const std::vector<std::string> slots = {
        "castle2-5-2", "truespin", "falsespin", "waku1-1", "truearrow", "falsearrow", "PushEnter", "bg5",
        ">,172,23,　", ">,60,12,　", ">,90,40,　ＵＰ　", ">,90,40,ＤＯＷＮ",
        ">,300,40,Ｐｕｓｈ　　　　：ＮＥＸＴ", ">,300,40,Ｐｕｓｈ　　　　：ＰＲＥＶ",
        ">,300,72,ＷＯＲＬＤ１２３４５"};
    ASSERT_GE(lines.size(), slots.size() + 5);
    // Slots 15..19: each world's own description, 160 pixels wide, every character drawable.
    for (size_t i = slots.size(); i < slots.size() + 5; ++i) {
        EXPECT_EQ(lines[i].rfind(">,160,", 0), 0u) << "slot " << i;
        EXPECT_EQ(undrawable(lines[i].substr(lines[i].find(',', 6) + 1, lines[i].size() - lines[i].find(',', 6) - 2)), "")
            << "slot " << i;
    }
    for (size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(lines[i], slots[i] + "\n") << "slot " << i;
        if (slots[i][0] == '>') {
            EXPECT_EQ(undrawable(slots[i].substr(slots[i].find(',', 6) + 1)), "") << "slot " << i;
        }
    }
}

TEST(DataFiles, WorldPositionsLieOnTheCastleMapWithinTheCamerasReach) {
    const auto values = readNumbers<int>(gameFile("data/p_select_loc.txt"));
    const auto save = readNumbers<int>(gameFile("data/save.txt"));
    ASSERT_GE(save.size(), 3u);
    ASSERT_EQ(values.size(), 2u * save[1]);
    // The map's size from its bitmap header.
    const std::string map = gameFile("bmp/castle2-5-2.bmp");
    int mapWidth = 1280, mapHeight = 960;
    if (map.size() > 26) {
        mapWidth = static_cast<unsigned char>(map[18]) | static_cast<unsigned char>(map[19]) << 8;
        mapHeight = std::abs(static_cast<int>(static_cast<unsigned char>(map[22]) |
                                              static_cast<unsigned char>(map[23]) << 8 |
                                              static_cast<unsigned char>(map[24]) << 16 |
                                              static_cast<signed char>(map[25]) << 24));
    }
    std::set<std::pair<int, int>> seen;
    for (size_t i = 0; i < values.size(); i += 2) {
        const int x = values[i], y = values[i + 1];
        SCOPED_TRACE(i / 2);
        EXPECT_TRUE(seen.insert({x, y}).second) << "two positions coincide";
        // Room for the description box to the left and the emblem on the map.
        EXPECT_GE(x, 200);
        EXPECT_LT(x + 40, mapWidth);
        EXPECT_GE(y, 0);
        // The camera stops at y 472; a position lower down shows below the middle, and its
        // Push-Enter ribbon (56 pixels below) must stay on the 480-pixel screen.
        EXPECT_LT(240 + std::max(0, y - 472) + 56 + 12, 480);
        EXPECT_LT(y, mapHeight);
        if (i >= 2) {
            EXPECT_LT(y, values[i - 1]) << "Up climbs to the next world";
        }
    }
}

TEST(DataFiles, NewGameSaveAndDefaultPadAssignment) {
    const fs::path fresh = runDatagen("save");
    EXPECT_EQ(bytesOf(fresh / "data/save.txt"), "0 5 0");
    const std::string joyKey = bytesOf(fresh / "data/JoyKey.txt");
    const auto pad = readNumbers<int>(joyKey);
    ASSERT_EQ(pad.size(), 13u);
    EXPECT_EQ(joyKey.back(), ' ') << "written as \"%d \" without a line end";
    for (int button = 0; button < 13; ++button) {
        EXPECT_GE(pad[button], 0);
        EXPECT_LE(pad[button], 32);
    }
    // The stick drives buttons 3 to 6; a pad button there would override it.
    for (int button = 3; button <= 6; ++button) EXPECT_EQ(pad[button], 0);
    for (int button : {0, 2, 8, 9, 11}) EXPECT_GT(pad[button], 0) << "row " << button << " of the joypad page";
    fs::remove_all(fresh);
}

TEST(DataFiles, OptionAndJoypadLabelsFitTheirBoxes) {
    const auto options = readWords(gameFile("data/optiondata.txt"));
    ASSERT_EQ(options.size(), 4u);
    for (const auto& label : options) {
        EXPECT_EQ(undrawable(fromShiftJis(label)), "") << fromShiftJis(label);
        EXPECT_LE(static_cast<int>(label.size() / 2), charactersPerRow(330, 32)) << fromShiftJis(label);
    }
    const auto rows = readWords(gameFile("data/joykeystr.txt"));
    ASSERT_EQ(rows.size(), 6u);
    for (const auto& label : rows) {
        EXPECT_EQ(undrawable(fromShiftJis(label)), "") << fromShiftJis(label);
        EXPECT_LE(static_cast<int>(label.size() / 2), charactersPerRow(289, 32)) << fromShiftJis(label);
    }
}

TEST(DataFiles, OpeningPathTablesLoopWithinTwelveValues) {
    const auto values = readNumbers<double>(gameFile("data/titledata.txt"));
    ASSERT_EQ(values.size(), 36u);
    size_t loopAt[3] = {};
    for (int table = 0; table < 3; ++table) {
        SCOPED_TRACE(table);
        const auto begin = values.begin() + 12 * table;
        const auto found = std::find(begin, begin + 12, -999.0);
        ASSERT_NE(found, begin + 12) << "no -999 within the first 12 values";
        loopAt[table] = static_cast<size_t>(found - begin);
        EXPECT_GT(loopAt[table], 0u) << "an empty path";
    }
    // The walker's x table decides when its path turns; its y steps must reach that far.
    EXPECT_EQ(loopAt[0], loopAt[1]);
    for (size_t i = 0; i < loopAt[0]; ++i) EXPECT_EQ(values[i], std::floor(values[i])) << "x steps are integers";
    // The spinner bobs in place: a lap of its path leaves it where it was.
    double drift = 0.0;
    for (size_t i = 0; i < loopAt[2]; ++i) drift += values[24 + i];
    EXPECT_NEAR(drift, 0.0, 1e-9);
}

TEST(DataFiles, GlyphTableAndEndingWorld) {
    const auto values = readNumbers<int>(gameFile("data/mojidata.txt"));
    ASSERT_EQ(values.size(), 8u * 14u * 2u);
    for (int record = 0; record < 8; ++record) {
        int count = -1;
        for (int k = 0; k < 14 && count < 0; ++k) {
            if (values[record * 28 + 2 * k] == 160 && values[record * 28 + 2 * k + 1] == 160) count = k;
        }
        EXPECT_GT(count, 0) << "record " << record << " has no used entries or no end mark";
    }
    const auto ending = readNumbers<int>(gameFile("map/ending.txt"));
    ASSERT_EQ(ending.size(), 1u);
    EXPECT_EQ(ending[0], 4) << "the last world leads to the credits";
}
