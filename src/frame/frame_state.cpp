// The program-wide frame state, the pseudo-random generator, the program clock and the two
// fixed procedures the title's fade table holds.
#include "frame/frame.h"

#include "base/sjis.h"
#include "platform/platform.h"

AppState app;

namespace {

uint32_t generatorState = 0;

}  // namespace

// One generator for the whole program: state = state * 214013 + 2531011 (mod 2^32), and each
// draw gives bits 16..30 of the new state. The star field reseeds it and relies on exactly this
// sequence.
void seedRandom(uint32_t seed) { generatorState = seed; }

uint32_t randomState() { return generatorState; }

int nextRandom() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

int64_t programClock() { return platformClock(); }

void noOperation() {}

void badProcedure() {
    platformMessage(sj("関数ポインタが異常参照しています"), sj("警告"), BoxIcon::Warning);
}
