// A room as the player finds it: from the world's first frame the player appears in the hall,
// walks to the room's door, waits for it to open, goes through with Enter and appears on the
// room's start cell. The frames of that walk are the first part of every witness.
#pragma once

#include <string>
#include <vector>

#include "play.h"
#include "search.h"

namespace solver {

// One line of an input script: frames with the same keys, and an optional comment before it.
struct WitnessLine {
    long frames = 0;
    Keys keys = 0;
    std::string comment;
};
using Witness = std::vector<WitnessLine>;
// Adds frames with these keys, joining them to the last line when the keys are the same.
void appendFrames(Witness& witness, long frames, Keys keys, const std::string& comment = "");
long witnessFrames(const Witness& witness);

struct RoomEntry {
    FullState state;  // in the room, the player standing still on its start cell
    Witness walk;     // the frames from the world's first frame to that state
    int hallFrames = 0;
};

// With the world open and in its first frame: plays to the room's entry. False with a reason
// (the door cannot be reached, the room never lets the player stand, ...).
bool enterRoom(int room, const InputModel& model, RoomEntry& out, std::string& fault);

}  // namespace solver
