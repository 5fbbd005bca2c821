// Controls: bounds and alignment kept in step with the widget, and the mouse messages turned
// into the control's handlers and events.
//
// A left press starts a click (csClickEvents); the release inside the client area finishes it:
//   idle --WM_LBUTTONDOWN--> clicked --WM_LBUTTONUP inside--> Click, idle
//                                    --WM_LBUTTONUP outside--> idle
// A double click fires DblClick and a press with ssDouble, and starts no click.
//
// A drag holds the mouse from BeginDrag to the release (DragSession.cpp); while it runs, moves
// and the release go to the drag alone.
//
// A control built with a peer maker starts without its widget:
//   no peer --visible on a parent that shows, its parent shown, or peer() asked--> peer
// and keeps it until it is freed; what was set meanwhile is kept on the control and given to
// the widget when it is made.
#include "toolkit/TControl.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/DragSession_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TFont_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TWinControl.h"

namespace {

constexpr int wheelNotch = 120;
// How far the mouse moves before a pending drag starts, unless BeginDrag says.
constexpr int dragThreshold = 5;

// The short hint: the text before a "|".
AnsiString shortHint(const AnsiString& hint) { return hint.substr(0, hint.find('|')); }

} // namespace

TControl::TControl(TComponent* AOwner) : TControl(AOwner, tk::makePeer<QWidget>(*this)) {}

TControl::TControl(TComponent* AOwner, std::unique_ptr<tk::ControlPeer> Peer)
    : TComponent(AOwner),
      peer_(std::move(Peer)),
      constraints_(std::make_unique<TSizeConstraints>([this] { applyConstraints(); })) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
    peer_->widget()->hide();
}

TControl::TControl(TComponent* AOwner, tk::PeerMaker Maker)
    : TComponent(AOwner),
      peerMaker_(std::move(Maker)),
      constraints_(std::make_unique<TSizeConstraints>([this] { applyConstraints(); })) {
    WindowProc = [this](TMessage& message) { WndProc(message); };
}

tk::ControlPeer& TControl::peer() const {
    if (peer_ == nullptr)
        const_cast<TControl*>(this)->createPeer();
    return *peer_;
}

// The new widget takes everything the control kept meanwhile; it starts on top of its siblings,
// as a window created late does.
void TControl::createPeer() {
    peer_ = peerMaker_(*this);
    QWidget* widget = peer_->widget();
    widget->hide();
    if (parent_ != nullptr)
        widget->setParent(parent_->peer().widget());
    placeWidget();
    applySizeLimits();
    widget->setEnabled(enabled_);
    peer_->colorChanged();
    if (ownFont_)
        widget->setFont(tk::qtFont(*font_));
    if (cursor_ != crDefault)
        peer_->cursorChanged();
    applyHint();
    widget->setAttribute(Qt::WA_OpaquePaintEvent, (controlStyle_ & csOpaque) != 0);
    PeerCreated();
    applyVisible();
}

bool TControl::wouldShow() const { return visible_ && parent_ != nullptr && parent_->Showing(); }

TControl::~TControl() {
    Destroying();
    tk::DragSession::controlGone(*this);
    SetMouseCapture(false);
    if (tk::inputState().capture == this)
        tk::inputState().capture = nullptr;
    if (parent_ != nullptr)
        parent_->removeControl(this);
    parent_ = nullptr;
    peer_.reset();
}

void TControl::SetParent(TWinControl* Value) {
    if (Value == parent_)
        return;
    TWinControl* old = parent_;
    if (old != nullptr)
        old->removeControl(this);
    parent_ = Value;
    if (peer_ != nullptr) {
        peer_->widget()->setParent(Value != nullptr ? Value->peer().widget() : nullptr);
        placeWidget();
    }
    if (Value != nullptr) {
        if (parentColor_)
            applyColor(Value->Color());
        if (parentShowHint_)
            applyHint();
        Value->insertControl(this);
        rememberAnchors();
        // Only an aligned control moves its siblings; the others keep their places.
        if (align_ != alNone)
            Value->Realign();
    }
    applyVisible();
    if (old != nullptr && align_ != alNone)
        old->Realign();
}

