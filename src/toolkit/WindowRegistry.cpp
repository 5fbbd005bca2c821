// Handles count up from 2 and are never reused (1 is the application's own), so a message to a
// destroyed window cannot reach a newer one.
#include "toolkit/WindowRegistry_p.h"

#include <map>

#include "toolkit/TWinControl.h"

namespace tk {
namespace {

struct Registry {
    std::map<HWND, TWinControl*> windows;
    HWND next = 2;
};

Registry& registry() {
    // Never destroyed: controls may leave it during static destruction.
    static Registry* instance = new Registry;
    return *instance;
}

} // namespace

HWND registerWindow(TWinControl* control) {
    Registry& r = registry();
    const HWND handle = r.next++;
    r.windows[handle] = control;
    return handle;
}

void unregisterWindow(HWND handle) { registry().windows.erase(handle); }

TWinControl* windowFromHandle(HWND handle) {
    const auto& windows = registry().windows;
    const auto it = windows.find(handle);
    return it == windows.end() ? nullptr : it->second;
}

std::vector<TWinControl*> topLevelWindows() {
    std::vector<TWinControl*> result;
    for (const auto& [handle, control] : registry().windows)
        if (control->Parent() == nullptr)
            result.push_back(control);
    return result;
}

} // namespace tk
