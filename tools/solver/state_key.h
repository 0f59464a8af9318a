// The state of play of one room as a short row of integers: every field that a rule of the room
// reads (blocks, the player, the turn, the goal's and doors' counters, the camera and the buttons),
// nothing that only drawing reads (animation frames, dust puffs, decorations, the random
// generator, the panels' texts). Two states with the same key play on identically, so the key is
// both the solver's exact identity of a state and the compact copy it restores from.
#pragma once

#include <cstdint>
#include <vector>

namespace solver {

class RoomKey {
public:
    // Takes the layout (number of blocks and special cells) from the current room.
    void bindToCurrentRoom();
    int words() const { return words_; }
    // Fails (false) when a value does not fit the packing; the solver then stops with a message.
    bool capture(int32_t* out);
    // Puts the key back into the current room; the move count is given separately, as states
    // are the same whatever the number of turns that led to them.
    void restore(const int32_t* in, int turnCount);
    // Whether two keys are the same once the Up button's states (as jump and as menu up) are
    // left out: a press of Up that the rules did not take leaves nothing else behind.
    bool sameButForUp(const int32_t* a, const int32_t* b) const;

private:
    struct CellShape {
        int tile, param;
        void (*procedure)(int);
    };
    struct Arrangement {
        bool known = false;
        std::vector<CellShape> cells;
        std::vector<int> special;  // indices of goal and door cells in grid order
    };
    void learnArrangement(int orientation);

    int room_ = -1;
    int blocks_ = 0;
    int special_ = 0;
    int words_ = 0;
    Arrangement arrangements_[4];
};

// 64-bit hash of a key.
uint64_t hashKey(const int32_t* key, int words);

}  // namespace solver
