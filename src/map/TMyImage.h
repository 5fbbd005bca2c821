// The buffered base control of the map views: it owns a picture used as back buffer, copies it
// to the screen when painted, and asks for every key so that arrows and characters reach it.
#pragma once

#include "toolkit/Messages.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TCustomControl.h"
#include "toolkit/TPicture.h"
#include "toolkit/TRect.h"

class TMyImage : public TCustomControl {
public:
    explicit TMyImage(TComponent* AOwner);

    // The back buffer; its graphic is the bitmap the map renders into.
    TPicture* Picture() { return &picture_; }
    // The control's own canvas, on which overlays are drawn.
    TCanvas* GetCanvas() const { return Canvas(); }
    // Copies rect of the back buffer to the same rect of the control's canvas.
    void PaintRect(const TRect& rect);

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    TPicture picture_;
};
