// The timer component: fires OnTimer every Interval milliseconds while Enabled, on the message
// loop's thread; an Interval of 0 never fires.
#pragma once

#include <cstdint>

#include "toolkit/TComponent.h"
#include "toolkit/TNotifyEvent.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    unsigned Interval() const { return interval_; }
    // Changing the interval restarts the count from now.
    void SetInterval(unsigned Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);

    TNotifyEvent OnTimer;

protected:
    void Loaded() override;
    virtual void Timer();

private:
    void update();

    unsigned interval_ = 1000;
    bool enabled_ = true;
};
