// The Qt side of controls: Qt input events become window messages with the toolkit's key codes,
// shift states and client coordinates, and go through the application's hook to the control.
#include "toolkit/TControl_p.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <utility>
#include <QPainter>

#include "toolkit/TApplication.h"
#include "toolkit/TScreen_p.h"
#include "toolkit/TWinControl.h"

namespace tk {
namespace {

struct KeyBit {
    WPARAM key;
    TShiftState shift;
};
constexpr KeyBit keyBits[] = {
    {MK_SHIFT, ssShift}, {MK_CONTROL, ssCtrl}, {MK_LBUTTON, ssLeft}, {MK_RBUTTON, ssRight}, {MK_MBUTTON, ssMiddle},
};

WPARAM mouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return keysOfShift(shiftState(modifiers, buttons));
}

unsigned buttonMessage(Qt::MouseButton button, unsigned left, unsigned right, unsigned middle) {
    switch (button) {
    case Qt::LeftButton:
        return left;
    case Qt::RightButton:
        return right;
    case Qt::MiddleButton:
        return middle;
    default:
        return 0;
    }
}

LPARAM clientPoint(const TControl& control, const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const TPoint origin = control.clientOrigin();
    return MAKELPARAM(p.x() - origin.X, p.y() - origin.Y);
}

// The virtual key of a Qt key event, 0 when the key has none (a Cyrillic letter only types).
std::uint16_t virtualKey(const QKeyEvent* event) {
    return virtualKeyOf(event->key(), (event->modifiers() & Qt::KeypadModifier) != 0);
}

// The one CP1251 character a key types, or 0.
char typedCharacter(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1)
        return 0;
    const AnsiString ansi = ansiString(text);
    return ansi.size() == 1 ? ansi[0] : 0;
}

// The handle a control's input messages are addressed to: its own window, or its parent's.
HWND messageWindow(const TControl& control) {
    for (const TControl* c = &control; c != nullptr; c = c->Parent())
        if (const auto* w = dynamic_cast<const TWinControl*>(c))
            return w->Handle();
    return 0;
}

} // namespace

WPARAM keysOfShift(TShiftState shift) {
    WPARAM keys = 0;
    for (const KeyBit& bit : keyBits)
        if (shift & bit.shift)
            keys |= bit.key;
    return keys;
}

TShiftState shiftOfKeys(WPARAM keys) {
    TShiftState shift = 0;
    for (const KeyBit& bit : keyBits)
        if (keys & bit.key)
            shift |= bit.shift;
    return shift;
}

InputState& inputState() {
    static InputState state;
    return state;
}

void captureEnded(TControl& holder) {
    if (!std::exchange(inputState().heldCursor, false))
        return;
    holder.peer().cursorChanged();
}

TShiftState currentShiftState() {
    const InputState& input = inputState();
    return shiftState(input.modifiers, input.buttons);
}

ControlPeer::ControlPeer(TControl& control, QWidget* widget) : control_(control), widget_(widget) {}

ControlPeer::~ControlPeer() {
    if (auto* link = dynamic_cast<BridgeLink*>(widget_))
        link->setPeer(nullptr);
    // A control may be freed inside one of its own event handlers (a modal loop inside a mouse
    // handler pumps messages); Qt returns into the widget afterwards, so the widget, cut loose
    // and hidden, goes at the next pass of the loop.
    widget_->hide();
    widget_->setParent(nullptr);
    widget_->deleteLater();
}

void ControlPeer::paint(QPaintEvent* event) {
    dirty = false;
    if (control_.ControlStyle() & csOpaque)
        return;
    QPainter painter(widget_);
    painter.fillRect(event->rect(), qColor(control_.Color()));
}

void ControlPeer::cursorChanged() {
    const TCursor id = control_.Cursor();
    showCursor(id == crDefault ? std::nullopt : std::optional(qCursor(id)));
}

void ControlPeer::showCursor(const std::optional<QCursor>& cursor) {
    if (cursor)
        widget_->setCursor(*cursor);
    else
        widget_->unsetCursor();
}

void NativePeer::colorChanged() {
    // Text areas draw on Base, the rest of the widget on Window; children take the palette.
    QPalette palette = widget()->palette();
    const QColor color = qColor(control().Color());
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    widget()->setPalette(palette);
    widget()->setAutoFillBackground(true);
}

