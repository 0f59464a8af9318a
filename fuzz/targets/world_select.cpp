// data/WorldSelect.txt, the world select's display script, and data/save.txt (separated by a NUL
// byte), then one byte of buttons per frame: the world select entered, stepped and drawn.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "menu/world_select.h"
#include "scene_run.h"

YOMOGI_FUZZ_TARGET(world_select)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/WorldSelect.txt", files.section());
    fuzzWrite("data/save.txt", files.section());
    fuzzRestore("data/p_select_loc.txt");
    const std::string_view keys = files.rest();
    fuzzQuietly([&] {
        if (!runScene(selectEntry, selectStep, keys, 60, 6)) selectLeave();
    });
    return 0;
}
