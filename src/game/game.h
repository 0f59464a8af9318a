// The game scene: one world played from its hall, and the game-level flags that connect the
// player, the cells, the result panels and the choice of the next scene.
#pragma once

#include "frame/frame.h"

// The scenes a world can lead to. They stand above the game, so the program fills these from its
// scene table at start-up.
struct WorldExits {
    Procedure credits = nullptr;
    Procedure opening = nullptr;
    Procedure worldSelect = nullptr;
};

struct GameState {
    int currentWorld = 0;
    int gameStartPending = 0;
    int gameEnded = 0;
    int goToCredits = 0;

    // Called when the game entry finds the world refused by loadWorld (the warning has been
    // shown and nothing of the world is kept); empty: the run ends.
    Procedure worldRefused = nullptr;
    WorldExits exits;
};
extern GameState game;

// The way into the game from the world select (and from --world): currentWorld = world, the
// screen fade held at full black, and the game entry in the scene slot. The first game step
// lets the fade run on, so the hall fades in.
void enterWorld(int world);

void gameEntry();
void gameStep();
int gameUpdate();
void gameDraw();
void gameEnd();
