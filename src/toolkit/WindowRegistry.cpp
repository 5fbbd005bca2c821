// Handles count up from 2 and are never reused (1 is the application's own), so a message to a
// destroyed window cannot reach a newer one.
#include "toolkit/WindowRegistry_p.h"

#include <map>
#include <set>

#include "toolkit/TWinControl.h"

namespace tk {
namespace {

struct Registry {
    std::map<HWND, TWinControl*> windows;
    std::set<HWND> released;
    std::map<HWND, TWndMethod> messageWindows;
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

void unregisterWindow(HWND handle) {
    registry().windows.erase(handle);
    registry().released.erase(handle);
}

HWND registerMessageWindow(TWndMethod method) {
    Registry& r = registry();
    const HWND handle = r.next++;
    r.messageWindows[handle] = std::move(method);
    return handle;
}

void unregisterMessageWindow(HWND handle) { registry().messageWindows.erase(handle); }

const TWndMethod* messageWindow(HWND handle) {
    const auto& windows = registry().messageWindows;
    const auto it = windows.find(handle);
    return it == windows.end() ? nullptr : &it->second;
}

void markReleased(HWND handle) { registry().released.insert(handle); }

TWinControl* windowFromHandle(HWND handle) {
    const auto& windows = registry().windows;
    const auto it = windows.find(handle);
    return it == windows.end() ? nullptr : it->second;
}

std::vector<TWinControl*> topLevelWindows() {
    const Registry& r = registry();
    std::vector<TWinControl*> result;
    for (const auto& [handle, control] : r.windows)
        if (control->Parent() == nullptr && !r.released.contains(handle))
            result.push_back(control);
    return result;
}

} // namespace tk
