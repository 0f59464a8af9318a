// Scenes of the scene table that are not in the game yet. Each stands in by going back to the
// logo screen, so that the plain game keeps running; the trace shows no `menu` object for them.
// A scene that lands deletes its lines here and adds its own files to sources.cmake.
#include "app/app.h"
#include "base/json_writer.h"
#include "menu/credits.h"
#include "menu/logo.h"
#include "menu/options.h"
#include "menu/world_select.h"

// The world select.
void selectEntry() { app.sceneStep = logoEntry; }
void selectStep() { app.sceneStep = logoEntry; }
void traceSelectMenu(JsonWriter& json) { json.null(); }

// The options.
void optionsEntry() { app.sceneStep = logoEntry; }
void optionsStep() { app.sceneStep = logoEntry; }
void traceOptionsMenu(JsonWriter& json) { json.null(); }

// The credits.
void creditsEntry() { app.sceneStep = logoEntry; }
void creditsStep() { app.sceneStep = logoEntry; }
void traceCreditsMenu(JsonWriter& json) { json.null(); }
