// Bringing the program up: the title, the splash, the main window and the other windows, the
// city map, then the wait for the user to dismiss the splash; and the whole program's run.
#pragma once

#include <functional>

class TfmSplash;

namespace app {

// Everything before the message loop. Returns with the windows made and the splash freed; any
// failure ends the process with exit code 1. AtWait gets the splash just before the wait (tests
// and the benchmark dismiss it there); the program passes none.
void startUp(const std::function<void(TfmSplash&)>& AtWait = {});

// Frees the windows startUp made, as the end of the process does (tests, tools, benchmarks).
void freeWindows();

// startUp, the message loop, then the toolkit's shut-down; returns the exit code 0.
int runProgram();

} // namespace app
