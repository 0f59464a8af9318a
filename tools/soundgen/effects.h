// The game's four sound effects, synthesised: mono samples in -1..1 at kSampleRate.
#pragma once

#include <vector>

namespace soundgen {

std::vector<float> confirmChime();  // se/enter3.wav: two bright bell strokes
std::vector<float> jumpHop();       // se/jump.wav: a short rising hop
std::vector<float> roomTurning();   // se/kaiten2.wav: stone grinding and gears for one turn
std::vector<float> pageTurn();      // se/mekuru1.wav: a scroll page turned over

}  // namespace soundgen
