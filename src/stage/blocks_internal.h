// Inside the block behaviours only: small helpers shared by the per-frame procedures.
#pragma once

#include "stage/blocks.h"
#include "stage/blocks_nearby.h"
#include "stage/collision.h"
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

// Pushes a block that lies in its room out of the wall cells along one axis; true when it was
// pushed. A block outside the room (carried out by a turn) meets no wall.
inline bool pushOutOfWalls(Block& block, const Room& room, int axis) {
    return boxInRoom(room, block.x, block.y, kBlockSize, kBlockSize) &&
           collideWithCells(room.cells, block.x, block.y, kBlockSize, kBlockSize, room.width, axis);
}

// Pushes the block out of another along one axis and names the side that struck.
inline int pushOutOf(Block& block, const Block& other, int axis) {
    return resolveContact(block.x, block.y, kBlockSize, kBlockSize, other.x, other.y, kBlockSize,
                          kBlockSize, axis);
}

// Pushes the block out of every other block it meets (meets(other)) along one axis, in index
// order, calling struck(code) with the side of each one it strikes; struck returns true to stop
// looking. Only the blocks it overlaps can push it, so only the nearby ones are tried: struck
// must take kContactNone for nothing, as the blocks far away never reach it.
template <typename Meets, typename Struck>
void pushOutOfBlocks(int index, int axis, Meets meets, Struck struck) {
    Room& room = currentRoomRef();
    Block& block = at(index);
    forEachNearby(index, block.x, block.y, 0, 0, kBlockSize, kBlockSize, [&](int j) {
        const Block& other = room.blocks[static_cast<size_t>(j)];
        return meets(other) && struck(pushOutOf(block, other, axis));
    });
}

inline bool struckVertically(int code) { return code == kContactFromBelow || code == kContactLanded; }
inline bool struckSideways(int code) { return code == kContactLeft || code == kContactRight; }

// The fall of a crate, a weight, a ghost block and liquid: gravity up to its top speed, down by
// vy, then out of the walls and out of every block it meets; whatever stops it raises a puff of
// dustKind when it came down fast.
template <typename Meets>
void fallOntoWhatIsBelow(int index, int gravity, int maxSpeed, int dustKind, Meets meets) {
    Room& room = currentRoomRef();
    Block& block = at(index);
    block.vy += gravity;
    if (block.vy > maxSpeed) block.vy = maxSpeed;
    block.y += block.vy;
    if (pushOutOfWalls(block, room, kAxisVertical)) {
        refreshWorldPosition(block, room);
        dustOnLanding(block, dustKind);
        block.vy = 0;
    }
    pushOutOfBlocks(index, kAxisVertical, meets, [&](int code) {
        if (struckVertically(code)) {
            dustOnLanding(block, dustKind);
            block.vy = 0;
        }
        return false;
    });
}

// The sideways move every moving block makes after its vertical one: across by vx, out of the
// walls and out of the blocks it meets, stopping (vx = 0) at whatever it strikes. A lift stops
// looking at the first block it strikes (firstOnly); the others push out of every one.
template <typename Meets>
void moveSideways(int index, Meets meets, bool firstOnly) {
    Room& room = currentRoomRef();
    Block& block = at(index);
    block.x += block.vx;
    if (pushOutOfWalls(block, room, kAxisHorizontal)) block.vx = 0;
    pushOutOfBlocks(index, kAxisHorizontal, meets, [&](int code) {
        if (!struckSideways(code)) return false;
        block.vx = 0;
        return firstOnly;
    });
}

// Solid blocks meet every block but arrows and liquid (an object, so that the loops above call
// it in place rather than through a pointer).
struct MeetsSolid {
    bool operator()(const Block& other) const { return !blockIsPassable(other); }
};
inline constexpr MeetsSolid meetsSolid{};

}  // namespace blocks
