// The five files of a world (stage.txt, score.txt, name.txt, map.txt, screen.txt, in that order,
// separated by NUL bytes), then one byte of buttons per frame: the loader under the game's rules
// and the checker's, then the world played and drawn for as many frames as there are bytes.
#include <string>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "game/game.h"
#include "game/play_state.h"
#include "input/input.h"
#include "stage/world_files.h"

YOMOGI_FUZZ_TARGET(world)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    for (const char* file : {"stage.txt", "score.txt", "name.txt", "map.txt", "screen.txt"})
        fuzzWrite(worldPath(0, file), files.section());
    const std::string_view keys = files.rest();
    fuzzQuietly([&] {
        std::string fault;
        checkWorldFiles(0, fault);
        if (!startPlay(0, WorldPictures::None)) return;
        game.currentWorld = 0;
        for (size_t frame = 0; frame < keys.size() && frame < 200; ++frame) {
            pollButtons(fuzzButtons(keys, frame));
            if (stepPlay() != 0) break;
            gameDraw();
        }
        stopPlay();
    });
    return 0;
}
