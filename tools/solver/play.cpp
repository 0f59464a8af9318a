// The game as the solver drives it. The world is loaded by the game's own loader, without
// pictures, from a staged copy of its directory (so that a cleared map can stand in for map.txt
// exactly as the game would find it), and each frame is the game scene's frame without drawing.
#include "play.h"

#include <unistd.h>

#include <vector>

#include "frame/frame.h"
#include "game/cells.h"
#include "game/game.h"
#include "game/player.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_files.h"
#include "world_directory.h"

namespace solver {

namespace {

uint64_t steps = 0;
bool playing = false;
// While a world is open the program stands in its staged copy, so that whatever the game writes
// (a record when a CLEAR panel closes, a first clear's map) lands there and never in the game
// directory the world came from.
std::unique_ptr<StagedWorld> staged;
std::string returnTo;

// The buttons each script key holds down, found the way the keyboard poll finds them: by key
// code (Up holds the jump and the menu's Up).
struct ButtonMasks {
    uint32_t buttons[kScriptKeyCount] = {};
    ButtonMasks() {
        resetInputState();
        for (int k = 0; k < kScriptKeyCount; ++k)
            for (int b = 0; b < kButtonCount; ++b)
                if (scriptKeyVirtualCode(k) == input.buttons[b].keyCode) buttons[k] |= 1u << b;
    }
};

uint32_t buttonsOf(Keys keys) {
    static const ButtonMasks masks;
    uint32_t held = 0;
    for (int k = 0; k < kScriptKeyCount; ++k)
        if (keys & (1u << k)) held |= masks.buttons[k];
    return held;
}

}  // namespace

bool openWorld(const WorldSource& source, std::string& fault) {
    closeWorld();
    buttonsOf(kNoKeys);
    resetInputState();
    game = GameState{};
    game.currentWorld = source.world;

    staged = std::make_unique<StagedWorld>();
    if (!staged->stage(source, fault)) {
        staged.reset();
        return false;
    }
    char previous[4096];
    returnTo = ::getcwd(previous, sizeof previous) ? previous : "";
    if (::chdir(staged->root().c_str()) != 0) {
        fault = "cannot enter " + staged->root();
        staged.reset();
        return false;
    }
    // The loader's own judgement comes first, so that its reason can be told.
    playing = checkWorldFiles(source.world, fault) && startPlay(source.world, WorldPictures::None);
    steps = 0;
    if (!playing) closeWorld();
    return playing;
}

void closeWorld() {
    if (playing) stopPlay();
    playing = false;
    if (!staged) return;
    if (!returnTo.empty() && ::chdir(returnTo.c_str()) != 0) std::perror(returnTo.c_str());
    staged.reset();
}

void stepFrame(Keys keys) {
    pollButtons(buttonsOf(keys));
    ++steps;
    stepPlay();
}

uint64_t frameSteps() { return steps; }

int currentRoom() { return world.currentRoom; }
int roomCount() { return static_cast<int>(world.rooms.size()); }
int turnCount() { return currentRoomRef().turnCount; }
bool roomTurning() { return currentRoomRef().turnState != 0; }
bool playerNormal() { return player->state == ::playerNormal; }
bool playerStanding() { return playerNormal() && player->contact == kPlayerStanding && !roomTurning(); }
bool playerAtRest() { return playerStanding() && player->vx == 0 && player->vy == 0; }
bool playerFailed() { return player->state == playerDestroyed || player->state == playerFallen; }
bool playerLeavingThroughGoal() { return player->state == playerExit && world.currentRoom != 0; }

bool doorOpenFor(int room) {
    if (world.currentRoom != 0 || results.resultStep != resultRank || world.targetRoom != room) return false;
    for (const Cell& c : currentRoomRef().cells)
        if (c.procedure == doorCell && (c.tile - 230) / 10 + 1 == room && c.counter >= 30) return true;
    return false;
}

bool playerInsideDoorTo(int room) {
    const Room& hall = currentRoomRef();
    for (const Cell& c : hall.cells)
        if (c.procedure == doorCell && (c.tile - 230) / 10 + 1 == room && (hall.orientation + c.param) % 4 == 0 &&
            playerInsideCell(c))
            return true;
    return false;
}

int startCellCounter() {
    for (const Cell& c : currentRoomRef().cells)
        if (c.procedure == startCell) return c.counter;
    return -1;
}

bool playerInsideStartCell() {
    // The start cell holds its count only while the room stands as it was drawn; turned, it
    // counts down with the player inside it too.
    const Room& room = currentRoomRef();
    for (const Cell& c : room.cells)
        if (c.procedure == startCell && room.orientation == c.param && playerInsideCell(c)) return true;
    return false;
}

bool clearPanelClosedEarly() {
    return results.resultStep == resultClear && results.resultPhase == 3 && input.buttons[kButtonEnter].state != 2;
}

std::vector<RoomFacts> worldFacts() {
    std::vector<RoomFacts> facts;
    for (const Room& room : world.rooms) {
        RoomFacts f;
        f.name = room.name;
        f.x = room.originX / kCellSize;
        f.y = room.originY / kCellSize;
        f.width = room.width;
        f.height = room.height;
        f.par = room.par;
        f.grid = room.rawGrid;
        facts.push_back(std::move(f));
    }
    return facts;
}

void removeBlock(int roomIndex, int index) {
    if (roomIndex < 0 || roomIndex >= static_cast<int>(world.rooms.size())) return;
    Room& room = world.rooms[static_cast<size_t>(roomIndex)];
    int seen = 0;
    for (int& code : room.rawGrid) {
        if (!isBlockCode(code)) continue;
        if (seen++ != index) continue;
        code = codeLow(code) % 10;
        room.blockCount -= 1;
        room.blocks.resize(static_cast<size_t>(room.blockCount));
        // The reset rebuilds the room's cells and blocks; the player, placed in the room in play
        // (the hall), appears on its start cell as before.
        resetRoom(roomIndex);
        return;
    }
}

}  // namespace solver
