// A picture of a window as it is on screen, for the test-form tool and for looking at UI tests.
#pragma once

#include <initializer_list>

#include "toolkit/AnsiString.h"

class TControl;

namespace tk {

// Writes the control's window, with everything on it, to a PNG file; false when it cannot.
bool saveScreenshot(const TControl& window, const AnsiString& fileName);
// The same, with the shown windows of Above drawn over it where they lie on the screen, in order.
bool saveScreenshot(const TControl& window, const AnsiString& fileName, std::initializer_list<const TControl*> Above);

} // namespace tk
