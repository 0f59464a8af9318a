// data/titledata.txt, the path tables of the opening's walker and spinner, then one byte of
// buttons per frame: the sprites walked and bobbed along the tables for many steps, as the
// opening and the title move them, and then the opening itself entered, played and drawn.
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
        OpeningPaths paths;
        readOpeningPaths("data/titledata.txt", paths);
        WalkerSprite walker;
        SpinnerSprite spinner;
        for (int step = 0; step < 3000; ++step) {
            walkAlongPath(walker, paths);
            advanceWalkerPath(walker, paths);
            bobSpinner(spinner, paths);
        }
        runScene(openingEntry, openingStep, keys, 20, 4);
        releaseScenery();
        opening.records = OpeningRecords{};
    });
    return 0;
}
