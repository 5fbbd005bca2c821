// The up-down control: two arrow buttons that step Position by one within Min .. Max. Each press
// (repeated while the button is held) reaches the control's own message handler as a
// WM_VSCROLL (WM_HSCROLL when horizontal) with SB_THUMBPOSITION and the new position, whose
// base handling fires OnClick.
#pragma once

#include <functional>

#include "toolkit/BoundedValue.h"
#include "toolkit/TCustomControl.h"

class TTimer;

// Sets the position without any notice; LParam is the position, the answer the old one.
constexpr unsigned UDM_SETPOS = WM_USER + 103;

enum TUDOrientation { udHorizontal, udVertical };
// btNext is the up (or right) arrow.
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TPersistent* Sender, TUDBtnType Button)>;

class TCustomUpDown : public TCustomControl {
public:
    explicit TCustomUpDown(TComponent* AOwner);

    int Min() const { return position_.min(); }
    void SetMin(int Value) { position_.setMin(Value); }
    int Max() const { return position_.max(); }
    void SetMax(int Value) { position_.setMax(Value); }
    // Kept within Min .. Max.
    int Position() const { return position_.value(); }
    void SetPosition(int Value) { position_.setValue(Value); }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation Value);

    // Hides the control's plain click: an up-down click tells which arrow.
    TUDClickEvent OnClick;

protected:
    using TCustomControl::Click;
    virtual void Click(TUDBtnType Button);
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void press(TUDBtnType button);
    TUDBtnType buttonAt(int x, int y) const;

    tk::BoundedValue position_{0, 100};
    TUDOrientation orientation_ = udVertical;
    bool pressed_ = false;
    TUDBtnType button_ = btNext;  // the arrow pressed last
    TTimer* repeat_;
};
