// The opening: the castle, the graveyard and the title logo come in while Yomogi walks and her
// companion spins; Enter skips it, and the title takes over its scenery.
#pragma once

class JsonWriter;

void openingEntry();
void openingStep();
// The trace's `menu` object of the scene (null when it is not running).
void traceOpeningMenu(JsonWriter& json);
