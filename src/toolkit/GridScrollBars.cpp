// The grids' scroll bars over QScrollBar.
#include "toolkit/GridScrollBars_p.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWidget>

namespace tk {

GridScrollBars::GridScrollBars(QWidget* parent, std::function<void(bool, int)> moved)
    : parent_(parent), vertical_(new QScrollBar(Qt::Vertical, parent)), horizontal_(new QScrollBar(Qt::Horizontal, parent)) {
    for (QScrollBar* bar : {vertical_, horizontal_}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        const bool vertical = bar == vertical_;
        QObject::connect(bar, &QScrollBar::valueChanged, [moved, vertical](int value) { moved(vertical, value); });
    }
}

void GridScrollBars::set(bool vertical, bool shown, int min, int max, int page, int position) {
    QScrollBar* bar = vertical ? vertical_ : horizontal_;
    const QSignalBlocker quiet(bar);
    bar->setRange(min, std::max(min, max));
    bar->setPageStep(std::max(1, page));
    bar->setValue(position);
    if (bar->isVisibleTo(parent_) != shown) {
        bar->setVisible(shown);
        place();
    }
}

bool GridScrollBars::shown(bool vertical) const { return (vertical ? vertical_ : horizontal_)->isVisibleTo(parent_); }

int GridScrollBars::thickness() const { return vertical_->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

void GridScrollBars::setTracking(bool tracking) {
    vertical_->setTracking(tracking);
    horizontal_->setTracking(tracking);
}

void GridScrollBars::place() {
    const int t = thickness();
    const int w = parent_->width();
    const int h = parent_->height();
    const int vh = h - (shown(false) ? t : 0);
    const int hw = w - (shown(true) ? t : 0);
    vertical_->setGeometry(w - t, 0, t, std::max(0, vh));
    horizontal_->setGeometry(0, h - t, std::max(0, hw), t);
}

} // namespace tk
