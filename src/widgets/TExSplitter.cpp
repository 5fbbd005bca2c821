// The splitter's drag. The kind, fixed when a drag starts, says which control and dimension the
// drag changes:
//   0  nothing (no first control, or aligns that do not match): no drag starts;
//   1  first top- or bottom-aligned, second none or client, splitter aligned as the first: the
//      first's height;
//   2  first client, second top- or bottom-aligned, splitter aligned as the second: the second's
//      height;
//   3  as 1 with left and right: the first's width;
//   4  as 2 with left and right: the second's width.
//
// States:
//   idle --left press, kind 1..4--> sizing (mouse captured, hints off, the focused control's
//        OnKeyDown borrowed, XOR line shown over the form)
//   sizing --move--> sizing (the line follows within the limits)
//   sizing --release of any button--> idle, the control resized, OnPosChanged
//   sizing --Escape, lost capture, partner or splitter freed--> idle, nothing changed
#include "widgets/TExSplitter.h"

#include <algorithm>
#include <utility>

#include "toolkit/TApplication.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TForm.h"
#include "toolkit/TScreen.h"
#include "toolkit/WinApi.h"

namespace {

bool isVertical(TAlign align) { return align == alTop || align == alBottom; }
bool isHorizontal(TAlign align) { return align == alLeft || align == alRight; }
bool hasAlign(const TControl* control, TAlign align) { return control != nullptr && control->Align() == align; }

} // namespace

TExSplitter::TExSplitter(TComponent* AOwner) : TCustomPanel(AOwner) {
    SetControlStyle(csOpaque | csClickEvents | csDoubleClicks);
    SetBounds(Left(), Top(), 185, 3);
    SetCtl3D(false);
}

TExSplitter::~TExSplitter() {
    Destroying();
    endDrag(/*apply=*/false, 0, 0);
}

void TExSplitter::Loaded() {
    TCustomPanel::Loaded();
    TControl::SetCursor(Cursor());
}

int TExSplitter::splitterKind() const {
    if (controlFirst_ == nullptr)
        return 0;
    const TAlign first = controlFirst_->Align();
    const TAlign own = Align();
    const bool secondFree = controlSecond_ == nullptr || controlSecond_->Align() == alClient;
    if (secondFree && own == first && isVertical(first))
        return 1;
    if (secondFree && own == first && isHorizontal(first))
        return 3;
    if (first != alClient || controlSecond_ == nullptr || own != controlSecond_->Align())
        return 0;
    if (isVertical(own))
        return 2;
    return isHorizontal(own) ? 4 : 0;
}

TCursor TExSplitter::Cursor() const {
    switch (splitterKind()) {
    case 1:
    case 2:
        return crVSplit;
    case 3:
    case 4:
        return crHSplit;
    default:
        return crDefault;
    }
}

void TExSplitter::SetControlFirst(TControl* Value) { setControl(controlFirst_, Value); }

void TExSplitter::SetControlSecond(TControl* Value) { setControl(controlSecond_, Value); }

void TExSplitter::setControl(TControl*& slot, TControl* value) {
    if (value == slot)
        return;
    if (value == this || dynamic_cast<TForm*>(value) != nullptr)
        value = nullptr;
    slot = value;
    if (value != nullptr)
        value->FreeNotification(this);
    TControl::SetCursor(Cursor());
}

void TExSplitter::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == keyHooked_) {
        // Going: its handler is not given back, and the drag ends without touching it.
        keyHooked_ = nullptr;
        endDrag(/*apply=*/false, 0, 0);
    }
    const bool partnerGone = AComponent == controlFirst_ || AComponent == controlSecond_;
    if (AComponent == controlFirst_)
        controlFirst_ = nullptr;
    if (AComponent == controlSecond_)
        controlSecond_ = nullptr;
    // The release would size a control that is no longer there: the drag ends here, unapplied.
    if (partnerGone)
        endDrag(/*apply=*/false, 0, 0);
}

void TExSplitter::SetAlign(TAlign Value) {
    const TAlign old = Align();
    TControl::SetAlign(Value);
    if ((old == alNone || old == alClient) && !(ComponentState() & csLoading)) {
        if (isVertical(Value))
            SetHeight(3);
        else if (isHorizontal(Value))
            SetWidth(3);
    }
    if (controlFirst_ == nullptr && controlSecond_ == nullptr)
        SetControlFirst(touchingSibling());
}

