// The glyph becomes the Qt button's icon. A watch on the button's paint events rebuilds the icon
// whenever the glyph's pixels have changed since the last time, so that a glyph loaded in place
// needs no call of its own.
#include "toolkit/TBitBtn.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

#include "toolkit/TBitmap.h"
#include "toolkit/TBitmap_p.h"
#include "toolkit/TControl_p.h"

namespace {

// The glyph with its bottom-left colour made transparent.
QIcon iconOf(const QImage& glyph) {
    if (glyph.isNull()) return {};
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == key) row[x] = 0;
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

class TBitBtn::GlyphWatch : public QObject {
public:
    explicit GlyphWatch(TBitBtn& button) : button_(button) {}

    void refresh() {
        const QImage& image = tk::bitmapImage(*button_.glyph_);
        if (image.cacheKey() == shownKey_) return;
        shownKey_ = image.cacheKey();
        auto* widget = static_cast<QPushButton*>(button_.peer().widget());
        widget->setIcon(iconOf(image));
        if (!image.isNull()) widget->setIconSize(image.size());
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) refresh();
        return false;
    }

private:
    TBitBtn& button_;
    qint64 shownKey_ = 0;
};

TBitBtn::TBitBtn(TComponent* AOwner)
    : TButton(AOwner), glyph_(std::make_unique<TBitmap>()), watch_(std::make_unique<GlyphWatch>(*this)) {
    SetBounds(0, 0, 75, 25);
    peer().widget()->installEventFilter(watch_.get());
}

TBitBtn::~TBitBtn() { peer().widget()->removeEventFilter(watch_.get()); }

void TBitBtn::SetGlyph(TBitmap* Value) {
    if (Value == nullptr)
        glyph_ = std::make_unique<TBitmap>();
    else
        glyph_->Assign(*Value);
    watch_->refresh();
}
