// The smallest and largest size a control may take; 0 leaves that bound open.
#pragma once

#include <functional>

#include "toolkit/TPersistent.h"

class TSizeConstraints : public TPersistent {
public:
    // changed runs after every change, so that the control can take its new bounds.
    explicit TSizeConstraints(std::function<void()> changed) : changed_(std::move(changed)) {}

    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int Value) { set(minWidth_, Value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int Value) { set(minHeight_, Value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int Value) { set(maxWidth_, Value); }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int Value) { set(maxHeight_, Value); }

    // The width or height brought within the bounds.
    int ConstrainWidth(int Width) const { return constrain(Width, minWidth_, maxWidth_); }
    int ConstrainHeight(int Height) const { return constrain(Height, minHeight_, maxHeight_); }

private:
    static int constrain(int value, int low, int high) {
        if (high > 0 && value > high)
            value = high;
        return low > 0 && value < low ? low : value;
    }
    void set(int& field, int value) {
        field = value > 0 ? value : 0;
        if (changed_)
            changed_();
    }

    std::function<void()> changed_;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};
