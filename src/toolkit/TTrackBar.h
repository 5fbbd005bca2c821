// The track bar: a slider whose Position runs from Min to Max; OnChange fires on every change of
// Position, made in code or by the user, and never without one.
#pragma once

#include "toolkit/TWinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner);

    int Min() const;
    void SetMin(int Value);
    int Max() const;
    void SetMax(int Value);
    // Kept within Min .. Max.
    int Position() const;
    void SetPosition(int Value);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation Value);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    TTrackBarOrientation orientation_ = trHorizontal;
};
