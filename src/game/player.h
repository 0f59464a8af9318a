// The player character: a 24 x 24 figure of a body and a head, driven by one state procedure.
// Its record is the stage's (stage/player_record.h); its states, placing, stepping and drawing
// are the game's.
#pragma once

#include "gfx/surface.h"
#include "stage/player_record.h"
#include "stage/world.h"

// Sheets: 6 columns x 12 rows of 24 x 24 cells.
constexpr int kPlayerSheetColumns = 6;
constexpr int kPlayerSheetRows = 12;

// The six states.
void playerAppearing();
void playerNormal();
void playerExit();
void playerLeave();
void playerDestroyed();
void playerFallen();

// The record and, unless pictures is None, its four sheets.
void createPlayer(WorldPictures pictures = WorldPictures::Decoded);
void placePlayer();
void stepPlayer();
void drawPlayer(int mode, Surface* target);
void freePlayer();
// Destroyed and fallen end here every frame: the screen darkens, the OVER menu asks, and the
// room is reset (or the hall, when the player chose to leave).
void playerFailureSequence();
const char* playerStateName();  // "appearing", "normal", "exit", "leave", "destroyed", "fallen"
