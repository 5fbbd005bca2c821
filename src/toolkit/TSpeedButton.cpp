// Speed buttons paint themselves: a raised frame when up (for flat ones only under the mouse),
// a lowered one while pressed or held down.
//
//   up --left press--> pressed --release inside--> Click: grouped: down; else up
//                              --release outside--> up (or down, as before)
//   down --click with AllowAllUp--> up;  down --another of the group goes down--> up
#include "toolkit/TSpeedButton.h"

#include "toolkit/Frame3D.h"
#include "toolkit/TWinControl.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    // A glyph loaded in place shows without its background as an assigned one does.
    glyph_->SetTransparent(true);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    Invalidate();
}

void TSpeedButton::SetGlyph(const TBitmap& Value) {
    glyph_->Assign(Value);
    glyph_->SetTransparent(true);
    Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
    flat_ = Value;
    Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_)
        return;
    down_ = Value;
    if (down_ && Parent() != nullptr) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            if (other != nullptr && other != this && other->groupIndex_ == groupIndex_)
                other->SetDown(false);
        }
    }
    Invalidate();
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0)
        SetDown(!down_ || !allowAllUp_);
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        pressed_ = true;
        Repaint();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::CMMouseEnter(TMessage&) {
    hot_ = true;
    if (flat_)
        Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage&) {
    hot_ = false;
    if (flat_)
        Invalidate();
}

void TSpeedButton::Paint() {
    TCanvas& canvas = *Canvas();
    const bool sunken = pressed_ || down_;
    const bool framed = !flat_ || hot_ || sunken;
    if (framed) {
        TRect edge = ClientRect();
        Frame3D(&canvas, edge, sunken ? clBtnShadow : clBtnHighlight, sunken ? clBtnHighlight : clBtnShadow, 1);
    }
    const int shift = sunken ? 1 : 0;
    canvas.Font()->Assign(*Font());
    const TSize text = caption_.empty() ? TSize{} : canvas.TextExtent(caption_);
    const int glyphHeight = glyph_->Empty() ? 0 : glyph_->Height();
    const int gap = glyphHeight > 0 && text.cy > 0 ? 2 : 0;
    int y = (Height() - glyphHeight - gap - text.cy) / 2 + shift;
    if (glyphHeight > 0) {
        canvas.Draw((Width() - glyph_->Width()) / 2 + shift, y, *glyph_);
        y += glyphHeight + gap;
    }
    if (text.cx > 0) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut((Width() - text.cx) / 2 + shift, y, caption_);
        canvas.Brush()->SetStyle(bsSolid);
    }
}
