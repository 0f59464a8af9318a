// Collision and movement helpers. Movement in a room is done one axis at a time: a mover adds its
// speed on one axis, then these helpers push it back out of walls and other boxes along that same
// axis and report which of its sides struck.
#include "stage/collision.h"

#include <cmath>

#include "stage/world.h"

int boxesOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return (x1 < x2 + w2 && x2 < x1 + w1 && y1 < y2 + h2 && y2 < y1 + h1) ? 1 : 0;
}

int boxInRoom(const Room& room, int x, int y, int w, int h) {
    return boxesOverlap(x, y, w, h, 0, 0, room.width * kCellSize, room.height * kCellSize);
}

int isSolidTile(int tile) { return (tile >= 10 && tile <= 29) ? 1 : 0; }

// The tile under a pixel. Cell indices come from truncating division, so the pixels -31..-1
// still address column or row 0. Movers test the walls only while they overlap the room, so a
// corner may stand outside the grid near the border: such a corner reads as open space rather
// than as a cell of the next row or as memory beyond the grid.
static int tileAt(const Cell* cells, int cellCount, int roomWidth, int px, int py) {
    if (roomWidth <= 0) return 0;
    const int column = px / kCellSize, row = py / kCellSize;
    if (column < 0 || row < 0 || column >= roomWidth) return 0;
    const long index = static_cast<long>(row) * roomWidth + column;
    if (index >= cellCount) return 0;
    return cells[index].tile;
}

int collideWithCells(const Cell* cells, int cellCount, int& x, int& y, int w, int h, int roomWidth,
                     int axis) {
    // All four corners are read before anything moves, so a box with walls on both sides ends
    // against the far one.
    const int topLeft = tileAt(cells, cellCount, roomWidth, x, y);
    const int bottomLeft = tileAt(cells, cellCount, roomWidth, x, y + h - 1);
    const int topRight = tileAt(cells, cellCount, roomWidth, x + w - 1, y);
    const int bottomRight = tileAt(cells, cellCount, roomWidth, x + w - 1, y + h - 1);
    int pushed = 0;
    if (axis == kAxisHorizontal) {
        if (isSolidTile(topLeft) || isSolidTile(bottomLeft)) {
            x = (x / kCellSize + 1) * kCellSize;
            pushed = 1;
        }
        if (isSolidTile(topRight) || isSolidTile(bottomRight)) {
            x = (x / kCellSize + 1) * kCellSize - w;
            pushed = 1;
        }
    } else {
        if (isSolidTile(topLeft) || isSolidTile(topRight)) {
            y = (y / kCellSize + 1) * kCellSize;
            pushed = 1;
        }
        if (isSolidTile(bottomLeft) || isSolidTile(bottomRight)) {
            y = (y / kCellSize + 1) * kCellSize - h;
            pushed = 1;
        }
    }
    return pushed;
}

int collideWithCells(const std::vector<Cell>& cells, int& x, int& y, int w, int h, int roomWidth,
                     int axis) {
    return collideWithCells(cells.data(), static_cast<int>(cells.size()), x, y, w, h, roomWidth,
                            axis);
}

static int resolveVertical(int& x, int& y, int w, int h, int ox, int oy, int ow, int oh) {
    if (!boxesOverlap(x, y, w, h, ox, oy, ow, oh)) return kContactNone;
    if (y + h > oy && y < oy) {
        y = oy - h;
        return kContactLanded;
    }
    if (y < oy + oh && y > oy) {
        y = oy + oh;
        return kContactFromBelow;
    }
    return kContactNone;  // tops level with each other: nothing to decide
}

static int resolveHorizontal(int& x, int& y, int w, int h, int ox, int oy, int ow, int oh) {
    if (!boxesOverlap(x, y, w, h, ox, oy, ow, oh)) return kContactNone;
    if (x + w > ox && x < ox) {
        x = ox - w;
        return kContactRight;
    }
    if (x < ox + ow && x > ox) {
        x = ox + ow;
        return kContactLeft;
    }
    return kContactNone;
}

int resolveContact(int& x, int& y, int w, int h, int ox, int oy, int ow, int oh, int axis) {
    switch (axis) {
    case kAxisVertical: return resolveVertical(x, y, w, h, ox, oy, ow, oh);
    case kAxisHorizontal: return resolveHorizontal(x, y, w, h, ox, oy, ow, oh);
    case kAxisBoth: {
        const int code = resolveHorizontal(x, y, w, h, ox, oy, ow, oh);
        return code != kContactNone ? code : resolveVertical(x, y, w, h, ox, oy, ow, oh);
    }
    default: return kContactNone;
    }
}

int angleBetween(int ax, int ay, int bx, int by) {
    if (ax == bx && ay == by) return 270;
    const double radians = std::atan2(static_cast<double>(by - ay), static_cast<double>(bx - ax));
    int degrees = static_cast<int>(radians * 180.0 / 3.141592);
    if (degrees < 0) degrees += 360;
    return degrees;
}

int distanceBetween(int ax, int ay, int bx, int by) {
    const double dx = ax - bx, dy = ay - by;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

void freeSurfaceArray(std::vector<SurfacePtr>& surfaces, int last) {
    if (last >= static_cast<int>(surfaces.size())) last = static_cast<int>(surfaces.size()) - 1;
    for (int i = last; i >= 0; --i) surfaces[static_cast<size_t>(i)].reset();
    surfaces.clear();
    surfaces.shrink_to_fit();
}
