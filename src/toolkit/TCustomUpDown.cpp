// A press steps the position at once; while the button stays down a timer repeats the step,
// slowly at first and then faster, as the platform's spin buttons do.
#include "toolkit/TCustomUpDown.h"

#include "toolkit/DrawEdge.h"
#include "toolkit/TTimer.h"

namespace {

constexpr unsigned kFirstRepeatMs = 400;
constexpr unsigned kRepeatMs = 100;

} // namespace

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TCustomControl(AOwner), repeat_(new TTimer(this)) {
    SetBounds(0, 0, 17, 25);
    repeat_->SetEnabled(false);
    repeat_->OnTimer = [this](TPersistent*) {
        repeat_->SetInterval(kRepeatMs);
        press(button_);
    };
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
    orientation_ = Value;
    Invalidate();
}

void TCustomUpDown::Click(TUDBtnType Button) {
    if (OnClick)
        OnClick(this, Button);
}

void TCustomUpDown::WndProc(TMessage& Message) {
    const bool isScroll = Message.Msg == (orientation_ == udVertical ? WM_VSCROLL : WM_HSCROLL);
    if (isScroll && (Message.WParam & 0xFFFF) == SB_THUMBPOSITION) {
        Click(button_);
        return;
    }
    if (Message.Msg == UDM_SETPOS) {
        Message.Result = Position();
        SetPosition(static_cast<int>(Message.LParam));
        return;
    }
    TCustomControl::WndProc(Message);
}

void TCustomUpDown::press(TUDBtnType button) {
    button_ = button;
    SetPosition(Position() + (button == btNext ? 1 : -1));
    const unsigned message = orientation_ == udVertical ? WM_VSCROLL : WM_HSCROLL;
    Perform(message, MAKEWPARAM(SB_THUMBPOSITION, Position()), 0);
}

TUDBtnType TCustomUpDown::buttonAt(int x, int y) const {
    if (orientation_ == udVertical) return y < Height() / 2 ? btNext : btPrev;
    return x >= Width() / 2 ? btNext : btPrev;
}

void TCustomUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    pressed_ = true;
    press(buttonAt(X, Y));
    repeat_->SetInterval(kFirstRepeatMs);
    repeat_->SetEnabled(true);
    Invalidate();
}

void TCustomUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && pressed_) {
        pressed_ = false;
        repeat_->SetEnabled(false);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomUpDown::Paint() {
    const bool vertical = orientation_ == udVertical;
    const int half = vertical ? Height() / 2 : Width() / 2;
    TRect next = vertical ? Rect(0, 0, Width(), half) : Rect(half, 0, Width(), Height());
    TRect prev = vertical ? Rect(0, half, Width(), Height()) : Rect(0, 0, half, Height());
    const unsigned inactive = Enabled() ? 0 : DFCS_INACTIVE;
    const auto stateOf = [&](TUDBtnType button) { return inactive | (pressed_ && button_ == button ? DFCS_PUSHED : 0); };
    DrawFrameControl(*Canvas(), next, DFC_SCROLL, (vertical ? DFCS_SCROLLUP : DFCS_SCROLLRIGHT) | stateOf(btNext));
    DrawFrameControl(*Canvas(), prev, DFC_SCROLL, (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLLEFT) | stateOf(btPrev));
}
