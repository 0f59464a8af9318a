// What `yomogi --help` and `yomogi --version` print.
#include "app/runner.h"

#ifndef YOMOGI_VERSION
#define YOMOGI_VERSION "unknown"
#endif

const char* runnerVersion() { return "yomogi " YOMOGI_VERSION; }

const char* runnerUsage() {
    return "usage: yomogi [OPTION]...\n"
           "A moonlit castle whose rooms turn a quarter turn: a puzzle-platformer.\n"
           "Without options it is the game, full screen.\n"
           "\n"
           "  --save-dir DIR  keep the saves, records and key assignment in DIR\n"
           "                  (default: $XDG_DATA_HOME/yomogi, else ~/.local/share/yomogi)\n"
           "  --root DIR      use DIR as the game directory; its saves are kept there too\n"
           "  --headless      no window and no sound; a virtual clock on which no frame is late\n"
           "  --frames N      end after frame N\n"
           "  --input FILE    the keyboard from an input script\n"
           "  --trace FILE    write one JSON object per frame (JSON Lines)\n"
           "  --shot N:FILE   after frame N, write the picture shown as a 24-bit BMP (repeatable)\n"
           "  --seed S        seed the random generator with S (headless default 1)\n"
           "  --world W       start playing world W, as if chosen on the world select\n"
           "  --record FILE   write the keyboard of every frame as an input script\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Keys:\n"
           "  Enter             confirm; talk, open a door\n"
           "  Up / Down         move the cursor; Up jumps\n"
           "  Left / Right      walk\n"
           "  A / D             turn the room anticlockwise / clockwise\n"
           "  Z or Backspace    take back the last turn of the room (Backspace: back in menus)\n"
           "  R                 restart the room\n"
           "  P                 leave the world\n"
           "  Escape            end the game\n"
           "  Alt+Enter or F11  full screen / window\n"
           "  F12               screenshot (PNG)\n"
           "A game controller plays too: the cross or left stick walks, its buttons are assigned\n"
           "on the options screen.";
}
