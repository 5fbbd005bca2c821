// Graphic controls paint through the surface peer.
#include "toolkit/TGraphicControl.h"

#include <QWidget>

#include "toolkit/SurfacePeer_p.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner, tk::makePeer<QWidget, tk::SurfacePeer>(*this)) {
    static_cast<tk::SurfacePeer&>(peer()).onPaint = [this] { Paint(); };
    peer().widget()->setFocusPolicy(Qt::NoFocus);
}

TCanvas* TGraphicControl::Canvas() const { return &static_cast<tk::SurfacePeer&>(peer()).canvas(); }

void TGraphicControl::Paint() {}
