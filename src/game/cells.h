// The special cells of a room: start, goal, the hall's doors and the animated decorations, set
// up from the room's raw grid, run once per frame in the current room, and drawn for every room.
#pragma once

class CoverMask;
struct Surface;
struct Cell;

// The cell that installed the RANK or leave panel; a door or start cell closes only its own panel.
extern int activeCell;

void setupCells(int room);
void runCells();
// mode 2: into the back buffer at world position minus the camera; any other mode: at room-local
// positions onto target (the picture of the room taken for a turn).
void drawCurrentRoomCells(int mode, Surface* target);
void drawOtherRoomCells();
// Marks in the mask the squares that the cells drawn this frame (both of the above, in mode 2)
// cover whole: those whose first picture, the tile or the open tile under a sprite, is opaque.
void coverCells(CoverMask& mask);
void freeCells();

// Procedure by tile code (nullptr for tiles without one).
using CellProcedure = void (*)(int cellIndex);
CellProcedure cellProcedureFor(int tile);
// The tile a raw grid code leaves in its cell: the open tile under a block, else the low part.
int cellTileOf(int raw);

void startCell(int cellIndex);
void goalCell(int cellIndex);
void doorCell(int cellIndex);
void cycle20Cell(int cellIndex);
void cycle10Cell(int cellIndex);
void blinkCell(int cellIndex);

// Whether the player's 24 x 24 box lies wholly inside the cell.
bool playerInsideCell(const Cell& cell);