TControl* TExSplitter::touchingSibling() const {
    const TWinControl* parent = Parent();
    if (parent == nullptr)
        return nullptr;
    TPoint probe;
    switch (Align()) {
    case alTop:
        probe = Point(Left(), Top() - 1);
        break;
    case alBottom:
        probe = Point(Left(), Top() + Height());
        break;
    case alLeft:
        probe = Point(Left() - 1, Top());
        break;
    case alRight:
        probe = Point(Left() + Width(), Top());
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        const TRect r = sibling->BoundsRect();
        if (sibling != this && probe.X >= r.Left && probe.X < r.Right && probe.Y >= r.Top && probe.Y < r.Bottom)
            return sibling;
    }
    return nullptr;
}

void TExSplitter::SetLimitOffset(int Value) {
    topLeftLimit_ = Value;
    bottomRightLimit_ = Value;
}

void TExSplitter::WndProc(TMessage& Message) {
    // A modal window or a menu took the mouse away: the release will not come.
    if (Message.Msg == WM_CANCELMODE)
        endDrag(/*apply=*/false, 0, 0);
    TCustomPanel::WndProc(Message);
}

void TExSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && !sizing_ && !(ComponentState() & csDesigning))
        startDrag(X, Y);
}

void TExSplitter::startDrag(int x, int y) {
    kind_ = splitterKind();
    TForm* form = parentForm();
    if (kind_ == 0 || form == nullptr)
        return;
    lineCanvas_ = GetDCEx(form->Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE);
    if (lineCanvas_ == nullptr)
        return;
    drawingForm_ = form;
    sizing_ = true;
    savedShowHint_ = Application->ShowHint();
    Application->SetShowHint(false);
    SetCapture(Handle());

    keyHooked_ = form->ActiveControl() != nullptr ? form->ActiveControl() : form;
    keyHooked_->FreeNotification(this);
    savedKeyDown_ = keyHooked_->OnKeyDown;
    keyHooked_->OnKeyDown = [this](TPersistent* Sender, std::uint16_t& Key, TShiftState Shift) {
        hookedKeyDown(Sender, Key, Shift);
    };

    downPos_ = Point(x, y);
    const TWinControl& parent = *Parent();
    const TPoint topLeft = ScreenToClient(parent.ClientToScreen(Point(topLeftLimit_, topLeftLimit_)));
    const TPoint bottomRight = ScreenToClient(parent.ClientToScreen(
        Point(parent.ClientWidth() - bottomRightLimit_, parent.ClientHeight() - bottomRightLimit_)));
    limit_ = Rect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);

    const int thickness = resizesHeight() ? Height() : Width();
    lineCanvas_->Pen()->SetColor(clWhite);
    lineCanvas_->Pen()->SetMode(pmXor);
    lineCanvas_->Pen()->SetWidth(thickness < 4 ? 2 : thickness - 2);
    showLine(Point(Width() / 2, Height() / 2));
}

void TExSplitter::hookedKeyDown(TPersistent* sender, std::uint16_t& key, TShiftState shift) {
    if (key != VK_ESCAPE) {
        if (savedKeyDown_)
            savedKeyDown_(sender, key, shift);
        return;
    }
    // The key that cancelled the drag goes no further (it would close a dialog).
    key = 0;
    endDrag(/*apply=*/false, 0, 0);
}

void TExSplitter::clip(int& x, int& y) const {
    if (x - downPos_.X < limit_.Left)
        x = limit_.Left + downPos_.X;
    else if (x - downPos_.X + Width() > limit_.Right)
        x = limit_.Right - Width() + downPos_.X;
    if (y - downPos_.Y < limit_.Top)
        y = limit_.Top + downPos_.Y;
    else if (y - downPos_.Y + Height() > limit_.Bottom)
        y = limit_.Bottom - Height() + downPos_.Y;
}

void TExSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!sizing_)
        return;
    bool allow = true;
    if (OnPosChanging)
        OnPosChanging(this, X, Y, allow);
    if (!allow) {
        // Marked, so that the next allowed move brings the splitter's cursor back.
        noDrop_ = true;
        ::SetCursor(Screen->Cursors(crNoDrop));
        return;
    }
    const int moving = resizesHeight() ? Y : X;
    clip(X, Y);
    const bool noDrop = moving != (resizesHeight() ? Y : X);
    if (noDrop != noDrop_) {
        noDrop_ = noDrop;
        ::SetCursor(Screen->Cursors(noDrop ? crNoDrop : Cursor()));
    }
    moveLine(Point(X - downPos_.X + Width() / 2, Y - downPos_.Y + Height() / 2));
}

