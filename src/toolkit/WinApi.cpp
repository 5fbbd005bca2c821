// The window calls over the registry of our windows.
#include "toolkit/WinApi.h"

#include <QApplication>
#include <QCursor>
#include <QVariant>
#include <QWidget>
#include <vector>

#include "toolkit/Controls.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/TApplication.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TRegion_p.h"
#include "toolkit/WindowRegistry_p.h"

namespace {

AnsiString windowTitle(const TWinControl& window) {
    if (const auto* form = dynamic_cast<const TForm*>(&window))
        return form->Caption();
    return tk::ansiString(window.peer().widget()->windowTitle());
}

} // namespace

HWND FindWindow(const char* ClassName, const char* WindowName) {
    for (TWinControl* window : tk::topLevelWindows()) {
        if (ClassName != nullptr && window->WindowClassName() != ClassName)
            continue;
        if (WindowName != nullptr && windowTitle(*window) != WindowName)
            continue;
        return window->Handle();
    }
    return 0;
}

bool IsWindowVisible(HWND Window) {
    const TWinControl* window = tk::windowFromHandle(Window);
    return window != nullptr && window->peer().widget()->isVisible();
}

namespace {

bool windowExists(HWND window) {
    return window == Application->Handle() || tk::windowFromHandle(window) != nullptr ||
           tk::messageWindow(window) != nullptr;
}

// Runs the message through the window's handler; 0 for a window that no longer exists.
LRESULT deliver(HWND window, unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (TWinControl* control = tk::windowFromHandle(window))
        return control->Perform(msg, wParam, lParam);
    if (window == Application->Handle()) {
        TMessage message{msg, wParam, lParam, 0};
        Application->WndProc(message);
        return message.Result;
    }
    const TWndMethod* method = tk::messageWindow(window);
    if (method == nullptr)
        return 0;
    // A copy: the handler may free its own window.
    const TWndMethod handler = *method;
    TMessage message{msg, wParam, lParam, 0};
    handler(message);
    return message.Result;
}

} // namespace

HWND AllocateHWnd(TWndMethod Method) { return tk::registerMessageWindow(std::move(Method)); }

void DeallocateHWnd(HWND Window) { tk::unregisterMessageWindow(Window); }

LRESULT SendMessage(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    return deliver(Window, Msg, WParam, LParam);
}

bool PostMessage(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam) {
    if (!windowExists(Window))
        return false;
    tk::postToLoop([queued = TMsg{Window, Msg, WParam, LParam}]() mutable {
        if (Application->OnMessage) {
            bool handled = false;
            Application->OnMessage(queued, handled);
            if (handled)
                return;
        }
        // The window may have gone while the message waited.
        deliver(queued.hwnd, queued.message, queued.wParam, queued.lParam);
    });
    return true;
}

namespace {

constexpr const char* kOwnWindowFlags = "tkOwnWindowFlags";

void setNeverActivated(QWidget& window, bool never) {
    const QVariant own = window.property(kOwnWindowFlags);
    if (never && !own.isValid()) {
        window.setProperty(kOwnWindowFlags, int(window.windowFlags()));
        window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::ToolTip);
    } else if (!never && own.isValid()) {
        window.setWindowFlags(Qt::WindowFlags(own.toInt()));
        window.setProperty(kOwnWindowFlags, QVariant());
    }
}

} // namespace

bool ShowWindow(HWND Window, int Command) {
    TWinControl* window = tk::windowFromHandle(Window);
    if (window == nullptr)
        return false;
    QWidget* widget = window->peer().widget();
    const bool wasVisible = widget->isVisible();
    if (Command == SW_HIDE) {
        widget->hide();
        return wasVisible;
    }
    const bool activate = Command != SW_SHOWNOACTIVATE && Command != SW_SHOWNA;
    widget->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    // Some window systems activate every window they map, save the tool tip kind: a hidden window
    // shown without activation is of that kind until a show with activation gives its kind back.
    if (widget->isWindow() && !wasVisible)
        setNeverActivated(*widget, !activate);
    widget->show();
    if (activate)
        widget->activateWindow();
    return wasVisible;
}

bool SetWindowRgn(HWND Window, const TRegion* Region, bool Redraw) {
    TWinControl* window = tk::windowFromHandle(Window);
    if (window == nullptr)
        return false;
    QWidget* widget = window->peer().widget();
    if (Region == nullptr)
        widget->clearMask();
    else
        widget->setMask(Region->Impl().region);
    if (Redraw)
        widget->update();
    return true;
}

