// Synthetic input is queued and then sent as Qt events to the control's top-level window, where Qt
// routes it as it routes real input: to the widget under the point or holding the mouse, or to
// the focus.
#include "toolkit/SyntheticInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <memory>

#include "toolkit/MessageQueue_p.h"
#include "toolkit/TControl_p.h"

namespace tk::input {
namespace {

Qt::MouseButtons held;

Qt::MouseButton qtButton(TMouseButton button) {
    switch (button) {
    case mbRight:
        return Qt::RightButton;
    case mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

Qt::KeyboardModifiers modifiers(TShiftState shift) {
    Qt::KeyboardModifiers result;
    if (shift & ssShift)
        result |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        result |= Qt::ControlModifier;
    if (shift & ssAlt)
        result |= Qt::AltModifier;
    return result;
}

QWindow* windowOf(TControl& control) {
    QWidget* top = control.peer().widget()->window();
    if (top->windowHandle() == nullptr)
        top->winId();
    return top->windowHandle();
}

// Qt keeps one live point per pointing device, so an event made now would read the position of
// the latest one when delivered; each event is made only when its turn comes.
void postEvent(TControl& control, std::function<std::unique_ptr<QEvent>(QWidget& widget)> make) {
    QWindow* window = windowOf(control);
    QWidget* widget = control.peer().widget();
    QPointer<QWindow> alive(window);
    postToLoop([alive, widget, make] {
        if (alive.isNull())
            return;
        std::unique_ptr<QEvent> event = make(*widget);
        QCoreApplication::sendEvent(alive.data(), event.get());
    });
}

// A client point of the control in its widget's coordinates.
QPoint inWidget(const TControl& control, int x, int y) {
    const TPoint origin = control.clientOrigin();
    return QPoint(x + origin.X, y + origin.Y);
}

void postMouse(TControl& control, QEvent::Type type, Qt::MouseButton button, int x, int y, TShiftState shift) {
    const Qt::MouseButtons buttons = held;
    const QPoint at = inWidget(control, x, y);
    postEvent(control, [=](QWidget& widget) {
        const QPoint inWindow = widget.mapTo(widget.window(), at);
        const QPoint global = widget.mapToGlobal(at);
        return std::make_unique<QMouseEvent>(type, inWindow, inWindow, global, button, buttons, modifiers(shift));
    });
}

} // namespace

void press(TControl& control, TMouseButton button, int x, int y, TShiftState shift) {
    held |= qtButton(button);
    postMouse(control, QEvent::MouseButtonPress, qtButton(button), x, y, shift);
}

void move(TControl& control, int x, int y, TShiftState shift) {
    postMouse(control, QEvent::MouseMove, Qt::NoButton, x, y, shift);
}

void release(TControl& control, TMouseButton button, int x, int y, TShiftState shift) {
    held &= ~qtButton(button);
    postMouse(control, QEvent::MouseButtonRelease, qtButton(button), x, y, shift);
}

void doubleClick(TControl& control, TMouseButton button, int x, int y, TShiftState shift) {
    held |= qtButton(button);
    postMouse(control, QEvent::MouseButtonDblClick, qtButton(button), x, y, shift);
}

void click(TControl& control, int x, int y, TShiftState shift) {
    press(control, mbLeft, x, y, shift);
    release(control, mbLeft, x, y, shift);
}

void wheel(TControl& control, int delta, int x, int y, TShiftState shift) {
    const Qt::MouseButtons buttons = held;
    const QPoint at = inWidget(control, x, y);
    postEvent(control, [=](QWidget& widget) {
        const QPoint inWindow = widget.mapTo(widget.window(), at);
        const QPoint global = widget.mapToGlobal(at);
        return std::make_unique<QWheelEvent>(inWindow, global, QPoint(), QPoint(0, delta), buttons, modifiers(shift),
                                             Qt::NoScrollPhase, false);
    });
}

void key(TControl& window, std::uint16_t virtualKey, TShiftState shift, char typed) {
    const QtKey code = qtKeyOf(virtualKey);
    Qt::KeyboardModifiers mods = modifiers(shift);
    if (code.keypad)
        mods |= Qt::KeypadModifier;
    const QString text = typed != 0 ? qString(AnsiString(1, typed)) : QString();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        postEvent(window, [=](QWidget&) { return std::make_unique<QKeyEvent>(type, code.key, mods, text); });
}

} // namespace tk::input
