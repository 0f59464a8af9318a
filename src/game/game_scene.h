// The game scene's procedures beyond the five of game.h.
#pragma once

// The scene that follows the world just left (credits, opening, the next world or world select).
void installSceneAfterWorld();
// The trace's `game` object (installed by the game entry, removed by the game end).
#include <string>
void traceGameObject(std::string& json);
