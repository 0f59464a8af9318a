// Turned and mirrored copies of sprite sheets. The stage keeps the tile and block sheets in four
// orientations so that a turned room is drawn with plain copies; the player and the companions
// keep a mirrored sheet for looking right. Each cell is turned or mirrored in place, within its
// own square of the sheet.
//
// The work is done on the surfaces' pixel rows. In the double-size display mode a logical pixel
// is a 2 x 2 block of device pixels; turning or mirroring the whole device cell moves every such
// block exactly where its logical pixel belongs, so one loop serves both modes.
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

// Calls place(sx, sy, dx, dy) for every pixel of every cell that lies inside both surfaces,
// with the cell's pixels read into a buffer first (source and destination may share rows).
template <typename Place>
void forEachCell(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
                 int columns, int rows, Place place) {
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
            for (int sy = 0; sy < h; ++sy) {
                const uint32_t* from = cell.data() + static_cast<size_t>(sy) * w;
                for (int sx = 0; sx < w; ++sx) {
                    int dx = 0, dy = 0;
                    place(sx, sy, w, h, dx, dy);
                    destination->row(top + dy)[left + dx] = from[sx];
                }
            }
        }
    }
}

}  // namespace

void turnSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
               int quarterTurns, int columns, int rows) {
    const int k = ((quarterTurns % 4) + 4) % 4;
    // A quarter turn maps a cell onto itself only when it is square.
    if ((k == 1 || k == 3) && cellWidth != cellHeight) return;
    forEachCell(destination, source, cellWidth, cellHeight, columns, rows,
                [k](int sx, int sy, int w, int h, int& dx, int& dy) {
                    switch (k) {
                    case 1: dx = sy, dy = h - 1 - sx; break;
                    case 2: dx = w - 1 - sx, dy = h - 1 - sy; break;
                    case 3: dx = w - 1 - sy, dy = sx; break;
                    default: dx = sx, dy = sy; break;
                    }
                });
}

void mirrorSheet(Surface* destination, const Surface* source, int cellWidth, int cellHeight,
                 int columns, int rows) {
    forEachCell(destination, source, cellWidth, cellHeight, columns, rows,
                [](int sx, int sy, int w, int h, int& dx, int& dy) {
                    dx = w - 1 - sx;
                    dy = sy;
                });
}
