// Taking back turns. A turn is remembered in the frame it begins: the room (cells, blocks,
// orientation, move count) and the player's record as they stood just before it, as plain values.
// Taking it back puts them in place and shows the room as it stood a moment ago turning back the
// other way, three times as fast as a turn.
#include "game/undo.h"

#include <vector>

#include "audio/audio.h"
#include "frame/frame.h"
#include "game/player.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/stage_slots.h"
#include "stage/turning.h"
#include "stage/world.h"

namespace {

// Z, which the button table does not hold: its own pressed-in-this-frame test.
constexpr int kUndoKey = 90;

// The room and the player as they stood when a turn began.
struct TurnMemory {
    Room room;
    PlayerRecord player;
    int struckBlock = 0;
    int direction = 0;  // the turn that followed: 1 anticlockwise, 3 clockwise
};

struct UndoState {
    int room = -1;                  // the room the turns below belong to
    std::vector<TurnMemory> turns;  // oldest first
    TurnMemory pending;             // taken in a frame a turn may begin in
    bool pendingTaken = false;
    bool turningBack = false;       // the turn shown is a turn taken back
    bool keyWasDown = false;
};
UndoState undo;

// A turn takes 30 frames at 3 degrees; a turn taken back adds 6 more a frame and takes 10.
constexpr int kTurnBackExtraDegrees = 6;

bool turnMayBegin(const Room& room) {
    return room.turnState == 0 && player && playerIn(stageSlots.playerNormal) &&
           player->contact == kPlayerStanding && (pressed(kButtonTurnLeft) || pressed(kButtonTurnRight));
}

// Turns remembered for another room, or from before the room's last reset (its move count has
// gone back below them), are not this room's any more.
void forgetStaleTurns(const Room& room) {
    if (undo.room != world.currentRoom) {
        undo.turns.clear();
        undo.room = world.currentRoom;
    }
    while (!undo.turns.empty() && undo.turns.back().room.turnCount >= room.turnCount) undo.turns.pop_back();
}

bool undoAsked() {
    const bool keyDown = keyIsDown(kUndoKey) != 0;
    const bool keyPressed = keyDown && !undo.keyWasDown;
    undo.keyWasDown = keyDown;
    return keyPressed || pressed(kButtonBack);
}

bool undoAllowed(const Room& room) {
    return !undo.turns.empty() && room.turnState == 0 && !results.resultStep && !world.roomRestartPending &&
           !app.overlayStep && player && playerIn(stageSlots.playerNormal);
}

void takeBackLastTurn(Room& room) {
    TurnMemory last = std::move(undo.turns.back());
    undo.turns.pop_back();
    // What is on screen now turns back into the room as it was.
    if (world.pictures == WorldPictures::Decoded) takeTurnSnapshot(room);
    // The records belong to the player's clears, not to the room's state of play.
    last.room.par = room.par;
    last.room.bestMoves = room.bestMoves;
    last.room.bestRank = room.bestRank;
    room = std::move(last.room);
    static_cast<PlayerRecord&>(*player) = last.player;
    world.struckBlock = last.struckBlock;
    // The turn back runs the other way round from the turn it takes back.
    const bool backClockwise = last.direction == 1;
    room.turnState = backClockwise ? 3 : 1;
    room.turnAngle = 0;
    player->turnReaction = (player->facing == 0) == backClockwise ? 2 : 1;
    player->reactionTick = 0;
    undo.turningBack = true;
    audio.soundRequest = 3;
}

}  // namespace

void undoBeforeStage() {
    undo.pendingTaken = false;
    if (world.rooms.empty() || !player) return;
    Room& room = currentRoomRef();
    forgetStaleTurns(room);
    if (undo.turningBack) {
        if (room.turnState == 0) {
            undo.turningBack = false;
        } else {
            room.turnAngle += room.turnState == 3 ? kTurnBackExtraDegrees : -kTurnBackExtraDegrees;
        }
    }
    if (turnMayBegin(room)) {
        undo.pending.room = room;
        undo.pending.player = *player;
        undo.pending.struckBlock = world.struckBlock;
        undo.pendingTaken = true;
    }
}

void undoAfterStage() {
    if (world.rooms.empty() || !player) return;
    Room& room = currentRoomRef();
    // A turn begun in this frame stands at angle 0 with the move count raised.
    if (undo.pendingTaken && room.turnState != 0 && room.turnAngle == 0 && !undo.turningBack) {
        undo.pending.direction = room.turnState;
        undo.turns.push_back(std::move(undo.pending));
        undo.pending = TurnMemory{};
    }
    undo.pendingTaken = false;
    if (undoAsked() && undoAllowed(room)) takeBackLastTurn(room);
}

void clearUndo() { undo = UndoState{}; }

int undoDepth() { return static_cast<int>(undo.turns.size()); }
