// The two result scripts, data/resultscript_over.txt and data/resultscript_next.txt (separated by
// a NUL byte), then one byte of buttons per frame: the OVER menu and then the NEXT menu set up
// from them, stepped and drawn over the screen until they close or the bytes run out.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "input/input.h"
#include "result/result.h"

YOMOGI_FUZZ_TARGET(result_scripts)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/resultscript_over.txt", files.section());
    fuzzWrite("data/resultscript_next.txt", files.section());
    const std::string_view keys = files.rest();
    fuzzQuietly([&] {
        size_t frame = 0;
        for (ResultProcedure menu : {resultOver, resultNext}) {
            results.resultStep = menu;
            results.resultPhase = 0;
            for (int shown = 0; shown < 60 && results.resultStep; ++shown, ++frame) {
                pollButtons(fuzzButtons(keys, frame));
                results.resultChoice = menu();
                drawResultOverlay();
            }
        }
        clearResultRecord();
    });
    return 0;
}
