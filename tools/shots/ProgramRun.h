// The program brought up in process for a scene, in the build folder (two levels above this
// tool) as the run command starts it, and its windows freed again after the scene.
#pragma once

#include <functional>

class TfmSplash;

namespace shots {

// Makes the build folder current and the program's directory, runs the start-up (AtWait gets the
// splash at its wait and must dismiss it) and shows the main window until its first activation
// is done. False when the build folder lacks the database.
bool startProgram(const std::function<void(TfmSplash&)>& AtWait);
// Presses Enter on the splash, as the user does.
void dismissSplash(TfmSplash& Splash);
// Frees the program's windows.
void endProgram();

} // namespace shots
