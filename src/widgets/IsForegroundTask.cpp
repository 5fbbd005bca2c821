// The program's top-level windows are walked until one of them is the active window.
#include "widgets/IsForegroundTask.h"

#include "toolkit/WinApi.h"

bool IsForegroundTask() {
    const HWND active = GetActiveWindow();
    bool found = false;
    EnumThreadWindows([active, &found](HWND Window) {
        found = Window == active;
        return !found;
    });
    return found;
}
