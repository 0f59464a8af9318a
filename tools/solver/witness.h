// Witnesses: the proving path of a room written as an input script for the headless runner, from
// the world's first frame, and the check that a script clears the room, also with every turn
// pressed a little later, as a player's reaction would be.
#pragma once

#include <string>
#include <vector>

#include "entry.h"
#include "search.h"

namespace solver {

// The frames from the room's entry to the goal along the search's proving path.
Witness roomPath(RoomSearch& search);
// The whole script: header comments, the walk from the world's entry, the room path, and the
// frames that close the CLEAR panel and end the run.
std::string witnessText(const Witness& walk, const Witness& room, const std::vector<std::string>& header);

struct ReplayResult {
    bool cleared = false;  // the goal of the room took the player
    int turns = -1;        // the move count when it did
    long frame = 0;        // in which frame of the script
};
// Plays a script in the solver's own frames from the world's first frame until the goal of
// room takes the player (or the script ends).
ReplayResult replayScript(const WorldSource& source, int room, const InputScript& script, std::string& fault);

// The script with the turn pressed in script line `line` held back by `frames` frames.
InputScript delayLine(const InputScript& script, size_t line, long frames);
// Indices of the script lines that press A or D.
std::vector<size_t> turnLines(const InputScript& script);

}  // namespace solver
