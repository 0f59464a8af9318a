// The platform layer: the only code that talks to SDL. Two backends stand behind these plain
// functions: the SDL2 backend (window, audio device, keyboard, joystick) and the headless backend
// (memory framebuffer, virtual clock, scripted keyboard, recorded audio calls). The game never
// asks which one is running.
//
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Surface;

enum class Backend { Sdl, Headless };

// --- Backend ------------------------------------------------------------------------------------
bool platformOpen(Backend backend);  // false with a message on standard error when SDL fails
void platformClose();
Backend platformBackend();

// --- Clock ----------------------------------------------------------------------------------------
int64_t platformClock();              // program clock: ms since platformOpen (virtual when headless)
void platformWaitUntil(int64_t ms);   // returns when platformClock() >= ms; sleeps most of the wait
uint32_t platformSystemTime();        // millisecond system time, for the start-up seed
// Headless only: a frame's work that took time (tests of late frames and stalls). The SDL
// backend's clock is the wall clock and ignores it.
void platformAdvanceClock(int64_t ms);

// --- Window ---------------------------------------------------------------------------------------
// mode 0 window, 1 double-size window, 2 full screen (returns false when refused).
bool platformSetDisplay(int x, int y, int width, int height, int mode, bool borderless,
                        const char* titleShiftJis);
// Shows the width x height device pixels at the surface's origin. Both backends keep a copy of
// the picture last shown (platformLastFrame, platformSaveFrame).
void platformPresent(const Surface& backBuffer, int width, int height);
// Dispatches waiting window events. A close request calls the close handler (the frame installs
// one that asks the confirmation question and ends the program on Yes); a joystick plugged in or
// out calls the device handler.
void platformPumpEvents();
struct PlatformHandlers {
    void (*closeRequested)() = nullptr;
    void (*devicesChanged)() = nullptr;
    // After a fatal fault has been shown (a picture that cannot be loaded): the program's own
    // ending. It must not return; a test may throw from it.
    void (*fatalError)() = nullptr;
    // The window keys: Alt+Enter or F11 (full screen / window) and F12 (a screenshot). They are
    // called after the events of a pump have been read, never from inside another pump.
    void (*toggleFullScreen)() = nullptr;
    void (*screenshotRequested)() = nullptr;
};
void platformSetHandlers(const PlatformHandlers& handlers);
// Headless only: makes the next full-screen switch fail, as a display that refuses the mode.
void platformRefuseFullScreen(bool refuse);

// The picture last shown (nullptr before the first presentation) and a 24-bit BMP of it, written
// atomically; false when the file cannot be written.
const Surface* platformLastFrame();
bool platformSaveFrame(const char* path);
// The window's icon, from a PNG file (its transparency kept); false when it cannot be read. The
// headless backend has no window and accepts any readable picture.
bool platformSetWindowIcon(const char* pngPath);
// How the SDL backend shows the picture: "window surface", "renderer <driver>"; "none" headless.
const char* platformPresentPath();

// --- Message boxes ------------------------------------------------------------------------------
enum class BoxIcon { Error, Warning, Question, Information };
void platformMessage(const char* textShiftJis, const char* captionShiftJis, BoxIcon icon);
bool platformAsk(const char* textShiftJis, const char* captionShiftJis);  // Yes = true
// Ends the program after a fatal fault through the handler installed for it; without one (or
// should it return) the process ends with status 1.
[[noreturn]] void platformFatal();

// --- Keyboard and joystick ------------------------------------------------------------------------
bool platformKeyDown(int virtualKey);  // Win32 virtual-key codes: 13 Enter, 38 Up, 65 'A', ...
// Replaces the keyboard by a scripted one (input scripts, in both backends): while on, exactly
// the keys of the list are down. Off gives the device back.
void platformScriptKeys(bool on, const int* virtualKeys = nullptr, int count = 0);
// What a backend reports of a key going down or up between two polls. A key pressed and released
// again before the next poll still reads as down in that poll (once), so that a quick tap is
// never lost; the keys read by one poll are let go at the next pump of events.
void platformKeyEvent(int virtualKey, bool down);
struct JoystickReading {
    uint32_t x = 0x7FFF, y = 0x7FFF;  // axes mapped onto 0..0xFFFF
    uint32_t buttons = 0;             // bit n-1 = button n
};
bool platformJoystickRead(int id, JoystickReading& out);  // false when id 0..15 does not answer

// --- Audio ------------------------------------------------------------------------------------------
bool platformMusicPlay(const char* path);  // opens and plays looping; false when it cannot
void platformMusicStop();
void platformSoundPlay(const char* path);  // cuts a sound still playing
// What the audio calls did, kept in both backends: the number of effects started so far and the
// music file playing now ("" when none).
uint64_t platformSoundsStarted();
const std::string& platformMusicPath();

// --- Files the platform decodes -------------------------------------------------------------------
// Decodes a BMP file into a surface of its natural size with exact colours; false when it cannot.
bool platformLoadBitmap(const char* path, Surface& out);
// Writes the width x height pixels at the surface's origin as a 24-bit BMP file, atomically.
bool platformSaveBitmap(const char* path, const Surface& in, int width, int height);
// The same as a PNG file (through SDL2_image), atomically; false when it cannot be written.
bool platformSavePng(const char* path, const Surface& in, int width, int height);
// Decodes a PNG file into a surface of its size, every pixel 0x00RRGGBB with its alpha dropped;
// false when it cannot.
bool platformLoadPng(const char* path, Surface& out);
// Gives a pixel vector exactly count pixels, every one set to fill. Large picture memory is asked
// of the system in large pages where it has them, and memory freed by one surface stays with the
// process for the next, so that a big surface costs a few page faults rather than thousands.
void platformSizePixels(std::vector<uint32_t>& pixels, size_t count, uint32_t fill);
// Picture memory the game has once touched is kept by the process rather than handed back to the
// system at every free: leaving a world and loading the next then reuses the same pages instead
// of faulting in tens of megabytes of fresh ones (surfaces up to 32 MB come from the heap). Set
// once at start-up, by platformOpen.
void platformKeepPictureMemory();
// Draws one line of text with the fixed-pitch Japanese system font at a cell size of
// charWidth x charHeight device pixels: glyph pixels in textPixel (0x00RRGGBB); when
// opaqueBackground, the text's box is filled with backgroundPixel first.
void platformDrawText(Surface& target, int x, int y, const std::string& textShiftJis,
                      int charWidth, int charHeight, uint32_t textPixel, bool opaqueBackground,
                      uint32_t backgroundPixel);
