// The shape: a rectangle, square, ellipse or circle drawn with its own pen
// and brush (the settings window's colour field, for instance).
#pragma once

#include "toolkit/TBrush.h"
#include "toolkit/TGraphicControl.h"
#include "toolkit/TPen.h"

enum TShapeType { stRectangle, stSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType Value);
    // Changed in place, the pen and brush show at the next Invalidate; SetPen and SetBrush
    // repaint by themselves.
    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }
    void SetPen(const TPen& Value);
    void SetBrush(const TBrush& Value);

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};
