// The shadowed label draws its caption twice through DrawText, the shadow first, and follows the
// mouse through the control's enter and leave messages and, where those cannot tell (a press
// held while leaving, a change of Enabled), by asking which control is under the cursor.
#include "widgets/TExCustomLabel.h"

#include <algorithm>

#include "toolkit/DrawText.h"
#include "toolkit/WinApi.h"
#include "widgets/IsForegroundTask.h"

namespace {

unsigned alignmentFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

TRect offsetRect(const TRect& r, int dx, int dy) { return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy); }

TRect unionRect(const TRect& a, const TRect& b) {
    return Rect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom));
}

TRect inflateRect(const TRect& r, int d) { return Rect(r.Left - d, r.Top - d, r.Right + d, r.Bottom + d); }

// Draws the text in the shadow colour offset by size towards position, then in the canvas's font
// colour in place; Rect becomes the union of both. Returns the height of the shadow drawing.
int drawShadowText(TCanvas& canvas, const AnsiString& text, TRect& rect, unsigned flags, TColor shadowColor,
                   int size, TShadowPosition position) {
    const int dx = position == spRightBottom || position == spRightTop ? size : -size;
    const int dy = position == spLeftBottom || position == spRightBottom ? size : -size;
    TRect text1 = rect;
    TRect text2 = offsetRect(rect, dx, dy);
    const TColor fontColor = canvas.Font()->Color();
    canvas.Font()->SetColor(shadowColor);
    int height = DrawText(canvas, text, text2, flags);
    if (height > 0)
        height += size;
    canvas.Font()->SetColor(fontColor);
    DrawText(canvas, text, text1, flags);
    rect = unionRect(text1, text2);
    return height;
}

// Stores value in field; true when that changed it.
template <class T>
bool assignChanged(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TExCustomLabel::TExCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

TColor TExCustomLabel::GetDefaultFontColor() const { return Font()->Color(); }

AnsiString TExCustomLabel::GetLabelText() const { return caption_; }

void TExCustomLabel::MouseEnter() {
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TExCustomLabel::MouseLeave() {
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TExCustomLabel::SetCaption(const AnsiString& Value) {
    if (Value == caption_)
        return;
    caption_ = Value;
    Invalidate();
    adjustBounds();
}

void TExCustomLabel::SetFocusControl(TWinControl* Value) {
    focusControl_ = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    if (showFocus_)
        Invalidate();
}

void TExCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl_)
        focusControl_ = nullptr;
}

void TExCustomLabel::SetAlignment(TAlignment Value) {
    if (assignChanged(alignment_, Value))
        Invalidate();
}

void TExCustomLabel::SetLayout(TTextLayout Value) {
    if (assignChanged(layout_, Value))
        Invalidate();
}

void TExCustomLabel::SetShadowColor(TColor Value) {
    if (assignChanged(shadowColor_, Value))
        Invalidate();
}

void TExCustomLabel::SetShadowPos(TShadowPosition Value) {
    if (assignChanged(shadowPos_, Value))
        Invalidate();
}

void TExCustomLabel::SetShowAccelChar(bool Value) {
    if (assignChanged(showAccelChar_, Value))
        Invalidate();
}

void TExCustomLabel::SetShowFocus(bool Value) {
    if (assignChanged(showFocus_, Value))
        Invalidate();
}

void TExCustomLabel::SetTransparent(bool Value) {
    if (Value == Transparent())
        return;
    SetControlStyle(Value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TExCustomLabel::SetAutoSize(bool Value) {
    if (assignChanged(autoSize_, Value))
        adjustBounds();
}

void TExCustomLabel::SetWordWrap(bool Value) {
    if (assignChanged(wordWrap_, Value))
        adjustBounds();
}

void TExCustomLabel::SetShadowSize(std::uint8_t Value) {
    if (!assignChanged(shadowSize_, Value))
        return;
    adjustBounds();
    Invalidate();
}

void TExCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    adjustBounds();
}

void TExCustomLabel::SetEnabled(bool Value) {
    const bool changed = Value != Enabled();
    TGraphicControl::SetEnabled(Value);
    if (!changed)
        return;
    Invalidate();
    updateTracking();
}

void TExCustomLabel::SetVisible(bool Value) {
    const bool shown = Value && !Visible();
    TGraphicControl::SetVisible(Value);
    if (shown)
        updateTracking();
}

void TExCustomLabel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_FOCUSCHANGED:
        focusChanged(Message);
        break;
    case CM_DIALOGCHAR:
        if (dialogChar(Message))
            return;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        TGraphicControl::WndProc(Message);
        updateTracking();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(Message);
}

void TExCustomLabel::focusChanged(const TMessage& message) {
    const bool focused =
        focusControl_ != nullptr && reinterpret_cast<const TControl*>(message.LParam) == focusControl_;
    if (focused == focused_)
        return;
    focused_ = focused;
    if (showFocus_)
        Invalidate();
}

bool TExCustomLabel::dialogChar(TMessage& message) {
    if (focusControl_ == nullptr || !Enabled() || !showAccelChar_ || !IsAccel(unsigned(message.WParam), caption_) ||
        !focusControl_->CanFocus())
        return false;
    focusControl_->SetFocus();
    message.Result = 1;
    return true;
}

void TExCustomLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled())
        leftButtonHeld_ = true;
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TExCustomLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        leftButtonHeld_ = false;
    updateTracking();
}

