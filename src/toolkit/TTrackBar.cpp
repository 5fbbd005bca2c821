// Track bars over Qt sliders: the slider keeps the range and clamps the position, and its value
// signal, sent only on a real change, is the one source of OnChange.
#include "toolkit/TTrackBar.h"

#include <QSlider>

#include "toolkit/TControl_p.h"

namespace {

QSlider& slider(const TTrackBar& bar) { return static_cast<QSlider&>(*bar.peer().widget()); }

} // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner, tk::makePeer<QSlider, tk::NativePeer>(*this)) {
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
    QSlider& bar = slider(*this);
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(0, 10);
    bar.setPageStep(2);
    bar.setTickPosition(QSlider::TicksBelow);
    bar.setTickInterval(1);
    QObject::connect(&bar, &QSlider::valueChanged, [this] { tk::guarded(this, [this] { Changed(); }); });
}

int TTrackBar::Min() const { return slider(*this).minimum(); }

void TTrackBar::SetMin(int Value) { slider(*this).setMinimum(Value); }

int TTrackBar::Max() const { return slider(*this).maximum(); }

void TTrackBar::SetMax(int Value) { slider(*this).setMaximum(Value); }

int TTrackBar::Position() const { return slider(*this).value(); }

void TTrackBar::SetPosition(int Value) { slider(*this).setValue(Value); }

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
    orientation_ = Value;
    QSlider& bar = slider(*this);
    bar.setOrientation(Value == trVertical ? Qt::Vertical : Qt::Horizontal);
    bar.setTickPosition(Value == trVertical ? QSlider::TicksRight : QSlider::TicksBelow);
}

void TTrackBar::Changed() {
    if (OnChange)
        OnChange(this);
}
