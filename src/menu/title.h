// The title screen and main menu: PUZZLE, CREDIT, OPTION and END on a scroll.
#pragma once

class JsonWriter;

void titleEntry();
void titleStep();
// The trace's `menu` object of the scene (null when it is not running).
void traceTitleMenu(JsonWriter& json);
