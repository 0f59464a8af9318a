// The music and sound-effect request rules, checked on what the platform was asked to play.
#include <gtest/gtest.h>

#include <string>

#include "audio/audio.h"
#include "platform/platform.h"

namespace {

class Audio : public ::testing::Test {
protected:
    void SetUp() override {
        platformMusicStop();
        audio = AudioState{};
    }
    void TearDown() override {
        platformMusicStop();
        audio = AudioState{};
    }
};

TEST_F(Audio, OneTableOfTracksAndEffects) {
    const char* music[] = {"bgm/OPBGM.ogg",   "bgm/BGM.ogg",     "bgm/CLEARBGM.ogg",
                           "bgm/OVERBGM.ogg", "bgm/GAMEBGM.ogg", "bgm/ENDINGBGM.ogg"};
    for (int n = 1; n <= 6; ++n) EXPECT_STREQ(musicFile(n), music[n - 1]);
    EXPECT_EQ(musicFile(0), nullptr);
    EXPECT_EQ(musicFile(7), nullptr);
    EXPECT_STREQ(soundEffectFile(1), "se/enter3.wav");
    EXPECT_STREQ(soundEffectFile(2), "se/jump.wav");
    EXPECT_STREQ(soundEffectFile(3), "se/kaiten2.wav");
    EXPECT_EQ(soundEffectFile(4), nullptr);
    EXPECT_STREQ(soundEffectFile(5), "se/mekuru1.wav");
    EXPECT_EQ(soundEffectFile(6), nullptr);
    EXPECT_EQ(soundEffectFile(-1), nullptr);
}

TEST_F(Audio, TheSameRequestEveryFrameStartsTheTrackOnce) {
    EXPECT_EQ(selectMusic(2), 1);
    EXPECT_EQ(platformMusicPath(), "bgm/BGM.ogg");
    EXPECT_EQ(audio.musicPlaying, 2);
    for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(selectMusic(2), 0);
    EXPECT_EQ(selectMusic(5), 1);
    EXPECT_EQ(platformMusicPath(), "bgm/GAMEBGM.ogg");
}

TEST_F(Audio, RequestingNoTrackStopsTheMusic) {
    selectMusic(1);
    EXPECT_EQ(selectMusic(0), 0);
    EXPECT_EQ(platformMusicPath(), "");
    EXPECT_EQ(audio.musicPlaying, 0);
    EXPECT_EQ(selectMusic(0), 0);
    selectMusic(3);
    EXPECT_EQ(selectMusic(9), 0);  // no such track: silence, remembered as 9
    EXPECT_EQ(platformMusicPath(), "");
    EXPECT_EQ(audio.musicPlaying, 9);
}

TEST_F(Audio, SoundEffectRequests) {
    const uint64_t before = platformSoundsStarted();
    for (int n : {1, 2, 3, 5}) EXPECT_EQ(playSoundEffect(n), 0) << n;
    EXPECT_EQ(platformSoundsStarted(), before + 4);
    EXPECT_EQ(playSoundEffect(4), 0);
    EXPECT_EQ(playSoundEffect(6), 0);
    EXPECT_EQ(playSoundEffect(0), 0);
    EXPECT_EQ(playSoundEffect(7), 7);  // left in the request, silent
    EXPECT_EQ(playSoundEffect(-2), -2);
    EXPECT_EQ(platformSoundsStarted(), before + 4);
}

TEST_F(Audio, SwitchingMusicOffAndOn) {
    selectMusic(6);
    switchMusicOff();
    EXPECT_EQ(audio.musicEnabled, 0);
    EXPECT_EQ(audio.musicPlaying, 0);
    EXPECT_EQ(platformMusicPath(), "");
    audio.musicRequest = 5;
    switchMusicOn();
    EXPECT_EQ(audio.musicEnabled, 1);
    EXPECT_EQ(audio.musicRequest, 1);  // always the opening music
    EXPECT_EQ(selectMusic(audio.musicRequest), 1);
    EXPECT_EQ(platformMusicPath(), "bgm/OPBGM.ogg");
}

}  // namespace
