// Scroll bars drawn once per look and then copied. The application's style paints a tall scroll
// bar as several large gradient fills, and the raster engine splits every fill of that size
// across worker threads; waiting for them costs far more than the drawing, and a list's scroll
// bar is painted at every scroll and every fill. A copy of the finished picture is a plain blit
// on the painting thread.
#pragma once

#include <QImage>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionSlider>

#include <cstdint>
#include <vector>

namespace tk {

class ScrollBarPictures : public QProxyStyle {
public:
    // Over the style the application would have without one set.
    ScrollBarPictures() = default;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;

private:
    // Everything the style's drawing of a scroll bar reads from its option and painter.
    struct Look {
        QSize size;
        qreal pixelRatio;
        int state;
        int subControls;
        int activeSubControls;
        int orientation;
        int direction;
        int minimum;
        int maximum;
        int sliderPosition;
        int sliderValue;
        int pageStep;
        bool upsideDown;
        // By its colours: every scroll bar of a text edit has a palette object of its own.
        QPalette palette;

        bool operator==(const Look&) const = default;
    };
    struct Picture {
        Look look;
        QImage image;
        std::uint64_t lastUse;
    };

    const QImage& pictureOf(const QStyleOptionSlider& bar, qreal pixelRatio, const QWidget* widget) const;

    mutable std::vector<Picture> pictures_;
    mutable std::uint64_t clock_ = 0;
};

} // namespace tk
