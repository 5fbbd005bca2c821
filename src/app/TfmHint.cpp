// The balloon's two shapes, its region and its painting. It is shown and hidden through the
// window calls only (never through Visible), so that showing it never takes the focus from the
// main window.
#include "app/TfmHint.h"

#include "toolkit/FillMode.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TRegion.h"
#include "toolkit/TRichEdit.h"
#include "toolkit/WinApi.h"

namespace {

// Light yellow, the window's and the text's background.
constexpr TColor kBalloonColor = TColor(0x00E0FFFF);

// The body is 50..300 across and 30..120 (tail up) or 0..90 (tail down) high; the tail leaves the
// body's edge between x 60 and 100 for the window corner.
constexpr std::array<TPoint, 8> kTailUp{{{0, 0}, {100, 30}, {300, 30}, {300, 120}, {50, 120}, {50, 30}, {60, 30}, {0, 0}}};
constexpr std::array<TPoint, 8> kTailDown{{{0, 120}, {100, 90}, {300, 90}, {300, 0}, {50, 0}, {50, 90}, {60, 90}, {0, 120}}};

} // namespace

TfmHint::TfmHint(TComponent* AOwner, bool TailDown) : TForm(AOwner), tailDown_(TailDown) {
    BeginLayout();
    SetCaption("fmHint");
    SetBorderStyle(bsNone);
    SetBorderIcons(0);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(283);
    SetClientHeight(171);
    SetColor(kBalloonColor);
    RichEdit1 = new TRichEdit(this);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetParent(this);
    RichEdit1->SetBorderStyle(bsNone);
    RichEdit1->SetCursor(crArrow);
    RichEdit1->SetColor(kBalloonColor);
    RichEdit1->OnMouseDown = [this](TPersistent*, TMouseButton, TShiftState, int, int) { FormMouseDown(); };
    OnMouseDown = [this](TPersistent*, TMouseButton, TShiftState, int, int) { FormMouseDown(); };
    OnPaint = [this](TPersistent*) { FormPaint(); };
    OnCreate = [this](TPersistent*) { FormCreate(); };
    CalcShape(TailDown);
    EndLayout();
}

void TfmHint::CalcShape(bool TailDown) {
    shape_ = TailDown ? kTailDown : kTailUp;
    if (TailDown)
        RichEdit1->SetBounds(55, 2, Width() - 55 - 2, Height() - 2 - 90);
    else
        RichEdit1->SetBounds(53, 33, Width() - 53 - 2, Height() - 33 - 60);
    RichEdit1->Clear();
}

void TfmHint::SetTailDown(bool Value) {
    if (Value == tailDown_)
        return;
    tailDown_ = Value;
    CalcShape(Value);
    FormCreate();
}

void TfmHint::FormCreate() {
    const TRegion region = CreatePolygonRgn(shape_, WINDING);
    SetWindowRgn(Handle(), &region, /*Redraw=*/true);
}

void TfmHint::FormPaint() {
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetWidth(2);
    canvas.Brush()->SetColor(Color());
    canvas.Rectangle(ClientRect());
    canvas.Polyline(shape_);
}

// The balloon was shown by the window call, so Visible is off already; the window call hides it.
void TfmHint::FormMouseDown() { ShowWindow(Handle(), SW_HIDE); }
