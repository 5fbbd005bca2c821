// Every control hook of the process, with a hidden window that re-hooks a control whose window
// was made again and frees a control hook that has no listeners left, each through a posted
// message so that it happens after the window procedure running now has returned.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/Messages.h"

class TWinControl;
class TControlHook;

// The two messages of the list's window; LParam is the control hook.
constexpr unsigned CM_REINSTALLHOOK = 0xB052;
constexpr unsigned CM_RELEASEHOOK = 0xB053;

class THookList {
public:
    // Made on first use; freed at exit, its control hooks first.
    static THookList& Instance();
    ~THookList();
    THookList(const THookList&) = delete;
    THookList& operator=(const THookList&) = delete;

    HWND Handle() const { return handle_; }
    // The control's hook, made when it has none.
    TControlHook* Obtain(TWinControl* Control);
    TControlHook* Find(const TWinControl* Control) const;

private:
    THookList();
    void windowProcedure(TMessage& message);
    // The hook when it is still in the list: a posted pointer may outlive its hook.
    TControlHook* listed(LPARAM pointer) const;

    std::vector<std::unique_ptr<TControlHook>> hooks_;
    HWND handle_;
};
