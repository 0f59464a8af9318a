#include "stage/world_pictures.h"

#include "gfx/picture_cache.h"
#include "stage/player_record.h"
#include "stage/world.h"

void keepWorldPictures() {
    keepPicture(world.backdrop.castle);
    keepPicture(world.backdrop.back);
    for (SurfacePtr& sheet : world.tileSheets) keepPicture(sheet);
    for (SurfacePtr& sheet : world.blockSheets) keepPicture(sheet);
    keepPicture(world.effectSheet);
    keepPicture(world.gearFrame);
    releaseSurface(world.turnSnapshot);
}

// However the record is freed (the end of the stage, the game leaving the world, a test), its
// sheets go back to the keep for the next world's player.
Player::~Player() {
    keepPicture(head);
    keepPicture(body);
    keepPicture(headMirrored);
    keepPicture(bodyMirrored);
}
