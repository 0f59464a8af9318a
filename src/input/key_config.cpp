// The joystick button assignment, "data/JoyKey.txt": the pad button of each of the 13 buttons in
// index order, as decimal numbers separated by whitespace. The options screen writes it; start-up
// reads it when a joystick is attached.
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "input/input.h"

namespace {

const char* const kKeyConfigPath = "data/JoyKey.txt";

// The file's text; a setting file is a few dozen bytes, anything past 64 KiB is not ours.
bool readText(const char* path, std::string& text) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0 && text.size() < 65536) {
        text.append(buffer, got);
    }
    std::fclose(file);
    return true;
}

// The next decimal integer, read the way "%d" reads one: leading whitespace, an optional sign,
// digits. False at the end of the text, at anything that is not a number, and at a number too
// large for an int.
bool nextNumber(const std::string& text, size_t& at, int& value) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at >= text.size()) return false;
    const char* start = text.c_str() + at;
    char* end = nullptr;
    errno = 0;
    long number = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || number < INT_MIN || number > INT_MAX) return false;
    at += static_cast<size_t>(end - start);
    value = static_cast<int>(number);
    return true;
}

}  // namespace

void loadKeyConfig() {
    for (int i = 0; i < kButtonCount; ++i) input.buttons[i].state = 0;
    storeKeyCodes();
    input.joystickCount = enumerateJoysticks();
    if (input.joystickCount <= 0) return;  // the keyboard needs no assignment

    // A missing file leaves every button without a pad button; a short or damaged one assigns
    // the buttons it names and leaves the rest as they were.
    std::string text;
    if (!readText(kKeyConfigPath, text)) return;
    size_t at = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        int value = 0;
        if (!nextNumber(text, at, value)) break;
        // Each number goes into its own button's one-byte field and nowhere else (the low byte,
        // as a one-byte store keeps it).
        input.buttons[i].padButton = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
    }
}

bool saveKeyConfig() {
    std::string text;
    for (const Button& button : input.buttons) text += std::to_string(button.padButton) + " ";
    // A new file beside the old one, renamed over it only once it is complete on disk.
    const std::string temporary = std::string(kKeyConfigPath) + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = std::fflush(file) == 0 && written;
    written = ::fsync(fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(temporary.c_str(), kKeyConfigPath) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