void TExCustomLabel::CMMouseEnter(TMessage& Message) {
    TGraphicControl::CMMouseEnter(Message);
    if (mouseInside_ || !Enabled() || !IsForegroundTask())
        return;
    mouseInside_ = true;
    MouseEnter();
}

void TExCustomLabel::CMMouseLeave(TMessage& Message) {
    TGraphicControl::CMMouseLeave(Message);
    if (!mouseInside_ || !Enabled() || leftButtonHeld_)
        return;
    mouseInside_ = false;
    MouseLeave();
}

void TExCustomLabel::updateTracking() {
    TPoint cursor;
    GetCursorPos(&cursor);
    const bool inside = Enabled() && FindDragTarget(cursor, /*AllowDisabled=*/true) == this && IsForegroundTask();
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

TRect TExCustomLabel::textRect() const {
    return inflateRect(Rect(leftMargin_, 0, ClientWidth() - rightMargin_, ClientHeight()), -1);
}

int TExCustomLabel::doDrawText(TRect& Rect, unsigned Flags) {
    AnsiString text = GetLabelText();
    // Measured with a blank, an empty caption keeps the height of one line.
    if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += ' ';
    if (!showAccelChar_)
        Flags |= DT_NOPREFIX;
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    canvas.Font()->SetColor(GetDefaultFontColor());
    TShadowPosition position = shadowPos_;
    int size = shadowSize_;
    TColor shadow = shadowColor_;
    if (!Enabled()) {
        canvas.Font()->SetColor(clGrayText);
        shadow = clBtnHighlight;
        // Without a shadow of its own a disabled caption is embossed, as the desktop draws one.
        if (size == 0 && NewStyleControls) {
            position = spRightBottom;
            size = 1;
        }
    }
    return drawShadowText(canvas, text, Rect, Flags, ColorToRGB(shadow), size, position);
}

void TExCustomLabel::Paint() {
    if (!Enabled() && !(ComponentState() & csDesigning))
        leftButtonHeld_ = false;
    TCanvas& canvas = *Canvas();
    if (!Transparent()) {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
    }
    canvas.Brush()->SetStyle(bsClear);
    TRect rect = textRect();
    const unsigned flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignmentFlag(alignment_);
    if (layout_ != tlTop) {
        TRect measured = rect;
        doDrawText(measured, flags | DT_CALCRECT);
        const int spare = ClientHeight() - measured.Bottom;
        rect = offsetRect(textRect(), 0, layout_ == tlBottom ? spare : spare / 2);
    }
    doDrawText(rect, flags);
    if (showFocus_ && focusControl_ != nullptr && focusControl_->Focused() && !(ComponentState() & csDesigning)) {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.DrawFocusRect(inflateRect(rect, 1));
    }
}

void TExCustomLabel::adjustBounds() {
    if (!autoSize_ || (ComponentState() & csLoading))
        return;
    TRect rect = textRect();
    doDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
    rect = inflateRect(rect, 1);
    // A right-aligned label grows to the left.
    const int left = alignment_ == taRightJustify ? Left() + Width() - rect.Right : Left();
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}
