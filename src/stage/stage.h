// The stage's entry points for the game scene: the room reset, the per-frame update and
// drawing, and the end of the stage.
#pragma once

void resetRoom(int room);
void updateStage();
void drawStage();
void endStage();

// The restart request of button 11 (R): closes a shown panel and starts the fade; the game
// update resets the room once the screen is black.
void requestRoomRestart();
