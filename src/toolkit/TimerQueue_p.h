// The one queue of running timers: due times on the toolkit clock, earliest first. One Qt timer
// wakes the event loop for the earliest; in manual-clock mode only advanceClock fires them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class QTimer;

namespace tk {

class TimerQueue {
public:
    static TimerQueue& instance();

    // (Re)starts the timer identified by key: it falls due interval ms from now and every
    // interval ms after that it has fired.
    void start(const void* key, std::uint32_t interval, std::function<void()> fire);
    void stop(const void* key);
    bool isRunning(const void* key) const;

    // Fires every timer due at `now`, each once, earliest first.
    void fireDue(std::uint64_t now);
    // The earliest due time, or none.
    bool nextDue(std::uint64_t& due) const;
    // Arms the Qt timer for the earliest due time (nothing in manual mode).
    void rearm();

private:
    struct Entry {
        const void* key;
        std::uint64_t due;
        std::uint32_t interval;
        std::uint64_t order; // ties fire in the order the timers were started
        std::function<void()> fire;
    };

    Entry* find(const void* key);

    std::vector<Entry> entries_;
    std::uint64_t nextOrder_ = 0;
    QTimer* waker_ = nullptr;
};

} // namespace tk
