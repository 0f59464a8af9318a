// Music and sound effects through SDL2_mixer: one looping music track, one channel of effects on
// which a new effect cuts the one still sounding. Without an audio device the game says so once
// and plays in silence; nothing about sound is ever an error.
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "platform/sdl_internal.h"

namespace {

struct SdlAudio {
    bool open = false;
    Mix_Music* music = nullptr;
    std::map<std::string, Mix_Chunk*> effects;
};
SdlAudio audio;

bool fileExists(const char* path) {
    struct stat info;
    return path && ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

QuietStandardError::QuietStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) ::close(nowhere);
}

QuietStandardError::~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

void openAudio() {
    std::string reason;
    {
        QuietStandardError quiet;
        audio.open = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
        if (!audio.open) reason = SDL_GetError();
    }
    if (!audio.open) {
        std::fprintf(stderr, "yomogi: no sound device could be opened (%s); playing silently\n", reason.c_str());
        std::fflush(stderr);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_OGG);
    Mix_AllocateChannels(1);
}

void closeAudio() {
    if (audio.open) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        if (audio.music) Mix_FreeMusic(audio.music);
        for (auto& effect : audio.effects) {
            if (effect.second) Mix_FreeChunk(effect.second);
        }
        Mix_CloseAudio();
        Mix_Quit();
    }
    audio = SdlAudio{};
}

bool sdlMusicPlay(const char* path) {
    if (!audio.open) return fileExists(path);
    Mix_HaltMusic();
    if (audio.music) Mix_FreeMusic(audio.music);
    // The decoder is chosen by the file's contents, whatever its name ends with.
    audio.music = Mix_LoadMUS(path);
    if (!audio.music) return false;
    return Mix_PlayMusic(audio.music, -1) == 0;
}

void sdlMusicStop() {
    if (!audio.open) return;
    Mix_HaltMusic();
    if (audio.music) Mix_FreeMusic(audio.music);
    audio.music = nullptr;
}

void sdlSoundPlay(const char* path) {
    if (!audio.open) return;
    auto found = audio.effects.find(path);
    Mix_Chunk* chunk = nullptr;
    if (found != audio.effects.end()) {
        chunk = found->second;
    } else {
        chunk = Mix_LoadWAV(path);
        audio.effects[path] = chunk;  // a missing file is remembered as silence
    }
    if (!chunk) return;
    Mix_PlayChannel(0, chunk, 0);
}
