// The companions' four dispatch procedures and Shelly, the little flyer who keeps behind the
// player, dives out of the picture when a room is cleared and comes back with the player.
#include "frame/frame.h"
#include "base/json_writer.h"
#include "game/companions.h"
#include "game/player.h"
#include "gfx/picture_cache.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"
#include "stage/world_files.h"

CompanionState companions;

namespace {

SurfacePtr mirroredCopy(const Surface* source, int logicalWidth, int logicalHeight, int cellWidth,
                        int cellHeight, int columns, int rows) {
    SurfacePtr copy = createSurface(logicalWidth, logicalHeight);
    mirrorSheet(copy.get(), source, cellWidth, cellHeight, columns, rows);
    return copy;
}

// Where Shelly keeps: behind the player, whichever way it looks.
int besidePlayer() { return player->facing == 0 ? player->worldX + 24 : player->worldX - 10; }

// Steers her up or down by one towards 10 pixels above the player's top.
void steerTowardsPlayer(Shelly& shelly) {
    if (player->worldY - 10 > shelly.y)
        shelly.vy += 1;
    else
        shelly.vy -= 1;
}

int clampTo(int value, int limit) { return value > limit ? limit : value < -limit ? -limit : value; }

}  // namespace

void resetCompanionRecords() {
    companions.shelly = Shelly{};
    companions.displayOpacity = 0;
    companions.ghosts[0] = Ghost{-64, 480, 0, 0, 1, 0};
    companions.ghosts[1] = Ghost{640, 480, 0, 0, 0, 0};
    GhostPath& path = companions.path;
    for (int i = 0; i < 360; ++i) {
        path.sinPath[i] = 100.0f * sinTable[i];
        path.cosPath[i] = 200.0f * cosTable[i] + 240.0f;
    }
    path.clockwise[0] = path.anticlockwise[0] = 270;
    path.clockwise[1] = path.anticlockwise[1] = 90;
}

void createCompanions(WorldPictures pictures) {
    resetCompanionRecords();
    if (pictures == WorldPictures::None) return;
    // Taken from the picture keep and given back by freeCompanions, so that entering the next
    // world finds them decoded and mirrored.
    companions.shellySheet = takePicture("bmp/shelly1.bmp", 64, 32);
    companions.shellyMirrored = takeMade(*companions.shellySheet, 1, [] {
        return mirroredCopy(companions.shellySheet.get(), 64, 32, 16, 16, 4, 2);
    });
    companions.icon = takePicture("bmp/yurayura.bmp");
    companions.ghostSheet = takePicture("bmp/yurayuragost.bmp", 256, 64);
    companions.ghostMirrored = takeMade(*companions.ghostSheet, 1, [] {
        return mirroredCopy(companions.ghostSheet.get(), 256, 64, 64, 64, 4, 1);
    });
    companions.sweat = takePicture("bmp/ase.bmp");
}

void updateCompanions() {
    if (!player || !camera) return;
    updateShelly();
    updateGhosts();
}

void drawCompanions() {
    drawGhosts();
    drawShelly();
    drawDisplay();
}

void freeCompanions() {
    keepPicture(companions.ghostSheet);
    keepPicture(companions.ghostMirrored);
    keepPicture(companions.sweat);
    keepPicture(companions.shellySheet);
    keepPicture(companions.shellyMirrored);
    keepPicture(companions.icon);
}

void updateShelly() {
    if (!player || !camera) return;
    Shelly& shelly = companions.shelly;
    const bool exiting = player->state == playerExit;
    const bool appearing = player->state == playerAppearing;
    if (!exiting && !appearing) {
        shelly.vx = (besidePlayer() - shelly.x) / 10;
        steerTowardsPlayer(shelly);
    } else if (exiting && world.currentRoom != 0) {
        // A room is cleared: she dives out of the picture, and the CLEAR panel waits for her.
        if (!shelly.flownOff) {
            shelly.vy = 10;
            shelly.vx = static_cast<int>((camera->x + 320 - shelly.x) / 10);
            if (shelly.y > camera->y + 480) {
                shelly.opacity = 0;
                shelly.flownOff = 1;
            }
        }
    } else if (exiting) {
        // Through a door of the hall: she fades out where she is.
        shelly.vx = 0;
        shelly.opacity -= 2;
        if (shelly.opacity < 0) shelly.opacity = 0;
        steerTowardsPlayer(shelly);
    } else if (shelly.opacity != 100) {
        // The player arrives in a room: she comes back beside its head and fades in with it.
        shelly.flownOff = 0;
        shelly.vx = shelly.vy = 0;
        shelly.y = player->worldY - 15;
        shelly.x = besidePlayer();
        shelly.opacity += 2;
        if (shelly.opacity > 100) shelly.opacity = 100;
    }
    if (shelly.vx > 0) shelly.facing = 1;
    if (shelly.vx < 0) shelly.facing = 0;
    shelly.vx = clampTo(shelly.vx, 6);
    shelly.vy = clampTo(shelly.vy, 3);
    shelly.x += shelly.vx;
    shelly.y += shelly.vy;
    results.companionFlownOff = shelly.flownOff;
}

void drawShelly() {
    Surface* target = app.backBuffer.get();
    if (!target || !camera) return;
    const Shelly& shelly = companions.shelly;
    const Surface* sheet =
        shelly.facing == 0 ? companions.shellySheet.get() : companions.shellyMirrored.get();
    if (!sheet) return;
    blendBlit(target, static_cast<int>(shelly.x - camera->x), static_cast<int>(shelly.y - camera->y),
              16, 16, sheet, 0, 0, 16, 16, static_cast<int16_t>(shelly.opacity), kMagenta);
}

void traceCompanions(JsonWriter& json) {
    const Shelly& s = companions.shelly;
    json.key("companion").beginObject();
    json.field("x", s.x).field("y", s.y).field("opacity", s.opacity).field("flownOff", s.flownOff);
    json.endObject();
    json.key("ghosts").beginArray();
    for (const Ghost& ghost : companions.ghosts) json.beginArray().value(ghost.x).value(ghost.y).endArray();
    json.endArray();
}
