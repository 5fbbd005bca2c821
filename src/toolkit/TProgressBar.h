// The progress bar: Position between Min and Max, advanced by Step with StepIt.
#pragma once

#include "toolkit/BoundedValue.h"
#include "toolkit/TWinControl.h"

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* AOwner);

    int Min() const { return position_.min(); }
    void SetMin(int Value);
    int Max() const { return position_.max(); }
    void SetMax(int Value);
    // Kept within Min .. Max.
    int Position() const { return position_.value(); }
    void SetPosition(int Value);
    int Step() const { return step_; }
    void SetStep(int Value) { step_ = Value; }
    // A continuous bar instead of blocks; the look is the desktop style's.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool Value) { smooth_ = Value; }

    void StepIt() { StepBy(step_); }
    void StepBy(int Delta) { SetPosition(Position() + Delta); }

private:
    void apply();

    tk::BoundedValue position_{0, 100};
    int step_ = 10;
    bool smooth_ = false;
};
