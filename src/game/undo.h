// Taking back turns: Z (or Backspace during play) puts the room, its blocks, the player and the
// move count back to where they stood when the last turn began, with a short turn back and the
// turn's sound, as many turns back as the room has had since its last reset. Nothing is taken
// back while a turn is shown, a panel is up or the player is not in its normal state, and the
// move count goes back with the room, so a par can never be beaten by taking turns back.
#pragma once

// The game update calls these around the stage update of every frame: before it, so that the
// room and the player are remembered as they stand in a frame a turn may begin in; after it, to
// keep that memory when the turn did begin and to act on the undo keys.
void undoBeforeStage();
void undoAfterStage();

// Forgets every remembered turn (a world ending or starting).
void clearUndo();
// Turns that can be taken back in the room now.
int undoDepth();
