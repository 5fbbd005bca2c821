// The pick balloon: a borderless stay-on-top window shaped as a speech bubble whose tail tip, the
// window corner (0, 0) or (0, 120), points at the pressed point, with the address and purpose of
// the picked object in its text.
#pragma once

#include <array>

#include "toolkit/TForm.h"
#include "toolkit/TPoint.h"

class TRichEdit;

class TfmHint : public TForm {
public:
    TfmHint(TComponent* AOwner, bool TailDown);

    // Shapes the bubble with the tail down (tip at (0, 120)) or up (tip at (0, 0)); only a change
    // of direction reshapes it.
    void SetTailDown(bool Value);
    bool TailDown() const { return tailDown_; }
    // The outline, tail tip first and last, in window pixels.
    const std::array<TPoint, 8>& Shape() const { return shape_; }

    TRichEdit* RichEdit1 = nullptr;

private:
    // Stores the outline for the direction, places the text inside the body and clears it.
    void CalcShape(bool TailDown);
    // Makes the outline the window's region (winding fill), with redraw.
    void FormCreate();
    void FormPaint();
    void FormMouseDown();

    std::array<TPoint, 8> shape_{};
    bool tailDown_ = false;
};
