// The world select's files: the display script "data/WorldSelect.txt", the list of world
// positions on the map "data/p_select_loc.txt", and the range of the save file's three values.
//
// The script is read character by character. Everything up to the first ":" is commentary;
// two header numbers follow. Then, up to the first "@", every ":" is followed by one number.
// After the "@", every ":" starts a text line that runs to the end of its line. Whatever lies
// outside these markers is commentary for the people who write the script.
#include <cctype>
#include <climits>
#include <cstdio>
#include <string>

#include "base/data_reader.h"
#include "menu/world_select.h"
#include "platform/platform.h"
#include "text/sjis.h"

SelectScript selectScript;

namespace {

constexpr size_t kLargestFile = 1 << 20;  // a script is a few kilobytes; more is not ours

bool readWholeFile(const char* path, std::string& text) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t got = 0;
    while (text.size() < kLargestFile && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
    }
    std::fclose(file);
    if (text.size() > kLargestFile) text.resize(kLargestFile);
    return true;
}

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

void skipSpace(const std::string& text, size_t& at) {
    while (at < text.size() && isSpace(text[at])) ++at;
}

// "%d ": whitespace, an optional sign, digits, whitespace. False (nothing stored) when no
// digits follow; a number beyond the int range keeps the nearest int.
bool scanNumber(const std::string& text, size_t& at, int& value) {
    skipSpace(text, at);
    size_t p = at;
    bool negative = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
    if (p >= text.size() || !std::isdigit(static_cast<unsigned char>(text[p]))) return false;
    long long number = 0;
    while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p]))) {
        if (number < INT_MAX) number = number * 10 + (text[p] - '0');
        ++p;
    }
    if (number > INT_MAX) number = INT_MAX;
    value = static_cast<int>(negative ? -number : number);
    at = p;
    skipSpace(text, at);
    return true;
}

// The script's warnings carry their message in the title bar and "警告" as their text.
void scriptWarning(const char* messageUtf8) {
    platformMessage(sj("警告"), sj(messageUtf8), BoxIcon::Warning);
}

}  // namespace

bool readSelectScript(const char* path, int numberLimit, int lineLimit) {
    std::string text;
    if (!readWholeFile(path, text)) {
        platformMessage(sj("読み込みに失敗"), sj("警告"), BoxIcon::Warning);
        return false;
    }
    SelectScript script;
    size_t at = text.find(':');
    at = at == std::string::npos ? text.size() : at + 1;
    for (int& value : script.header) {
        if (!scanNumber(text, at, value)) break;
    }

    // The number section.
    while (at < text.size() && text[at] != '@') {
        if (text[at++] != ':') continue;
        if (static_cast<int>(script.numbers.size()) >= numberLimit) {
            scriptWarning("整数型配列を超過しました");
            // The rest of the section is passed over rather than taken for text lines.
            at = text.find('@', at);
            if (at == std::string::npos) at = text.size();
            break;
        }
        int value = 0;
        if (scanNumber(text, at, value)) {
            script.numbers.push_back(value);
        } else {
            scriptWarning("入力値が不正");
        }
    }

    // The line section.
    while (at < text.size()) {
        if (text[at++] != ':') continue;
        if (static_cast<int>(script.lines.size()) >= lineLimit) {
            scriptWarning("入力上限です、離脱します。");
            break;
        }
        std::string line;
        while (at < text.size() && static_cast<int>(line.size()) < kSelectLineLength) {
            const char c = text[at++];
            line += c;
            if (c == '\n') break;
        }
        // A line too long for its place is cut; the rest of it is not read as new markers.
        if (!line.empty() && line.back() != '\n') {
            while (at < text.size() && text[at] != '\n') ++at;
        }
        script.lines.push_back(std::move(line));
    }
    selectScript = std::move(script);
    return true;
}

std::vector<SelectPosition> readPositionList(const char* path, int count) {
    std::vector<SelectPosition> positions(count > 0 ? static_cast<size_t>(count) : 0);
    DataReader file;
    if (!file.open(path)) {
        std::string message = "表示するファイル" + std::string(path) + "が見つかりませんでした";
        platformMessage(toShiftJis(message).c_str(), sj("警告"), BoxIcon::Warning);
        return positions;
    }
    // A short list keeps (0, 0) for the positions it does not name.
    for (SelectPosition& p : positions) {
        int x = 0, y = 0;
        if (!file.number(x) || !file.number(y)) break;
        p.x = x;
        p.y = y;
    }
    return positions;
}

void clampSaveValues(int& cursor, int& count, int& unlocked) {
    // A save file edited by hand may hold anything; the screen has five description slots and
    // reads only the positions, records and slots that exist.
    if (count < 1) count = 1;
    if (count > kSelectMaxPositions) count = kSelectMaxPositions;
    if (unlocked < 0) unlocked = 0;
    if (unlocked > count - 1) unlocked = count - 1;
    if (cursor < 0) cursor = 0;
    if (cursor > count - 1) cursor = count - 1;
}
