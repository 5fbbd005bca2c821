// Progress bars over Qt progress bars; the bar is repainted at once so that progress shows even
// while the program is busy between messages (start-up steps).
#include "toolkit/TProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "toolkit/TControl_p.h"

TProgressBar::TProgressBar(TComponent* AOwner)
    : TWinControl(AOwner, tk::makePeer<QProgressBar, tk::NativePeer>(*this)) {
    static_cast<QProgressBar*>(peer().widget())->setTextVisible(false);
    SetBounds(0, 0, 150, 16);
    apply();
}

void TProgressBar::SetMin(int Value) {
    min_ = Value;
    max_ = std::max(max_, min_);
    apply();
}

void TProgressBar::SetMax(int Value) {
    max_ = Value;
    min_ = std::min(min_, max_);
    apply();
}

void TProgressBar::SetPosition(int Value) {
    position_ = Value;
    apply();
}

void TProgressBar::apply() {
    position_ = std::clamp(position_, min_, max_);
    auto* bar = static_cast<QProgressBar*>(peer().widget());
    bar->setRange(min_, max_);
    bar->setValue(position_);
    if (bar->isVisible())
        bar->repaint();
}
