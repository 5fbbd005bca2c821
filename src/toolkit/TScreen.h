// The screen object: the cursor registry (the standard cursors and the application's own by id),
// the global cursor override, the screen's size and the active form.
#pragma once

#include <cstdint>

#include "toolkit/Controls.h"

class TForm;

// A loaded cursor image with its hotspot; 0 is none.
using HCURSOR = std::uint32_t;
using HINSTANCE = std::uintptr_t;
// The program's own module: its resources are the bundled ones.
constexpr HINSTANCE HInstance = 0;

// A cursor resource of the program (type CURSOR, the name without case, a .cur file), or 0.
HCURSOR LoadCursor(HINSTANCE Instance, const char* Name);

// Chooses the cursor while a control answers WM_SETCURSOR with 1: it shows over that control
// until the next negotiation. While a control holds the mouse nothing negotiates: the cursor shows
// over that control at once and holds until the capture ends. Returns the cursor chosen before.
HCURSOR SetCursor(HCURSOR Cursor);
// The cursor showing now: the screen's cursor when set, else that of the control holding the
// mouse, else that of the window under the mouse; 0 when nothing shows one of ours.
HCURSOR GetCursor();

class TScreen {
public:
    // crDefault: every control shows its own cursor; anything else shows on every window.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor Value);
    // The cursor registered under Index; standard ids always answer, an unknown id gives 0.
    HCURSOR Cursors(TCursor Index) const;
    // Registers a loaded cursor under an application id (positive); 0 removes it.
    void SetCursors(TCursor Index, HCURSOR Handle);

    int Width() const;
    int Height() const;
    // Logical pixels per inch; the layouts are designed at 96.
    int PixelsPerInch() const { return 96; }
    // The form that is the active window, or null.
    TForm* ActiveForm() const;

private:
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;
