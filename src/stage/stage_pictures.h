// Pictures the stage prepares from the world's own the first time it draws them and keeps with
// the world (a world loaded afresh starts without any): the runs of the two backdrop pictures,
// the gear frame laid out once for each size of room it stands behind, which squares of the tile
// sheets are wholly opaque, and the masks of what the pictures drawn later cover.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/keyed_runs.h"

struct StagePictures {
    const Surface* back = nullptr;  // the pictures the runs were found in
    const Surface* castle = nullptr;
    KeyedRuns backRuns, castleRuns;
    std::vector<UprightPicture> gears;  // the gear frame at each size drawn, latest last
    struct OpaqueSquares {
        const Surface* sheet = nullptr;
        std::vector<int8_t> known;  // per 32 x 32 square: 0 not yet looked at, 1 opaque, -1 not
    } squares[4];
    // What the still gears and the castle cover, kept while the camera stands still: each
    // with what it was made for (the gears' places and pictures, the castle's window).
    CoverMask gearCover, castleCover;
    std::vector<int64_t> gearCoverFor, castleCoverFor;
    CoverMask underCastle, underBack;  // kept from frame to frame for their memory
};
