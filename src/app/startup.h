// Start-up and shutdown of the program, and the procedures of other subsystems that they call.
#pragma once

// The program entry after the command line: fills the tables, opens the first window, runs
// the program and shuts down. Never returns.
[[noreturn]] void programEntry();

// Releases the platform and ends the process with this status (1 for every ending of the game
// itself; shutDown is endProcess(1)).
[[noreturn]] void endProcess(int status);
