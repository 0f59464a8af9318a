// The camera. Small rooms (at most 16 x 16 cells) are held centred on the screen; larger ones
// follow the player, kept so that at most one cell of the border shows beyond the room. While a
// room turns the view circles about the room's centre with it, and between rooms an override
// glides the view a tenth of the remaining way per frame.
#include "stage/camera.h"

#include <cmath>

#include "stage/collision.h"
#include "stage/player_record.h"
#include "stage/world.h"

std::unique_ptr<Camera> camera;

void createCamera() {
    camera = std::make_unique<Camera>();
    camera->state = cameraFollow;
    camera->savedState = nullptr;
    camera->override = nullptr;
    camera->glidePhase = 0;
    camera->x = 0;
    camera->y = 0;
}

void freeCamera() { camera.reset(); }

// Keeps the view of a large room so that no more than one cell beyond its border shows.
static void limitToRoom(const Room& room) {
    const int roomW = room.width * kCellSize, roomH = room.height * kCellSize;
    if (camera->x < room.originX - 32)
        camera->x = static_cast<float>(room.originX - 32);
    else if (room.originX + roomW + 32 < camera->x + 640)
        camera->x = static_cast<float>(room.originX + roomW - 608);
    if (camera->y < room.originY - 32)
        camera->y = static_cast<float>(room.originY - 32);
    else if (room.originY + roomH + 32 < camera->y + 480)
        camera->y = static_cast<float>(room.originY + roomH - 448);
}

void updateCamera() {
    if (!camera || world.rooms.empty()) return;
    if (camera->override) {
        if (camera->override()) camera->override = nullptr;
        return;
    }
    const Room& room = currentRoomRef();
    if (camera->state != cameraOrbit && room.turnState != 0) {
        camera->savedState = camera->state;
        camera->state = cameraOrbit;
        camera->orbitCentreX = room.originX + room.width * kCellSize / 2;
        camera->orbitCentreY = room.originY + room.height * kCellSize / 2;
        const int sx = static_cast<int>(camera->x + 320), sy = static_cast<int>(camera->y + 240);
        camera->orbitAngle = angleBetween(camera->orbitCentreX, camera->orbitCentreY, sx, sy);
        camera->orbitRadius = distanceBetween(camera->orbitCentreX, camera->orbitCentreY, sx, sy);
    }
    void (*before)() = camera->state;
    if (before) before();
    if (camera->state != before && camera->state) camera->state();
}

void cameraFollow() {
    const Room& room = currentRoomRef();
    if (room.width > 16 || room.height > 16) {
        camera->x = static_cast<float>(player ? player->worldX - 308 : 0);
        camera->y = static_cast<float>(player ? player->worldY - 228 : 0);
        limitToRoom(room);
    } else {
        camera->x = static_cast<float>(room.originX + room.width * kCellSize / 2 - 320);
        camera->y = static_cast<float>(room.originY + room.height * kCellSize / 2 - 240);
    }
}

void cameraOrbit() {
    const Room& room = currentRoomRef();
    int a = room.turnAngle + camera->orbitAngle;
    if (a < 0) a += 360;
    const double r = a * 3.14159265358979 / 180;
    camera->x = static_cast<float>(camera->orbitCentreX +
                                   static_cast<int>(std::cos(r) * camera->orbitRadius) - 320);
    camera->y = static_cast<float>(camera->orbitCentreY +
                                   static_cast<int>(std::sin(r) * camera->orbitRadius) - 240);
    if (room.turnState == 0) camera->state = camera->savedState;
    if (camera->savedState == cameraFollow) {
        if (room.width <= 16 || room.height <= 16) {
            camera->x = static_cast<float>(camera->orbitCentreX - 320);
            camera->y = static_cast<float>(camera->orbitCentreY - 240);
        } else {
            limitToRoom(room);
        }
    }
}

int cameraGlide() {
    if (world.targetRoom < 0 || world.targetRoom >= static_cast<int>(world.rooms.size())) return 1;
    const Room& target = world.rooms[static_cast<size_t>(world.targetRoom)];
    if (camera->glidePhase == 0) {
        camera->glidePhase = 1;
        camera->glideTargetX = static_cast<float>(target.originX + target.width * kCellSize / 2 - 320);
        camera->glideTargetY = static_cast<float>(target.originY + target.height * kCellSize / 2 - 240);
        camera->glideStepX = (camera->glideTargetX - camera->x) / 10;
        camera->glideStepY = (camera->glideTargetY - camera->y) / 10;
        return 0;
    }
    camera->glideStepX = (camera->glideTargetX - camera->x) / 10;
    camera->glideStepY = (camera->glideTargetY - camera->y) / 10;
    if (camera->glideTargetX - 1 < camera->x && camera->x < camera->glideTargetX + 1 &&
        camera->glideTargetY - 1 < camera->y && camera->y < camera->glideTargetY + 1) {
        camera->glidePhase = 2;
        return 1;
    }
    camera->x += camera->glideStepX;
    camera->y += camera->glideStepY;
    return 0;
}
