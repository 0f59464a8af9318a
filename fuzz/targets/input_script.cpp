// An input script of the headless runner: parsed as the runner parses --input, its keys read
// frame by frame, and recorded again as the runner's --record does. A recording must read back as
// the same keys in every frame.
#include <string>

#include "app/runner_script.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

YOMOGI_FUZZ_TARGET(input_script)(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    InputScript script;
    std::string error;
    if (!parseInputScript(text, script, error)) return 0;
    ScriptRecorder recorder;
    constexpr long kFrames = 3000;
    for (long frame = 1; frame <= kFrames; ++frame) recorder.addFrame(script.keysInFrame(frame));
    InputScript recorded;
    if (!parseInputScript(recorder.text(), recorded, error)) fuzzFinding("a recorded script does not parse");
    for (long frame = 1; frame <= kFrames; ++frame)
        if (recorded.keysInFrame(frame) != script.keysInFrame(frame)) fuzzFinding("a recorded script reads back other keys");
    for (const ScriptLine& line : script.lines) keySetText(line.keys);
    return 0;
}
