// The solver's hold on the game: a world loaded from its text files, played frame by frame
// through the game's own update (nothing drawn), and the whole state of play copied out and put
// back. Everything the solver knows about the game's insides goes through this file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/runner_script.h"
#include "game/play_state.h"

namespace solver {

// Keys held in one frame: bit i is script key i of the input scripts (ENTER, BACKSPACE, UP, DOWN,
// LEFT, RIGHT, C, A, D, P, R, ESCAPE).
using Keys = KeySet;
constexpr Keys kNoKeys = 0;
constexpr Keys kKeyEnter = 1u << 0;
constexpr Keys kKeyUp = 1u << 2;
constexpr Keys kKeyLeft = 1u << 4;
constexpr Keys kKeyRight = 1u << 5;
constexpr Keys kKeyA = 1u << 7;
constexpr Keys kKeyD = 1u << 8;

// Where a world comes from: the game directory, the world number and the map the player finds
// (empty = map.txt itself, else a file of map/NNN/ such as "clear002.txt" that stands in for it).
struct WorldSource {
    std::string root;
    int world = 0;
    std::string mapFile;
};

// Makes the world of the source the one in play: current room the hall, the player on its start
// cell, appearing. False with a reason when the loader refuses the world.
bool openWorld(const WorldSource& source, std::string& fault);
// Undoes openWorld (the world, player and camera are released).
void closeWorld();

// One frame of play with these keys held: the poll, the camera, the result slot and the stage
// update, as a frame of the game runs them, without drawing. Counted in frameSteps().
void stepFrame(Keys keys);
uint64_t frameSteps();

// Everything that decides what happens next, copied out of the game and put back: the game's
// own snapshot of the state of play.
using FullState = PlaySnapshot;
inline FullState captureFullState() { return capturePlay(); }
inline void restoreFullState(const FullState& state) { restorePlay(state); }

// What the solver asks of the state in play.
int currentRoom();
int roomCount();
int turnCount();
bool roomTurning();
bool playerNormal();
bool playerStanding();           // normal, feet on something: a turn may start
bool playerAtRest();             // standing with no speed
bool playerFailed();             // destroyed or fallen out of the view
bool playerLeavingThroughGoal(); // the goal of a room took the player
bool doorOpenFor(int room);      // the hall's door to room stands open with its RANK panel up
bool playerInsideDoorTo(int room);  // wholly inside an upright door of the hall to that room
int startCellCounter();          // the current room's start cell, -1 when it has none
bool playerInsideStartCell();
bool clearPanelClosedEarly();    // the CLEAR panel is closing although Enter was never pressed

// What the loaded world holds, as its files said.
struct RoomFacts {
    std::string name;  // Shift-JIS
    int x = 0, y = 0;  // corner in cells
    int width = 0, height = 0;
    int par = 0;
    std::vector<int> grid;  // raw codes, row by row
};
std::vector<RoomFacts> worldFacts();
// Takes block `index` (in the order of the room's grid) out of the loaded room: its cell becomes
// the open tile it stood on. Done before the room is entered, it is as if the map never had it.
void removeBlock(int room, int index);

}  // namespace solver
