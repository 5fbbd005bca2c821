// The canvas's persistent painters: begun again only when the surface's pixels moved or the
// clip they need changed.
#include "toolkit/CanvasPainter_p.h"

#include "toolkit/TCanvas_p.h"

namespace tk {

bool CanvasPainter::isClipSame(const CanvasImpl& canvas, const QRect* within) const {
    if (clipped_ != canvas.clipped || (clipped_ && clip_ != canvas.clip)) return false;
    return within == nullptr ? !within_.has_value() : within_ == *within;
}

QPainter* CanvasPainter::open(QImage* target, const CanvasImpl& canvas, const QRect* within) {
    if (target == nullptr || target->isNull()) return nullptr;
    // bits() first: a target shared with a copy gets pixels of its own before anything is drawn.
    uchar* const bits = target->bits();
    const bool moved = !painter_.isActive() || view_.constBits() != bits || view_.size() != target->size() ||
                       view_.bytesPerLine() != target->bytesPerLine() || view_.format() != target->format();
    if (!moved && isClipSame(canvas, within)) return &painter_;
    // A new clip gets a new painter: Qt's raster painter, its clipping switched off and then
    // given a region, can paint outside that region.
    if (painter_.isActive()) painter_.end();
    if (moved) view_ = QImage(bits, target->width(), target->height(), target->bytesPerLine(), target->format());
    painter_.begin(&view_);
    painter_.setPen(Qt::NoPen);
    clipped_ = canvas.clipped;
    clip_ = clipped_ ? canvas.clip : QRegion();
    within_ = within != nullptr ? std::optional<QRect>(*within) : std::nullopt;
    if (clipKind_ == Clip::Drawable || within != nullptr) {
        QRegion region = canvas.drawableRegion();
        if (within != nullptr) region &= *within;
        painter_.setClipRegion(region);
    } else if (clipped_) {
        painter_.setClipRegion(clip_);
    }
    return &painter_;
}

} // namespace tk
