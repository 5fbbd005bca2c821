// A re-entry flag held for one scope: set on entry and cleared however the scope ends, so that an
// exception from an event handler never leaves a map's busy or sync flag stuck.
#pragma once

namespace mapi {

class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
};

} // namespace mapi
