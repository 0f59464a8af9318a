// Drawing the cells of every room from the tile sheet. The sheet's rows: open tiles in row 0,
// walls in rows 1-2, and from row 5 on the sprites of the special tiles, one row per ten codes
// (start cells, goal, the five doors, then decorations); a sprite's column is its animation frame.
#include "game/cells.h"

#include "frame/frame.h"
#include "gfx/keyed_runs.h"
#include "stage/backdrop.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

// One cell drawn at (x, y) of target. sheet is the orientation of the room's tiles, spriteSheet
// that of its sprites; frameDivisor turns the cell's counter into a sprite column; glow says
// whether the flickering glow of tiles 290-299 jitters (the current room) or stays full size.
void drawCell(Surface* target, int x, int y, int roomIndex, const Cell& cell, int sheet, int spriteSheet,
              int frameDivisor, bool jitter) {
    const Surface* tiles = world.tileSheets[sheet].get();
    const Surface* sprites = world.tileSheets[spriteSheet].get();
    int tile = cell.tile;
    if (tile <= 29) {
        if (tiles) transparentBlit(target, x, y, 32, 32, tiles, tile % 10 * 32, tile / 10 * 32, 32, 32, kMagenta);
        return;
    }
    if (tile >= 200 && tile < 550) {
        if (tiles) transparentBlit(target, x, y, 32, 32, tiles, tile % 10 * 32, 0, 32, 32, kMagenta);
        // Inside a room its start cell is the way back, so it looks like that room's door.
        if (roomIndex != 0 && tile >= 200 && tile < 220) tile = 10 * roomIndex + 220;
        if (!sprites) return;
        transparentBlit(target, x, y, 32, 32, sprites, cell.counter / frameDivisor * 32,
                        ((tile - 200) / 10 + 5) * 32, 32, 32, kMagenta);
        if (tile >= 290 && tile < 300) {
            const int r = jitter ? nextRandom() % 2 : 0;
            blendBlit(target, x + r, y + r, 32 - 2 * r, 32 - 2 * r, sprites, 32, 24 * 32, 32, 32, 100,
                      kKeyAdditive);
        }
        return;
    }
    if (tile >= 550 && sprites) {
        transparentBlit(target, x, y, 32, 32, sprites, tile % 10 * 32, ((tile / 10 * 10 - 200) / 10 + 5) * 32, 32,
                        32, kMagenta);
    }
}

bool cellInView(int x, int y) { return x < 640 && 0 < x + 32 && y < 480 && 0 < y + 32; }

}  // namespace

void drawCurrentRoomCells(int mode, Surface* target) {
    if (world.rooms.empty()) return;
    const Room& room = currentRoomRef();
    const int sheet = ((room.orientation % 4) + 4) % 4;
    for (const Cell& cell : room.cells) {
        int x = cell.x, y = cell.y;
        Surface* dst = target;
        if (mode == 2) {
            x = static_cast<int>(room.originX + cell.x - camera->x);
            y = static_cast<int>(room.originY + cell.y - camera->y);
            if (!cellInView(x, y)) continue;
            dst = app.backBuffer.get();
        }
        drawCell(dst, x, y, world.currentRoom, cell, sheet, ((room.orientation + cell.param) % 4 + 4) % 4, 5, true);
    }
}

void drawOtherRoomCells() {
    for (int i = 0; i < static_cast<int>(world.rooms.size()); ++i) {
        if (i == world.currentRoom) continue;
        const Room& room = world.rooms[static_cast<size_t>(i)];
        for (const Cell& cell : room.cells) {
            const int x = static_cast<int>(room.originX + cell.x - camera->x);
            const int y = static_cast<int>(room.originY + cell.y - camera->y);
            if (!cellInView(x, y)) continue;
            drawCell(app.backBuffer.get(), x, y, i, cell, 0, (cell.param % 4 + 4) % 4, 15, false);
        }
    }
}

void coverCells(CoverMask& mask) {
    if (world.rooms.empty() || !camera) return;
    // The first picture drawCell draws for the cell, from its room's tile sheet, covers the
    // square whole when it has no transparent pixel. Neighbours in a row are marked together.
    int runX = 0, runY = 0, runW = 0;
    auto flush = [&] {
        if (runW > 0) mask.cover(runX, runY, runW, 32);
        runW = 0;
    };
    auto cover = [&](int x, int y, const Cell& cell, int sheet) {
        const int tile = cell.tile;
        if (!cellInView(x, y) || tile >= 550 || (tile > 29 && tile < 200)) return;
        const int sy = tile <= 29 ? tile / 10 * 32 : 0;
        if (!squareCoversWhole(world.tileSheets[sheet].get(), tile % 10 * 32, sy)) return;
        if (runW > 0 && y == runY && x == runX + runW) {
            runW += 32;
            return;
        }
        flush();
        runX = x;
        runY = y;
        runW = 32;
    };
    for (int i = 0; i < static_cast<int>(world.rooms.size()); ++i) {
        const Room& room = world.rooms[static_cast<size_t>(i)];
        // A turning room shows its picture turning instead of its cells.
        if (i == world.currentRoom && room.turnState != 0) continue;
        const int sheet = i == world.currentRoom ? ((room.orientation % 4) + 4) % 4 : 0;
        for (const Cell& cell : room.cells)
            cover(static_cast<int>(room.originX + cell.x - camera->x), static_cast<int>(room.originY + cell.y - camera->y),
                  cell, sheet);
    }
    flush();
}
