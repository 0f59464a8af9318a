// The world's pictures given back to the picture keep (gfx/picture_cache.h) when the world is
// freed, so that the next world load finds them decoded. The player's record gives its sheets
// back itself (Player::~Player, defined with these).
#pragma once

// Gives back the backdrop pictures, the tile and block sheets in their four orientations, the
// dust sheet and the gear frame; the turning picture is freed. The world's slots are left empty.
void keepWorldPictures();
