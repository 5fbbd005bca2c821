#include "toolkit/ImageBands_p.h"

#include <algorithm>

namespace tk {
namespace {

// Well below the row count at which the engine splits the work.
constexpr int kBandRows = 64;

} // namespace

void drawImageInBands(QPainter& painter, const QPoint& at, const QImage& image, const QRect& source) {
    // A scaled picture's rows are not the device's; it is drawn whole.
    if (image.devicePixelRatio() != 1 || painter.device()->devicePixelRatio() != 1) {
        painter.drawImage(at, image, source);
        return;
    }
    for (int top = 0; top < source.height(); top += kBandRows) {
        const int rows = std::min(kBandRows, source.height() - top);
        painter.drawImage(at + QPoint(0, top), image, QRect(source.left(), source.top() + top, source.width(), rows));
    }
}

} // namespace tk