void TControl::SetLeft(int Value) { SetBounds(Value, Top(), Width(), Height()); }
void TControl::SetTop(int Value) { SetBounds(Left(), Value, Width(), Height()); }
void TControl::SetWidth(int Value) { SetBounds(Left(), Top(), Value, Height()); }
void TControl::SetHeight(int Value) { SetBounds(Left(), Top(), Width(), Value); }

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(constraints_->ConstrainWidth(AWidth), 0);
    AHeight = std::max(constraints_->ConstrainHeight(AHeight), 0);
    const bool resized = AWidth != Width() || AHeight != Height();
    bounds_ = Rect(ALeft, ATop, ALeft + AWidth, ATop + AHeight);
    placeWidget();
    rememberAnchors();
    if (parent_ != nullptr && align_ != alNone)
        parent_->Realign();
    if (!resized)
        return;
    if (auto* self = dynamic_cast<TWinControl*>(this))
        self->Realign();
    Resize();
}

void TControl::applyConstraints() {
    applySizeLimits();
    SetBounds(Left(), Top(), Width(), Height());
}

void TControl::applySizeLimits() {
    if (peer_ == nullptr)
        return;
    QWidget* widget = peer_->widget();
    const TSizeConstraints& c = *constraints_;
    widget->setMinimumSize(c.MinWidth(), c.MinHeight());
    widget->setMaximumSize(c.MaxWidth() > 0 ? c.MaxWidth() : QWIDGETSIZE_MAX,
                           c.MaxHeight() > 0 ? c.MaxHeight() : QWIDGETSIZE_MAX);
}

void TControl::placeWidget() {
    if (peer_ == nullptr)
        return;
    const TPoint origin = parent_ != nullptr ? parent_->clientOrigin() : Point(0, 0);
    peer_->widget()->setGeometry(Left() + origin.X, Top() + origin.Y, Width(), Height());
}

void TControl::setClientTop(int Value) {
    clientTop_ = Value;
    clientAreaChanged();
}

void TControl::clientAreaChanged() {
    for (TControl* child : dynamic_cast<TWinControl&>(*this).controls_)
        child->placeWidget();
    dynamic_cast<TWinControl&>(*this).Realign();
}

void TControl::SetAlign(TAlign Value) {
    align_ = Value;
    if (parent_ != nullptr)
        parent_->Realign();
}

void TControl::SetAnchors(TAnchors Value) {
    anchors_ = Value;
    rememberAnchors();
}

void TControl::rememberAnchors() {
    if (parent_ == nullptr)
        return;
    anchorRight_ = parent_->ClientWidth() - bounds_.Right;
    anchorBottom_ = parent_->ClientHeight() - bounds_.Bottom;
}

void TControl::followParent(int parentWidth, int parentHeight) {
    int left = Left(), top = Top(), width = Width(), height = Height();
    if (anchors_ & akRight) {
        if (anchors_ & akLeft)
            width = parentWidth - anchorRight_ - left;
        else
            left = parentWidth - anchorRight_ - width;
    }
    if (anchors_ & akBottom) {
        if (anchors_ & akTop)
            height = parentHeight - anchorBottom_ - top;
        else
            top = parentHeight - anchorBottom_ - height;
    }
    const int keepRight = anchorRight_, keepBottom = anchorBottom_;
    SetBounds(left, top, width, height);
    anchorRight_ = keepRight;
    anchorBottom_ = keepBottom;
}

void TControl::SetVisible(bool Value) {
    if (Value == visible_)
        return;
    visible_ = Value;
    applyVisible();
    if (parent_ != nullptr && align_ != alNone)
        parent_->Realign();
}

void TControl::applyVisible() {
    if (peer_ == nullptr) {
        if (peerMaker_ && wouldShow())
            createPeer();
        return;
    }
    peer_->widget()->setVisible(visible_ && (parent_ != nullptr || peer_->isWindow()));
}

// A control without a peer never shows: it gets one as soon as it would.
bool TControl::Showing() const { return peer_ != nullptr && peer_->widget()->isVisible(); }

void TControl::SetEnabled(bool Value) {
    enabled_ = Value;
    if (peer_ != nullptr)
        peer_->widget()->setEnabled(Value);
}

