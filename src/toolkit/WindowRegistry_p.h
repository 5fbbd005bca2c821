// The registry of our windows: every windowed control gets a number when it is created and
// loses it when it is destroyed, so a stale number finds nothing.
#pragma once

#include <vector>

#include "toolkit/Messages.h"

class TWinControl;

namespace tk {

HWND registerWindow(TWinControl* control);
void unregisterWindow(HWND handle);
// Hidden message-only windows share the numbering; they are no controls.
HWND registerMessageWindow(TWndMethod method);
void unregisterMessageWindow(HWND handle);
// The handler of a live message-only window, or null.
const TWndMethod* messageWindow(HWND handle);
// The live control with that number, or null.
TWinControl* windowFromHandle(HWND handle);
// Every live control without a parent, in the order they were created, less those released.
std::vector<TWinControl*> topLevelWindows();
// A released window is freed at the next pass of the loop; until then it is hidden and no
// search finds it, as a destroyed window would not be found.
void markReleased(HWND handle);

} // namespace tk
