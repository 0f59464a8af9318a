// The trace's `game` object: what the headless runner records of a world in play each frame.
#include "base/json_writer.h"
#include "game/companions.h"
#include "game/game.h"
#include "game/game_scene.h"
#include "game/player.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

const char* panelName() {
    if (!results.resultStep) return "none";
    if (results.resultStep == resultClear) return "clear";
    if (results.resultStep == resultRank) return "rank";
    if (results.resultStep == resultLeave) return "leave";
    if (results.resultStep == resultOver) return "over";
    if (results.resultStep == resultNext) return "next";
    return "none";
}

void tracePlayer(JsonWriter& json) {
    if (!player) {
        json.null();
        return;
    }
    const Player& p = *player;
    json.beginObject();
    json.field("x", p.x).field("y", p.y).field("vx", p.vx).field("vy", p.vy);
    json.field("contact", p.contact).field("facing", p.facing).field("opacity", p.opacity);
    json.textField("state", playerStateName());
    json.endObject();
}

void traceCamera(JsonWriter& json) {
    if (!camera) {
        json.null();
        return;
    }
    json.beginObject();
    json.fixedField("x", camera->x).fixedField("y", camera->y);
    json.textField("mode", camera->state == cameraOrbit ? "orbit" : "follow");
    json.field("glide", camera->glidePhase).field("override", camera->override ? 1 : 0);
    json.endObject();
}

}  // namespace

void traceGameObject(JsonWriter& json) {
    // The game entry loads the world and the game end frees it: in between the world is in play.
    if (!world.loaded) {
        json.null();
        return;
    }
    json.beginObject();
    json.field("world", game.currentWorld).field("current", world.currentRoom).field("target", world.targetRoom);

    json.key("turn").beginObject();
    if (!world.rooms.empty()) {
        const Room& room = currentRoomRef();
        json.field("state", room.turnState).field("angle", room.turnAngle);
        json.field("orientation", room.orientation).field("count", room.turnCount);
    }
    json.endObject();

    json.key("player");
    tracePlayer(json);
    json.key("camera");
    traceCamera(json);

    json.key("blocks").beginArray();
    if (!world.rooms.empty()) {
        for (const Block& b : currentRoomRef().blocks) {
            json.beginArray().value(b.type).value(b.x).value(b.y).value(b.vy).value(b.active).endArray();
        }
    }
    json.endArray();

    json.key("result").beginObject();
    json.textField("panel", panelName()).field("phase", results.resultPhase).field("choice", results.resultChoice);
    json.endObject();

    json.field("restart", world.roomRestartPending);

    json.key("rooms").beginArray();
    for (const Room& room : world.rooms) {
        json.beginArray().value(room.par).value(room.bestMoves).value(room.bestRank).endArray();
    }
    json.endArray();

    traceCompanions(json);
    json.endObject();
}
