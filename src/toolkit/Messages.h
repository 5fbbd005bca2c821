// Numbered window messages and the records that carry them: the toolkit's user messages and the
// few system ones the program sends, posts or hooks (close, keys, mouse buttons, timer).
#pragma once

#include <cstdint>
#include <functional>

// A window of ours, as the registry numbers it; 0 is no window.
using HWND = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Reaches a windowed control's message handler when its window goes: before the window is made
// again, and when the control is freed (csDestroying already set).
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUIT = 0x0012;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_SETCURSOR = 0x0020;
// Asks a form for its size limits; LParam points to a MINMAXINFO (toolkit/WinApi.h) filled with
// the toolkit's defaults, which the form's handlers may change.
constexpr unsigned WM_GETMINMAXINFO = 0x0024;
constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned EM_GETRECT = 0x00B2;
constexpr unsigned EM_SETRECTNP = 0x00B4;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_USER = 0x0400;

// The toolkit's own notifications, numbered above the system's as the original toolkit does.
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
// A character offered to the controls of a form (WParam); a control that takes it answers 1.
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
// Sent to every control of a form when one of them takes the focus; LParam is that control.
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_CTL3DCHANGED = CM_BASE + 16;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;

// WM_SYSCOMMAND commands (WParam, low four bits ignored).
constexpr WPARAM SC_MINIMIZE = 0xF020;

// Key and button state in a mouse message's WPARAM.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Answers to WM_GETDLGCODE: which keys a control takes instead of the dialog navigation.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// Answers to WM_NCHITTEST: where a screen point lies on a control.
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
constexpr LRESULT HTHSCROLL = 6;
constexpr LRESULT HTVSCROLL = 7;
// The sizing borders of a window's frame, from the left edge round to the bottom-right corner.
constexpr LRESULT HTLEFT = 10;
constexpr LRESULT HTRIGHT = 11;
constexpr LRESULT HTBOTTOMRIGHT = 17;

// A message as a control's message handler receives it; Result is the answer of a sent message.
struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A message handler: a control's window procedure, or a hidden window's (AllocateHWnd).
using TWndMethod = std::function<void(TMessage& Message)>;

// A message as the application's loop takes it from the queue, before it is dispatched.
struct TMsg {
    HWND hwnd = 0;
    unsigned message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Client coordinates packed into an LPARAM as signed 16-bit halves (x low, y high).
constexpr LPARAM MAKELPARAM(int x, int y) {
    return LPARAM(std::uint32_t(std::uint16_t(x)) | (std::uint32_t(std::uint16_t(y)) << 16));
}
// The scroll code in the low word of a WM_HSCROLL / WM_VSCROLL WParam: the high word holds the
// position reached.
constexpr int SB_THUMBPOSITION = 4;
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return WPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}

constexpr int GET_X_LPARAM(LPARAM l) { return std::int16_t(std::uint16_t(l & 0xFFFF)); }
constexpr int GET_Y_LPARAM(LPARAM l) { return std::int16_t(std::uint16_t((l >> 16) & 0xFFFF)); }
