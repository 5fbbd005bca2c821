// Each picture keeps its own pixels and its mask as the colour key it was added with, so that a
// masked pixel is exactly one of that colour.
#include "toolkit/TImageList.h"

#include <QImage>

#include <algorithm>
#include <vector>

#include "toolkit/CanvasRaster_p.h"
#include "toolkit/TBitmap.h"
#include "toolkit/TBitmap_p.h"
#include "toolkit/TCanvas.h"

namespace tk {

struct ImageListImpl {
    struct Picture {
        QImage image;
        QRgb key = 0;  // 0xRRGGBB of the masked pixels
    };
    std::vector<Picture> pictures;
};

} // namespace tk

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner), impl_(std::make_unique<tk::ImageListImpl>()) {}

TImageList::~TImageList() = default;

// A new size makes the pictures already added meaningless, so they go, as on the platform.
void TImageList::SetWidth(int value) {
    if (value == width_) return;
    width_ = std::max(0, value);
    impl_->pictures.clear();
}

void TImageList::SetHeight(int value) {
    if (value == height_) return;
    height_ = std::max(0, value);
    impl_->pictures.clear();
}

int TImageList::Count() const { return static_cast<int>(impl_->pictures.size()); }

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (Image == nullptr || Image->Empty()) return -1;
    const QImage& source = tk::bitmapImage(*Image);
    if (width_ == 0) width_ = source.width();
    if (height_ == 0) height_ = source.height();
    const int first = Count();
    const int pieces = std::max(1, source.width() / width_);
    const QRgb key = tk::pixelOfColor(MaskColor) & tk::kRgbMask;
    for (int i = 0; i < pieces; ++i) {
        // copy() pads what lies beyond the source with zero pixels; fill them with the key so
        // that they count as masked.
        QImage piece(width_, height_, QImage::Format_RGB32);
        piece.fill(0xFF000000 | key);
        const QImage part = source.copy(i * width_, 0, std::min(width_, source.width() - i * width_),
                                        std::min(height_, source.height()));
        for (int y = 0; y < part.height(); ++y) {
            std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y)), part.width(),
                        reinterpret_cast<QRgb*>(piece.scanLine(y)));
        }
        impl_->pictures.push_back({std::move(piece), key});
    }
    return first;
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    if (Canvas == nullptr || Index < 0 || Index >= Count()) return;
    const tk::ImageListImpl::Picture& picture = impl_->pictures[static_cast<std::size_t>(Index)];
    const TRect dest = Rect(X, Y, X + width_, Y + height_);
    if (bkColor_ != clNone) {
        TBrush saved;
        saved.Assign(*Canvas->Brush());
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(bkColor_);
        Canvas->FillRect(dest);
        Canvas->Brush()->Assign(saved);
    }
    tk::stretchBlt(Canvas->Impl(), dest, picture.image, Rect(0, 0, width_, height_), cmSrcCopy, picture.key);
}
