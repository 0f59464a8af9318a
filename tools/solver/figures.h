// The figures that tell a puzzle from a corridor: how many different shortest solutions there
// are, how much of the room is a dead end, what each block is for, and how often a player who
// turns at random clears it.
#pragma once

#include "entry.h"
#include "options.h"
#include "room_solve.h"
#include "search.h"

namespace solver {

// Fills result.figures from a search run to the closure (result.par already known). The blocks'
// figures search the room again without each block, so the world in play changes.
void computeFigures(const Options& options, const WorldSource& source, RoomSearch& search, RoomResult& result);

// Fewest turns from every state of a searched graph to the goal (-1: the goal cannot be
// reached from there within what was searched).
std::vector<int> turnsToGoal(const RoomSearch& search);

// A block type's name ("crate", "spikes", ...).
const char* blockName(int type);
// The names of the mechanics a room's grid uses.
std::vector<std::string> mechanicsOf(const std::vector<int>& grid);

}  // namespace solver
