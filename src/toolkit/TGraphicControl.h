// The graphic control: a control that never takes the focus and paints itself on its Canvas in
// Paint, as labels, shapes and images do.
#pragma once

#include "toolkit/TCanvas.h"
#include "toolkit/TControl.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);

    TCanvas* Canvas() const;

protected:
    virtual void Paint();
};
