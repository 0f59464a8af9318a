// The display switch and the message pump.
#include <cstring>

#include "base/sjis.h"
#include "frame/frame.h"
#include "platform/platform.h"

void setDisplay(int x, int y, int width, int height, int mode, const char* titleShiftJis) {
    const char* title = titleShiftJis ? titleShiftJis : "";
    display.x = x;
    display.y = y;
    display.width = width;
    display.height = height;
    display.mode = mode;
    std::strncpy(display.windowTitle, title, sizeof display.windowTitle - 1);
    display.windowTitle[sizeof display.windowTitle - 1] = '\0';
    display.borderless = title[0] == '\0' ? 1 : 0;
    createSystemFont(8, 16, sj("ＭＳ 明朝"));
    // A display that refuses full screen leaves the window as it was, at its natural size.
    if (!platformSetDisplay(x, y, width, height, mode, display.borderless != 0,
                            display.windowTitle) &&
        mode == 2) {
        display.mode = 0;
    }
    pumpMessages();
}

int pumpMessages() {
    platformPumpEvents();
    return 0;
}
