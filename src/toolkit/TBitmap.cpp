// Bitmaps: pixels in a QImage that the bitmap's canvas draws on, BMP files, transparency.
#include "toolkit/TBitmap.h"
#include "toolkit/TBitmap_p.h"

#include <QPainter>

#include <cstring>

#include "toolkit/BmpCodec.h"
#include "toolkit/CanvasRaster_p.h"
#include "toolkit/TResourceStream.h"

namespace tk {

void setBitmapImage(TBitmap& bitmap, QImage image) {
    BitmapImpl& impl = bitmap.Impl();
    impl.image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    impl.monochrome = false;
}

} // namespace tk

TBitmap::TBitmap() : impl_(std::make_unique<tk::BitmapImpl>()) { impl_->canvas.Impl().image = &impl_->image; }

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return impl_->image.width(); }

int TBitmap::Height() const { return impl_->image.height(); }

bool TBitmap::Empty() const { return impl_->image.isNull(); }

bool TBitmap::Monochrome() const { return impl_->monochrome; }

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    if (width <= 0 || height <= 0) {
        impl_->image = QImage();
        return;
    }
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!impl_->image.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, impl_->image);
    }
    impl_->image = resized;
}

TCanvas* TBitmap::Canvas() { return &impl_->canvas; }

void TBitmap::Assign(const TPersistent& source) {
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        if (bitmap == this) return;
        impl_->image = bitmap->impl_->image;
        impl_->monochrome = bitmap->impl_->monochrome;
        transparent_ = bitmap->transparent_;
        transparentColor_ = bitmap->transparentColor_;
        transparentMode_ = bitmap->transparentMode_;
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::LoadFromStream(TStream& stream) {
    const tk::BmpImage bmp = tk::readBmp(stream);
    QImage image(bmp.width, bmp.height, QImage::Format_RGB32);
    for (int y = 0; y < bmp.height; ++y) {
        std::memcpy(image.scanLine(y), bmp.pixels.data() + static_cast<size_t>(y) * bmp.width,
                    static_cast<size_t>(bmp.width) * 4);
    }
    impl_->image = image;
    impl_->monochrome = bmp.bitsPerPixel == 1;
}

void TBitmap::LoadFromResourceName(const AnsiString& resName) {
    TResourceStream stream(resName, RT_BITMAP);
    LoadFromStream(stream);
}

void TBitmap::LoadFromResourceID(int resId) {
    TResourceStream stream(resId, RT_BITMAP);
    LoadFromStream(stream);
}

void TBitmap::SaveToStream(TStream& stream) const {
    tk::BmpImage bmp;
    bmp.width = Width();
    bmp.height = Height();
    bmp.pixels.resize(static_cast<size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y) {
        std::memcpy(bmp.pixels.data() + static_cast<size_t>(y) * bmp.width, impl_->image.constScanLine(y),
                    static_cast<size_t>(bmp.width) * 4);
    }
    tk::writeBmp(stream, bmp);
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed) return transparentColor_;
    if (Empty()) return clDefault;
    return tk::colorOfPixel(impl_->image.pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor value) {
    transparentColor_ = value;
    transparentMode_ = value == clDefault ? tmAuto : tmFixed;
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == transparentMode_) return;
    SetTransparentColor(value == tmAuto ? clDefault : TransparentColor());
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(*this);
    return copy;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    std::optional<QRgb> key;
    if (transparent_) key = tk::pixelOfColor(TransparentColor()) & 0x00FFFFFF;
    tk::stretchBlt(canvas.Impl(), rect, impl_->image, Rect(0, 0, Width(), Height()), canvas.CopyMode(), key);
}
