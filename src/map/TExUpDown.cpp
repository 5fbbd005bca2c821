// The spin edit's up-down: a press moves the position off 0, the scroll notification that
// follows clicks the arrow the position points to and puts it back at 0.
#include "map/TExUpDown.h"

#include "map/FlagGuard.h"
#include "map/TKEXSpinEdit.h"

TExUpDown::TExUpDown(TComponent* AOwner) : TCustomUpDown(AOwner) {
    SetOrientation(udVertical);
    SetMin(-1);
    SetMax(1);
    SetPosition(0);
}

TExUpDown::~TExUpDown() { OnClick = nullptr; }

void TExUpDown::WndProc(TMessage& Message) {
    const bool isScroll = Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL;
    if (!isScroll || (Message.WParam & 0xFFFF) != SB_THUMBPOSITION) {
        TCustomUpDown::WndProc(Message);
        return;
    }
    if (changing_)
        return;
    mapi::FlagGuard guard(changing_);
    if (Position() > 0)
        Click(btNext);
    else if (Position() < 0)
        Click(btPrev);
    Perform(UDM_SETPOS, 0, 0);
}

void TExUpDown::Resize() {
    TCustomUpDown::Resize();
    if (Width() != GetDefaultSpinButtonWidth())
        SetWidth(GetDefaultSpinButtonWidth());
}
