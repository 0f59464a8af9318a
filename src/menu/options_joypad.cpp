// The joypad page of the options screen: five game buttons, each shown with the joystick button
// it answers to. Pressing a joystick button gives it to the highlighted row; a row that had it
// before takes the row's old button, so no two rows ever share one.
#include <cstdio>
#include <memory>

#include "frame/frame.h"
#include "input/input.h"
#include "menu/options.h"
#include "text/glyph_text.h"

JoypadPage* joypadPage = nullptr;
const int kJoypadRowButtons[5] = {kButtonEnter, kButtonRestart, kButtonJump, kButtonTurnLeft,
                                  kButtonTurnRight};

namespace {

constexpr int kBackRow = 5;
constexpr int kNoButton = 21;

std::unique_ptr<JoypadPage> joypadRecord;

const char* const kDefaultRowLabels[kJoypadRows] = {"けってい", "リスタート", "ジャンプ",
                                                    "ひだりかいてん", "みぎかいてん", "もどる"};

}  // namespace

void joypadOpen() {
    joypadRecord = std::make_unique<JoypadPage>();
    joypadPage = joypadRecord.get();
    JoypadPage& p = *joypadPage;
    // Without the label file the rows keep our own labels.
    readOptionLabels("data/joykeystr.txt", p.labels, kJoypadRows, kDefaultRowLabels);
    for (int row = 0; row < 5; ++row) p.assignment[row] = input.buttons[kJoypadRowButtons[row]].padButton;
    p.assignment[kBackRow] = -1;
    for (int& o : p.opacity) o = 30;
    p.cursor = 0;
    p.opacity[0] = 100;
}

void joypadClose() {
    joypadRecord.reset();
    joypadPage = nullptr;
}

int lowestPadButton() {
    for (int n = 0; n < kNoButton; ++n) {
        // Button n is bit n - 1 of the joystick's mask; button 0 wraps round to bit 31.
        if (padButtonDown(0, n)) return n;
    }
    return kNoButton;
}

void assignPadButton(JoypadPage& p, int row, int n) {
    const int8_t old = p.assignment[row];
    p.assignment[row] = static_cast<int8_t>(n);
    for (int other = 0; other < kJoypadRows; ++other) {
        if (other != row && p.assignment[other] == n) {
            p.assignment[other] = old;
            break;
        }
    }
}

int joypadPageStep() {
    JoypadPage& p = *joypadPage;
    const int before = p.cursor;
    if (pressed(kButtonMenuDown) && p.cursor < kBackRow) {
        ++p.cursor;
    } else if (pressed(kButtonMenuUp) && p.cursor > 0) {
        --p.cursor;
    }
    // Every frame: a button held down keeps being given to the row.
    const int n = lowestPadButton();
    if (n != kNoButton && p.cursor != kBackRow) assignPadButton(p, p.cursor, n);
    if (before != p.cursor) {
        p.opacity[p.cursor] = 100;
        p.opacity[before] = 30;
    }
    for (int row = 0; row < 5; ++row) input.buttons[kJoypadRowButtons[row]].padButton = p.assignment[row];
    if (pressed(kButtonEnter) && p.cursor == kBackRow) {
        optionPages = {mainPageStep, mainPageDraw};
        joypadClose();
        return 0;
    }
    return app.quitRequested != 0 ? 1 : 0;
}

void joypadPageDraw() {
    const JoypadPage& p = *joypadPage;
    Surface* screen = app.backBuffer.get();
    const Surface* font = optionsScreen->font.get();
    for (int row = 0; row < kJoypadRows; ++row) {
        const int y = 150 + 32 * row;
        const int16_t opacity = static_cast<int16_t>(p.opacity[row]);
        drawGlyphTextBlend(screen, 160, y, 289, 33, 32, kMagenta, font, p.labels[row], opacity);
        const int number = p.assignment[row];
        if (number == -1) continue;
        char digits[5] = {};
        if (number < 10) {
            digitGlyph(number, digits);
        } else {
            digitGlyph(number / 10 % 10, digits);
            digitGlyph(number % 10, digits + 2);
        }
        drawGlyphTextBlend(screen, 488, y, 65, 33, 32, kMagenta, font, digits, opacity);
    }
}