void TControl::SetColor(TColor Value) {
    parentColor_ = false;
    applyColor(Value);
}

void TControl::SetParentColor(bool Value) {
    parentColor_ = Value;
    if (Value && parent_ != nullptr)
        applyColor(parent_->Color());
}

void TControl::applyColor(TColor color) {
    color_ = color;
    if (peer_ != nullptr)
        peer_->colorChanged();
    Invalidate();
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->controls_)
            if (child->parentColor_)
                child->applyColor(color);
}

void TControl::SetFont(const TFont& Value) {
    font_->Assign(Value);
    ownFont_ = true;
    if (peer_ != nullptr)
        peer_->widget()->setFont(tk::qtFont(*font_));
    FontChanged();
    Invalidate();
}

void TControl::FontChanged() {}

void TControl::SetCursor(TCursor Value) {
    cursor_ = Value;
    if (peer_ != nullptr)
        peer_->cursorChanged();
}

void TControl::SetHint(const AnsiString& Value) {
    hint_ = Value;
    applyHint();
}

bool TControl::ShowHint() const { return parentShowHint_ && parent_ != nullptr ? parent_->ShowHint() : showHint_; }

void TControl::SetShowHint(bool Value) {
    showHint_ = Value;
    parentShowHint_ = false;
    applyHint();
}

void TControl::SetParentShowHint(bool Value) {
    parentShowHint_ = Value;
    applyHint();
}

void TControl::applyHint() {
    // Qt shows the tool tip after its usual delay, while the application's ShowHint is on.
    const bool show = ShowHint() && !hint_.empty();
    if (peer_ != nullptr)
        peer_->widget()->setToolTip(show ? tk::qString(shortHint(hint_)) : QString());
    // Children that follow this control's ShowHint follow it now.
    if (auto* self = dynamic_cast<TWinControl*>(this))
        for (TControl* child : self->controls_)
            if (child->parentShowHint_)
                child->applyHint();
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    popupMenu_ = Value;
    if (Value == nullptr)
        return;
    Value->FreeNotification(this);
    // A menu of the same owner goes without telling this control unless it hears its siblings.
    SetHearsSiblings(true);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupMenu_)
        popupMenu_ = nullptr;
}

void TControl::SetControlStyle(TControlStyle Value) {
    controlStyle_ = Value;
    if (peer_ != nullptr)
        peer_->widget()->setAttribute(Qt::WA_OpaquePaintEvent, (Value & csOpaque) != 0);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
    tk::InputState& input = tk::inputState();
    if (Value) {
        input.capture = this;
        input.explicitCapture = true;
        peer().widget()->grabMouse();
        return;
    }
    if (input.capture != this)
        return;
    input.capture = nullptr;
    input.explicitCapture = false;
    if (peer_ != nullptr)
        peer_->widget()->releaseMouse();
    tk::captureEnded(*this);
}

TPoint TControl::ClientToScreen(TPoint Point) const {
    const TPoint origin = clientOrigin();
    const QPoint p = peer().widget()->mapToGlobal(QPoint(Point.X + origin.X, Point.Y + origin.Y));
    return ::Point(p.x(), p.y());
}

TPoint TControl::ScreenToClient(TPoint Point) const {
    const TPoint origin = clientOrigin();
    const QPoint p = peer().widget()->mapFromGlobal(QPoint(Point.X, Point.Y));
    return ::Point(p.x() - origin.X, p.y() - origin.Y);
}

void TControl::Invalidate() {
    if (peer_ == nullptr)
        return;
    peer_->dirty = true;
    peer_->widget()->update();
}

void TControl::Repaint() {
    if (peer_ != nullptr)
        peer_->repaint();
}

void TControl::Update() {
    if (peer_ != nullptr && peer_->dirty)
        Repaint();
}

// Without a peer there is nothing to raise: a peer made later starts on top.
void TControl::BringToFront() {
    if (peer_ != nullptr)
        peer_->widget()->raise();
}

