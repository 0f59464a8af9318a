// data/titledata.txt, the path tables of the opening's walker and spinner, then one byte of
// buttons per frame: the opening entered and played (its sprites walk the tables) and drawn.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "menu/opening.h"
#include "menu/opening_scenery.h"
#include "scene_run.h"

YOMOGI_FUZZ_TARGET(title_paths)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/titledata.txt", files.section());
    const std::string_view keys = files.rest();
    fuzzQuietly([&] {
        runScene(openingEntry, openingStep, keys, 200);
        releaseScenery();
        opening.records = OpeningRecords{};
    });
    return 0;
}
