// The blocks of a room: crates, weights, lifts, ghost blocks, hazards, spikes, springs, arrows,
// liquid and sticky blocks. Each carries a per-frame procedure and a contact procedure chosen
// from its type; gravity pulls toward larger room-local y.
#pragma once

struct Block;
struct Surface;

constexpr int kBlockSize = 32;

// Block types (multiples of 10; a type not listed behaves as the crate).
constexpr int kBlockCrate = 30;
constexpr int kBlockHeavy = 40;
constexpr int kBlockLift = 50;
constexpr int kBlockGhost = 60;
constexpr int kBlockHazard = 80;
constexpr int kBlockStillHazard = 90;
constexpr int kBlockSpike = 100;
constexpr int kBlockSpring = 110;
constexpr int kBlockArrow = 120;
constexpr int kBlockLiquid = 130;
constexpr int kBlockSticky = 140;
constexpr int kBlockStill = 150;

// drawBlocks layers: full = arrows, then solid blocks, then liquid; overlay = liquid only.
constexpr int kBlockLayersFull = 0;
constexpr int kBlockLayersOverlay = 1;

// Rebuilds every block of a room from its raw grid.
void placeBlocks(int room);
// perFrame, contact and frames from the block's type.
void assignBehaviour(Block& block);
// One frame of the current room's blocks, higher blocks first.
void stepBlocks();
// How stepBlocks finds its work. Filed: each block pushes out of the blocks filed near it only,
// and the order of the last frame is kept while the blocks still stand that way. Plain: every
// block is tried against every other and the order is found afresh, as the rules are written;
// both step exactly alike, and the plain way is kept to compare with.
enum class BlockStepping { Filed, Plain };
extern BlockStepping blockStepping;
// mode 1: the current room at room-local positions onto target (the picture taken for a turn);
// mode 2: every room's blocks in view, at screen positions onto target; mode 3: as mode 2
// without the current room.
void drawBlocks(int mode, int layers, Surface* target);

// Per-frame procedures (argument: the block's index in the current room).
void blockFalling(int index);
void blockHeavyFalling(int index);
void blockGhostFalling(int index);
void blockRising(int index);
void blockArrow(int index);
void blockLiquid(int index);
void blockSticky(int index);
void blockStill(int index);

// Contact procedures (argument: the contact code the player's movement obtained).
void contactNone(int code);
void contactHazard(int code);
void contactSpike(int code);
void contactSpring(int code);

// Whether the block takes no part in the collisions between blocks (arrows and liquid).
bool blockIsPassable(const Block& block);
