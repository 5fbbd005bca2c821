// Images paint their picture on their own surface.
#include "toolkit/TImage.h"

#include "toolkit/TBitmap.h"
#include "toolkit/TGraphic.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPicture(const TPicture& Value) {
    picture_->Assign(Value);
    Invalidate();
}

TCanvas* TImage::Canvas() {
    if (picture_->Empty()) {
        TBitmap bitmap;
        bitmap.SetSize(Width(), Height());
        picture_->SetGraphic(&bitmap);
    }
    // Whatever is drawn now shows at the next paint.
    Invalidate();
    return picture_->Bitmap()->Canvas();
}

void TImage::SetStretch(bool Value) {
    stretch_ = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    center_ = Value;
    Invalidate();
}

void TImage::Paint() {
    const TGraphic* graphic = picture_->Graphic();
    if (graphic == nullptr || graphic->Empty())
        return;
    TCanvas& canvas = *TGraphicControl::Canvas();
    if (stretch_) {
        canvas.StretchDraw(ClientRect(), *graphic);
        return;
    }
    const int x = center_ ? (Width() - graphic->Width()) / 2 : 0;
    const int y = center_ ? (Height() - graphic->Height()) / 2 : 0;
    canvas.Draw(x, y, *graphic);
}
