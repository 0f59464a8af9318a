// Inside the SDL backend only: the window it shows, and the parts of the backend that live in
// files of their own (showing the picture, the keyboard and controllers, the audio device).
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/backend.h"

struct SdlWindow {
    SDL_Window* window = nullptr;
    int mode = 1;        // the display mode last set: 0 window, 1 double-size window, 2 full screen
    bool shown = false;  // once shown, message boxes belong to it
};
extern SdlWindow sdlWindow;

// --- Showing the picture (sdl_present.cpp) ----------------------------------------------------------
// Decides, before SDL opens the display, how the picture will be shown: through a renderer when
// OpenGL runs on a graphics processor (or the player names a render driver in SDL_RENDER_DRIVER),
// otherwise by copying it into the window's own surface.
void choosePresentPath();
// After the window exists; false (with a message) when the picture cannot be shown at all.
bool openPresenter(SDL_Window* window);
void closePresenter();
// The frame in the middle of the window, scaled by a whole factor when it fits (else as large as
// fits with its aspect), nearest neighbour, black around it.
void presentPicture(const Surface& frame);
// The window changed size or was uncovered: the black around the picture is drawn again.
void presenterWindowChanged();
const char* presentPathName();
// Where the picture of width x height goes in an output of outW x outH.
SDL_Rect pictureRect(int outW, int outH, int width, int height);

// --- Keyboard, controllers, joysticks (sdl_input.cpp) ---------------------------------------------
void openControllers();  // every device afresh, controllers the database knows as controllers
void closeControllers();
bool sdlKeyDown(int virtualKey);
int virtualKeyOf(SDL_Scancode code);  // 0 for a key the game does not know
bool sdlJoystickRead(int id, JoystickReading& out);

// --- Audio (sdl_audio.cpp) --------------------------------------------------------------------------
void openAudio();  // without a device: one line on standard error, then silence
void closeAudio();
bool sdlMusicPlay(const char* path);
void sdlMusicStop();
void sdlSoundPlay(const char* path);

// Standard error sent to nowhere for as long as it lives: the libraries' own chatter while a device
// is opened is not the player's business (the game says in one line what it means).
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};
