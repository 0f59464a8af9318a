// Inside the block behaviours only: which blocks lie near a box. While the current room's blocks
// are stepped, every block is filed under the cell of the room's grid that holds its top-left
// corner (corners beyond the border under the nearest border cell), so that a block pushing out
// of the others looks only at those filed in the cells around it instead of at every block of a
// crowded room. Outside a step, or for another room, every block is near.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

struct Room;

namespace blocks {

// Files every block of the room; until closeFiling(), the room's blocks may move only through
// their own steps, each followed by refile().
void fileBlocks(const Room& room);
// The block has moved: filed again under the cell of its new corner.
void refile(int index);
void closeFiling();

// The indices, in increasing order, of the blocks of the current room after `after` and other
// than `self` whose 32 x 32 box may overlap the box (x, y, w, h): every block that does, and
// perhaps a few that do not.
class NearbyBlocks {
public:
    NearbyBlocks(int self, int x, int y, int w, int h) { find(self, -1, x, y, w, h); }
    // Looks again from a new box, for the blocks after `after` only.
    void find(int self, int after, int x, int y, int w, int h);
    size_t size() const { return count_; }
    int operator[](size_t i) const {
        if (every_) {
            const int j = first_ + static_cast<int>(i);
            return self_ >= first_ && j >= self_ ? j + 1 : j;
        }
        return count_ <= inline_.size() ? inline_[i] : more_[i];
    }

private:
    void add(int index);
    bool every_ = false;       // every block from first_ on but self_
    int first_ = 0, self_ = 0;
    std::array<int, 24> inline_{};
    std::vector<int> more_;
    size_t count_ = 0;
};

// Calls visit(j) for every block j near the box (x, y, w, h) of block self, in index order, the
// way a loop over every block of the room would meet them; visit returns true to stop. The box
// is read again after each visit: when the block has moved, the blocks after j are looked for
// around its new place.
template <typename Visit>
void forEachNearby(int self, const int& x, const int& y, int dx, int dy, int w, int h, Visit visit) {
    NearbyBlocks near(self, x + dx, y + dy, w, h);
    for (size_t k = 0; k < near.size(); ++k) {
        const int j = near[k];
        const int beforeX = x, beforeY = y;
        if (visit(j)) return;
        if (x != beforeX || y != beforeY) {
            near.find(self, j, x + dx, y + dy, w, h);
            k = static_cast<size_t>(-1);
        }
    }
}

}  // namespace blocks
