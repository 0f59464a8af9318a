// The game scene: one world played from its hall, and the game-level flags that connect the
// player, the cells, the result panels and the choice of the next scene.
#pragma once

using ResultProcedure = int (*)();

struct GameState {
    int currentWorld = 0;
    int gameStartPending = 0;
    int gameEnded = 0;
    int goToCredits = 0;
    int goToNextWorld = 0;
    ResultProcedure resultStep = nullptr;  // the result sub-scene slot
    int resultPhase = 0;                   // 0 set up at next call, 2 shown, 3 closing
    int resultChoice = 0;
};
extern GameState game;

void gameEntry();
void gameStep();
int gameUpdate();
void gameDraw();
void gameEnd();
