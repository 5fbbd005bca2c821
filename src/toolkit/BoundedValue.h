// A position kept within a range whose two ends push each other along: the position of progress
// bars and up-down controls.
#pragma once

#include <algorithm>

namespace tk {

class BoundedValue {
public:
    BoundedValue(int min, int max) : min_(min), max_(std::max(min, max)), value_(min) {}

    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }

    // A new lower end above the upper one moves the upper one up to it; the value follows.
    void setMin(int min) {
        min_ = min;
        max_ = std::max(max_, min_);
        setValue(value_);
    }
    void setMax(int max) {
        max_ = max;
        min_ = std::min(min_, max_);
        setValue(value_);
    }
    void setValue(int value) { value_ = std::clamp(value, min_, max_); }

private:
    int min_;
    int max_;
    int value_;
};

} // namespace tk
