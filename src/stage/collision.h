// The movement helpers of everything that moves in a room: axis-aligned boxes in room-local
// pixels pushed out of walls and out of each other one axis at a time, and the two small
// geometry functions the camera uses.
#pragma once

#include <vector>

#include "gfx/surface.h"

struct Room;
struct Cell;

// Axis codes of the push-out helpers.
constexpr int kAxisVertical = 6;
constexpr int kAxisHorizontal = 7;
constexpr int kAxisBoth = 8;

// Contact codes: which side of the moving box struck the other box.
constexpr int kContactNone = 0;
constexpr int kContactFromBelow = 2;  // the mover's top struck the other's bottom
constexpr int kContactLeft = 3;       // the mover's left side struck the other's right side
constexpr int kContactRight = 4;      // the mover's right side struck the other's left side
constexpr int kContactLanded = 5;     // the mover's bottom landed on the other's top

// 1 when the boxes share at least one pixel; boxes that only touch along an edge do not.
int boxesOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// 1 when the room-local box overlaps the room's own area.
int boxInRoom(const Room& room, int x, int y, int w, int h);
// 1 for the wall tiles 10..29.
int isSolidTile(int tile);
// Pushes the box out of wall cells along one axis; 1 when it was pushed. The four corner cells
// are read before anything moves. A corner outside the grid reads as an open tile. cellCount is
// the number of cells in the grid (width x height), so that nothing outside it is ever read.
int collideWithCells(const Cell* cells, int cellCount, int& x, int& y, int w, int h, int roomWidth,
                     int axis);
int collideWithCells(const std::vector<Cell>& cells, int& x, int& y, int w, int h, int roomWidth,
                     int axis);
// Pushes the mover out of the other box along the axis and names the side that struck.
int resolveContact(int& x, int& y, int w, int h, int ox, int oy, int ow, int oh, int axis);
// Direction from a to b in whole degrees 0..359 (90 points down the screen); 270 for equal points.
int angleBetween(int ax, int ay, int bx, int by);
int distanceBetween(int ax, int ay, int bx, int by);
// Releases surfaces[last] down to surfaces[0], then the array itself.
void freeSurfaceArray(std::vector<SurfacePtr>& surfaces, int last);
