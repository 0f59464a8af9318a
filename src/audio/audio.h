// Music and sound-effect requests: scenes write numbers, the frame acts on them once per frame.
#pragma once

struct AudioState {
    int musicRequest = 0;
    int musicPlaying = 0;
    int musicEnabled = 1;
    int soundRequest = 0;
};
extern AudioState audio;

int selectMusic(int number);      // 1 when a file was started
int playSoundEffect(int number);  // the value to store back into soundRequest
void startMusic(const char* path);
void stopMusic(const char* device);
void switchMusicOff();
void switchMusicOn();
const char* musicFile(int number);        // nullptr for numbers without a track
const char* soundEffectFile(int number);  // nullptr for silent or unknown numbers
