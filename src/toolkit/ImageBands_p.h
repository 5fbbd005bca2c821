// Window pictures copied onto a painter in bands of rows. Qt's raster engine hands every blit of
// more than about a hundred rows to worker threads and waits for them; for anything a window
// shows, that wait costs more than copying the rows on the painting thread.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace tk {

// Draws the source part of the image with its top-left corner at the point, as drawImage does.
void drawImageInBands(QPainter& painter, const QPoint& at, const QImage& image, const QRect& source);

} // namespace tk
