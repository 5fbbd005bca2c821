// Custom controls paint through the surface peer.
#include "toolkit/TCustomControl.h"

#include <QWidget>

#include "toolkit/SurfacePeer_p.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner, tk::makePeer<QWidget, tk::SurfacePeer>(*this)) {
    static_cast<tk::SurfacePeer&>(peer()).onPaint = [this] { Paint(); };
}

TCanvas* TCustomControl::Canvas() const { return &static_cast<tk::SurfacePeer&>(peer()).canvas(); }

void TCustomControl::Paint() {}
