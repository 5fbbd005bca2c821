// What a modal loop inside a handler checks on every pass: the program is not ending, and the
// control the loop runs for still exists and is shown.
#pragma once

#include <memory>

class TControl;

namespace tk {

class LoopGuard {
public:
    explicit LoopGuard(TControl& control);
    ~LoopGuard();
    LoopGuard(const LoopGuard&) = delete;
    LoopGuard& operator=(const LoopGuard&) = delete;

    // False once the application terminates or the control is destroyed or hidden.
    bool keepsRunning() const;
    bool controlGone() const;

private:
    class Watcher;
    std::unique_ptr<Watcher> watcher_;
};

} // namespace tk
