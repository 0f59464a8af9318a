// Rules shared by the five result panels.
#pragma once

#include "result/result.h"

// One closing frame: every text's opacity falls by step; a value that falls below 0 becomes 0.
// True in the first frame in which every text fell below 0, that is the frame after all of them
// reached 0: the panel then closes.
bool closeTexts(int step);
// Frees both item lists, empties the result slot and resets the phase.
void closePanel();
// The menus' pulsing: entries fade in to 30, the selected one pulses between 50 and 100 and the
// others sink back to 30.
void pulseMenuEntries();
// Selects entry index of the two menu entries.
void selectMenuEntry(int index);
int selectedMenuEntry();
