// The blocks filed by the grid cell of their top-left corner while a room's blocks are stepped.
// A 32 x 32 box at (bx, by) overlaps the box (x, y, w, h) only when x - 31 <= bx <= x + w - 1 and
// the same for y, so the cells that can hold such corners are few. Corners beyond the border are
// filed under the border cells; as the filing cell only grows with the corner, the cells looked
// at still hold every corner in the range.
#include "stage/blocks_nearby.h"

#include <algorithm>
#include <cstdint>

#include "stage/blocks.h"
#include "stage/world.h"

namespace blocks {

namespace {

struct Filing {
    const Room* room = nullptr;  // the room filed, while its blocks are stepped
    int columns = 0, rows = 0;   // the room's cells and one more all round
    std::vector<int> head;       // first block filed in each cell, -1 for none
    std::vector<int> next, prev, cellOf;  // each block's neighbours in its cell's list
};
Filing filing;  // the game steps one room at a time, from one thread

int clampedCell(int64_t pixel, int cells) {
    const int64_t cell = pixel >= 0 ? pixel / kCellSize : -((-pixel + kCellSize - 1) / kCellSize);
    return static_cast<int>(std::clamp<int64_t>(cell, -1, cells)) + 1;
}

int cellAt(int64_t x, int64_t y) {
    return clampedCell(y, filing.rows - 2) * filing.columns + clampedCell(x, filing.columns - 2);
}

void link(int index, int cell) {
    filing.cellOf[static_cast<size_t>(index)] = cell;
    filing.prev[static_cast<size_t>(index)] = -1;
    const int first = filing.head[static_cast<size_t>(cell)];
    filing.next[static_cast<size_t>(index)] = first;
    if (first >= 0) filing.prev[static_cast<size_t>(first)] = index;
    filing.head[static_cast<size_t>(cell)] = index;
}

void unlink(int index) {
    const int before = filing.prev[static_cast<size_t>(index)];
    const int after = filing.next[static_cast<size_t>(index)];
    if (before >= 0)
        filing.next[static_cast<size_t>(before)] = after;
    else
        filing.head[static_cast<size_t>(filing.cellOf[static_cast<size_t>(index)])] = after;
    if (after >= 0) filing.prev[static_cast<size_t>(after)] = before;
}

bool filed() { return filing.room && !world.rooms.empty() && filing.room == &currentRoomRef(); }

}  // namespace

void fileBlocks(const Room& room) {
    filing.room = &room;
    filing.columns = std::max(room.width, 0) + 2;
    filing.rows = std::max(room.height, 0) + 2;
    filing.head.assign(static_cast<size_t>(filing.columns) * static_cast<size_t>(filing.rows), -1);
    const size_t n = room.blocks.size();
    filing.next.assign(n, -1);
    filing.prev.assign(n, -1);
    filing.cellOf.assign(n, 0);
    // Filed from the last block down, so that each cell lists its blocks in index order.
    for (size_t i = n; i-- > 0;) link(static_cast<int>(i), cellAt(room.blocks[i].x, room.blocks[i].y));
}

void refile(int index) {
    if (!filed() || index < 0 || static_cast<size_t>(index) >= filing.cellOf.size()) return;
    const Block& block = filing.room->blocks[static_cast<size_t>(index)];
    const int cell = cellAt(block.x, block.y);
    if (cell == filing.cellOf[static_cast<size_t>(index)]) return;
    unlink(index);
    link(index, cell);
}

void closeFiling() { filing.room = nullptr; }

void NearbyBlocks::add(int index) {
    if (count_ < inline_.size()) {
        inline_[count_++] = index;
        return;
    }
    if (count_ == inline_.size()) more_.assign(inline_.begin(), inline_.end());
    more_.push_back(index);
    ++count_;
}

void NearbyBlocks::find(int self, int after, int x, int y, int w, int h) {
    count_ = 0;
    every_ = false;
    more_.clear();
    if (world.rooms.empty()) return;
    const int n = static_cast<int>(currentRoomRef().blocks.size());
    if (!filed() || filing.cellOf.size() != static_cast<size_t>(n)) {
        every_ = true;
        first_ = std::max(after + 1, 0);
        self_ = self;
        const int others = n - first_ - (self >= first_ && self < n ? 1 : 0);
        count_ = static_cast<size_t>(std::max(others, 0));
        return;
    }
    const int c0 = clampedCell(int64_t{x} - (kBlockSize - 1), filing.columns - 2);
    const int c1 = clampedCell(int64_t{x} + w - 1, filing.columns - 2);
    const int r0 = clampedCell(int64_t{y} - (kBlockSize - 1), filing.rows - 2);
    const int r1 = clampedCell(int64_t{y} + h - 1, filing.rows - 2);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (int j = filing.head[static_cast<size_t>(r * filing.columns + c)]; j >= 0;
                 j = filing.next[static_cast<size_t>(j)])
                if (j > after && j != self) add(j);
    int* first = count_ <= inline_.size() ? inline_.data() : more_.data();
    std::sort(first, first + count_);
}

}  // namespace blocks
