// A cleared map, map/000/clear001.txt, taken by the first clear of room 1 of the shipped world 0:
// whatever the file holds, the world must load again afterwards, and the hall it rebuilt at once
// is played and drawn for a few frames.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "game/game.h"
#include "game/play_state.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_files.h"

YOMOGI_FUZZ_TARGET(cleared_map)(const uint8_t* data, size_t size) {
    fuzzBegin();
    fuzzRestore(worldPath(0, "map.txt"));
    fuzzRestore(worldPath(0, "score.txt"));
    fuzzRestore("data/save.txt");
    fuzzWrite(worldPath(0, "clear001.txt"), std::string_view(reinterpret_cast<const char*>(data), size));
    fuzzQuietly([&] {
        if (!startPlay(0, WorldPictures::None)) fuzzFinding("the shipped world 0 does not load");
        game.currentWorld = 0;
        world.currentRoom = 1;
        world.targetRoom = 0;
        currentRoomRef().turnCount = 1;
        runFirstClear(1);
        world.currentRoom = 0;
        resetRoom(0);
        for (int frame = 0; frame < 30; ++frame) {
            pollButtons(frame % 2 ? 1u << kButtonRight : 1u << kButtonTurnLeft);
            stepPlay();
            gameDraw();
        }
        stopPlay();
        // Whatever map.txt holds now, the world loads again.
        if (!startPlay(0, WorldPictures::None)) fuzzFinding("a first clear left a world 0 that no longer loads");
        stopPlay();
    });
    return 0;
}
