// Input scripts: the keyboard of a run written as text, one instruction per line,
// "<frames> <keys>", keys "-" for none or key names joined by "+" (ENTER, BACKSPACE, UP, DOWN,
// LEFT, RIGHT, C, A, D, P, R, ESCAPE, Z). Blank lines and lines starting with "#" are skipped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int kScriptKeyCount = 13;

// Bit i of a key set is script key i (the order of the names above).
using KeySet = uint32_t;

struct ScriptLine {
    long frames = 0;
    KeySet keys = 0;
};

struct InputScript {
    std::vector<ScriptLine> lines;
    // The keys held in frame n (1 = the first frame); nothing after the last line.
    KeySet keysInFrame(long frame) const;
};

// False with a one-line reason (naming the line) when the text is not a valid script.
bool parseInputScript(std::string_view text, InputScript& out, std::string& error);

const char* scriptKeyName(int index);
int scriptKeyVirtualCode(int index);
// "-" or the names joined by "+".
std::string keySetText(KeySet keys);

// Writes the keyboard of a run as a script, one line per run of frames with the same keys.
class ScriptRecorder {
public:
    void addFrame(KeySet keys);
    // The whole script so far, the current run included.
    std::string text() const;

private:
    std::vector<ScriptLine> lines_;
};
