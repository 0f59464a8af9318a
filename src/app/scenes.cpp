// The scene table. The scenes themselves keep the procedure-slot shape: an entry stores its step
// in sceneStep, a step confirms a choice through the screen fade and stores the next entry when
// fadeState is 1. The table only names them.
#include "app/scenes.h"

#include <iterator>

#include "game/game.h"
#include "menu/credits.h"
#include "menu/logo.h"
#include "menu/opening.h"
#include "menu/options.h"
#include "menu/title.h"
#include "menu/world_select.h"

namespace {

const SceneRow kScenes[] = {
    {"logo", logoEntry, logoStep, traceLogoMenu},
    {"opening", openingEntry, openingStep, traceOpeningMenu},
    {"title", titleEntry, titleStep, traceTitleMenu},
    {"select", selectEntry, selectStep, traceSelectMenu},
    {"game", gameEntry, gameStep, nullptr},  // the trace's `game` object instead
    {"options", optionsEntry, optionsStep, traceOptionsMenu},
    {"credits", creditsEntry, creditsStep, traceCreditsMenu},
};

}  // namespace

const SceneRow* sceneTable(int& count) {
    count = static_cast<int>(std::size(kScenes));
    return kScenes;
}

const SceneRow* sceneRowOf(Procedure procedure) {
    if (!procedure) return nullptr;
    for (const SceneRow& row : kScenes) {
        if (row.entry == procedure || row.step == procedure) return &row;
    }
    return nullptr;
}

const char* sceneNameOf(Procedure procedure) {
    const SceneRow* row = sceneRowOf(procedure);
    return row ? row->name : nullptr;
}
