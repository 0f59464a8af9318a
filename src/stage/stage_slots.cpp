// The stage's slots into the game, and the state test the blocks and the turn use.
#include "stage/stage_slots.h"

#include "stage/player_record.h"

StageSlots stageSlots;

bool playerIn(void (*state)()) { return state && player && player->state == state; }
