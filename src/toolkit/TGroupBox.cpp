// Group boxes draw a dark and a light rectangle one pixel apart (the etched frame), starting half
// a caption line down, and the caption over it on the face colour.
#include "toolkit/TGroupBox.h"

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::SetCaption(const AnsiString& Value) {
    caption_ = Value;
    Invalidate();
}

int TGroupBox::captionHeight() const {
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    return canvas.TextHeight("0");
}

void TGroupBox::AdjustClientRect(TRect& Rect) const {
    Rect = ::Rect(Rect.Left + 2, Rect.Top + captionHeight() + 2, Rect.Right - 2, Rect.Bottom - 2);
}

void TGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    const int top = captionHeight() / 2;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.Rectangle(0, top, Width() - 1, Height() - 1);
    canvas.Pen()->SetColor(clBtnHighlight);
    canvas.Rectangle(1, top + 1, Width(), Height());
    if (!caption_.empty()) {
        canvas.Font()->Assign(*Font());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.TextOut(8, 0, " " + caption_ + " ");
    }
    canvas.Brush()->SetStyle(bsSolid);
}
