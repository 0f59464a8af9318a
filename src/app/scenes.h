// The scene table: every scene of the game with its entry and step procedures and the procedure
// that writes its object into the trace's `menu` field. The trace names a frame's scene from it.
#pragma once

#include "app/app.h"

class JsonWriter;

struct SceneRow {
    const char* name;             // the trace's `scene`
    Procedure entry;              // loads the scene and stores its step in sceneStep
    Procedure step;               // once per frame
    void (*traceMenu)(JsonWriter&);  // the scene's `menu` object; nullptr: the scene has none
};

// logo, opening, title, select, game, options, credits.
const SceneRow* sceneTable(int& count);
// The row whose entry or step is this procedure; nullptr for any other procedure.
const SceneRow* sceneRowOf(Procedure procedure);
const char* sceneNameOf(Procedure procedure);
