// The monotonic millisecond clock that timers and the modal loops' pauses read. Tests switch to a
// manual clock and advance it by hand; advancing fires the timers that fall due, in order.
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps after 49 days as the platform's tick count does.
std::uint32_t GetTickCount();

namespace tk {

// Milliseconds since an arbitrary start, never wrapping.
std::uint64_t clockMs();

// Manual mode freezes the clock at its current reading until advanceClock moves it; real timers
// stop waking the event loop meanwhile. Switching back resumes the real clock.
void useManualClock(bool manual);
bool isManualClock();

// Manual mode only: moves the clock forward by ms, stopping at each timer's due time on the way
// to fire it, so that timers fire in the order and as often as real time would fire them.
void advanceClock(std::uint32_t ms);

} // namespace tk
