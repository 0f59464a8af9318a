// The player's record: the stage moves it with the room and the blocks act on it; the game's
// states drive it (game/player.h). One record, created by the game entry and freed at the end of
// the stage.
#pragma once

#include <memory>

#include "gfx/surface.h"

// The record as the rules see it: everything that decides what the figure does next.
struct PlayerRecord {
    int x = 0, y = 0;  // room-local top-left of the 24 x 24 box
    int vx = 0, vy = 0;
    int worldX = 0, worldY = 0;
    int facing = 0;    // 0 looking left (sheets as stored), 1 looking right (mirrored)
    int contact = 5;   // 5 standing, 3 rising after a jump, 4 nothing below, 6 not normal
    int turnReaction = 0;
    int reactionTick = 0;
    void (*state)() = nullptr;
    int stepFlag = 0;
    int opacity = 0;
    int animTick = 0;
    int animPeriod = 3;
    int row = 0;
    int frame = 0;
};

// The record with the four sheets it is drawn from.
struct Player : PlayerRecord {
    SurfacePtr head, body;                  // "bmp/yomogi_head.bmp", "bmp/yomogi_body.bmp"
    SurfacePtr headMirrored, bodyMirrored;  // facing 1
    ~Player();  // gives the sheets back to the picture keep (stage/world_pictures.cpp)
};
extern std::unique_ptr<Player> player;

constexpr int kPlayerSize = 24;

// The contact field.
constexpr int kPlayerStanding = 5;   // standing on something
constexpr int kPlayerRising = 3;     // rising after a jump (or a spring)
constexpr int kPlayerAirborne = 4;   // nothing below
constexpr int kPlayerNotNormal = 6;  // in any state other than normal

// worldX/worldY from x/y and the current room's position.
void refreshPlayerWorldPosition();
// The player carried round with its turning room (1 anticlockwise, 3 clockwise), then stopped:
// vx = vy = 0, contact 4.
void turnPlayer(int direction);
void stopPlayer();
// The movement tests, run after x (horizontal) or y (vertical) has changed: push the player out
// of walls and blocks and call the contact procedures of the blocks it struck.
void playerMoveHorizontal();
void playerMoveVertical();
