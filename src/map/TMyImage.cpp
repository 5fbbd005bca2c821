// The buffered base control.
#include "map/TMyImage.h"

namespace {

// Arrow keys, all keys and characters go to the control, not to the dialog's navigation.
constexpr LRESULT kWantEveryKey = DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_WANTCHARS;

} // namespace

TMyImage::TMyImage(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(Left(), Top(), 305, 305);
}

void TMyImage::Paint() {
    if (const TGraphic* graphic = picture_.Graphic())
        Canvas()->Draw(0, 0, *graphic);
}

void TMyImage::PaintRect(const TRect& rect) {
    TBitmap* buffer = picture_.Bitmap();
    TCanvas& canvas = *Canvas();
    const TCopyMode mode = canvas.CopyMode();
    canvas.SetCopyMode(cmSrcCopy);
    canvas.CopyRect(rect, *buffer->Canvas(), rect);
    canvas.SetCopyMode(mode);
}

void TMyImage::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = kWantEveryKey;
        return;
    }
    TCustomControl::WndProc(Message);
}
