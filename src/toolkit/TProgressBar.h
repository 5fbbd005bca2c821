// The progress bar: Position between Min and Max, advanced by Step with StepIt.
#pragma once

#include "toolkit/TWinControl.h"

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    // Kept within Min .. Max.
    int Position() const { return position_; }
    void SetPosition(int Value);
    int Step() const { return step_; }
    void SetStep(int Value) { step_ = Value; }
    // A continuous bar instead of blocks; the look is the desktop style's.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool Value) { smooth_ = Value; }

    void StepIt() { StepBy(step_); }
    void StepBy(int Delta) { SetPosition(position_ + Delta); }

private:
    void apply();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    bool smooth_ = false;
};
