// The state of play as a value: everything that decides what happens next in a world in play,
// copied out and put back without pictures, and one frame of play stepped without drawing. The
// solver searches with these, and the undo key puts a settled room back.
#pragma once

#include <cstdint>
#include <vector>

#include "frame/frame.h"
#include "game/companions.h"
#include "game/game.h"
#include "game/player.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"

struct PlaySnapshot {
    // The world: every room (blocks, cells, counters, orientation, turn, records, grid), the
    // room in play and the one the camera goes to, the dust puffs and the stage's flags.
    std::vector<Room> rooms;
    int currentRoom = 0, targetRoom = 0;
    std::vector<Effect> effects;
    int struckBlock = 0;
    int roomRestartPending = 0;
    int starReseed = 0, starClock = 0;
    int activeCell = 0;
    // The player, the camera and the companions, without their pictures.
    bool hasPlayer = false, hasCamera = false;
    PlayerRecord player;
    Camera camera;
    Shelly shelly;
    Ghost ghosts[2];
    int displayOpacity = 0;
    // The result slot and the panels, the game's flags, the screen fade, the buttons as the last
    // poll left them and the pseudo-random generator.
    ResultRecord results;
    GameState game;
    Procedure overlayStep = nullptr;
    int fadeLevel = 0, fadeSpeed = 0, fadeRun = 0, fadeState = 2;
    int8_t buttons[kButtonCount] = {};
    uint32_t random = 0;
};

// Copies the state of play; the second form reuses the snapshot's memory (no allocation once it
// has held a world of the same shape).
PlaySnapshot capturePlay();
void capturePlay(PlaySnapshot& into);
// Puts it back. The world must be the one it was taken from (same rooms). A room restored in the
// middle of its turn is drawn without its turning picture for the rest of the turn.
void restorePlay(const PlaySnapshot& snapshot);

// Fills the stage's slots with the game's cells, player and records (stage/stage_slots.h).
// startPlay does it; whatever runs the stage without it (a test building a room by hand) calls
// it first.
void fillStageSlots();

// The game entry's work for world worldNumber: companions, player, the world, camera and result
// panels, with or without pictures; false when the world is refused (its warning shown, nothing
// kept). Does not touch the scene slot, the music or the game's flags.
bool startPlay(int worldNumber, WorldPictures pictures);
// Frees what startPlay made without writing any file (the game end writes the score file).
void stopPlay();

// One frame of the game scene without drawing: the fade released on the first frame, the game
// update (camera, restart, result panel, stage, companions) and the screen fade's step, in the
// order the frame runs them. Set the buttons first (pollButtons). Returns the game update's
// result: 1 when the world is being left (P or Escape), else 0.
int stepPlay();
