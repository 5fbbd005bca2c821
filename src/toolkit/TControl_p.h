// The Qt side of a control: the peer owns the control's widget, and the bridge widget turns Qt's
// input events into the window messages that the control's message handler receives.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "toolkit/Guarded_p.h"
#include "toolkit/TControl.h"

namespace tk {

class ControlPeer {
public:
    // Takes the widget, made by the descendant's peer, and deletes it with the peer.
    ControlPeer(TControl& control, QWidget* widget);
    virtual ~ControlPeer();
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    TControl& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // Paints a widget that has no painting of its own (a bare QWidget base).
    virtual void paint(QPaintEvent* event);
    // Paints at once.
    virtual void repaint();
    // Whether the widget class paints and reacts to input itself (a Qt button, an edit).
    virtual bool isNative() const { return false; }
    // The control's Color and Cursor changed: shown by the widget (controls that paint
    // themselves read the colour when they paint).
    virtual void colorChanged() {}
    void cursorChanged();
    // Shows the cursor over the widget; none gives back the control's own.
    virtual void showCursor(const std::optional<QCursor>& cursor);
    // The widget was resized or moved by Qt (a window manager, maximising).
    void geometryChanged();
    // A Qt input event as a message: through the application's hook, then the control's message
    // handler. Returns the message's result, or -1 when the hook swallowed it.
    LRESULT deliver(unsigned msg, WPARAM wParam, LPARAM lParam);

    // Hooks for top-level windows; controls ignore them (shown excepted).
    virtual bool isWindow() const { return false; }
    virtual bool closeRequested() { return true; }
    virtual void activated() {}
    // The widget was shown on screen: a windowed control's window is created then.
    void shown();

    void mousePress(QMouseEvent* event, bool doubleClick);
    void mouseRelease(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    // The mouse moved over a windowed control while nothing holds the capture: it answers
    // WM_SETCURSOR, and the cursor it chose, or its own, shows.
    void negotiateCursor(const QPoint& screenPoint);
    // Returns whether the control took the wheel.
    bool wheel(QWheelEvent* event);
    // Returns false when the key was swallowed (set to 0) by a handler, or replaced by another
    // character, which replaceTyped then receives.
    bool keyPress(QKeyEvent* event);
    virtual void replaceTyped(char) {}
    bool keyRelease(QKeyEvent* event);
    void focusIn();
    void focusOut();
    // Tab or Shift+Tab at this control: true when it moved the focus, false when the control
    // takes the key itself.
    bool tabKey(bool forward);

    // Set by Invalidate, cleared by a paint: what Update paints now.
    bool dirty = false;

private:
    TControl& control_;
    QWidget* widget_;
};

// The peer of a control over a Qt widget that paints and takes input itself (a button, an edit).
// Colour and cursor cover the whole widget, its inner parts (a text area, a combo box's edit)
// included.
class NativePeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    bool isNative() const override { return true; }
    void colorChanged() override;
    void showCursor(const std::optional<QCursor>& cursor) override;

private:
    // The widget and its inner parts with the cursor each had of its own before the control's
    // Cursor replaced it (none: it showed its parent's), so that crDefault brings it back.
    std::vector<std::pair<QPointer<QWidget>, std::optional<QCursor>>> ownCursors_;
};

// The peer link of every bridge widget, cut by the peer before it deletes the widget.
class BridgeLink {
public:
    virtual ~BridgeLink() = default;
    void setPeer(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* peer() const { return peer_; }

protected:
    ControlPeer* peer_ = nullptr;
};

// A widget of kind Base that passes its events to its control's peer. Native bases also get
// their own handling, unless a handler swallowed the key.
template <class Base>
class Bridge : public Base, public BridgeLink {
public:
    template <class... Args>
    explicit Bridge(Args&&... args) : Base(std::forward<Args>(args)...) {
        this->setMouseTracking(true);
    }

protected:
    static constexpr bool native = !std::is_same_v<Base, QWidget>;

