// Dust puffs raised by landing blocks: 100 slots that live with the world.
#pragma once

void spawnEffect(int x, int y, int kind);  // world position of the 48 x 48 puff's top-left corner
void stepEffects();
void drawEffects();
