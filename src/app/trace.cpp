// The trace line of a frame, built from the frame state as it stands when the frame has ended.
#include "app/trace.h"

#include "app/app.h"
#include "app/scenes.h"
#include "audio/audio.h"
#include "base/json_writer.h"
#include "game/game.h"
#include "game/game_scene.h"
#include "input/input.h"

std::string traceLine(long frame) {
    std::string line;
    line.reserve(1024);
    JsonWriter json(line);
    const SceneRow* scene = sceneRowOf(app.sceneRan);
    json.beginObject();
    json.field("frame", frame);
    json.key("scene");
    if (scene) {
        json.text(scene->name);
    } else {
        json.null();
    }
    json.field("shown", app.framePresented).field("rate", app.frameRate);
    json.key("fade").beginObject();
    json.field("state", app.fadeState).field("level", app.fadeLevel).field("run", app.fadeRun);
    json.field("on", app.overlayStep != nullptr ? 1 : 0);
    json.endObject();
    json.field("music", audio.musicPlaying);
    json.key("sounds").beginArray();
    if (app.soundStarted != 0) json.value(app.soundStarted);
    json.endArray();
    json.key("buttons").beginArray();
    for (const Button& button : input.buttons) json.value(button.state);
    json.endArray();
    json.field("quit", app.quitRequested);
    json.key("game");
    if (scene && scene->entry == gameEntry) {
        traceGameObject(json);
    } else {
        json.null();
    }
    json.key("menu");
    if (scene && scene->traceMenu) {
        scene->traceMenu(json);
    } else {
        json.null();
    }
    json.endObject();
    return line;
}
