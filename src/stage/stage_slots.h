// What the stage calls in the game above it: the special cells, the player's procedures and the
// records. The stage runs the room; which figure stands in it and what its cells do is the
// game's, which fills these slots (fillStageSlots, game/play_state.h) before a world is played.
// An empty slot does nothing; an empty state slot matches no state.
#pragma once

class CoverMask;
struct Surface;

struct StageSlots {
    // The special cells: built from the room's raw grid at every reset, run once per frame in the
    // current room, drawn for every room (mode 2 at screen positions, any other mode room-local
    // into target), freed with the world.
    void (*setupCells)(int room) = nullptr;
    void (*runCells)() = nullptr;
    void (*drawCurrentRoomCells)(int mode, Surface* target) = nullptr;
    void (*drawOtherRoomCells)() = nullptr;
    void (*freeCells)() = nullptr;
    // Marks in the mask (of the back buffer) the squares that the cells drawn this frame will
    // cover whole, so that the stage need not draw what lies under them.
    void (*coverCells)(CoverMask& mask) = nullptr;

    // The player: placed on the start cell at every reset (it appears there), stepped once per
    // frame by its state, drawn from its sheets. Its record, its movement against the room and
    // its turn with the room are the stage's own (stage/player_record.h).
    void (*placePlayer)() = nullptr;
    void (*stepPlayer)() = nullptr;
    void (*drawPlayer)(int mode, Surface* target) = nullptr;
    // The player's states the blocks and the turn ask about and set.
    void (*playerNormal)() = nullptr;
    void (*playerDestroyed)() = nullptr;
    void (*playerFallen)() = nullptr;

    // The records and panels: the score file rewritten at the end of the stage, and the panel
    // shown closed when a restart is asked for.
    void (*writeScoreFile)() = nullptr;
    void (*closeShownPanel)() = nullptr;
};
extern StageSlots stageSlots;

// Whether the player exists and is in this state (false for an empty state slot).
bool playerIn(void (*state)());
