// A picture is found by its look, drawn by the style into a transparent image when there is none,
// and the least recently used one goes when the store is full.
#include "toolkit/ScrollBarPictures_p.h"

#include <QPainter>

#include <algorithm>

#include "toolkit/ImageBands_p.h"

namespace tk {
namespace {

// Enough for every scroll bar of a window in each of its states.
constexpr std::size_t kPictures = 24;

} // namespace

void ScrollBarPictures::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    // Animated (transient) scroll bars change from paint to paint, and a picture copied through a
    // scaling or turning painter would not match what the style draws there.
    if (control != CC_ScrollBar || bar == nullptr || bar->rect.isEmpty() ||
        painter->transform().type() > QTransform::TxTranslate ||
        proxy()->styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QImage& picture = pictureOf(*bar, painter->device()->devicePixelRatio(), widget);
    drawImageInBands(*painter, bar->rect.topLeft(), picture, picture.rect());
}

const QImage& ScrollBarPictures::pictureOf(const QStyleOptionSlider& bar, qreal pixelRatio,
                                           const QWidget* widget) const {
    const Look look{bar.rect.size(),
                    pixelRatio,
                    int(bar.state),
                    int(bar.subControls),
                    int(bar.activeSubControls),
                    int(bar.orientation),
                    int(bar.direction),
                    bar.minimum,
                    bar.maximum,
                    bar.sliderPosition,
                    bar.sliderValue,
                    bar.pageStep,
                    bar.upsideDown,
                    bar.palette};
    ++clock_;
    auto found = std::find_if(pictures_.begin(), pictures_.end(), [&look](const Picture& p) { return p.look == look; });
    if (found != pictures_.end()) {
        found->lastUse = clock_;
        return found->image;
    }
    if (pictures_.size() < kPictures) {
        found = pictures_.insert(pictures_.end(), Picture{});
    } else {
        found = std::min_element(pictures_.begin(), pictures_.end(),
                                 [](const Picture& a, const Picture& b) { return a.lastUse < b.lastUse; });
    }
    QImage image(bar.rect.size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QStyleOptionSlider atOrigin = bar;
    atOrigin.rect.moveTo(0, 0);
    QPainter painter(&image);
    QProxyStyle::drawComplexControl(CC_ScrollBar, &atOrigin, &painter, widget);
    painter.end();
    *found = Picture{look, std::move(image), clock_};
    return found->image;
}

} // namespace tk