// Any button's release ends the drag, applied as the left's is: a drag running on after a
// release would go on following a mouse the user thinks let go.
void TExSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    endDrag(/*apply=*/true, X, Y);
    TCustomPanel::MouseUp(Button, Shift, X, Y);
}

void TExSplitter::endDrag(bool apply, int x, int y) {
    if (!sizing_)
        return;
    ReleaseCapture();
    bool allow = apply;
    if (apply && OnPosChanging)
        OnPosChanging(this, x, y, allow);
    hideLine();
    ReleaseDC(drawingForm_->Handle(), std::exchange(lineCanvas_, nullptr));
    drawingForm_ = nullptr;
    noDrop_ = false;
    if (!allow) {
        const TPoint back = ScreenToClient(linePos_);
        x = back.X + downPos_.X - Width() / 2;
        y = back.Y + downPos_.Y - Height() / 2;
    }
    if (apply && Parent() != nullptr)
        applyDrag(x, y);
    sizing_ = false;
    Application->SetShowHint(savedShowHint_);
    if (keyHooked_ != nullptr) {
        keyHooked_->OnKeyDown = std::move(savedKeyDown_);
        keyHooked_->RemoveFreeNotification(this);
        keyHooked_ = nullptr;
    }
    savedKeyDown_ = nullptr;
    if (apply && OnPosChanged)
        OnPosChanged(this);
}

void TExSplitter::applyDrag(int x, int y) {
    TWinControl& parent = *Parent();
    const int maximum = resizesHeight() ? parent.ClientHeight() - Height() : parent.ClientWidth() - Width();
    clip(x, y);
    int downX = downPos_.X;
    int downY = downPos_.Y;
    // Moving towards a right- or bottom-aligned control shrinks it.
    if (hasAlign(controlFirst_, alRight) || hasAlign(controlSecond_, alRight)) {
        x = -x;
        downX = -downX;
    }
    if (hasAlign(controlFirst_, alBottom) || hasAlign(controlSecond_, alBottom)) {
        y = -y;
        downY = -downY;
    }
    TControl& target = kind_ == 1 || kind_ == 3 ? *controlFirst_ : *controlSecond_;
    int size = resizesHeight() ? target.Height() + (y - downY) : target.Width() + (x - downX);
    if (size < 1)
        size = 1;
    if (size >= maximum)
        size = maximum - 3;
    parent.DisableAlign();
    if (resizesHeight())
        target.SetHeight(size);
    else
        target.SetWidth(size);
    parent.EnableAlign();
}

TPoint TExSplitter::linePoint(TPoint client) const {
    TPoint screen = ClientToScreen(resizesHeight() ? Point(0, client.Y) : Point(client.X, 0));
    const TWinControl& parent = *Parent();
    const TPoint topLeft = parent.ClientToScreen(Point(0, 0));
    const TPoint bottomRight = parent.ClientToScreen(Point(parent.ClientWidth(), parent.ClientHeight()));
    screen.X = std::clamp(screen.X, topLeft.X, bottomRight.X);
    screen.Y = std::clamp(screen.Y, topLeft.Y, bottomRight.Y);
    return screen;
}

void TExSplitter::drawLine(TPoint screen) {
    const TPoint from = drawingForm_->ScreenToClient(screen);
    lineCanvas_->MoveTo(from.X, from.Y);
    if (resizesHeight())
        lineCanvas_->LineTo(from.X + Width(), from.Y);
    else
        lineCanvas_->LineTo(from.X, from.Y + Height());
}

void TExSplitter::showLine(TPoint client) {
    linePos_ = linePoint(client);
    drawLine(linePos_);
    lineShown_ = true;
}

void TExSplitter::moveLine(TPoint client) {
    const TPoint to = linePoint(client);
    if (lineShown_ && (resizesHeight() ? to.Y == linePos_.Y : to.X == linePos_.X))
        return;
    hideLine();
    linePos_ = to;
    drawLine(linePos_);
    lineShown_ = true;
}

void TExSplitter::hideLine() {
    if (!lineShown_)
        return;
    drawLine(linePos_);
    lineShown_ = false;
}
