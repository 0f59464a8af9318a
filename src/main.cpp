// The game executable: without options it is the game; the options of the headless runner
// (app/runner.h) drive it for tests, replays and screenshots.
#include "app/runner.h"

int main(int argc, char** argv) { runnerMain(argc, argv); }
