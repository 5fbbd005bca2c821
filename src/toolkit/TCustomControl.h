// The custom control: a windowed control that paints itself on its Canvas in Paint. The canvas
// draws into a surface the control keeps, so it can also be drawn on outside Paint (rubber
// bands, handles); that drawing shows at the next pass of the message loop.
#pragma once

#include "toolkit/TCanvas.h"
#include "toolkit/TWinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);

    TCanvas* Canvas() const;

protected:
    // Draws the control on Canvas; runs after an Invalidate, Repaint or resize.
    virtual void Paint();
};
