// yomogi-check: every world of a game directory checked for what the loader refuses and for what
// a player would call broken. Each fault is one line naming the world, the room and what to mend.
#pragma once

#include <string>
#include <vector>

#include "options.h"
#include "room_solve.h"

namespace solver {

struct CheckResult {
    std::vector<std::string> faults;
    std::vector<std::string> notes;  // what was checked and found sound
    std::vector<RoomResult> proofs;  // the par search of every room that has a start and a goal
};

CheckResult checkWorld(const Options& options, int world);
// The worlds map/000 ... of the game directory, in order.
std::vector<int> worldsIn(const std::string& root);

// The characters of a Shift-JIS name that the bitmap font has no glyph for, as UTF-8 (a
// single-byte character counts as one: the font draws only full-width characters).
std::vector<std::string> undrawableCharacters(const std::string& shiftJisName);

}  // namespace solver
