// A control's window procedure replaced by the hook's.
//
//   made --Install--> installed --WM_DESTROY--> uninstalled, re-hook posted --Install--> installed
//   installed --control freed (WM_DESTROY while destroying)--> uninstalled, control let go
//   any --freed--> uninstalled (only while its procedure is still the control's)
#include "widgets/TControlHook.h"

#include <algorithm>

#include "toolkit/TApplication.h"
#include "toolkit/TForm.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WinApi.h"
#include "widgets/TExWindowHook.h"
#include "widgets/THookList.h"

// The procedure put in the control's WindowProc; its type tells the hook's own from any other.
struct TControlHook::Procedure {
    TControlHook* hook;
    void operator()(TMessage& message) const { hook->windowProcedure(message); }
};

TControlHook::TControlHook(TWinControl* Control) : control_(Control) {}

TControlHook::~TControlHook() {
    destroying_ = true;
    Uninstall();
    for (TExWindowHook* listener : listeners_)
        listener->controlHook_ = nullptr;
}

void TControlHook::AddListener(TExWindowHook* Hook) {
    if (!isListening(Hook))
        listeners_.push_back(Hook);
}

void TControlHook::RemoveListener(TExWindowHook* Hook) { std::erase(listeners_, Hook); }

bool TControlHook::isListening(const TExWindowHook* hook) const {
    return std::find(listeners_.begin(), listeners_.end(), hook) != listeners_.end();
}

bool TControlHook::isInstalled() const {
    const auto* procedure = control_ != nullptr ? control_->WindowProc.target<Procedure>() : nullptr;
    return procedure != nullptr && procedure->hook == this;
}

void TControlHook::Install() {
    if (control_ == nullptr || destroying_ || (control_->ComponentState() & (csDesigning | csDestroying)))
        return;
    control_->HandleNeeded();
    if (isInstalled())
        return;
    previous_ = control_->WindowProc;
    control_->WindowProc = Procedure{this};
    askMinMaxInfo();
}

void TControlHook::Uninstall() {
    if (!isInstalled())
        return;
    control_->WindowProc = previous_;
    if (!(control_->ComponentState() & csDestroying))
        askMinMaxInfo();
}

// A form asks its size limits again: the hook may answer them, or no longer.
void TControlHook::askMinMaxInfo() const {
    if (auto* form = dynamic_cast<TForm*>(control_))
        form->askMinMaxInfo();
}

void TControlHook::notify(TMessage& message, bool& handled, bool before) {
    // A copy: a handler may add or remove hooks; one removed on the way is skipped.
    const std::vector<TExWindowHook*> listeners = listeners_;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it) {
        if (before && handled)
            return;
        if (!isListening(*it))
            continue;
        try {
            if (before)
                (*it)->DoBeforeMessage(message, handled);
            else
                (*it)->DoAfterMessage(message, handled);
        } catch (...) {
            Application->HandleException(*it);
        }
    }
}

void TControlHook::windowProcedure(TMessage& message) {
    const bool quiet = destroying_ || control_ == nullptr || (control_->ComponentState() & csDestroying);
    bool handled = false;
    if (!quiet && message.Msg != WM_QUIT)
        notify(message, handled, /*before=*/true);
    if (!handled || message.Msg == WM_DESTROY) {
        // A copy: the previous procedure may replace the control's WindowProc.
        const TWndMethod previous = previous_;
        if (previous)
            previous(message);
    }
    if (!quiet)
        notify(message, handled, /*before=*/false);
    if (message.Msg != WM_DESTROY)
        return;
    Uninstall();
    if (control_ == nullptr)
        return;
    if (control_->ComponentState() & csDestroying) {
        control_ = nullptr;
        return;
    }
    // The window is made again after this message: hook it then.
    if (!destroying_)
        PostMessage(THookList::Instance().Handle(), CM_REINSTALLHOOK, 0, LPARAM(this));
}
