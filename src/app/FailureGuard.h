// The start-up guard: a failure while the program comes up ends it with exit code 1, without a
// window or a message box, after one line on standard error naming the cause.
#pragma once

#include <functional>

namespace app {

// Runs Step; any exception from it is reported on standard error and ends the process through
// Halt(1). When a test's halt handler returns, runGuarded returns false.
bool runGuarded(const std::function<void()>& Step);

} // namespace app
