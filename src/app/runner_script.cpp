// Reading and writing input scripts.
#include "app/runner_script.h"

#include <cctype>
#include <cstdlib>

namespace {

struct ScriptKey {
    const char* name;
    int virtualKey;
};
constexpr ScriptKey kScriptKeys[kScriptKeyCount] = {
    {"ENTER", 13}, {"BACKSPACE", 8}, {"UP", 38}, {"DOWN", 40}, {"LEFT", 37}, {"RIGHT", 39},
    {"C", 67},     {"A", 65},        {"D", 68},  {"P", 80},    {"R", 82},    {"ESCAPE", 27},
    {"Z", 90},
};

bool sameName(std::string_view word, const char* name) {
    size_t i = 0;
    for (; i < word.size() && name[i]; ++i) {
        if (std::toupper(static_cast<unsigned char>(word[i])) != name[i]) return false;
    }
    return i == word.size() && name[i] == '\0';
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool parseLine(std::string_view line, ScriptLine& out, std::string& reason) {
    size_t gap = 0;
    while (gap < line.size() && !isSpace(line[gap])) ++gap;
    std::string_view count = line.substr(0, gap);
    std::string_view keys = trim(line.substr(gap));
    if (count.empty() || count.size() > 9) {
        reason = "expected a frame count";
        return false;
    }
    long frames = 0;
    for (char c : count) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            reason = "the frame count is not a whole number";
            return false;
        }
        frames = frames * 10 + (c - '0');
    }
    if (keys.empty()) {
        reason = "expected keys after the frame count (\"-\" for none)";
        return false;
    }
    KeySet set = 0;
    if (keys != "-") {
        while (true) {
            size_t plus = keys.find('+');
            std::string_view word = keys.substr(0, plus);
            int found = -1;
            for (int i = 0; i < kScriptKeyCount; ++i) {
                if (sameName(word, kScriptKeys[i].name)) found = i;
            }
            if (found < 0) {
                reason = "unknown key \"" + std::string(word) + "\"";
                return false;
            }
            set |= KeySet{1} << found;
            if (plus == std::string_view::npos) break;
            keys.remove_prefix(plus + 1);
        }
    }
    out.frames = frames;
    out.keys = set;
    return true;
}

}  // namespace

KeySet InputScript::keysInFrame(long frame) const {
    long first = 1;
    for (const ScriptLine& line : lines) {
        if (frame < first + line.frames) return frame >= first ? line.keys : 0;
        first += line.frames;
    }
    return 0;
}

bool parseInputScript(std::string_view text, InputScript& out, std::string& error) {
    out.lines.clear();
    long number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        // Lines end with LF, CR LF or a lone CR.
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trim(text.substr(start, end - start));
        ++number;
        if (!line.empty() && line.front() != '#') {
            ScriptLine parsed;
            std::string reason;
            if (!parseLine(line, parsed, reason)) {
                error = "line " + std::to_string(number) + ": " + reason;
                return false;
            }
            out.lines.push_back(parsed);
        }
        if (end >= text.size()) break;
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return true;
}

const char* scriptKeyName(int index) { return kScriptKeys[index].name; }
int scriptKeyVirtualCode(int index) { return kScriptKeys[index].virtualKey; }

std::string keySetText(KeySet keys) {
    if (keys == 0) return "-";
    std::string text;
    for (int i = 0; i < kScriptKeyCount; ++i) {
        if (!(keys & (KeySet{1} << i))) continue;
        if (!text.empty()) text += '+';
        text += kScriptKeys[i].name;
    }
    return text;
}

void ScriptRecorder::addFrame(KeySet keys) {
    if (!lines_.empty() && lines_.back().keys == keys) {
        ++lines_.back().frames;
    } else {
        lines_.push_back({1, keys});
    }
}

std::string ScriptRecorder::text() const {
    std::string text = "# keyboard recorded by yomogi --record: <frames> <keys>\n";
    for (const ScriptLine& line : lines_) {
        text += std::to_string(line.frames) + ' ' + keySetText(line.keys) + '\n';
    }
    return text;
}
