// The plain event of the system: a handler that receives the object that fires it. Events are
// public std::function members named On<Event>, fired only when assigned:
//     if (OnChange) OnChange(this);
#pragma once

#include <functional>

class TPersistent;

using TNotifyEvent = std::function<void(TPersistent* Sender)>;
