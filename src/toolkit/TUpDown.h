// The up-down control as forms place it.
#pragma once

#include "toolkit/TCustomUpDown.h"

class TUpDown : public TCustomUpDown {
public:
    using TCustomUpDown::TCustomUpDown;
};
