// A picture of a window as it is on screen, for the test-form tool and for looking at UI tests.
#pragma once

#include <span>

#include "toolkit/AnsiString.h"

class TControl;

namespace tk {

// Writes the control's window, with everything on it and any open menu over it, to a PNG file;
// false when it cannot.
bool saveScreenshot(const TControl& window, const AnsiString& fileName);
// The same with other top-level windows that stand over it (a balloon, a tool window) drawn in
// where they are on the screen, within their window regions, in the order given; hidden ones are
// left out.
bool saveScreenshot(const TControl& window, std::span<const TControl* const> above, const AnsiString& fileName);

} // namespace tk
