// The opening: the castle, the graveyard and the title logo come in while Yomogi walks and her
// companion spins; Enter skips it, and the title takes over its scenery.
#pragma once

class JsonWriter;

void openingEntry();
void openingStep();
// One update of the opening; true when the opening is finished.
bool openingUpdate();
void openingDraw();
void openingLeave();
// The trace's `menu` object of the scene (null when it is not running).
void traceOpeningMenu(JsonWriter& json);
