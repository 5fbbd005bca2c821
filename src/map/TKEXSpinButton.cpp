// The diagonal spin button. Press state:
//
//   sbNone --press in a half--> sbTop / sbBottom   (the half's click fires at once; the repeat
//                                                   timer starts: 400 ms, then every 100 ms)
//   sbTop/sbBottom --move onto the other half or out--> sbNone (the press goes on, shown up)
//   sbNone (while dragging) --move back onto the pressed half--> that half
//   any --release inside--> sbNone, timer off;  a click that finds the left button up --> sbNone
//
// The timer fires a click only while a half shows pressed and the button holds the mouse.
#include "map/TKEXSpinButton.h"

#include "map/Rounding.h"
#include "toolkit/TResourceStream.h"
#include "toolkit/TTimer.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WinApi.h"

namespace {

constexpr unsigned kFirstRepeatMs = 400;
constexpr unsigned kRepeatMs = 100;

void line(TCanvas& canvas, TColor color, TPoint from, TPoint to) {
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

void polyline(TCanvas& canvas, TColor color, TPoint a, TPoint b, TPoint c) {
    const TPoint points[] = {a, b, c};
    canvas.Pen()->SetColor(color);
    canvas.Polyline(points);
}

// A program built without the glyphs gets a button without them.
void loadBuiltIn(TBitmap& glyph, const char* name) {
    if (FindResource(RT_BITMAP, name).empty()) {
        glyph.SetSize(0, 0);
        return;
    }
    glyph.LoadFromResourceName(name);
    glyph.SetTransparent(true);
}

} // namespace

void DrawSpinButton(TCanvas& Canvas, int Width, int Height, TSpinButtonState State,
                    const TBitmap& UpGlyph, const TBitmap& DownGlyph) {
    const int w = Width;
    const int h = Height;
    const bool top = State == sbTop;
    const bool bottom = State == sbBottom;
    Canvas.Pen()->SetStyle(psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Brush()->SetStyle(bsSolid);
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(Rect(0, 0, w, h));
    Canvas.Brush()->SetColor(clWindowFrame);
    Canvas.FrameRect(Rect(0, 0, w, h));
    line(Canvas, clWindowFrame, Point(-1, h), Point(w, -1));

    polyline(Canvas, top ? clBtnShadow : clBtnHighlight, Point(1, h - 4), Point(1, 1), Point(w - 3, 1));
    if (!top)
        line(Canvas, clBtnShadow, Point(1, h - 3), Point(w - 2, 0));

    polyline(Canvas, bottom ? clBtnHighlight : clBtnShadow, Point(2, h - 2), Point(w - 2, h - 2),
             Point(w - 2, 1));
    line(Canvas, bottom ? clBtnShadow : clBtnHighlight, Point(2, h - 2), Point(w - 1, 1));

    const int d = top ? 2 : 1;
    Canvas.Draw(mapi::roundToInt(w / 4.0 - UpGlyph.Width() / 2.0) + d,
                mapi::roundToInt(h / 4.0 - UpGlyph.Height() / 2.0) + d, UpGlyph);
    Canvas.Draw(mapi::roundToInt(3.0 * w / 4.0 - DownGlyph.Width() / 2.0) - 1,
                mapi::roundToInt(3.0 * h / 4.0 - DownGlyph.Height() / 2.0) - 1, DownGlyph);
    if (bottom)
        line(Canvas, clBtnShadow, Point(3, h - 2), Point(w - 1, 2));
}

TKEXSpinButton::TKEXSpinButton(TComponent* AOwner)
    : TGraphicControl(AOwner), upGlyph_(std::make_unique<TBitmap>()),
      downGlyph_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 20, 20);
    loadBuiltIn(*upGlyph_, "KEXSPINUP");
    loadBuiltIn(*downGlyph_, "KEXSPINDOWN");
}

TKEXSpinButton::~TKEXSpinButton() { SetFocusControl(nullptr); }

