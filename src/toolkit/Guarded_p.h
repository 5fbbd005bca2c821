// Handlers run by the toolkit from Qt's event dispatch (input, timers, queued calls, Qt signals)
// are guarded: an exception that escapes them goes to the application's exception handling, as
// the message loop does for every message, and never crosses Qt's code.
#pragma once

class TPersistent;

namespace tk {

// Hands the exception being handled to Application->HandleException(sender).
void handleGuardedException(TPersistent* sender);

template <class F>
void guarded(TPersistent* sender, F&& f) {
    try {
        f();
    } catch (...) {
        handleGuardedException(sender);
    }
}

} // namespace tk
