// The real clock is steady_clock; the manual clock is a counter that only advanceClock moves.
#include "toolkit/Clock.h"

#include <algorithm>
#include <chrono>

#include "toolkit/TimerQueue_p.h"

namespace tk {
namespace {

bool manual = false;
std::uint64_t manualNow = 0;

std::uint64_t realMs() {
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

std::uint64_t clockMs() { return manual ? manualNow : realMs(); }

void useManualClock(bool on) {
    if (on && !manual)
        manualNow = realMs();
    manual = on;
    TimerQueue::instance().rearm();
}

bool isManualClock() { return manual; }

void advanceClock(std::uint32_t ms) {
    if (!manual)
        return;
    const std::uint64_t target = manualNow + ms;
    TimerQueue& queue = TimerQueue::instance();
    std::uint64_t due = 0;
    while (queue.nextDue(due) && due <= target) {
        manualNow = std::max(manualNow, due);
        queue.fireDue(manualNow);
    }
    manualNow = target;
}

} // namespace tk

std::uint32_t GetTickCount() { return std::uint32_t(tk::clockMs()); }
