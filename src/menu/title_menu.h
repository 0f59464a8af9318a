// The title's four entries: their labels on the scroll, their descriptions and pictures.
#pragma once

struct TitleMenuEntry {
    const char* labelUtf8;
    int labelX, labelY;      // on the scroll
    int descriptionOffset;   // rows the description is moved down in its panel
    int stretch;             // how far the pulsing highlight widens per step, each side
    const char* descriptionUtf8;
    int pictureX, pictureY, pictureW, pictureH;  // the part of the entry picture shown

    const char* label() const;        // Shift-JIS
    int labelBytes() const;
    const char* description() const;  // Shift-JIS
};

// Entry 0..3: PUZZLE, CREDIT, OPTION, END; any other number gives END.
const TitleMenuEntry& titleMenu(int cursor);
