// Synthetic mouse, wheel and key input for UI tests: each event is queued to the control's
// window and takes the way real input takes (window, mouse capture, focus, the application's
// hook); it arrives when messages are next handled (Application->ProcessMessages).
#pragma once

#include <cstdint>

#include "toolkit/Controls.h"

class TControl;

namespace tk::input {

// Positions are in the control's client coordinates and may lie outside it.
void press(TControl& control, TMouseButton button, int x, int y, TShiftState shift = 0);
void move(TControl& control, int x, int y, TShiftState shift = 0);
void release(TControl& control, TMouseButton button, int x, int y, TShiftState shift = 0);
// The second press of a double click (press, release, doubleClick, release).
void doubleClick(TControl& control, TMouseButton button, int x, int y, TShiftState shift = 0);
void click(TControl& control, int x, int y, TShiftState shift = 0);
// delta in the platform's units: 120 per notch, positive away from the user.
void wheel(TControl& control, int delta, int x, int y, TShiftState shift = 0);
// A key pressed and released at the window's focused control; typed is the CP1251 character
// the key types, if any.
void key(TControl& window, std::uint16_t virtualKey, TShiftState shift = 0, char typed = 0);

} // namespace tk::input
