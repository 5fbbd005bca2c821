// Progress bars over Qt progress bars; the bar is repainted at once so that progress shows even
// while the program is busy between messages (start-up steps).
#include "toolkit/TProgressBar.h"

#include <QProgressBar>

#include "toolkit/TControl_p.h"

TProgressBar::TProgressBar(TComponent* AOwner)
    : TWinControl(AOwner, tk::makePeer<QProgressBar, tk::NativePeer>(*this)) {
    static_cast<QProgressBar*>(peer().widget())->setTextVisible(false);
    SetBounds(0, 0, 150, 16);
    apply();
}

void TProgressBar::SetMin(int Value) {
    position_.setMin(Value);
    apply();
}

void TProgressBar::SetMax(int Value) {
    position_.setMax(Value);
    apply();
}

void TProgressBar::SetPosition(int Value) {
    position_.setValue(Value);
    apply();
}

void TProgressBar::apply() {
    auto* bar = static_cast<QProgressBar*>(peer().widget());
    bar->setRange(position_.min(), position_.max());
    bar->setValue(position_.value());
    if (bar->isVisible())
        bar->repaint();
}
