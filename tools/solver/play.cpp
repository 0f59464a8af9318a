// The game as the solver drives it. The world is loaded by the game's own loader from a staged
// copy of its directory (so that a cleared map can stand in for map.txt exactly as the game
// would find it), and each frame runs the same update as a frame of the game scene.
#include "play.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "app/app.h"
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

// The buttons each script key holds down, found the way the poll finds them: by key code.
struct ButtonMasks {
    Keys mask[kButtonCount] = {};
    ButtonMasks() {
        resetInputState();
        for (int b = 0; b < kButtonCount; ++b)
            for (int k = 0; k < kScriptKeyCount; ++k)
                if (scriptKeyVirtualCode(k) == input.buttons[b].keyCode) mask[b] |= 1u << k;
    }
};
const ButtonMasks& buttonMasks() {
    static const ButtonMasks masks;
    return masks;
}

bool updateCallsResult() {
    return results.resultStep && results.resultStep != resultOver && results.resultStep != resultNext;
}

}  // namespace

bool openWorld(const WorldSource& source, std::string& fault) {
    closeWorld();
    const ButtonMasks& masks = buttonMasks();
    (void)masks;
    resetAppState();
    display.mode = 0;  // pictures at their own size
    resetInputState();
    game = GameState{};
    game.currentWorld = source.world;

    StagedWorld staged;
    if (!staged.stage(source, fault)) return false;
    char previous[4096];
    if (!::getcwd(previous, sizeof previous)) previous[0] = '\0';
    if (::chdir(staged.root().c_str()) != 0) {
        fault = "cannot enter " + staged.root();
        return false;
    }
    createPlayer(WorldPictures::None);
    const bool loaded = checkWorldFiles(source.world, fault) && loadWorld(source.world, WorldPictures::None);
    if (previous[0] && ::chdir(previous) != 0) fault = "cannot return to " + std::string(previous);
    if (!loaded) {
        player.reset();
        return false;
    }
    createCamera();
    setupResultResources(WorldPictures::None);
    steps = 0;
    return true;
}

void closeWorld() {
    clearWorld();
    player.reset();
    camera.reset();
}

void stepFrame(Keys keys) {
    const ButtonMasks& masks = buttonMasks();
    for (int b = 0; b < kButtonCount; ++b) updateButton(b, (keys & masks.mask[b]) != 0 ? 1 : 0);
    ++steps;
    // The game update of a frame in a world, less the companions, which nothing in play reads.
    if (world.roomRestartPending) return;
    updateCamera();
    if (updateCallsResult()) results.resultChoice = results.resultStep();
    updateStage();
}

uint64_t frameSteps() { return steps; }

struct FullState::Data {
    Room room;
    int roomIndex = 0;
    int targetRoom = 0;
    PlayerRecord player;
    Camera camera;
    InputState input;
    ResultRecord results;
    int activeCell = 0;
};

FullState::FullState() : data_(std::make_unique<Data>()) {}
FullState::~FullState() = default;
FullState::FullState(const FullState& other) : data_(std::make_unique<Data>(*other.data_)) {}
FullState& FullState::operator=(const FullState& other) {
    *data_ = *other.data_;
    return *this;
}

FullState captureFullState() {
    FullState s;
    FullState::Data& d = *s.data_;
    d.roomIndex = world.currentRoom;
    d.targetRoom = world.targetRoom;
    d.room = currentRoomRef();
    d.player = *player;
    d.camera = *camera;
    d.input = input;
    d.results = results;
    d.activeCell = activeCell;
    return s;
}

void restoreFullState(const FullState& s) {
    const FullState::Data& d = *s.data_;
    world.currentRoom = d.roomIndex;
    world.targetRoom = d.targetRoom;
    world.rooms[static_cast<size_t>(d.roomIndex)] = d.room;
    static_cast<PlayerRecord&>(*player) = d.player;
    *camera = d.camera;
    input = d.input;
    static_cast<ResultRecord&>(results) = d.results;
    activeCell = d.activeCell;
    releaseSurface(world.turnSnapshot);
}

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
    for (const Cell& c : currentRoomRef().cells)
        if (c.procedure == startCell && playerInsideCell(c)) return true;
    return false;
}

bool clearPanelClosedEarly() { return results.resultStep == resultClear && results.resultPhase == 3 && !pressed(kButtonEnter); }

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
        resetRoom(roomIndex);
        // The reset places the player in the room in play; put it back where the world starts.
        world.currentRoom = 0;
        resetRoom(0);
        return;
    }
}

}  // namespace solver
