// Work queued behind the messages already waiting: posted messages, forms released after their
// handler, menu clicks run after the menu has closed.
#pragma once

#include <functional>

namespace tk {

// Runs call from the message loop, after everything queued before it; an exception it raises
// goes to the application's exception handling.
void postToLoop(std::function<void()> call);

// How many queued calls have run so far; a pump compares it to tell whether it did anything.
unsigned long queuedCallsRun();

} // namespace tk
