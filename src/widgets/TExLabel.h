// The shadowed label as forms place it.
#pragma once

#include "widgets/TExCustomLabel.h"

class TExLabel : public TExCustomLabel {
public:
    using TExCustomLabel::TExCustomLabel;
};
