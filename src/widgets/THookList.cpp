// The process-wide list of control hooks and its hidden window.
#include "widgets/THookList.h"

#include <algorithm>

#include "toolkit/ShutdownSteps.h"
#include "toolkit/TApplication.h"
#include "toolkit/WinApi.h"
#include "widgets/TControlHook.h"

namespace {

THookList* instance = nullptr;

} // namespace

THookList& THookList::Instance() {
    if (instance == nullptr) {
        instance = new THookList;
        tk::addShutdownStep([] {
            delete instance;
            instance = nullptr;
        });
    }
    return *instance;
}

THookList::THookList() : handle_(AllocateHWnd([this](TMessage& message) { windowProcedure(message); })) {}

THookList::~THookList() {
    hooks_.clear();
    DeallocateHWnd(handle_);
}

TControlHook* THookList::Find(const TWinControl* Control) const {
    const auto it = std::find_if(hooks_.begin(), hooks_.end(),
                                 [Control](const auto& hook) { return hook->Control() == Control; });
    return it == hooks_.end() ? nullptr : it->get();
}

TControlHook* THookList::Obtain(TWinControl* Control) {
    if (TControlHook* hook = Find(Control))
        return hook;
    hooks_.push_back(std::make_unique<TControlHook>(Control));
    return hooks_.back().get();
}

TControlHook* THookList::listed(LPARAM pointer) const {
    const auto it = std::find_if(hooks_.begin(), hooks_.end(),
                                 [pointer](const auto& hook) { return LPARAM(hook.get()) == pointer; });
    return it == hooks_.end() ? nullptr : it->get();
}

void THookList::windowProcedure(TMessage& message) {
    try {
        if (message.Msg == CM_REINSTALLHOOK) {
            if (TControlHook* hook = listed(message.LParam))
                hook->Install();
            return;
        }
        if (message.Msg == CM_RELEASEHOOK) {
            TControlHook* hook = listed(message.LParam);
            if (hook != nullptr && !hook->HasListeners())
                std::erase_if(hooks_, [hook](const auto& listedHook) { return listedHook.get() == hook; });
        }
    } catch (...) {
        Application->HandleException(nullptr);
    }
}
