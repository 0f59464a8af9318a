// The headless runner's trace: one JSON object per frame (JSON Lines).
#pragma once

#include <string>

// The trace line of the frame that has just ended (without the line end), numbered `frame`.
// Its `scene` is the scene-table name of the procedure the scene slot held when the scene step
// ran; `menu` is that scene's own object, `game` the world in play.
std::string traceLine(long frame);
