// Start, goal and door cells and the animated decorations. Each cell keeps a counter: doors,
// start and goal cells count 0..30 as they open (the sprite column is counter / 5), the
// decorations cycle through their frames.
#include "game/cells.h"

#include "frame/frame.h"
#include "audio/audio.h"
#include "game/game.h"
#include "game/player.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"

int activeCell = 0;

int cellTileOf(int raw) {
    const int low = raw % 1000;
    return (low < 30 || low >= 200) ? low : low % 10;
}

CellProcedure cellProcedureFor(int tile) {
    if (tile < 200) return nullptr;
    if (tile < 220) return startCell;
    if (tile < 230) return goalCell;
    if (tile < 280) return doorCell;
    if (tile < 290) return nullptr;
    if (tile < 300) return cycle20Cell;
    if (tile < 390) return cycle10Cell;
    if (tile < 400) return nullptr;
    if (tile < 410) return blinkCell;
    if (tile < 490) return cycle10Cell;
    return nullptr;
}

void setupCells(int roomIndex) {
    if (roomIndex < 0 || roomIndex >= static_cast<int>(world.rooms.size())) return;
    Room& room = world.rooms[static_cast<size_t>(roomIndex)];
    const size_t count = static_cast<size_t>(room.width) * static_cast<size_t>(room.height);
    room.cells.resize(count);
    for (int r = 0; r < room.height; ++r) {
        for (int c = 0; c < room.width; ++c) {
            const size_t i = static_cast<size_t>(r * room.width + c);
            const int raw = i < room.rawGrid.size() ? room.rawGrid[i] : 0;
            Cell& cell = room.cells[i];
            cell.x = kCellSize * c;
            cell.y = kCellSize * r;
            cell.state = 1;
            cell.counter = 0;
            cell.param = raw / 1000;
            cell.tile = cellTileOf(raw);
            cell.procedure = cellProcedureFor(cell.tile);
        }
    }
}

void runCells() {
    if (world.rooms.empty()) return;
    Room& room = currentRoomRef();
    const int count = static_cast<int>(room.cells.size());
    for (int i = 0; i < count; ++i) {
        if (room.cells[static_cast<size_t>(i)].procedure) room.cells[static_cast<size_t>(i)].procedure(i);
    }
}

void freeCells() {
    for (Room& room : world.rooms) {
        room.cells.clear();
        room.cells.shrink_to_fit();
        room.rawGrid.clear();
        room.rawGrid.shrink_to_fit();
    }
}

bool playerInsideCell(const Cell& cell) {
    if (!player) return false;
    return cell.x <= player->x && player->x + kPlayerSize <= cell.x + kCellSize && cell.y <= player->y &&
           player->y + kPlayerSize <= cell.y + kCellSize;
}

static Cell& cellAt(int index) { return currentRoomRef().cells[static_cast<size_t>(index)]; }
static bool playerIs(void (*state)()) { return player && player->state == state; }
static void countDown(Cell& cell) {
    if (--cell.counter < 0) cell.counter = 0;
}

// A door of the hall: standing in it opens it and shows the RANK panel of the room behind it;
// Enter on the fully open door takes the player through.
void doorCell(int index) {
    Cell& cell = cellAt(index);
    const Room& room = currentRoomRef();
    // A door to a room the world does not have stays shut: opening it would show the records
    // of a room that is not there and glide the view to nowhere.
    const int doorRoom = (cell.tile - 230) / 10 + 1;
    if (doorRoom >= static_cast<int>(world.rooms.size())) return;
    const bool upright = (room.orientation + cell.param) % 4 == 0;
    if (!upright) {
        if (results.resultPhase != 0 && results.resultStep == resultRank && room.turnState != 0) results.resultPhase = 3;
        countDown(cell);
        return;
    }
    if (playerInsideCell(cell) && player->contact == 5) {
        cell.counter += 1;
        if (cell.counter == 3) audio.soundRequest = 6;
        if (!results.resultStep) {
            activeCell = index;
            results.resultChoice = 0;
            results.resultStep = resultRank;
            results.resultPhase = 0;
            world.targetRoom = doorRoom;
        }
        if (cell.counter >= 30) {
            cell.counter = 30;
            if (pressed(kButtonEnter) && playerIs(playerNormal) && results.resultStep == resultRank) {
                audio.soundRequest = 1;
                results.resultPhase = 3;
                player->state = playerExit;
            }
        }
    } else if (!playerIs(playerExit)) {
        countDown(cell);
        if (activeCell == index) results.resultPhase = 3;
    }
}

// The start cell: the player appears on it, and standing on it offers to leave the room (or, in
// the hall, the world). It reacts only while the room stands as it was drawn.
void startCell(int index) {
    Cell& cell = cellAt(index);
    const Room& room = currentRoomRef();
    if (room.orientation == cell.param) {
        if (playerInsideCell(cell)) {
            if (cell.counter == 3) audio.soundRequest = 6;
            cell.counter += 1;
            if (cell.counter >= 30) {
                cell.counter = 30;
                if (!results.resultStep && playerIs(playerNormal)) {
                    activeCell = index;
                    results.resultChoice = 0;
                    results.resultStep = resultLeave;
                    results.resultPhase = 0;
                    resultLeave();  // builds the panel's texts at once
                }
                if (pressed(kButtonEnter) && playerIs(playerNormal) && results.resultStep == resultLeave) {
                    audio.soundRequest = 1;
                    player->state = playerLeave;
                    results.resultPhase = 3;
                }
            }
        } else {
            countDown(cell);
            if (activeCell == index && cell.counter != 0) results.resultPhase = 3;
        }
        return;
    }
    if (results.resultPhase != 0 && results.resultStep == resultLeave) results.resultPhase = 3;
    countDown(cell);
    if (activeCell == index && cell.counter != 0) results.resultPhase = 3;
}

// The goal opens whenever the room stands upright; standing in the open goal clears the room.
void goalCell(int index) {
    Cell& cell = cellAt(index);
    const Room& room = currentRoomRef();
    if ((room.orientation + cell.param) % 4 != 0) {
        countDown(cell);
        return;
    }
    if (cell.counter == 3) audio.soundRequest = 6;
    if (++cell.counter > 30) cell.counter = 30;
    if (playerInsideCell(cell) && player->contact == 5 && cell.counter == 30 && playerIs(playerNormal)) {
        player->state = playerExit;
        world.targetRoom = 0;
    }
}

void cycle20Cell(int index) {
    Cell& cell = cellAt(index);
    if (++cell.counter == 20) cell.counter = 0;
}

void cycle10Cell(int index) {
    Cell& cell = cellAt(index);
    if (++cell.counter > 9) cell.counter = 0;
}

// A blink starts at random, about once in 200 frames, and runs 30 frames.
void blinkCell(int index) {
    Cell& cell = cellAt(index);
    if (cell.counter == 0 && nextRandom() % 200 != 1) return;
    if (++cell.counter >= 30) cell.counter = 0;
}