void NativePeer::showCursor(const std::optional<QCursor>& cursor) {
    QList<QWidget*> parts = widget()->findChildren<QWidget*>();
    parts.prepend(widget());
    for (QWidget* part : parts) {
        // Controls placed on this one keep their own cursors.
        if (part != widget() && dynamic_cast<BridgeLink*>(part) != nullptr)
            continue;
        const bool known = std::any_of(ownCursors_.begin(), ownCursors_.end(),
                                       [part](const auto& entry) { return entry.first == part; });
        if (!known)
            ownCursors_.emplace_back(part, part->testAttribute(Qt::WA_SetCursor) ? std::optional(part->cursor())
                                                                                 : std::nullopt);
    }
    for (const auto& [part, own] : ownCursors_) {
        if (part.isNull())
            continue;
        if (cursor)
            part->setCursor(*cursor);
        else if (own)
            part->setCursor(*own);
        else
            part->unsetCursor();
    }
}

void ControlPeer::repaint() {
    dirty = true;
    widget_->repaint();
}

void ControlPeer::geometryChanged() {
    QRect g = widget_->geometry();
    if (const TControl* parent = control_.Parent())
        g.translate(-parent->clientOrigin().X, -parent->clientOrigin().Y);
    const TRect now = control_.BoundsRect();
    if (g.x() == now.Left && g.y() == now.Top && g.width() == now.Width() && g.height() == now.Height())
        return;
    control_.SetBounds(g.x(), g.y(), g.width(), g.height());
}

LRESULT ControlPeer::deliver(unsigned msg, WPARAM wParam, LPARAM lParam) {
    TMsg queued{messageWindow(control_), msg, wParam, lParam};
    if (Application->OnMessage) {
        bool handled = false;
        Application->OnMessage(queued, handled);
        if (handled)
            return -1;
    }
    return control_.Perform(queued.message, queued.wParam, queued.lParam);
}

namespace {

void rememberMouse(const QMouseEvent* event) {
    InputState& input = inputState();
    input.buttons = event->buttons();
    input.modifiers = event->modifiers();
    input.cursor = event->globalPosition().toPoint();
    input.cursorKnown = true;
}

} // namespace

