// The surface follows the client area's size, keeping what was drawn where it still fits. A
// resize or an invalidation makes the next paint run the control's Paint; drawing outside Paint
// only asks for the surface to be shown again, and only when pixels changed: a form's canvas is
// often taken just to measure text, and showing the surface of a form repaints the whole window.
#include "toolkit/SurfacePeer_p.h"

#include <QPainter>

#include "toolkit/ImageBands_p.h"
#include "toolkit/MessageQueue_p.h"
#include "toolkit/TCanvas_p.h"

namespace tk {

SurfacePeer::SurfacePeer(TControl& control, QWidget* widget) : ControlPeer(control, widget) {
    canvas_.Impl().image = &surface_;
    dirty = true;
}

TCanvas& SurfacePeer::canvas() {
    fitSurface();
    if (!painting_)
        showIfDrawnOn();
    return canvas_;
}

void SurfacePeer::showIfDrawnOn() {
    if (drawnCheckPending_)
        return;
    drawnCheckPending_ = true;
    // Every write to the pixels detaches the image, which changes its cache key.
    const qint64 before = surface_.cacheKey();
    postToLoop([this, alive = std::weak_ptr<const char>(alive_), before] {
        if (alive.expired())
            return;
        drawnCheckPending_ = false;
        if (surface_.cacheKey() != before)
            widget()->update();
    });
}

void SurfacePeer::fitSurface() {
    const QSize size = QSize(control().ClientWidth(), control().ClientHeight()).expandedTo(QSize(1, 1));
    if (surface_.size() == size)
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(qColor(control().Color()));
    if (!surface_.isNull()) {
        QPainter copy(&grown);
        copy.drawImage(0, 0, surface_);
    }
    surface_ = std::move(grown);
    dirty = true;
}

void SurfacePeer::renderIfDirty() {
    fitSurface();
    if (dirty) {
        dirty = false;
        if (!(control().ControlStyle() & csOpaque))
            surface_.fill(qColor(control().Color()));
        painting_ = true;
        try {
            if (onPaint)
                onPaint();
        } catch (...) {
            painting_ = false;
            throw;
        }
        painting_ = false;
    }
}

void SurfacePeer::repaint() {
    if (!widget()->isVisible())
        return;
    dirty = true;
    renderIfDirty();
    widget()->repaint();
}

void SurfacePeer::paint(QPaintEvent* event) {
    renderIfDirty();
    QPainter painter(widget());
    const TPoint origin = control().clientOrigin();
    const QRect client(QPoint(origin.X, origin.Y), surface_.size());
    const QRect shown = event->rect() & client;
    // The band above the client area and the border around it show the control's colour.
    if (shown != event->rect())
        painter.fillRect(event->rect(), qColor(control().Color()));
    drawImageInBands(painter, shown.topLeft(), surface_, shown.translated(-origin.X, -origin.Y));
}

} // namespace tk