    bool event(QEvent* e) override {
        if (peer_ && e->type() == QEvent::WindowActivate)
            guarded(&peer_->control(), [&] { peer_->activated(); });
        // Tab navigation is the toolkit's, not Qt's focus chain.
        if (peer_ && e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
                bool moved = false;
                guarded(&peer_->control(), [&] { moved = peer_->tabKey(forward); });
                if (!moved)
                    keyPressEvent(key);
                e->accept();
                return true;
            }
        }
        return Base::event(e);
    }
    // A native widget reacts to the mouse first (the tick switches and clicks, the caret moves);
    // the control's handlers come after it, as on the platform.
    void mousePressEvent(QMouseEvent* e) override {
        if constexpr (native)
            Base::mousePressEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->mousePress(e, false); });
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if constexpr (native)
            Base::mouseDoubleClickEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->mousePress(e, true); });
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if constexpr (native)
            Base::mouseReleaseEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->mouseRelease(e); });
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if constexpr (native)
            Base::mouseMoveEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->mouseMove(e); });
        e->accept();
    }
    void wheelEvent(QWheelEvent* e) override {
        bool taken = false;
        if (peer_)
            guarded(&peer_->control(), [&] { taken = peer_->wheel(e); });
        // A wheel nobody took goes on to the parent, as the platform passes it up.
        if (taken)
            e->accept();
        else
            e->ignore();
    }
    void keyPressEvent(QKeyEvent* e) override {
        bool pass = true;
        if (peer_)
            guarded(&peer_->control(), [&] { pass = peer_->keyPress(e); });
        if constexpr (native) {
            if (pass)
                Base::keyPressEvent(e);
        }
        e->accept();
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        bool pass = true;
        if (peer_)
            guarded(&peer_->control(), [&] { pass = peer_->keyRelease(e); });
        if constexpr (native) {
            if (pass)
                Base::keyReleaseEvent(e);
        }
        e->accept();
    }
    void enterEvent(QEnterEvent* e) override {
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->deliver(CM_MOUSEENTER, 0, 0); });
        Base::enterEvent(e);
    }
    void leaveEvent(QEvent* e) override {
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->deliver(CM_MOUSELEAVE, 0, 0); });
        Base::leaveEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        if constexpr (native) {
            Base::paintEvent(e);
        } else {
            if (peer_)
                guarded(&peer_->control(), [&] { peer_->paint(e); });
        }
    }
    void resizeEvent(QResizeEvent* e) override {
        Base::resizeEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->geometryChanged(); });
    }
    void moveEvent(QMoveEvent* e) override {
        Base::moveEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->geometryChanged(); });
    }
    void focusInEvent(QFocusEvent* e) override {
        Base::focusInEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->focusIn(); });
    }
    void focusOutEvent(QFocusEvent* e) override {
        Base::focusOutEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->focusOut(); });
    }
    void showEvent(QShowEvent* e) override {
        Base::showEvent(e);
        if (peer_)
            guarded(&peer_->control(), [&] { peer_->shown(); });
    }
    void closeEvent(QCloseEvent* e) override {
        bool close = true;
        if (peer_)
            guarded(&peer_->control(), [&] { close = peer_->closeRequested(); });
        if (close)
            e->accept();
        else
            e->ignore();
    }
};

// Makes a peer over a new Bridge<Base> widget.
template <class Base, class Peer = ControlPeer>
std::unique_ptr<Peer> makePeer(TControl& control) {
    auto* widget = new Bridge<Base>();
    auto peer = std::make_unique<Peer>(control, widget);
    widget->setPeer(peer.get());
    return peer;
}

// What the latest input event said about the mouse buttons and modifier keys, and which control
// holds the mouse capture; GetKeyState and GetCaptureControl read it.
struct InputState {
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    TControl* capture = nullptr;
    // The capture was asked for (MouseCapture), not taken by a press: a release keeps it.
    bool explicitCapture = false;
    // A cursor chosen with SetCursor while the capture is held shows over the holder until the
    // capture ends.
    bool heldCursor = false;
    // Where the latest mouse event was, on the screen; synthetic input moves no real pointer.
    QPoint cursor;
    bool cursorKnown = false;
};
InputState& inputState();
TShiftState currentShiftState();
// The holder lost the mouse capture: it shows its own cursor again, if one was chosen meanwhile.
void captureEnded(TControl& holder);

// Before a modal window, a message box or a popup menu opens: the control holding the mouse
// capture receives WM_CANCELMODE and loses the capture, so that no drag outlives the press.
void cancelMode();

// The control whose widget is at the screen point (the topmost), or null.
TControl* controlAt(const QPoint& screenPoint);

// The key and button bits of a mouse message's WPARAM and the shift states they stand for.
WPARAM keysOfShift(TShiftState shift);
TShiftState shiftOfKeys(WPARAM keys);

// Qt conversions shared by the window classes.
QColor qColor(TColor color);
QString qString(const AnsiString& text);
AnsiString ansiString(const QString& text);
TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Virtual keys and Qt keys, both ways through one table: the peers read key events with it and
// synthetic input makes them. A key without a virtual key gives 0; one without a Qt key gives
// Qt::Key_unknown.
std::uint16_t virtualKeyOf(int qtKey, bool keypad);
struct QtKey {
    int key;
    bool keypad; // the key is sent with the keypad modifier
};
QtKey qtKeyOf(std::uint16_t vk);

} // namespace tk
