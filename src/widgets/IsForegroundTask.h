// Whether the program is the one the user works with: hot-tracking widgets light up only then.
#pragma once

// True when the active window is one of the program's own top-level windows.
bool IsForegroundTask();
