// The castle owner's two ghosts: they hover beside the left and right edges of the current room,
// and when the room turns the ghost on the turning side swoops round a quarter ellipse with a
// sweat mark, as if it pushed the castle round. During a glide both fly off the screen.
#include "frame/frame.h"
#include "game/companions.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

float clampTo(float value, float limit) {
    return value > limit ? limit : value < -limit ? -limit : value;
}

// The ghost that pushes a turning room: the right one for a clockwise turn, the left one for an
// anticlockwise turn; -1 while the room is still.
int pushingGhost(int turnState) {
    if (turnState == 3) return 1;
    if (turnState == 1) return 0;
    return -1;
}

bool gliding() { return camera && camera->override == cameraGlide; }

void settleFreeGhost(int i, Ghost& ghost, const Room& room) {
    const float roomLeft = static_cast<float>(room.originX) - camera->x;
    if (gliding())
        ghost.vx = (i == 0 ? -128.0f - ghost.x : 704.0f - ghost.x) / 10;
    else if (i == 0)
        ghost.vx = (roomLeft - 96 - ghost.x) / 10;
    else
        ghost.vx = (roomLeft + 32 * room.width + 32 - ghost.x) / 10;
    ghost.vy += ghost.y < 208 ? 1.0f : -1.0f;
    ghost.vx = clampTo(ghost.vx, 7);
    ghost.vy = clampTo(ghost.vy, 7);
    ghost.x = static_cast<int>(ghost.x + ghost.vx);
    ghost.y = static_cast<int>(ghost.y + ghost.vy / 2);
}

// One step of the swoop; the angle pair of the running turn moves by 3 degrees a frame, so the
// 30 frames of a turn cover a quarter of the ellipse.
void swoop(int i, Ghost& ghost, const Room& room) {
    GhostPath& path = companions.path;
    int angle = 0;
    if (room.turnState == 3) {
        for (int& a : path.clockwise) {
            a -= 3;
            if (a < 0) a = 359;
        }
        angle = path.clockwise[1];
    } else {
        for (int& a : path.anticlockwise) a = (a + 3) % 359;
        angle = path.anticlockwise[0];
    }
    const float roomLeft = static_cast<float>(room.originX) - camera->x;
    const float targetX = i == 0 ? roomLeft - 96 + path.sinPath[angle] + 64
                                 : roomLeft + 32 * room.width + 32 + path.sinPath[angle] - 64;
    const float targetY = path.cosPath[angle];
    ghost.vx = clampTo((targetX - ghost.x) / 10, 10);
    ghost.vy = clampTo((targetY - ghost.y) / 10, 10);
    ghost.x = static_cast<int>(ghost.x + ghost.vx);
    ghost.y = static_cast<int>(ghost.y + ghost.vy);
}

}  // namespace

void updateGhosts() {
    if (!camera || world.rooms.empty()) return;
    const Room& room = currentRoomRef();
    const int pushing = pushingGhost(room.turnState);
    for (int i = 0; i < 2; ++i) {
        Ghost& ghost = companions.ghosts[i];
        if (i == pushing)
            swoop(i, ghost, room);
        else
            settleFreeGhost(i, ghost, room);
        ghost.column = ghost.vy < 0 ? 1 : 0;
    }
    GhostPath& path = companions.path;
    if (room.turnState != 3) {
        path.clockwise[0] = 270;
        path.clockwise[1] = 90;
    }
    if (room.turnState != 1) {
        path.anticlockwise[0] = 270;
        path.anticlockwise[1] = 90;
    }
}

void drawGhosts() {
    Surface* target = app.backBuffer.get();
    if (!target || world.rooms.empty()) return;
    const int pushing = pushingGhost(currentRoomRef().turnState);
    for (int i = 0; i < 2; ++i) {
        const Ghost& ghost = companions.ghosts[i];
        const Surface* sheet =
            ghost.sheet == 1 ? companions.ghostMirrored.get() : companions.ghostSheet.get();
        if (sheet)
            blendBlit(target, ghost.x, ghost.y, 64, 64, sheet, 64 * ghost.column, 64 * i, 64, 64,
                      100, kMagenta);
        if (i == pushing && companions.sweat)
            blendBlit(target, ghost.x - 8, ghost.y - 14, 80, 28, companions.sweat.get(), 0, 0, 80,
                      28, 100, kMagenta);
    }
}