void TKEXSpinButton::SetUpGlyph(const TBitmap* Value) { setGlyph(*upGlyph_, Value, "KEXSPINUP"); }

void TKEXSpinButton::SetDownGlyph(const TBitmap* Value) { setGlyph(*downGlyph_, Value, "KEXSPINDOWN"); }

void TKEXSpinButton::setGlyph(TBitmap& glyph, const TBitmap* value, const char* builtIn) {
    if (value != nullptr)
        glyph.Assign(*value);
    else
        loadBuiltIn(glyph, builtIn);
    glyphsChanged();
}

void TKEXSpinButton::SetFocusControl(TWinControl* Value) {
    if (focusControl_ == Value)
        return;
    if (focusControl_ != nullptr)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (focusControl_ != nullptr)
        focusControl_->FreeNotification(this);
}

void TKEXSpinButton::SetEnabled(bool Value) {
    TGraphicControl::SetEnabled(Value);
    glyphsChanged();
}

void TKEXSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_)
        focusControl_ = nullptr;
}

void TKEXSpinButton::glyphsChanged() {
    glyphsChanged_ = true;
    Invalidate();
}

TBitmap& TKEXSpinButton::cached(TSpinButtonState state) {
    if (state == sbTop)
        return topPressed_;
    if (state == sbBottom)
        return bottomPressed_;
    return nonePressed_;
}

void TKEXSpinButton::Paint() {
    if (!Enabled())
        dragging_ = false;
    const bool sizeChanged = nonePressed_.Width() != Width() || nonePressed_.Height() != Height();
    if (sizeChanged || glyphsChanged_) {
        for (TSpinButtonState state : {sbTop, sbBottom, sbNone}) {
            TBitmap& bitmap = cached(state);
            bitmap.SetSize(Width(), Height());
            DrawSpinButton(*bitmap.Canvas(), Width(), Height(), state, *upGlyph_, *downGlyph_);
        }
    }
    glyphsChanged_ = false;
    Canvas()->Draw(0, 0, cached(state_));
}

TSpinButtonState TKEXSpinButton::halfAt(int x, int y) const {
    const double w = Width();
    const double h = Height();
    if (w <= 0)
        return sbTop;
    return y <= h - (h / w) * x ? sbTop : sbBottom;
}

bool TKEXSpinButton::isInside(int x, int y) const {
    return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TKEXSpinButton::showState(TSpinButtonState state) {
    if (state_ == state)
        return;
    state_ = state;
    Repaint();
}

void TKEXSpinButton::clickPressed() {
    const TNotifyEvent& click = state_ == sbTop ? OnTopClick : OnBottomClick;
    if (click)
        click(this);
    if (GetKeyState(VK_LBUTTON) >= 0)
        state_ = sbNone;
}

void TKEXSpinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() &&
        !focusControl_->Focused())
        focusControl_->SetFocus();
    if (state_ == sbNone) {
        lastPressed_ = sbNone;
        state_ = halfAt(X, Y);
        clickPressed();
        if (state_ != lastPressed_) {
            lastPressed_ = state_;
            Repaint();
        }
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->OnTimer = [this](TPersistent*) { repeatTick(); };
        }
        repeatTimer_->SetInterval(kFirstRepeatMs);
        repeatTimer_->SetEnabled(true);
    }
    dragging_ = true;
}

void TKEXSpinButton::repeatTick() {
    repeatTimer_->SetInterval(kRepeatMs);
    if (state_ != sbNone && MouseCapture())
        clickPressed();
}

void TKEXSpinButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    if (!isInside(X, Y)) {
        showState(sbNone);
        return;
    }
    showState(halfAt(X, Y) == lastPressed_ ? lastPressed_ : sbNone);
}

void TKEXSpinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    // Nothing would fire until the next press, which sets the timer up again.
    if (repeatTimer_ != nullptr)
        repeatTimer_->SetEnabled(false);
    if (isInside(X, Y)) {
        state_ = sbNone;
        lastPressed_ = sbNone;
        Repaint();
    }
}
