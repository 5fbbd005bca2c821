// Edges and buttons are painted as solid rectangles through the canvas's brush, which is put
// back afterwards so that the caller's drawing state is as it was.
#include "toolkit/DrawEdge.h"

#include <algorithm>

#include "toolkit/TCanvas.h"

namespace {

// Paints solid rectangles in any colour and gives the canvas its brush back at the end.
class SolidFill {
public:
    explicit SolidFill(TCanvas& canvas) : canvas_(canvas) { saved_.Assign(*canvas.Brush()); }
    ~SolidFill() { canvas_.Brush()->Assign(saved_); }
    SolidFill(const SolidFill&) = delete;
    SolidFill& operator=(const SolidFill&) = delete;

    void fill(int left, int top, int right, int bottom, TColor color) {
        canvas_.Brush()->SetStyle(bsSolid);
        canvas_.Brush()->SetColor(color);
        canvas_.FillRect(Rect(left, top, right, bottom));
    }

private:
    TCanvas& canvas_;
    TBrush saved_;
};

struct EdgeColors {
    TColor topLeft;
    TColor bottomRight;
};

// One ring of an edge on the sides flags names: top-left sides first, so that the bottom-right
// colour holds the top-right and bottom-left corners.
void ring(SolidFill& paint, const TRect& r, unsigned flags, EdgeColors colors) {
    if ((flags & BF_LEFT) != 0) paint.fill(r.Left, r.Top, r.Left + 1, r.Bottom, colors.topLeft);
    if ((flags & BF_TOP) != 0) paint.fill(r.Left, r.Top, r.Right, r.Top + 1, colors.topLeft);
    if ((flags & BF_RIGHT) != 0) paint.fill(r.Right - 1, r.Top, r.Right, r.Bottom, colors.bottomRight);
    if ((flags & BF_BOTTOM) != 0) paint.fill(r.Left, r.Bottom - 1, r.Right, r.Bottom, colors.bottomRight);
}

// The arrow's rows, each two pixels narrower than the one before, centred on the button.
void arrow(SolidFill& paint, const TRect& r, unsigned state) {
    const int size = std::max(1, std::min(r.Width(), r.Height()) / 4);
    const int shift = (state & DFCS_PUSHED) != 0 ? 1 : 0;
    const int cx = r.Left + r.Width() / 2 + shift;
    const int cy = r.Top + r.Height() / 2 + shift;
    const TColor color = (state & DFCS_INACTIVE) != 0 ? clBtnShadow : clBlack;
    for (int i = 0; i < size; ++i) {
        const int along = i - size / 2;  // from the tip side to the base side
        switch (state & 0x3) {
        case DFCS_SCROLLUP: paint.fill(cx - i, cy + along, cx + i + 1, cy + along + 1, color); break;
        case DFCS_SCROLLDOWN: paint.fill(cx - i, cy - along, cx + i + 1, cy - along + 1, color); break;
        case DFCS_SCROLLLEFT: paint.fill(cx + along, cy - i, cx + along + 1, cy + i + 1, color); break;
        default: paint.fill(cx - along, cy - i, cx - along + 1, cy + i + 1, color); break;
        }
    }
}

void edge(SolidFill& paint, TRect r, unsigned edges, unsigned flags) {
    const unsigned outer = edges & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const unsigned inner = edges & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    if (outer != 0) {
        ring(paint, r, flags, outer == BDR_RAISEDOUTER ? EdgeColors{cl3DLight, cl3DDkShadow} : EdgeColors{clBtnShadow, clBtnHighlight});
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    if (inner == 0 || r.Width() <= 0 || r.Height() <= 0) return;
    ring(paint, r, flags, inner == BDR_RAISEDINNER ? EdgeColors{clBtnHighlight, clBtnShadow} : EdgeColors{cl3DDkShadow, cl3DLight});
}

} // namespace

bool DrawEdge(TCanvas& Canvas, TRect& Rect, unsigned Edge, unsigned Flags) {
    if (Rect.Width() <= 0 || Rect.Height() <= 0) return true;
    SolidFill paint(Canvas);
    edge(paint, Rect, Edge, Flags);
    return true;
}

bool DrawFrameControl(TCanvas& Canvas, TRect& Rect, unsigned Type, unsigned State) {
    if (Type != DFC_SCROLL) return false;
    if (Rect.Width() <= 0 || Rect.Height() <= 0) return true;
    SolidFill paint(Canvas);
    paint.fill(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, clBtnFace);
    if ((State & (DFCS_FLAT | DFCS_PUSHED)) != 0) {
        ring(paint, Rect, BF_RECT, {clBtnShadow, clBtnShadow});
    } else {
        edge(paint, Rect, EDGE_RAISED, BF_RECT);
    }
    arrow(paint, Rect, State);
    return true;
}
