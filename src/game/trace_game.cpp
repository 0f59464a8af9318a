// The trace's `game` object: what the headless runner records of a world in play each frame.
#include <cstdio>
#include <string>

#include "game/game.h"
#include "game/game_scene.h"
#include "game/player.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

void key(std::string& json, const char* name) {
    json += '"';
    json += name;
    json += "\":";
}

void number(std::string& json, const char* name, long value) {
    key(json, name);
    json += std::to_string(value);
}

void text(std::string& json, const char* name, const char* value) {
    key(json, name);
    json += '"';
    json += value;
    json += '"';
}

void real(std::string& json, const char* name, float value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
    key(json, name);
    json += buffer;
}

const char* panelName() {
    if (!game.resultStep) return "none";
    if (game.resultStep == resultClear) return "clear";
    if (game.resultStep == resultRank) return "rank";
    if (game.resultStep == resultLeave) return "leave";
    if (game.resultStep == resultOver) return "over";
    if (game.resultStep == resultNext) return "next";
    return "none";
}

}  // namespace

// Appends the companions' objects once the companions are in the game.
void traceCompanions(std::string& json);

void traceGameObject(std::string& json) {
    json += '{';
    number(json, "world", game.currentWorld);
    json += ',';
    number(json, "current", world.currentRoom);
    json += ',';
    number(json, "target", world.targetRoom);

    json += ",\"turn\":{";
    if (!world.rooms.empty()) {
        const Room& room = currentRoomRef();
        number(json, "state", room.turnState);
        json += ',';
        number(json, "angle", room.turnAngle);
        json += ',';
        number(json, "orientation", room.orientation);
        json += ',';
        number(json, "count", room.turnCount);
    }
    json += '}';

    json += ",\"player\":";
    if (player) {
        json += '{';
        number(json, "x", player->x);
        json += ',';
        number(json, "y", player->y);
        json += ',';
        number(json, "vx", player->vx);
        json += ',';
        number(json, "vy", player->vy);
        json += ',';
        number(json, "contact", player->contact);
        json += ',';
        number(json, "facing", player->facing);
        json += ',';
        number(json, "opacity", player->opacity);
        json += ',';
        const char* state = playerStateName();
        text(json, "state", state ? state : "none");
        json += '}';
    } else {
        json += "null";
    }

    json += ",\"camera\":";
    if (camera) {
        json += '{';
        real(json, "x", camera->x);
        json += ',';
        real(json, "y", camera->y);
        json += ',';
        text(json, "mode", camera->state == cameraOrbit ? "orbit" : "follow");
        json += ',';
        number(json, "glide", camera->glidePhase);
        json += ',';
        number(json, "override", camera->override ? 1 : 0);
        json += '}';
    } else {
        json += "null";
    }

    json += ",\"blocks\":[";
    if (!world.rooms.empty()) {
        bool first = true;
        for (const Block& b : currentRoomRef().blocks) {
            if (!first) json += ',';
            first = false;
            json += '[' + std::to_string(b.type) + ',' + std::to_string(b.x) + ',' + std::to_string(b.y) + ',' +
                    std::to_string(b.vy) + ',' + std::to_string(b.active) + ']';
        }
    }
    json += ']';

    json += ",\"result\":{";
    text(json, "panel", panelName());
    json += ',';
    number(json, "phase", game.resultPhase);
    json += ',';
    number(json, "choice", game.resultChoice);
    json += '}';

    json += ',';
    number(json, "restart", world.roomRestartPending);

    json += ",\"rooms\":[";
    for (size_t i = 0; i < world.rooms.size(); ++i) {
        const Room& room = world.rooms[i];
        if (i) json += ',';
        json += '[' + std::to_string(room.par) + ',' + std::to_string(room.bestMoves) + ',' +
                std::to_string(room.bestRank) + ']';
    }
    json += ']';

    json += ',';
    traceCompanions(json);
    json += '}';
}
