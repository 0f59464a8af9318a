// Temporary until the owners land them: the procedures the frame and the start-up call in input
// and audio. Each owner deletes its part here in the
// commit that lands the real definition.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "app/app.h"
#include "audio/audio.h"
#include "game/game.h"
#include "gfx/surface.h"
#include "input/input.h"
#include "platform/platform.h"
#include "result/result.h"
#include "text/sjis.h"

// --- input (temporary until the owner lands it) ---------------------------------------------------
InputState input;
int enumerateJoysticks() { return 0; }
void loadKeyConfig() {
    const int codes[kButtonCount] = {13, 8, 38, 37, 39, 38, 40, 67, 65, 68, 80, 82, 27};
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i] = Button{codes[i], 0, 0};
}
void pollInput() {
    for (Button& b : input.buttons) {
        bool down = platformKeyDown(b.keyCode);
        b.state = down ? (b.state == 0 ? 2 : 3) : (b.state == 3 ? 1 : 0);
    }
}

// --- audio (temporary until the owner lands it) ---------------------------------------------------
AudioState audio;
static const char* kMusic[] = {nullptr, "bgm/OPBGM.wma", "bgm/BGM.wma", "bgm/CLEARBGM.wav",
                               "bgm/OVERBGM.wav", "bgm/GAMEBGM.wav", "bgm/ENDINGBGM.wav"};
static const char* kSounds[] = {nullptr, "se/enter3.wav", "se/jump.wav", "se/kaiten2.wav",
                                nullptr, "se/mekuru1.wav", nullptr};
void stopMusic(const char*) { platformMusicStop(); }
int selectMusic(int n) {
    if (n == audio.musicPlaying) return 0;
    stopMusic("bgm");
    audio.musicPlaying = n;
    if (n < 1 || n > 6) return 0;
    platformMusicPlay(kMusic[n]);
    return 1;
}
int playSoundEffect(int n) {
    if (n == 4 || n == 6) return 0;
    if (n < 1 || n > 6) return n;
    platformSoundPlay(kSounds[n]);
    return 0;
}
