// Music and sound effects. Scenes only write numbers into the requests; once per frame, after
// the picture is shown, the frame acts on them here. One looping music track plays at a time,
// and one effect at a time (a new effect cuts the one still sounding). A file that is missing
// simply stays silent.
#include "audio/audio.h"

#include "platform/platform.h"

AudioState audio;

namespace {

// Every track the game plays, by music number. Our music ships as Ogg Vorbis files.
const char* const kMusicFiles[] = {
    nullptr,
    "bgm/OPBGM.ogg",      // 1 logo and opening
    "bgm/BGM.ogg",        // 2 the hall
    "bgm/CLEARBGM.ogg",   // 3 room cleared
    "bgm/OVERBGM.ogg",    // 4 room failed
    "bgm/GAMEBGM.ogg",    // 5 in a room
    "bgm/ENDINGBGM.ogg",  // 6 credits
};

// Every effect by sound number; 4 and 6 are requested but make no sound.
const char* const kSoundFiles[] = {
    nullptr,
    "se/enter3.wav",   // 1 confirm
    "se/jump.wav",     // 2 jump
    "se/kaiten2.wav",  // 3 a room starts turning
    nullptr,           // 4 silent
    "se/mekuru1.wav",  // 5 title menu cursor
    nullptr,           // 6 silent (the companions)
};

}  // namespace

const char* musicFile(int number) {
    if (number < 1 || number > 6) return nullptr;
    return kMusicFiles[number];
}

const char* soundEffectFile(int number) {
    if (number < 1 || number > 6) return nullptr;
    return kSoundFiles[number];
}

int selectMusic(int number) {
    // A scene may write the same request every frame: only a change does anything.
    if (number == audio.musicPlaying) return 0;
    stopMusic("bgm");
    audio.musicPlaying = number;
    const char* file = musicFile(number);
    if (!file) return 0;  // silence until another number is asked for
    startMusic(file);
    return 1;
}

int playSoundEffect(int number) {
    switch (number) {
        case 1:
        case 2:
        case 3:
        case 5:
            platformSoundPlay(soundEffectFile(number));
            return 0;
        case 4:
        case 6:
            return 0;
        default:
            // Not an effect: the request stays as it is until a scene overwrites it.
            return number;
    }
}

void startMusic(const char* path) {
    // The platform loops the track until it is stopped; a file that cannot be opened is silence.
    if (path) platformMusicPlay(path);
}

void stopMusic(const char* device) {
    // There is only one music device; any name stops it.
    (void)device;
    platformMusicStop();
}

void switchMusicOff() {
    audio.musicEnabled = 0;
    stopMusic("bgm");
    audio.musicPlaying = 0;
}

void switchMusicOn() {
    // Switching on always starts the opening music, whatever the scene asked for before.
    audio.musicEnabled = 1;
    audio.musicRequest = 1;
}
