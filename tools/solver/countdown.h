// The start cell's countdown. When the player steps off a room's start cell, the cell counts
// down from 30, closing any panel in that time; a goal reached before the count has run out
// loses its CLEAR panel at once, and with it the first clear. This searches what a player can do
// (in the solver's input model) while the count runs.
#pragma once

#include <string>

#include "play.h"
#include "search.h"

namespace solver {

struct CountdownResult {
    bool goalInTime = false;  // the goal can take the player while the start cell still counts
    bool panelLost = false;   // and the CLEAR panel then closes by itself
    int framesOffStart = 0;   // frames from stepping off the start cell to the goal
    bool whole = false;      // every way within the countdown was tried
    int framesSearched = 0;  // else: every way of spending this many frames off the cell or fewer
    int states = 0;
    double seconds = 0;
};

// entry: the room in play as the player finds it. The world in play is changed.
CountdownResult searchCountdown(const FullState& entry, const InputModel& model);

}  // namespace solver
