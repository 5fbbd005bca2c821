// Panels paint their bevels as light and dark edges and their caption centred vertically.
#include "toolkit/TPanel.h"

#include <algorithm>

#include "toolkit/Frame3D.h"

namespace {

void drawBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel, int width) {
    if (bevel == bvNone)
        return;
    const bool raised = bevel == bvRaised;
    Frame3D(&canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TPanel::changed() {
    Realign();
    Invalidate();
}

void TPanel::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    Invalidate();
}

void TPanel::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    Invalidate();
}

void TPanel::SetBevelOuter(TPanelBevel Value) {
    bevelOuter_ = Value;
    changed();
}

void TPanel::SetBevelInner(TPanelBevel Value) {
    bevelInner_ = Value;
    changed();
}

void TPanel::SetBevelWidth(int Value) {
    bevelWidth_ = std::max(Value, 1);
    changed();
}

void TPanel::SetBorderWidth(int Value) {
    borderWidth_ = std::max(Value, 0);
    changed();
}

void TPanel::AdjustClientRect(TRect& Rect) const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    Rect = ::Rect(Rect.Left + inset, Rect.Top + inset, Rect.Right - inset, Rect.Bottom - inset);
}

void TPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    drawBevel(canvas, rect, bevelOuter_, bevelWidth_);
    rect = Rect(rect.Left + borderWidth_, rect.Top + borderWidth_, rect.Right - borderWidth_, rect.Bottom - borderWidth_);
    drawBevel(canvas, rect, bevelInner_, bevelWidth_);
    if (caption_.empty())
        return;
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    const TSize size = canvas.TextExtent(caption_);
    int x = rect.Left + 1;
    if (alignment_ == taCenter)
        x = rect.Left + (rect.Width() - size.cx) / 2;
    else if (alignment_ == taRightJustify)
        x = rect.Right - 1 - size.cx;
    canvas.TextOut(x, rect.Top + (rect.Height() - size.cy) / 2, caption_);
    canvas.Brush()->SetStyle(bsSolid);
}
