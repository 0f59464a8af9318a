// The headless runner's trace: one JSON object per frame (JSON Lines).
#pragma once

#include <string>

#include "app/app.h"

// Scenes register their entry and step procedures under the scene's name ("logo", "game", ...);
// a frame's `scene` is the name of the procedure the scene slot held when its scene step ran.
void registerSceneName(Procedure procedure, const char* name);
// The registered name of a procedure, nullptr when it has none.
const char* sceneNameOf(Procedure procedure);

// The game scene installs a writer that appends the trace's `game` object; the trace writes null
// while none is installed or while another scene runs.
void setTraceGameWriter(void (*writer)(std::string& json));

// The trace line of the frame that has just ended (without the line end), numbered `frame`.
std::string traceLine(long frame);