void ControlPeer::mousePress(QMouseEvent* event, bool doubleClick) {
    InputState& input = inputState();
    rememberMouse(event);
    if (input.capture == nullptr)
        input.capture = &control_;
    const unsigned msg = doubleClick
                             ? buttonMessage(event->button(), WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK)
                             : buttonMessage(event->button(), WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
    if (msg != 0)
        deliver(msg, mouseKeys(event->buttons(), event->modifiers()), clientPoint(control_, event));
}

void ControlPeer::mouseRelease(QMouseEvent* event) {
    InputState& input = inputState();
    rememberMouse(event);
    if (event->buttons() == Qt::NoButton && !input.explicitCapture && input.capture != nullptr)
        captureEnded(*std::exchange(input.capture, nullptr));
    const unsigned msg = buttonMessage(event->button(), WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
    if (msg != 0)
        deliver(msg, mouseKeys(event->buttons(), event->modifiers()), clientPoint(control_, event));
}

void ControlPeer::mouseMove(QMouseEvent* event) {
    rememberMouse(event);
    // A control holding the mouse keeps the cursor it shows.
    if (inputState().capture == nullptr)
        negotiateCursor(event->globalPosition().toPoint());
    deliver(WM_MOUSEMOVE, mouseKeys(event->buttons(), event->modifiers()), clientPoint(control_, event));
}

void ControlPeer::negotiateCursor(const QPoint& screenPoint) {
    auto* window = dynamic_cast<TWinControl*>(&control_);
    if (window == nullptr)
        return;
    const LRESULT hit = window->Perform(WM_NCHITTEST, 0, MAKELPARAM(screenPoint.x(), screenPoint.y()));
    takeChosenCursor();
    const LPARAM where = LPARAM(hit & 0xFFFF) | (LPARAM(WM_MOUSEMOVE) << 16);
    const LRESULT answer = window->Perform(WM_SETCURSOR, window->Handle(), where);
    const HCURSOR chosen = takeChosenCursor();
    // An answer of 1 without a choice leaves what shows (the screen's cursor, for one).
    if (answer == 0)
        cursorChanged();
    else if (chosen != 0)
        showCursor(qCursorOfHandle(chosen));
}

bool ControlPeer::wheel(QWheelEvent* event) {
    InputState& input = inputState();
    input.buttons = event->buttons();
    input.modifiers = event->modifiers();
    const int delta = event->angleDelta().y();
    const WPARAM wParam = (WPARAM(std::uint16_t(delta)) << 16) | mouseKeys(event->buttons(), event->modifiers());
    const QPoint at = event->globalPosition().toPoint();
    return deliver(WM_MOUSEWHEEL, wParam, MAKELPARAM(at.x(), at.y())) == 1;
}

bool ControlPeer::keyPress(QKeyEvent* event) {
    inputState().modifiers = event->modifiers();
    const std::uint16_t key = virtualKey(event);
    if (key != 0 && deliver(WM_KEYDOWN, key, 0) != 0)
        return false;
    const char typed = typedCharacter(event);
    if (typed == 0)
        return true;
    const LRESULT answer = deliver(WM_CHAR, static_cast<unsigned char>(typed), 0);
    if (answer & 0x100)
        replaceTyped(static_cast<char>(answer & 0xFF));
    return answer == 0;
}

bool ControlPeer::keyRelease(QKeyEvent* event) {
    inputState().modifiers = event->modifiers();
    const std::uint16_t key = virtualKey(event);
    return key == 0 || deliver(WM_KEYUP, key, 0) == 0;
}

TControl* controlAt(const QPoint& screenPoint) {
    for (QWidget* widget = QApplication::widgetAt(screenPoint); widget != nullptr; widget = widget->parentWidget())
        if (auto* link = dynamic_cast<BridgeLink*>(widget); link != nullptr && link->peer() != nullptr)
            return &link->peer()->control();
    return nullptr;
}

void ControlPeer::focusIn() {
    if (auto* w = dynamic_cast<TWinControl*>(&control_))
        w->focusEntered();
}

void ControlPeer::shown() {
    auto* w = dynamic_cast<TWinControl*>(&control_);
    if (w == nullptr)
        return;
    w->HandleNeeded();
    w->showChildren();
}

bool ControlPeer::tabKey(bool forward) {
    auto* w = dynamic_cast<TWinControl*>(&control_);
    return w != nullptr && w->tabKey(forward);
}

void ControlPeer::focusOut() {
    if (auto* w = dynamic_cast<TWinControl*>(&control_))
        w->DoExit();
}

QColor qColor(TColor color) {
    const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

QString qString(const AnsiString& text) { return QString::fromStdString(toUtf8(text)); }

AnsiString ansiString(const QString& text) { return fromUtf8(text.toStdString()); }

namespace {

// Keys other than letters, digits and function keys. A virtual key's first pair gives the Qt key
// that synthetic input sends for it.
struct KeyPair {
    int qt;
    std::uint16_t vk;
    bool keypad; // the Qt key means this virtual key only on the keypad
};
constexpr KeyPair kKeyPairs[] = {
    {Qt::Key_Left, VK_LEFT, false},       {Qt::Key_Right, VK_RIGHT, false},
    {Qt::Key_Up, VK_UP, false},           {Qt::Key_Down, VK_DOWN, false},
    {Qt::Key_Home, VK_HOME, false},       {Qt::Key_End, VK_END, false},
    {Qt::Key_PageUp, VK_PRIOR, false},    {Qt::Key_PageDown, VK_NEXT, false},
    {Qt::Key_Insert, VK_INSERT, false},   {Qt::Key_Delete, VK_DELETE, false},
    {Qt::Key_Return, VK_RETURN, false},   {Qt::Key_Enter, VK_RETURN, false},
    {Qt::Key_Escape, VK_ESCAPE, false},   {Qt::Key_Backspace, VK_BACK, false},
    {Qt::Key_Tab, VK_TAB, false},         {Qt::Key_Backtab, VK_TAB, false},
    {Qt::Key_Space, VK_SPACE, false},     {Qt::Key_Shift, VK_SHIFT, false},
    {Qt::Key_Control, VK_CONTROL, false}, {Qt::Key_Alt, VK_MENU, false},
    {Qt::Key_Plus, VK_ADD, true},         {Qt::Key_Minus, VK_SUBTRACT, true},
};

bool isLetterOrDigitKey(int key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

constexpr int kFunctionKeys = 24;

} // namespace

std::uint16_t virtualKeyOf(int qtKey, bool keypad) {
    if (isLetterOrDigitKey(qtKey))
        return static_cast<std::uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys)
        return static_cast<std::uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const KeyPair& pair : kKeyPairs)
        if (pair.qt == qtKey && (keypad || !pair.keypad))
            return pair.vk;
    return 0;
}

QtKey qtKeyOf(std::uint16_t vk) {
    if (isLetterOrDigitKey(vk))
        return {vk, false};
    if (vk >= VK_F1 && vk < VK_F1 + kFunctionKeys)
        return {Qt::Key_F1 + (vk - VK_F1), false};
    for (const KeyPair& pair : kKeyPairs)
        if (pair.vk == vk)
            return {pair.qt, pair.keypad};
    return {Qt::Key_unknown, false};
}

TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

} // namespace tk
