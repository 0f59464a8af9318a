// Inside the block behaviours only: small helpers shared by the per-frame procedures.
#pragma once

#include "stage/blocks.h"
#include "stage/effects.h"
#include "stage/world.h"

namespace blocks {

inline Block& at(int index) { return currentRoomRef().blocks[static_cast<size_t>(index)]; }

inline void refreshWorldPosition(Block& block, const Room& room) {
    block.worldX = block.x + room.originX;
    block.worldY = block.y + room.originY;
}

// A block that stops after falling faster than 5 pixels per frame raises a puff centred on it,
// at the world position last recorded for it.
inline void dustOnLanding(const Block& block, int kind) {
    if (block.vy > 5) spawnEffect(block.worldX - 8, block.worldY - 8, kind);
}

}  // namespace blocks
