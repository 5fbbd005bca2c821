// Windowed controls: children, alignment, focus and keys.
//
// A character that no handler swallowed or replaced is offered to the form's controls as
// CM_DIALOGCHAR (accelerators): always with Alt, otherwise only when the focused control does
// not take characters (WM_GETDLGCODE without DLGC_WANTCHARS; controls over Qt widgets that take
// typed text, edits and editable combo boxes, answer with it).
//
// Tab and Shift+Tab move the focus through the form's windowed controls in tab order, unless the
// focused control asks for them (WM_GETDLGCODE with DLGC_WANTTAB or DLGC_WANTALLKEYS) and gets
// them as WM_KEYDOWN.
//
// A key message goes first to the form when its key preview is on, then to the control; a
// handler that sets the key to 0 swallows it there. An Enter or Esc that the control does not
// ask for (WM_GETDLGCODE) then goes to the form's default or cancel button.
#include "toolkit/TWinControl.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

#include "base/CaseMap.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "toolkit/WindowRegistry_p.h"

TWinControl::TWinControl(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QWidget>(*this)) {}

TWinControl::TWinControl(TComponent* AOwner, std::unique_ptr<tk::ControlPeer> Peer)
    : TControl(AOwner, std::move(Peer)), handle_(tk::registerWindow(this)) {}

TWinControl::TWinControl(TComponent* AOwner, tk::PeerMaker Maker)
    : TControl(AOwner, std::move(Maker)), handle_(tk::registerWindow(this)) {}

void TWinControl::PeerCreated() { peer().widget()->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus); }

void TWinControl::showChildren() {
    // Indexed: a child's new peer may realign, never add or remove children.
    for (size_t i = 0; i < controls_.size(); ++i)
        if (!controls_[i]->hasPeer() && controls_[i]->Visible())
            controls_[i]->peer();
}

TWinControl::~TWinControl() {
    Destroying();
    if (handleAllocated_)
        Perform(WM_DESTROY, 0, 0);
    if (TForm* form = parentForm(); form != nullptr && form != this)
        form->controlGone(this);
    tk::unregisterWindow(handle_);
    // The controls still sitting here go with it, as the platform destroys child windows.
    while (!controls_.empty())
        delete controls_.back();
}

void TWinControl::insertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(windowed);
        if (windowed->parentCtl3D_)
            windowed->applyCtl3D(ctl3D_);
    }
}

namespace {

// Children leave last first when their parent or owner frees them: looked for from the end, the
// leaving one is found at once.
template <class List>
void eraseLast(List& list, const TControl* control) {
    const auto found = std::find(list.rbegin(), list.rend(), control);
    if (found != list.rend())
        list.erase(std::next(found).base());
}

} // namespace

void TWinControl::removeControl(TControl* control) {
    eraseLast(controls_, control);
    eraseLast(tabList_, control);
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr)
        return -1;
    const auto& siblings = Parent()->tabList_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (Parent() == nullptr)
        return;
    auto& siblings = Parent()->tabList_;
    std::erase(siblings, this);
    const auto at = static_cast<size_t>(std::clamp(Value, 0, static_cast<int>(siblings.size())));
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::collectTabOrder(std::vector<TWinControl*>& order) {
    for (TWinControl* child : tabList_) {
        order.push_back(child);
        child->collectTabOrder(order);
    }
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    std::vector<TWinControl*> order;
    collectTabOrder(order);
    const size_t count = order.size();
    const auto current = std::find(order.begin(), order.end(), CurControl);
    const bool found = current != order.end();
    // Without a current control the walk starts just outside the list's ends.
    const size_t start = found ? static_cast<size_t>(current - order.begin()) : GoForward ? count - 1 : 0;
    const size_t steps = found ? count - 1 : count;
    for (size_t n = 1; n <= steps; ++n) {
        TWinControl* candidate = order[(start + (GoForward ? n : count - n)) % count];
        if (candidate->CanFocus() && (!CheckTabStop || candidate->TabStop())) {
            candidate->SetFocus();
            return;
        }
    }
}

bool TWinControl::tabKey(bool forward) {
    if (Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
        return false;
    TWinControl* top = this;
    while (top->Parent() != nullptr)
        top = top->Parent();
    top->SelectNext(this, forward, /*CheckTabStop=*/true);
    return true;
}

void TWinControl::focusEntered() {
    if (TForm* form = parentForm(); form != nullptr && form != this)
        form->focusChanged(this);
    DoEnter();
}

void TWinControl::SetTabStop(bool Value) {
    tabStop_ = Value;
    if (hasPeer())
        peer().widget()->setFocusPolicy(Value ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c != nullptr; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus() {
    QWidget* widget = peer().widget();
    if (widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::ClickFocus);
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

// The window's focus control, which holds the keyboard while the window is active (Qt activates
// a window asynchronously, after SetFocus has asked for it).
bool TWinControl::Focused() const {
    if (!hasPeer())
        return false;
    const QWidget* widget = peer().widget();
    return widget->window()->focusWidget() == widget;
}

void TWinControl::HandleNeeded() {
    if (handleAllocated_)
        return;
    if (Parent() != nullptr)
        Parent()->HandleNeeded();
    handleAllocated_ = true;
    // Set first: a new peer that shows at once asks again.
    peer();
    CreateWnd();
}

void TWinControl::RecreateWnd() {
    if (handleAllocated_)
        Perform(WM_DESTROY, 0, 0);
    DestroyWnd();
    if (!handleAllocated_) {
        HandleNeeded();
        return;
    }
    CreateWnd();
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyWnd() {}

void TWinControl::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == clientBorder_)
        return;
    clientBorder_ = Value;
    clientAreaChanged();
    Invalidate();
    Resize();
}

void TWinControl::DisableAlign() { ++alignDisabled_; }

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0)
        Realign();
}

void TWinControl::SetCtl3D(bool Value) {
    parentCtl3D_ = false;
    applyCtl3D(Value);
}

void TWinControl::SetParentCtl3D(bool Value) {
    parentCtl3D_ = Value;
    if (Value && Parent() != nullptr)
        applyCtl3D(Parent()->Ctl3D());
}

void TWinControl::applyCtl3D(bool value) {
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    Perform(CM_CTL3DCHANGED, 0, 0);
    for (TWinControl* child : tabList_)
        if (child->parentCtl3D_)
            child->applyCtl3D(value);
}

void TWinControl::Realign() {
    // Placing an aligned control asks its parent to realign again.
    if (realigning_ || alignDisabled_ > 0)
        return;
    realigning_ = true;
    TRect rest = ClientRect();
    AdjustClientRect(rest);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (!c->Visible() || c->Align() != align)
                continue;
            switch (align) {
            case alTop:
                c->SetBounds(rest.Left, rest.Top, rest.Width(), c->Height());
                rest.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rest.Left, rest.Bottom - c->Height(), rest.Width(), c->Height());
                rest.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rest.Left, rest.Top, c->Width(), rest.Height());
                rest.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(rest.Right - c->Width(), rest.Top, c->Width(), rest.Height());
                rest.Right -= c->Width();
                break;
            default:
                c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
                break;
            }
        }
    }
    for (TControl* c : controls_)
        if (c->Align() == alNone && (c->Anchors() & (akRight | akBottom)))
            c->followParent(ClientWidth(), ClientHeight());
    realigning_ = false;
}

