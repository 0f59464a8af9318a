// Dust puffs. A landing block asks for a puff; it plays five frames of the dust sheet over 19
// frames, additively, so that overlapping puffs brighten each other. When every one of the 100
// slots is busy the new puff is simply not raised.
#include "stage/effects.h"

#include "frame/frame.h"
#include "stage/camera.h"
#include "stage/world.h"

void spawnEffect(int x, int y, int kind) {
    for (Effect& e : world.effects) {
        if (e.active) continue;
        e.x = x;
        e.y = y;
        e.kind = kind;
        e.tick = 0;
        e.active = 1;
        return;
    }
}

void stepEffects() {
    for (Effect& e : world.effects) {
        if (!e.active) continue;
        e.tick += 1;
        if (e.tick > 19) e.active = 0;
    }
}

void drawEffects() {
    if (!world.effectSheet || !camera) return;
    const float cx = camera->x, cy = camera->y;
    for (const Effect& e : world.effects) {
        if (!e.active) continue;
        // The puff counts as visible by a 32 x 32 box at its corner, although it is drawn 48 wide.
        if (!(e.x < cx + 640 && cx < e.x + 32 && e.y < cy + 480 && cy < e.y + 32)) continue;
        blendBlit(app.backBuffer.get(), static_cast<int>(e.x - cx), static_cast<int>(e.y - cy), 48, 48,
                  world.effectSheet.get(), e.tick / 5 * 48, e.kind * 48, 48, 48, 100, kKeyAdditive);
    }
}
