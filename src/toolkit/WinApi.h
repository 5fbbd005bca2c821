// The window calls the program makes on its own windows: finding them by class and title,
// sending and posting numbered messages, showing and hiding without the toolkit, and asking
// for the state of keys and mouse buttons.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/Messages.h"
#include "toolkit/TPoint.h"
#include "toolkit/TRect.h"

class TCanvas;
class TRegion;

// A top-level window of ours whose class (null: any) and title (null: any) match, shown or
// hidden; 0 when there is none.
HWND FindWindow(const char* ClassName, const char* WindowName);
bool IsWindowVisible(HWND Window);
// Runs the message through the window's message handler now and returns its answer; 0 for a
// window that no longer exists.
LRESULT SendMessage(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam);
// A hidden window that only takes messages: SendMessage and PostMessage reach Method, and
// neither FindWindow nor EnumThreadWindows lists it. It lives until DeallocateHWnd.
HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Window);

// Queues the message: the application's hook sees it, then the window's handler, after the
// handler running now has returned. False for a window that does not exist.
bool PostMessage(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam);

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;
// Shows or hides the window itself, leaving the control's Visible as it is.
bool ShowWindow(HWND Window, int Command);

// Shapes the window: only the pixels of the region (window coordinates) show and take input;
// null gives back the whole rectangle. The window keeps a copy of the region.
bool SetWindowRgn(HWND Window, const TRegion* Region, bool Redraw);

// The mouse capture by window: SetCapture gives it to the window (returning the one that had
// it), ReleaseCapture frees it, GetCapture tells who has it (0: nobody).
HWND SetCapture(HWND Window);
bool ReleaseCapture();
HWND GetCapture();
// Where the mouse last was, on the screen.
bool GetCursorPos(TPoint* Point);
// The active window of ours, or 0.
HWND GetActiveWindow();
// Calls Callback for each of our top-level windows, shown or hidden, until it returns false.
bool EnumThreadWindows(const std::function<bool(HWND Window)>& Callback);

constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

// A top-level window's normal (restored) bounds on the screen and how it is shown.
struct WINDOWPLACEMENT {
    unsigned length = sizeof(WINDOWPLACEMENT);
    unsigned flags = 0;
    unsigned showCmd = SW_SHOWNORMAL;
    TPoint ptMinPosition;
    TPoint ptMaxPosition;
    TRect rcNormalPosition;
};
// For a form, the normal rectangle is its bounds when last shown normal (also while it is
// minimised or maximised), and the flags and minimised and maximised positions are those the
// last SetWindowPlacement gave (0 before); they have no other effect here.
bool GetWindowPlacement(HWND Window, WINDOWPLACEMENT* Placement);
// Gives the window its normal bounds (a minimised or maximised form takes them when restored),
// then shows it as showCmd says (SW_HIDE leaves it hidden).
bool SetWindowPlacement(HWND Window, const WINDOWPLACEMENT* Placement);
// Whether the form is minimised; for the application's window (Application->Handle()), whether
// the main form is.
bool IsIconic(HWND Window);

// A form's size limits, as WM_GETMINMAXINFO asks for them: the size and position a maximised form
// takes, and the smallest and largest size the user may drag it to (Constraints bound it too).
struct MINMAXINFO {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

constexpr unsigned DCX_CACHE = 0x00000002;
constexpr unsigned DCX_CLIPSIBLINGS = 0x00000010;
constexpr unsigned DCX_LOCKWINDOWUPDATE = 0x00000400;
// A canvas over the window's client area that draws above every control on it; the window's
// repaints stay unseen until ReleaseDC, which then shows the window as it is. Region and Flags
// are accepted as the platform takes them (null and the DCX_ flags above). Null for a window
// that does not exist.
TCanvas* GetDCEx(HWND Window, const TRegion* Region, unsigned Flags);
// Gives the canvas back (1), or 0 for one that is not out.
int ReleaseDC(HWND Window, TCanvas* Canvas);

// Negative (high bit set) while the key or mouse button (VK_LBUTTON ...) is down.
std::int16_t GetKeyState(int VirtualKey);

class TWinControl;
// The live window of ours with that number, or null.
TWinControl* FindControl(HWND Window);
