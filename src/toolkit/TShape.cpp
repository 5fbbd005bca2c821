// Shapes fit inside the control, less half the pen on every side so the outline shows whole.
#include "toolkit/TShape.h"

#include <algorithm>

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 65, 65);
    brush_.SetColor(clWhite);
}

void TShape::SetShape(TShapeType Value) {
    shape_ = Value;
    Invalidate();
}

void TShape::SetPen(const TPen& Value) {
    pen_.Assign(Value);
    Invalidate();
}

void TShape::SetBrush(const TBrush& Value) {
    brush_.Assign(Value);
    Invalidate();
}

void TShape::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Pen()->Assign(pen_);
    canvas.Brush()->Assign(brush_);
    const int inset = pen_.Width() / 2;
    int x = inset, y = inset;
    int w = Width() - std::max(pen_.Width(), 1) + 1;
    int h = Height() - std::max(pen_.Width(), 1) + 1;
    const bool square = shape_ == stSquare || shape_ == stCircle;
    if (square) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (shape_) {
    case stEllipse:
    case stCircle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    default:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    }
}
