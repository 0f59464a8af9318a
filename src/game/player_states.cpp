// The player's six states. Appearing fades the figure in on a start cell; normal walks, jumps and
// falls; exit and leave fade it out and carry out the room change (and the end of a world);
// destroyed and fallen play the failure and lead through the OVER menu to a reset.
#include "frame/frame.h"
#include "audio/audio.h"
#include "game/game.h"
#include "game/player.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/collision.h"
#include "stage/stage.h"
#include "stage/world.h"

namespace {

bool held(int button) {
    const int state = input.buttons[button].state;
    return state == 2 || state == 3;
}

bool cameraIdle() { return camera && !camera->override && camera->glidePhase == 0; }

void startGlide() {
    camera->glidePhase = 0;
    camera->override = cameraGlide;
}

// The camera has arrived at the room the player is going to: the old room is put back as it
// was, and the player appears on the start cell of the new one.
void changeRoom(int toRoom) {
    camera->glidePhase = 0;
    resetRoom(world.currentRoom);
    world.currentRoom = toRoom;
    resetRoom(world.currentRoom);
    player->frame = 0;
}

// Calls the result procedure held over the darkened screen; once it closes the fade runs on.
void runHeldResult(ResultProcedure procedure) {
    if (!results.resultStep) {
        results.resultStep = procedure;
        results.resultPhase = 0;
        app.fadeRun = 0;  // the screen stays at 70 % while the menu is shown
    }
    if (results.resultStep && results.resultStep() != 0) app.fadeRun = 1;
}

}  // namespace

void playerAppearing() {
    Player& p = *player;
    p.frame %= 2;
    p.row = 2;
    p.opacity += 2;
    if (p.opacity > 100) {
        p.opacity = 100;
        p.state = playerNormal;
        p.stepFlag = 0;
        p.frame = 0;
    }
}

void playerNormal() {
    Player& p = *player;
    if (held(kButtonLeft)) {
        p.vx -= 1;
        if (p.vx < -7) p.vx = -7;
        p.facing = 0;
    } else if (p.vx < 0) {
        p.vx += 3;
        if (p.vx > 0) p.vx = 0;
    }
    if (held(kButtonRight)) {
        p.vx += 1;
        if (p.vx > 7) p.vx = 7;
        p.facing = 1;
    } else if (p.vx > 0) {
        p.vx -= 3;
        if (p.vx < 0) p.vx = 0;
    }
    p.x += p.vx;
    playerMoveHorizontal();

    if (input.buttons[kButtonJump].state == 2 && p.contact == kPlayerStanding) {
        audio.soundRequest = 2;
        p.vy -= 10;
        p.contact = kPlayerRising;
    }
    p.vy += 1;
    if (p.vy > 10) p.vy = 10;
    p.y += p.vy;
    playerMoveVertical();

    // Out of the view is out of the game, even while still inside the room.
    const float cx = camera ? camera->x : 0.0f, cy = camera ? camera->y : 0.0f;
    if (!boxesOverlap(static_cast<int>(p.worldX - cx), static_cast<int>(p.worldY - cy), kPlayerSize,
                      kPlayerSize, 0, 0, 640, 480)) {
        p.state = playerFallen;
        p.frame = 0;
        p.stepFlag = 0;
    }

    if (p.vy < 0) {
        p.row = 4;
        p.frame = 0;
    } else if (p.vy > 0) {
        p.row = 5;
        p.frame = 0;
    } else if (p.vx != 0) {
        p.row = 1;
        p.frame %= 4;
    } else {
        p.row = 0;
        p.frame %= 2;
    }
}

// Through a door of the hall or the goal of a room. In a room the CLEAR panel shows while the
// figure fades and waits for Enter; in the hall the glide starts as soon as the figure is gone.
void playerExit() {
    Player& p = *player;
    p.frame %= 2;
    p.row = 3;
    p.opacity -= 2;
    if (p.opacity >= 0) {
        if (!results.resultStep && world.currentRoom != 0) {
            results.resultStep = resultClear;
            results.resultPhase = 0;
        }
        return;
    }
    p.opacity = 0;
    if (!camera) return;
    const bool enter = input.buttons[kButtonEnter].state == 2;
    if (enter || world.currentRoom == 0) {
        if (enter && results.resultPhase != 3) audio.soundRequest = 1;
        results.resultPhase = 3;
        if (cameraIdle()) {
            startGlide();
            if (world.currentRoom != 0 && currentRoomRef().bestMoves == 999)
                runFirstClear(world.currentRoom);
            return;
        }
    }
    if (camera->glidePhase == 2) {
        if (world.currentRoom == 0) audio.musicRequest = 5;
        changeRoom(world.targetRoom);
    }
}

// Through a start cell: back to the hall from a room, or out of the world from the hall.
void playerLeave() {
    Player& p = *player;
    p.frame %= 2;
    p.row = 3;
    p.opacity -= 2;
    if (p.opacity >= 0) return;
    p.opacity = 0;
    if (world.currentRoom != 0) {
        results.resultPhase = 3;
        if (cameraIdle()) {
            world.targetRoom = 0;
            startGlide();
            return;
        }
    } else {
        if (!app.overlayStep) app.overlayStep = startFade;
        if (app.fadeState == 3) runHeldResult(resultNext);
        if (app.fadeState == 1) {
            game.gameEnded = 1;
            if (results.goToNextWorld == 1) app.fadeRun = 0;  // black on into the next world
            game.goToCredits = endingReached();
        }
    }
    if (camera && camera->glidePhase == 2 && world.currentRoom != 0) {
        audio.musicRequest = 2;
        changeRoom(0);
    }
}

void playerDestroyed() {
    Player& p = *player;
    p.row = 6;
    // The figure sinks 6 pixels at the start of each of its first three frames, and 12 more
    // once when the last frame comes.
    if (p.frame < 3 && p.animTick == 0) p.y += 6;
    if (p.frame >= 3 && p.stepFlag == 0) p.y += 12;
    if (p.frame >= 3) {
        p.frame = 3;
        p.stepFlag = 1;
        playerFailureSequence();
    }
}

void playerFallen() {
    Player& p = *player;
    p.row = 9;
    if (p.frame >= 3) {
        p.frame = 3;
        playerFailureSequence();
    }
}

void playerFailureSequence() {
    if (!app.overlayStep) app.overlayStep = startFade;
    if (app.fadeState == 3) runHeldResult(resultOver);
    if (app.fadeState == 1) {
        const int room = world.currentRoom;
        resetRoom(room);
        if (results.resultChoice != 1) {  // 1 retries the room; anything else goes back to the hall
            world.currentRoom = 0;
            resetRoom(0);
        }
        player->stepFlag = 0;
    }
}
