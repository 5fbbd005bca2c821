// Running timers ordered by due time. A timer is rescheduled before its handler runs, so a
// handler that pumps messages cannot see its own timer fire again within the same interval.
#include "toolkit/TimerQueue_p.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "toolkit/Clock.h"

namespace tk {

TimerQueue& TimerQueue::instance() {
    // Never destroyed: timers owned by the application object leave it during static destruction.
    static TimerQueue* queue = new TimerQueue;
    return *queue;
}

TimerQueue::Entry* TimerQueue::find(const void* key) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.key == key; });
    return it == entries_.end() ? nullptr : &*it;
}

void TimerQueue::start(const void* key, std::uint32_t interval, std::function<void()> fire) {
    stop(key);
    entries_.push_back({key, clockMs() + interval, interval, nextOrder_++, std::move(fire)});
    rearm();
}

void TimerQueue::stop(const void* key) {
    std::erase_if(entries_, [key](const Entry& e) { return e.key == key; });
    rearm();
}

bool TimerQueue::isRunning(const void* key) const {
    return std::any_of(entries_.begin(), entries_.end(), [key](const Entry& e) { return e.key == key; });
}

bool TimerQueue::nextDue(std::uint64_t& due) const {
    if (entries_.empty())
        return false;
    due = std::min_element(entries_.begin(), entries_.end(),
                           [](const Entry& a, const Entry& b) { return a.due < b.due; })
              ->due;
    return true;
}

void TimerQueue::fireDue(std::uint64_t now) {
    std::vector<Entry> due;
    for (const Entry& e : entries_)
        if (e.due <= now)
            due.push_back(e);
    std::sort(due.begin(), due.end(),
              [](const Entry& a, const Entry& b) { return a.due != b.due ? a.due < b.due : a.order < b.order; });
    for (const Entry& candidate : due) {
        // An earlier handler may have stopped or restarted this timer.
        Entry* e = find(candidate.key);
        if (!e || e->order != candidate.order || e->due > now)
            continue;
        e->due = now + e->interval;
        std::function<void()> fire = e->fire;
        fire();
    }
    rearm();
}

void TimerQueue::rearm() {
    if (!QCoreApplication::instance())
        return;
    if (!waker_) {
        waker_ = new QTimer(QCoreApplication::instance());
        waker_->setSingleShot(true);
        waker_->setTimerType(Qt::PreciseTimer);
        waker_->callOnTimeout([this] { fireDue(clockMs()); });
        // The waker dies with the Qt application; a later one gets a new waker.
        QObject::connect(waker_, &QObject::destroyed, [this] { waker_ = nullptr; });
    }
    std::uint64_t due = 0;
    if (isManualClock() || !nextDue(due)) {
        waker_->stop();
        return;
    }
    std::uint64_t now = clockMs();
    waker_->start(int(std::min<std::uint64_t>(due > now ? due - now : 0, 1u << 30)));
}

} // namespace tk
