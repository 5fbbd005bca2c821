// Panels paint their frame, their bevels as light and dark edges, and their caption centred
// vertically.
#include "toolkit/TCustomPanel.h"

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

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    alignment_ = Value;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    bevelOuter_ = Value;
    changed();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    bevelInner_ = Value;
    changed();
}

void TCustomPanel::SetBevelWidth(int Value) {
    bevelWidth_ = std::max(Value, 1);
    changed();
}

void TCustomPanel::SetBorderWidth(int Value) {
    borderWidth_ = std::max(Value, 0);
    changed();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle Value) {
    borderStyle_ = Value == bsNone ? bsNone : bsSingle;
    changed();
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const {
    int inset = borderWidth_;
    if (borderStyle_ == bsSingle)
        ++inset;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    Rect = ::Rect(Rect.Left + inset, Rect.Top + inset, Rect.Right - inset, Rect.Bottom - inset);
}

void TCustomPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    if (borderStyle_ == bsSingle) {
        canvas.Brush()->SetColor(clWindowFrame);
        canvas.FrameRect(rect);
        canvas.Brush()->SetColor(Color());
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
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
