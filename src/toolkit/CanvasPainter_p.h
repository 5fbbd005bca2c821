// The QPainters a canvas draws its shapes, texts and coverage masks through, each kept open from
// call to call, since opening a painter costs more than filling a small shape.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

#include <optional>

namespace tk {

struct CanvasImpl;

// The painter works on a view of its target's pixels, never on the target QImage itself: the
// surface's owner may resize, replace or share its image at any time without knowing about the
// painter, and each open() checks that the view still shows the target's current pixels.
//
// Between calls the painter rests untransformed, with no pen and with its clip; a caller that
// changes more than the brush and the composition mode puts the rest back before it returns.
class CanvasPainter {
public:
    // How far the painter is clipped: shapes by the canvas's clip region alone, texts always to
    // the drawable region (the surface cut by the clip region), which decides how text at the
    // surface's edge is smoothed.
    enum class Clip { Region, Drawable };

    explicit CanvasPainter(Clip clip = Clip::Region) : clipKind_(clip) {}
    CanvasPainter(const CanvasPainter&) = delete;
    CanvasPainter& operator=(const CanvasPainter&) = delete;

    // The painter on target (the canvas's surface, or a mask of the same size), clipped further
    // to within when given; nullptr when target is null or empty.
    QPainter* open(QImage* target, const CanvasImpl& canvas, const QRect* within = nullptr);

private:
    bool isClipSame(const CanvasImpl& canvas, const QRect* within) const;

    Clip clipKind_;
    // Declared before the painter, so that the painter ends before the view goes.
    QImage view_;
    QPainter painter_;
    // The clip the painter was begun with.
    bool clipped_ = false;
    QRegion clip_;
    std::optional<QRect> within_;
};

} // namespace tk
