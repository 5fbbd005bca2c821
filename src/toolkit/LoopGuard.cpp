// The guard learns of the control's destruction through a free notification to a component of
// its own.
#include "toolkit/LoopGuard.h"

#include "toolkit/TApplication.h"
#include "toolkit/TControl.h"

namespace tk {

class LoopGuard::Watcher : public TComponent {
public:
    explicit Watcher(TControl& control) : TComponent(nullptr), control_(&control) { control.FreeNotification(this); }
    ~Watcher() override {
        if (control_ != nullptr)
            control_->RemoveFreeNotification(this);
    }
    TControl* control() const { return control_; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == control_)
            control_ = nullptr;
    }

private:
    TControl* control_;
};

LoopGuard::LoopGuard(TControl& control) : watcher_(std::make_unique<Watcher>(control)) {}

LoopGuard::~LoopGuard() = default;

bool LoopGuard::controlGone() const { return watcher_->control() == nullptr; }

bool LoopGuard::keepsRunning() const {
    const TControl* control = watcher_->control();
    return !Application->Terminated() && control != nullptr && control->Showing();
}

} // namespace tk
