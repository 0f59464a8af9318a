// The trace line of a frame, built from the frame state as it stands when the frame has ended.
#include "app/trace.h"

#include <cstring>
#include <map>

#include "audio/audio.h"
#include "input/input.h"

namespace {

std::map<Procedure, const char*>& sceneNames() {
    static std::map<Procedure, const char*> names;
    return names;
}

void (*gameWriter)(std::string& json) = nullptr;

void appendNumber(std::string& json, const char* key, long value) {
    json += '"';
    json += key;
    json += "\":";
    json += std::to_string(value);
}

}  // namespace

void registerSceneName(Procedure procedure, const char* name) {
    if (procedure) sceneNames()[procedure] = name;
}

const char* sceneNameOf(Procedure procedure) {
    auto found = sceneNames().find(procedure);
    return found == sceneNames().end() ? nullptr : found->second;
}

void setTraceGameWriter(void (*writer)(std::string& json)) { gameWriter = writer; }

std::string traceLine(long frame) {
    std::string json = "{";
    appendNumber(json, "frame", frame);
    const char* scene = sceneNameOf(app.sceneRan);
    json += ",\"scene\":";
    if (scene) {
        json += '"';
        json += scene;
        json += '"';
    } else {
        json += "null";
    }
    json += ',';
    appendNumber(json, "shown", app.framePresented);
    json += ',';
    appendNumber(json, "rate", app.frameRate);
    json += ",\"fade\":{";
    appendNumber(json, "state", app.fadeState);
    json += ',';
    appendNumber(json, "level", app.fadeLevel);
    json += ',';
    appendNumber(json, "run", app.fadeRun);
    json += ',';
    appendNumber(json, "on", app.overlayStep != nullptr ? 1 : 0);
    json += "},";
    appendNumber(json, "music", audio.musicPlaying);
    json += ",\"sounds\":[";
    if (app.soundStarted != 0) json += std::to_string(app.soundStarted);
    json += "],\"buttons\":[";
    for (int i = 0; i < kButtonCount; ++i) {
        if (i > 0) json += ',';
        json += std::to_string(input.buttons[i].state);
    }
    json += "],";
    appendNumber(json, "quit", app.quitRequested);
    json += ",\"game\":";
    if (gameWriter && scene && std::strcmp(scene, "game") == 0) {
        gameWriter(json);
    } else {
        json += "null";
    }
    json += '}';
    return json;
}
