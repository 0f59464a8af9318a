// Input scripts and the runner's options, read in-process.
#include <gtest/gtest.h>

#include "app/runner.h"
#include "app/runner_script.h"

namespace {

constexpr KeySet kEnter = 1u << 0, kUp = 1u << 2, kRight = 1u << 5, kA = 1u << 7, kEscape = 1u << 11;

InputScript parsed(std::string_view text) {
    InputScript script;
    std::string error;
    EXPECT_TRUE(parseInputScript(text, script, error)) << error;
    return script;
}

std::string errorOf(std::string_view text) {
    InputScript script;
    std::string error;
    EXPECT_FALSE(parseInputScript(text, script, error)) << text;
    return error;
}

bool parse(std::vector<const char*> arguments, RunnerOptions& options, std::string& error) {
    arguments.insert(arguments.begin(), "yomogi");
    return parseRunnerOptions(static_cast<int>(arguments.size()), arguments.data(), options, error);
}

}  // namespace

TEST(InputScript, ReadsCountsAndKeysWithAnyLineEnd) {
    for (std::string_view text : {"30 -\n12 RIGHT\n1 RIGHT+UP\n1 A\n", "30 -\r\n12 RIGHT\r\n1 RIGHT+UP\r\n1 A\r\n",
                                  "30 -\r12 RIGHT\r1 RIGHT+UP\r1 A", "30 -\n12 RIGHT\n1 RIGHT+UP\n1 A"}) {
        InputScript script = parsed(text);
        ASSERT_EQ(script.lines.size(), 4u) << text;
        EXPECT_EQ(script.lines[0].frames, 30);
        EXPECT_EQ(script.lines[0].keys, 0u);
        EXPECT_EQ(script.lines[1].keys, kRight);
        EXPECT_EQ(script.lines[2].keys, kRight | kUp);
        EXPECT_EQ(script.lines[3].keys, kA);
    }
}

TEST(InputScript, SkipsBlankLinesAndComments) {
    InputScript script = parsed("# a walk\n\n   \n\t# indented comment\n  2 ENTER  \n\n1 ESCAPE\n");
    ASSERT_EQ(script.lines.size(), 2u);
    EXPECT_EQ(script.lines[0].frames, 2);
    EXPECT_EQ(script.lines[0].keys, kEnter);
    EXPECT_EQ(script.lines[1].keys, kEscape);
    EXPECT_TRUE(parsed("").lines.empty());
    EXPECT_TRUE(parsed("\r\n\r\n# nothing\r\n").lines.empty());
}

TEST(InputScript, MalformedLinesAreErrorsNamingTheLine) {
    EXPECT_NE(errorOf("1 -\n2 JUMP\n").find("line 2"), std::string::npos);
    EXPECT_NE(errorOf("1 -\r\n\r\nx -\r\n").find("line 3"), std::string::npos);
    errorOf("5\n");            // no keys
    errorOf("-3 UP\n");        // negative count
    errorOf("3 UP+\n");        // empty key name
    errorOf("3 UP++DOWN\n");   // empty key name
    errorOf("3 UP DOWN\n");    // keys not joined by +
    errorOf("3.5 UP\n");       // not a whole number
    errorOf("UP 3\n");         // the count comes first
}

TEST(InputScript, FramesCountFromOneAndNothingIsHeldAfterTheLastLine) {
    InputScript script = parsed("2 -\n3 UP\n1 A+ENTER\n");
    EXPECT_EQ(script.keysInFrame(1), 0u);
    EXPECT_EQ(script.keysInFrame(2), 0u);
    EXPECT_EQ(script.keysInFrame(3), kUp);
    EXPECT_EQ(script.keysInFrame(5), kUp);
    EXPECT_EQ(script.keysInFrame(6), kA | kEnter);
    EXPECT_EQ(script.keysInFrame(7), 0u);
    EXPECT_EQ(script.keysInFrame(1000), 0u);
}

TEST(InputScript, RecorderWritesRunsThatReadBackTheSame) {
    ScriptRecorder recorder;
    std::vector<KeySet> frames = {0, 0, kUp, kUp | kRight, kUp | kRight, kEscape, 0};
    for (KeySet keys : frames) recorder.addFrame(keys);
    std::string text = recorder.text();
    EXPECT_NE(text.find("2 -\n1 UP\n2 UP+RIGHT\n1 ESCAPE\n1 -\n"), std::string::npos) << text;
    InputScript script = parsed(text);
    for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(script.keysInFrame(static_cast<long>(i) + 1), frames[i]);
}

TEST(RunnerOptions, ReadsEveryOption) {
    RunnerOptions options;
    std::string error;
    ASSERT_TRUE(parse({"--root", "/tmp", "--headless", "--frames", "200", "--input", "in.txt", "--trace",
                       "t.jsonl", "--shot", "10:a.bmp", "--shot", "20:dir/b:c.bmp", "--seed", "4294967295",
                       "--world", "3", "--record", "rec.txt"},
                      options, error))
        << error;
    EXPECT_TRUE(options.rootGiven);
    EXPECT_EQ(options.root, "/tmp");
    EXPECT_TRUE(options.headless);
    EXPECT_TRUE(options.framesGiven);
    EXPECT_EQ(options.frames, 200);
    EXPECT_EQ(options.inputFile, "in.txt");
    EXPECT_EQ(options.traceFile, "t.jsonl");
    ASSERT_EQ(options.shots.size(), 2u);
    EXPECT_EQ(options.shots[0].frame, 10);
    EXPECT_EQ(options.shots[1].file, "dir/b:c.bmp");
    EXPECT_TRUE(options.seedGiven);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_TRUE(options.worldGiven);
    EXPECT_EQ(options.world, 3);
    EXPECT_EQ(options.recordFile, "rec.txt");

    ASSERT_TRUE(parse({}, options, error));
    EXPECT_FALSE(options.headless);
    EXPECT_FALSE(options.worldGiven);
    EXPECT_FALSE(options.seedGiven);
}

TEST(RunnerOptions, RejectsBadValues) {
    RunnerOptions options;
    std::string error;
    for (std::vector<const char*> bad : std::vector<std::vector<const char*>>{
             {"--frames"}, {"--frames", "0"}, {"--frames", "-5"}, {"--frames", "12x"}, {"--seed", "4294967296"},
             {"--seed", "-1"}, {"--world", "-1"}, {"--world", "abc"}, {"--shot", "5"}, {"--shot", "0:a.bmp"},
             {"--shot", "5:"}, {"--input", ""}, {"--root"}, {"headless"}, {"--HEADLESS"}}) {
        error.clear();
        EXPECT_FALSE(parse(bad, options, error)) << bad[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}
