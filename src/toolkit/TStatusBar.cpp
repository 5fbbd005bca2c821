// Status bars paint each panel as a lowered frame with its text left-aligned and centred
// vertically.
#include "toolkit/TStatusBar.h"

#include "toolkit/Frame3D.h"

TStatusBar::TStatusBar(TComponent* AOwner)
    : TCustomControl(AOwner), panels_(std::make_unique<TStatusPanels>([this] { Invalidate(); })) {
    SetHeight(19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool Value) {
    simplePanel_ = Value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const AnsiString& Value) {
    simpleText_ = Value;
    Invalidate();
}

void TStatusBar::drawPanel(TCanvas& canvas, const TRect& rect, const AnsiString& text) {
    TRect inside = rect;
    Frame3D(&canvas, inside, clBtnShadow, clBtnHighlight, 1);
    canvas.TextRect(inside, inside.Left + 2, inside.Top + (inside.Height() - canvas.TextHeight("Wg")) / 2, text);
}

void TStatusBar::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    const int top = 2;
    if (simplePanel_) {
        drawPanel(canvas, Rect(0, top, Width(), Height()), simpleText_);
    } else {
        int left = 0;
        for (int i = 0; i < panels_->Count(); ++i) {
            const TStatusPanel& panel = *panels_->Items(i);
            const int right = i + 1 == panels_->Count() ? Width() : left + panel.Width();
            drawPanel(canvas, Rect(left, top, right, Height()), panel.Text());
            left = right + 2;
        }
    }
    canvas.Brush()->SetStyle(bsSolid);
}
