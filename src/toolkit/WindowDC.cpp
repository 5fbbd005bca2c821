// Drawing over a window and every control on it (a splitter's XOR line): the canvas draws into a
// snapshot of the window taken when it is handed out, shown above the window's controls. The
// controls may repaint underneath meanwhile, unseen, so that a line drawn twice leaves every
// pixel as it was; releasing the canvas shows the window as it is by then.
#include "toolkit/WinApi.h"

#include <QAbstractEventDispatcher>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "toolkit/TCanvas.h"
#include "toolkit/TCanvas_p.h"
#include "toolkit/TControl_p.h"
#include "toolkit/TWinControl.h"
#include "toolkit/WindowRegistry_p.h"

namespace tk {
namespace {

class OverlayWidget : public QWidget {
public:
    OverlayWidget(QWidget* parent, const QImage& image) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    const QImage& image_;
};

struct Overlay {
    Overlay() = default;
    Overlay(const Overlay&) = delete;
    Overlay& operator=(const Overlay&) = delete;
    // The window may have gone first, taking its child widget with it.
    ~Overlay() {
        QObject::disconnect(refresh);
        delete widget.data();
    }

    QImage image;
    TCanvas canvas;
    QPointer<OverlayWidget> widget;
    QMetaObject::Connection refresh;
};

std::vector<std::unique_ptr<Overlay>>& overlays() {
    static std::vector<std::unique_ptr<Overlay>> list;
    return list;
}

} // namespace
} // namespace tk

TCanvas* GetDCEx(HWND Window, const TRegion*, unsigned) {
    TWinControl* window = tk::windowFromHandle(Window);
    if (window == nullptr)
        return nullptr;
    QWidget* host = window->peer().widget();
    const TPoint origin = window->clientOrigin();
    const QRect client(origin.X, origin.Y, std::max(window->ClientWidth(), 1), std::max(window->ClientHeight(), 1));
    auto overlay = std::make_unique<tk::Overlay>();
    overlay->image = host->grab(client).toImage().convertToFormat(QImage::Format_RGB32);
    overlay->canvas.Impl().image = &overlay->image;
    overlay->widget = new tk::OverlayWidget(host, overlay->image);
    overlay->widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->widget->setGeometry(client);
    overlay->widget->show();
    overlay->widget->raise();
    // What the caller draws shows each time the message loop has caught up.
    QPointer<QWidget> shown(overlay->widget.data());
    overlay->refresh = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                        [shown] {
                                            if (!shown.isNull())
                                                shown->update();
                                        });
    TCanvas* canvas = &overlay->canvas;
    tk::overlays().push_back(std::move(overlay));
    return canvas;
}

int ReleaseDC(HWND, TCanvas* Canvas) {
    auto& list = tk::overlays();
    const auto it = std::find_if(list.begin(), list.end(), [Canvas](const auto& o) { return &o->canvas == Canvas; });
    if (it == list.end())
        return 0;
    list.erase(it);
    return 1;
}