LRESULT TControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (tk::DragSession::mouseMessage(*this, Message))
            break;
        if (dragMode_ == dmAutomatic && (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK)) {
            BeginDrag(/*Immediate=*/true);
            break;
        }
        mouseMessage(Message);
        break;
    case WM_MOUSEWHEEL:
        wheelMessage(Message);
        break;
    case CM_MOUSEENTER:
        CMMouseEnter(Message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        break;
    case WM_CANCELMODE:
        tk::DragSession::end(*this, /*Drop=*/false);
        SetMouseCapture(false);
        break;
    default:
        break;
    }
}

void TControl::BeginDrag(bool Immediate, int Threshold) {
    tk::DragSession::begin(*this, Immediate, Threshold < 0 ? dragThreshold : Threshold);
}

void TControl::EndDrag(bool Drop) { tk::DragSession::end(*this, Drop); }

bool TControl::Dragging() const { return tk::DragSession::isDragging(*this); }

void TControl::mouseMessage(TMessage& message) {
    const int x = GET_X_LPARAM(message.LParam);
    const int y = GET_Y_LPARAM(message.LParam);
    const TShiftState shift = KeysToShiftState(message.WParam);
    const bool clicks = (controlStyle_ & csClickEvents) != 0;
    const bool doubles = (controlStyle_ & csDoubleClicks) != 0;
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        return;
    case WM_LBUTTONDOWN:
        clicked_ = clicks;
        MouseDown(mbLeft, shift, x, y);
        return;
    case WM_LBUTTONDBLCLK:
        if (!doubles) {
            clicked_ = clicks;
            MouseDown(mbLeft, shift, x, y);
            return;
        }
        if (clicks)
            DblClick();
        MouseDown(mbLeft, shift | ssDouble, x, y);
        return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift | (message.Msg == WM_RBUTTONDBLCLK && doubles ? ssDouble : 0), x, y);
        return;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shift | (message.Msg == WM_MBUTTONDBLCLK && doubles ? ssDouble : 0), x, y);
        return;
    case WM_LBUTTONUP:
        if (clicked_) {
            clicked_ = false;
            if (x >= 0 && y >= 0 && x < Width() && y < Height())
                Click();
        }
        MouseUp(mbLeft, shift, x, y);
        return;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, x, y);
        contextPopup(Point(x, y));
        return;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, x, y);
        return;
    default:
        return;
    }
}

// The context menu follows the right release, as the platform's context-menu message does.
void TControl::contextPopup(TPoint at) {
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, at, handled);
    if (handled || popupMenu_ == nullptr || !popupMenu_->AutoPopup())
        return;
    const TPoint screen = ClientToScreen(at);
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.X, screen.Y);
}

void TControl::wheelMessage(TMessage& message) {
    const int delta = static_cast<std::int16_t>((message.WParam >> 16) & 0xFFFF);
    const TShiftState shift = KeysToShiftState(message.WParam & 0xFFFF);
    const TPoint at = Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
    message.Result = DoMouseWheel(shift, delta, at) ? 1 : 0;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled)
        return true;
    // Wheels that report finer steps than a notch add up until a notch is full.
    wheelAccumulator_ += WheelDelta;
    while (std::abs(wheelAccumulator_) >= wheelNotch) {
        const bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ += down ? wheelNotch : -wheelNotch;
        handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::CMMouseEnter(TMessage&) {}

void TControl::CMMouseLeave(TMessage&) {}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

TForm* TControl::parentForm() const {
    const TControl* control = this;
    while (control->parent_ != nullptr)
        control = control->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

TControl* GetCaptureControl() { return tk::inputState().capture; }

TShiftState KeysToShiftState(WPARAM Keys) { return tk::shiftOfKeys(Keys) | (tk::currentShiftState() & ssAlt); }

namespace tk {

void cancelMode() {
    TControl* holder = inputState().capture;
    if (holder == nullptr)
        return;
    holder->Perform(WM_CANCELMODE, 0, 0);
    // A handler that kept the message to itself still loses the capture.
    if (inputState().capture == holder)
        holder->SetMouseCapture(false);
}

} // namespace tk

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
    TControl* control = tk::controlAt(QPoint(Pos.X, Pos.Y));
    if (control == nullptr || AllowDisabled)
        return control;
    for (TControl* c = control; c != nullptr; c = c->Parent())
        if (!c->Enabled())
            return nullptr;
    return control;
}
