// A timer is running exactly when it is enabled, has a non-zero interval and is not being read
// from a layout; OnTimer is looked up at each tick, so it may be assigned after Enabled.
//
//   stopped --(Enabled, Interval > 0, not loading)--> running
//   running --(SetInterval / SetEnabled(true))--> running, count restarted
//   running --(Enabled false, Interval 0, destroyed)--> stopped
#include "toolkit/TTimer.h"

#include "toolkit/Guarded_p.h"
#include "toolkit/TimerQueue_p.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { update(); }

TTimer::~TTimer() { tk::TimerQueue::instance().stop(this); }

void TTimer::SetInterval(unsigned Value) {
    interval_ = Value;
    update();
}

void TTimer::SetEnabled(bool Value) {
    enabled_ = Value;
    update();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    update();
}

void TTimer::Timer() {
    if (OnTimer)
        OnTimer(this);
}

void TTimer::update() {
    tk::TimerQueue& queue = tk::TimerQueue::instance();
    if (!enabled_ || interval_ == 0 || (ComponentState() & csLoading)) {
        queue.stop(this);
        return;
    }
    queue.start(this, interval_, [this] { tk::guarded(this, [this] { Timer(); }); });
}
