// A control made, owned and shown by its parent in one call, for the suites that build forms
// control by control.
#pragma once

#include "toolkit/TWinControl.h"

namespace tktest {

// A new C owned by `parent` and placed on it, at the given bounds when there are any.
template <typename C, typename... Bounds>
C* placed(TWinControl* parent, Bounds... bounds) {
    static_assert(sizeof...(Bounds) == 0 || sizeof...(Bounds) == 4, "left, top, width and height, or nothing");
    auto* control = new C(parent);
    control->SetParent(parent);
    if constexpr (sizeof...(Bounds) == 4)
        control->SetBounds(bounds...);
    return control;
}

} // namespace tktest
