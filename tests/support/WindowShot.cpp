// Window pictures through Qt's widget grab, which paints the window and its children anew and
// includes the overlays drawn above them.
#include "support/WindowShot.h"

#include <QImage>
#include <QWidget>

#include "toolkit/TControl_p.h"

namespace testsupport {

struct WindowShot::Image {
    QImage pixels;
};

WindowShot::WindowShot(const TControl& window) : image_(std::make_unique<Image>()) {
    QWidget* widget = window.peer().widget();
    const TPoint origin = window.clientOrigin();
    const QRect client(origin.X, origin.Y, window.ClientWidth(), window.ClientHeight());
    image_->pixels = widget->grab(client).toImage().convertToFormat(QImage::Format_RGB32);
}

WindowShot::~WindowShot() = default;

TColor WindowShot::Pixel(int x, int y) const {
    const QRgb rgb = image_->pixels.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool WindowShot::operator==(const WindowShot& other) const { return image_->pixels == other.image_->pixels; }

} // namespace testsupport
