// Drawing blocks. Arrows glow additively under everything, solid blocks are keyed copies, ghost
// blocks and liquid are drawn at 30 % so the room shows through; liquid comes last, after the
// player, so that water covers the figure standing in it.
#include "frame/frame.h"
#include "stage/blocks.h"
#include "stage/camera.h"
#include "stage/world.h"

namespace {

bool drawnInPass(const Block& block, int pass) {
    switch (pass) {
    case 0: return block.type == kBlockArrow;
    case 1: return block.type != kBlockArrow && block.type != kBlockLiquid;
    default: return block.type == kBlockLiquid;
    }
}

void drawBlock(Surface* target, const Room& room, const Block& block, int x, int y) {
    const Surface* sheet = world.blockSheets[((room.orientation + block.param) % 4 + 4) % 4].get();
    if (!sheet || !target) return;
    const int sx = block.tick / 5 * kBlockSize, sy = (block.type / 10 - 3) * kBlockSize;
    if (block.type == kBlockArrow)
        blendBlit(target, x, y, kBlockSize, kBlockSize, sheet, sx, sy, kBlockSize, kBlockSize, 100,
                  kKeyAdditive);
    else if (block.type == kBlockGhost || block.type == kBlockLiquid)
        blendBlit(target, x, y, kBlockSize, kBlockSize, sheet, sx, sy, kBlockSize, kBlockSize, 30,
                  kMagenta);
    else
        transparentBlit(target, x, y, kBlockSize, kBlockSize, sheet, sx, sy, kBlockSize, kBlockSize,
                        kMagenta);
}

void drawPass(int mode, int pass, Surface* target) {
    const float cx = camera ? camera->x : 0.0f, cy = camera ? camera->y : 0.0f;
    const int roomCount = static_cast<int>(world.rooms.size());
    for (int r = 0; r < roomCount; ++r) {
        if (mode == 1 && r != world.currentRoom) continue;
        if (mode == 3 && r == world.currentRoom) continue;
        const Room& room = world.rooms[static_cast<size_t>(r)];
        for (const Block& block : room.blocks) {
            if (!block.active || !drawnInPass(block, pass)) continue;
            if (mode == 1) {
                drawBlock(target, room, block, block.worldX - room.originX,
                          block.worldY - room.originY);
                continue;
            }
            if (!(block.worldX < cx + 640 && cx < block.worldX + kBlockSize &&
                  block.worldY < cy + 480 && cy < block.worldY + kBlockSize))
                continue;
            drawBlock(target, room, block, static_cast<int>(block.worldX - cx),
                      static_cast<int>(block.worldY - cy));
        }
    }
}

}  // namespace

void drawBlocks(int mode, int layers, Surface* target) {
    if (layers == kBlockLayersFull) {
        drawPass(mode, 0, target);
        drawPass(mode, 1, target);
    }
    drawPass(mode, 2, target);
}
