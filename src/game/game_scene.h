// The game scene's procedures beyond the five of game.h.
#pragma once

class JsonWriter;

// The scene that follows the world just left (credits, opening, the next world or world select).
void installSceneAfterWorld();
// The trace's `game` object: the world in play, or null while no world is loaded.
void traceGameObject(JsonWriter& json);
