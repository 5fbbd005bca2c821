// The peer of the controls that paint themselves (custom controls, graphic controls, forms):
// a persistent surface that the control's canvas draws into, in Paint and outside it, and that
// the widget's paint only shows.
#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "toolkit/TCanvas.h"
#include "toolkit/TControl_p.h"

namespace tk {

class SurfacePeer : public ControlPeer {
public:
    SurfacePeer(TControl& control, QWidget* widget);

    // The canvas on the surface. Drawn on outside Paint, it is shown at the next pass of the
    // message loop; only measured with, it shows nothing again.
    TCanvas& canvas();
    // The control's Paint.
    std::function<void()> onPaint;

    // Runs Paint when the control was invalidated or resized (erasing the surface first unless
    // the control is opaque), then shows the surface.
    void paint(QPaintEvent* event) override;
    // Paints the surface now, even before the window system has shown the window, then shows it.
    void repaint() override;

private:
    void fitSurface();
    void renderIfDirty();
    // Shows the surface again at the next pass of the loop if its pixels change before then.
    void showIfDrawnOn();

    QImage surface_;
    TCanvas canvas_;
    bool painting_ = false;
    bool drawnCheckPending_ = false;
    // Ends with the peer, so that a check already queued knows the peer is gone.
    std::shared_ptr<const char> alive_ = std::make_shared<const char>();
};

} // namespace tk
