// The twinkling star field behind the castle (also drawn by the world select).
#pragma once

struct Surface;

// Draws count stars turning about (centreX, centreY) of a width x height target. The same seed
// gives every star the same place each frame; clock turns the field and makes the stars blink
// with a period of 2 * 2^bits + 1 steps. Reseeds the program's generator afterwards.
void drawStarField(Surface* target, int seed, const int& clock, double speed, int centreX, int centreY,
                   int width, int height, int count, int radius, int bits);
// The same field with every star's place worked out, none passed over before: the plain form that
// drawStarField must match pixel for pixel.
void drawEveryStar(Surface* target, int seed, const int& clock, double speed, int centreX, int centreY,
                   int width, int height, int count, int radius, int bits);

// The colour of shade (0..13) of ramp (0..5), as a colour reference.
unsigned starShade(int ramp, int shade);
