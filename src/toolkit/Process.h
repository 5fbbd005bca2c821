// Ending and pausing the process: Halt ends it at once from anywhere, Sleep waits.
#pragma once

#include <functional>

// Ends the process with ExitCode at once: no further handlers, destructors or exit hooks run
// (and so no leak report). A replaced halt handler that returns lets the caller go on.
void Halt(int ExitCode);
// Waits, handling no messages.
void Sleep(unsigned Milliseconds);

namespace tk {

// What Halt does; tests put a recorder in place. Null brings back the immediate exit.
using HaltHandler = std::function<void(int exitCode)>;
void setHaltHandler(HaltHandler handler);

} // namespace tk