void TWinControl::AdjustClientRect(TRect&) const {}

AnsiString TWinControl::WindowClassName() const { return ClassName(); }

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        keyMessage(Message);
        return;
    case WM_NCHITTEST:
        Message.Result = hitTest(Message.LParam);
        return;
    case WM_GETDLGCODE:
        Message.Result = peer().widget()->testAttribute(Qt::WA_InputMethodEnabled) ? DLGC_WANTCHARS : 0;
        return;
    case WM_SETCURSOR:
        // The screen's cursor, when set, shows over every control.
        Message.Result = Screen->Cursor() != crDefault ? 1 : 0;
        return;
    default:
        TControl::WndProc(Message);
    }
}

void TWinControl::keyMessage(TMessage& message) {
    const TShiftState shift = tk::currentShiftState();
    if (message.Msg == WM_CHAR) {
        // Swallowed: 1; a handler that typed another character: that character with bit 8 set.
        const char typed = static_cast<char>(message.WParam);
        char key = typed;
        if (DoKeyPress(key))
            message.Result = 1;
        else if (key != typed)
            message.Result = 0x100 | static_cast<unsigned char>(key);
        else if (TForm* form = parentForm(); form != nullptr && offersDialogChar(shift) && form->dialogChar(key))
            message.Result = 1;
        return;
    }
    auto key = static_cast<std::uint16_t>(message.WParam);
    if (message.Msg == WM_KEYUP) {
        message.Result = DoKeyUp(key, shift) ? 1 : 0;
        return;
    }
    if (DoKeyDown(key, shift)) {
        message.Result = 1;
        return;
    }
    if (key != VK_RETURN && key != VK_ESCAPE)
        return;
    if (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS)
        return;
    if (TForm* form = parentForm())
        message.Result = form->DialogKey(key) ? 1 : 0;
}

bool TWinControl::offersDialogChar(TShiftState Shift) {
    return (Shift & ssAlt) || !(Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS);
}

bool IsAccel(unsigned Key, const AnsiString& Caption) {
    const unsigned char wanted = base::upperCp1251(static_cast<unsigned char>(Key));
    for (size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&')
            continue;
        if (Caption[i + 1] == '&') {
            ++i;
            continue;
        }
        if (base::upperCp1251(static_cast<unsigned char>(Caption[i + 1])) == wanted)
            return true;
    }
    return false;
}

LRESULT TWinControl::hitTest(LPARAM screenPoint) const {
    const QWidget* widget = peer().widget();
    const QPoint at = widget->mapFromGlobal(QPoint(GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)));
    if (!widget->rect().contains(at))
        return HTNOWHERE;
    if (const auto* area = dynamic_cast<const QAbstractScrollArea*>(widget)) {
        const auto over = [&](const QScrollBar* bar) {
            return bar->isVisible() && bar->geometry().contains(bar->parentWidget()->mapFrom(widget, at));
        };
        if (over(area->verticalScrollBar()))
            return HTVSCROLL;
        if (over(area->horizontalScrollBar()))
            return HTHSCROLL;
    }
    return HTCLIENT;
}

bool TWinControl::keyWithPreview(std::uint16_t& key, TShiftState shift, KeyStep preview, KeyHandler handler) {
    TForm* form = parentForm();
    if (form != nullptr && form != this && form->KeyPreview() && (form->*preview)(key, shift))
        return true;
    (this->*handler)(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyDown(std::uint16_t& Key, TShiftState Shift) {
    return keyWithPreview(Key, Shift, &TWinControl::DoKeyDown, &TWinControl::KeyDown);
}

bool TWinControl::DoKeyUp(std::uint16_t& Key, TShiftState Shift) {
    return keyWithPreview(Key, Shift, &TWinControl::DoKeyUp, &TWinControl::KeyUp);
}

bool TWinControl::DoKeyPress(char& Key) {
    TForm* form = parentForm();
    if (form != nullptr && form != this && form->KeyPreview() && form->DoKeyPress(Key))
        return true;
    KeyPress(Key);
    return Key == 0;
}

void TWinControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(std::uint16_t& Key, TShiftState Shift) {
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}
