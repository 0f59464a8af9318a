// Turning the current room a quarter turn: the data turn at once, then a 30-frame animation of
// a picture of the room taken before the turn.
#pragma once

struct Cell;
struct Room;

// Starts a turn when the room is still and the player stands in its normal state and button 8
// (anticlockwise) or 9 (clockwise) was pressed in this frame.
void startTurnIfAsked();
// direction 1 anticlockwise, 3 clockwise; scratch receives the turned cells (width x height).
void turnRoom(int width, int height, Cell* scratch, int direction);
// The picture of the room as it stands, in room-local coordinates, into world.turnSnapshot (a
// turn, and a turn taken back, show it turning).
void takeTurnSnapshot(Room& room);
// One frame of the animation of a running turn.
void advanceTurn();
// The room's picture, turned by the angle shown and shaking slightly, into the back buffer.
void drawTurnSnapshot();