HWND SetCapture(HWND Window) {
    const HWND previous = GetCapture();
    if (TWinControl* window = tk::windowFromHandle(Window))
        window->SetMouseCapture(true);
    return previous;
}

bool ReleaseCapture() {
    if (TControl* holder = GetCaptureControl())
        holder->SetMouseCapture(false);
    return true;
}

HWND GetCapture() {
    const auto* window = dynamic_cast<const TWinControl*>(GetCaptureControl());
    return window != nullptr ? window->Handle() : 0;
}

bool GetCursorPos(TPoint* Point) {
    const tk::InputState& input = tk::inputState();
    const QPoint at = input.cursorKnown ? input.cursor : QCursor::pos();
    *Point = ::Point(at.x(), at.y());
    return true;
}

HWND GetActiveWindow() {
    const QWidget* active = QApplication::activeWindow();
    for (TWinControl* window : tk::topLevelWindows())
        if (window->peer().widget() == active)
            return window->Handle();
    return 0;
}

bool EnumThreadWindows(const std::function<bool(HWND Window)>& Callback) {
    // Handles first: the callback may close and free windows on the way.
    std::vector<HWND> handles;
    for (const TWinControl* window : tk::topLevelWindows())
        handles.push_back(window->Handle());
    for (HWND handle : handles)
        if (tk::windowFromHandle(handle) != nullptr && !Callback(handle))
            return false;
    return true;
}

bool GetWindowPlacement(HWND Window, WINDOWPLACEMENT* Placement) {
    const TWinControl* window = tk::windowFromHandle(Window);
    if (window == nullptr || Placement == nullptr)
        return false;
    const QWidget* widget = window->peer().widget();
    if (const auto* form = dynamic_cast<const TForm*>(window)) {
        const TForm::RememberedPlacement& remembered = form->rememberedPlacement();
        Placement->flags = remembered.flags;
        Placement->ptMinPosition = remembered.minPosition;
        Placement->ptMaxPosition = remembered.maxPosition;
        Placement->rcNormalPosition = form->normalBounds();
    } else {
        Placement->rcNormalPosition = window->BoundsRect();
    }
    if (!widget->isVisible())
        Placement->showCmd = SW_HIDE;
    else if (widget->isMaximized())
        Placement->showCmd = SW_SHOWMAXIMIZED;
    else if (widget->isMinimized())
        Placement->showCmd = SW_SHOWMINIMIZED;
    else
        Placement->showCmd = SW_SHOWNORMAL;
    return true;
}

bool SetWindowPlacement(HWND Window, const WINDOWPLACEMENT* Placement) {
    TWinControl* window = tk::windowFromHandle(Window);
    if (window == nullptr || Placement == nullptr)
        return false;
    const TRect& r = Placement->rcNormalPosition;
    auto* form = dynamic_cast<TForm*>(window);
    if (form == nullptr) {
        window->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        return true;
    }
    form->rememberedPlacement() = {Placement->flags, Placement->ptMinPosition, Placement->ptMaxPosition};
    form->setNormalBounds(r);
    switch (Placement->showCmd) {
    case SW_HIDE:
        break;
    case SW_SHOWMAXIMIZED:
        form->SetWindowState(wsMaximized);
        break;
    case SW_SHOWMINIMIZED:
        form->SetWindowState(wsMinimized);
        break;
    default:
        form->SetWindowState(wsNormal);
        break;
    }
    form->askMinMaxInfo();
    return true;
}

bool IsIconic(HWND Window) {
    if (Window == Application->Handle())
        return Application->MainForm() != nullptr && IsIconic(Application->MainForm()->Handle());
    const auto* form = dynamic_cast<const TForm*>(tk::windowFromHandle(Window));
    return form != nullptr && (form->WindowState() == wsMinimized || form->peer().widget()->isMinimized());
}

std::int16_t GetKeyState(int VirtualKey) {
    const TShiftState shift = tk::currentShiftState();
    TShiftState wanted = 0;
    switch (VirtualKey) {
    case VK_LBUTTON:
        wanted = ssLeft;
        break;
    case VK_RBUTTON:
        wanted = ssRight;
        break;
    case VK_MBUTTON:
        wanted = ssMiddle;
        break;
    case VK_SHIFT:
        wanted = ssShift;
        break;
    case VK_CONTROL:
        wanted = ssCtrl;
        break;
    case VK_MENU:
        wanted = ssAlt;
        break;
    default:
        return 0;
    }
    return (shift & wanted) ? std::int16_t(-128) : std::int16_t(0);
}

TWinControl* FindControl(HWND Window) { return tk::windowFromHandle(Window); }
