// Pictures: one owned graphic, copied in by Assign.
#include "toolkit/TPicture.h"

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == graphic_.get()) return;
    graphic_ = graphic ? graphic->Clone() : nullptr;
}

TBitmap* TPicture::Bitmap() {
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return bitmap;
    graphic_ = std::make_unique<TBitmap>();
    return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::Assign(const TPersistent& source) {
    if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}
