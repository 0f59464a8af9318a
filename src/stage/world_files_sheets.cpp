// Turned and mirrored copies of sprite sheets. The stage keeps the tile and block sheets in four
// orientations so that a turned room is drawn with plain copies; the player and the companions
// keep a mirrored sheet for looking right. Each cell is turned or mirrored in place, within its
// own square of the sheet.
//
// The work is done on the surfaces' pixel rows. In the double-size display mode a logical pixel
// is a 2 x 2 block of device pixels; turning or mirroring the whole device cell moves every such
// block exactly where its logical pixel belongs, so one loop serves both modes.
#include <algorithm>
#include <vector>

#include "gfx/surface.h"
#include "stage/world_files.h"

namespace {

// Device pixels per logical pixel. The destination is made with createSurface at the sheet's
// logical size, so its width tells the display's scale even when the picture loaded into the
// source is smaller than a full sheet.
int sheetScale(const Surface& sheet, int cellWidth, int columns) {
    const int logicalWidth = cellWidth * columns;
    const int scale = logicalWidth > 0 ? sheet.width / logicalWidth : 1;
    return scale < 1 ? 1 : scale;
}

// Calls placeCell(cell, w, h, destination, left, top) for every cell that lies wholly inside
// both surfaces, with the cell's pixels read into a buffer first (w x h device pixels, row by
// row), so that source and destination may even be the same surface.
template <typename PlaceCell>
void forEachCell(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
                 int columns, int rows, PlaceCell placeCell) {
    if (!destination || !source || cellWidth <= 0 || cellHeight <= 0) return;
    const int scale = sheetScale(*destination, cellWidth, columns);
    const int w = cellWidth * scale, h = cellHeight * scale;
    std::vector<uint32_t> cell(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int left = column * w, top = row * h;
            // A cell that does not lie wholly inside both sheets is left alone.
            if (left + w > source->width || top + h > source->height ||
                left + w > destination->width || top + h > destination->height)
                continue;
            for (int sy = 0; sy < h; ++sy) {
                const uint32_t* from = source->row(top + sy) + left;
                std::copy(from, from + w, cell.begin() + static_cast<ptrdiff_t>(sy) * w);
            }
            placeCell(cell.data(), w, h, *destination, left, top);
        }
    }
}

// Source pixel (sx, sy) of a cell lands at (sy, h - 1 - sx): destination row dy is source
// column w - 1 - dy read from the top down.
void placeQuarterTurn(const uint32_t* cell, int w, int h, Surface& d, int left, int top) {
    for (int dy = 0; dy < h; ++dy) {
        uint32_t* to = d.row(top + dy) + left;
        const uint32_t* from = cell + (w - 1 - dy);
        for (int dx = 0; dx < w; ++dx) to[dx] = from[static_cast<size_t>(dx) * w];
    }
}

// (sx, sy) lands at (w - 1 - sx, h - 1 - sy): rows in reverse order, each reversed.
void placeHalfTurn(const uint32_t* cell, int w, int h, Surface& d, int left, int top) {
    for (int dy = 0; dy < h; ++dy) {
        const uint32_t* from = cell + static_cast<size_t>(h - 1 - dy) * w;
        std::reverse_copy(from, from + w, d.row(top + dy) + left);
    }
}

// (sx, sy) lands at (w - 1 - sy, sx): destination row dy is source column dy read from the
// bottom up.
void placeThreeQuarterTurn(const uint32_t* cell, int w, int h, Surface& d, int left, int top) {
    for (int dy = 0; dy < h; ++dy) {
        uint32_t* to = d.row(top + dy) + left;
        const uint32_t* from = cell + dy;
        for (int dx = 0; dx < w; ++dx) to[dx] = from[static_cast<size_t>(w - 1 - dx) * w];
    }
}

// (sx, sy) lands at (w - 1 - sx, sy).
void placeMirrored(const uint32_t* cell, int w, int h, Surface& d, int left, int top) {
    for (int dy = 0; dy < h; ++dy) {
        const uint32_t* from = cell + static_cast<size_t>(dy) * w;
        std::reverse_copy(from, from + w, d.row(top + dy) + left);
    }
}

void placeUnturned(const uint32_t* cell, int w, int h, Surface& d, int left, int top) {
    for (int dy = 0; dy < h; ++dy) {
        const uint32_t* from = cell + static_cast<size_t>(dy) * w;
        std::copy(from, from + w, d.row(top + dy) + left);
    }
}

}  // namespace

void turnSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
               int quarterTurns, int columns, int rows) {
    const int k = ((quarterTurns % 4) + 4) % 4;
    // A quarter turn maps a cell onto itself only when it is square.
    if ((k == 1 || k == 3) && cellWidth != cellHeight) return;
    switch (k) {
    case 1: forEachCell(destination, source, cellWidth, cellHeight, columns, rows, placeQuarterTurn); break;
    case 2: forEachCell(destination, source, cellWidth, cellHeight, columns, rows, placeHalfTurn); break;
    case 3:
        forEachCell(destination, source, cellWidth, cellHeight, columns, rows, placeThreeQuarterTurn);
        break;
    default: forEachCell(destination, source, cellWidth, cellHeight, columns, rows, placeUnturned); break;
    }
}

void mirrorSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
                 int columns, int rows) {
    forEachCell(destination, source, cellWidth, cellHeight, columns, rows, placeMirrored);
}
