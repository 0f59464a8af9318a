// data/save.txt and map/ending.txt (separated by a NUL byte), read by the world select's progress
// reader, by the unlocking of a first clear of the last room of world 0 and by the ending test
// with every room cleared. The save file the game writes must read back.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "game/game.h"
#include "game/play_state.h"
#include "menu/world_select.h"
#include "result/result.h"
#include "stage/world.h"
#include "stage/world_files.h"

YOMOGI_FUZZ_TARGET(save_ending)(const uint8_t* data, size_t size) {
    fuzzBegin();
    FuzzInput files(data, size);
    fuzzWrite("data/save.txt", files.section());
    fuzzWrite("map/ending.txt", files.section());
    fuzzRestore(worldPath(0, "map.txt"));
    fuzzRestore(worldPath(0, "score.txt"));
    fuzzQuietly([&] {
        int cursor = 0, count = 0, unlocked = 0;
        const bool readable = readSaveFile(cursor, count, unlocked);
        const bool opensWorldOne = !readable || unlocked == 0;
        if (readable) clampSaveValues(cursor, count, unlocked);
        if (!startPlay(0, WorldPictures::None)) fuzzFinding("the shipped world 0 does not load");
        const int last = world.roomCount - 1;
        world.currentRoom = last;
        currentRoomRef().turnCount = 3;
        runFirstClear(last);
        for (Room& room : world.rooms) room.bestMoves = 1;
        endingReached();
        stopPlay();
        // A new game, or world 0 the highest open one: the first clear of its last room opens
        // world 1, and the save file says so.
        int after = -1;
        if (opensWorldOne && (!readSaveFile(cursor, count, after) || after != 1))
            fuzzFinding("the first clear of world 0's last room did not open world 1");
    });
    return 0;
}
