// The window keys of a desktop game: Alt+Enter or F11 switch between full screen and a window
// through the same display switch as the options screen (so its mode entry goes on from the mode
// the window is in), and F12 writes the picture shown as a PNG file named by date and time.
#include "app/window_keys.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <sys/stat.h>

#include "base/save_paths.h"
#include "frame/frame.h"
#include "menu/options.h"
#include "platform/platform.h"

namespace {

// The icon beside the pictures of the game directory, written by the picture generator.
const char* const kWindowIcon = "icons/hicolor/64x64/apps/yomogi.png";

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// yomogi-2024-05-01_21-30-05.png, and -2, -3 ... for a second picture in the same second.
std::string screenshotName(const std::string& directory) {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    std::string path = directory + "/yomogi-" + stamp + ".png";
    for (int n = 2; exists(path) && n < 100; ++n) path = directory + "/yomogi-" + stamp + "-" + std::to_string(n) + ".png";
    return path;
}

}  // namespace

void toggleFullScreen() {
    const int mode = display.mode == 2 ? 0 : 2;
    const std::string title = display.windowTitle;
    setDisplay(display.x, display.y, display.width, display.height, mode, title.c_str());
    optionsScreenMode = display.mode;
}

void takeScreenshot() {
    const Surface* shown = platformLastFrame();
    if (!shown) return;
    const std::string directory = screenshotDirectory();
    const std::string path = screenshotName(directory.empty() ? "." : directory);
    if (makeDirectories(directory) && platformSavePng(path.c_str(), *shown, shown->width, shown->height)) {
        std::printf("yomogi: screenshot %s\n", path.c_str());
    } else {
        std::printf("yomogi: the screenshot could not be written to %s\n", path.c_str());
    }
    std::fflush(stdout);
}

void installWindowIcon() { platformSetWindowIcon(kWindowIcon); }
