// The head-up display: the owner's icon and the turn counter inside a room, and the room's name
// at the right edge in every room. It steps aside while a panel is shown or the camera glides.
#include <cstdio>
#include <cstring>

#include "frame/frame.h"
#include "game/companions.h"
#include "game/game.h"
#include "result/result.h"
#include "stage/camera.h"
#include "stage/world.h"
#include "text/glyph_text.h"

void updateDisplayOpacity() {
    int& opacity = companions.displayOpacity;
    if (results.resultStep || (camera && camera->override == cameraGlide)) {
        opacity -= 5;
        if (opacity < 0) opacity = 0;
    } else {
        opacity += 5;
        if (opacity > 100) opacity = 100;
    }
}

void drawDisplay() {
    updateDisplayOpacity();
    Surface* target = app.backBuffer.get();
    if (!target || world.rooms.empty()) return;
    const Room& room = currentRoomRef();
    const auto opacity = static_cast<int16_t>(companions.displayOpacity);
    const Surface* font = fonts.fontSurface.get();

    char digits[8] = {};
    threeDigitGlyphs(room.turnCount, digits);
    if (world.currentRoom != 0) {
        if (companions.icon)
            blendBlit(target, 100, 444, 32, 32, companions.icon.get(), 0, 0, 32, 32, opacity,
                      kMagenta);
        drawGlyphTextBlend(target, 0, 432, 97, 65, 32, static_cast<int>(kMagenta), font, digits,
                           opacity);
    }
    const int length = static_cast<int>(strnlen(room.name, sizeof room.name));
    drawGlyphTextBlend(target, 630 - 16 * length, 0, 512 * length, 33, 32,
                       static_cast<int>(kMagenta), font, room.name, opacity);
}
