// The view context of a map control for hit tests and invalidation rectangles: editing is its
// option mpEdit, the scale its own, and a note's icon the one the control draws it with.
#pragma once

#include "map/ViewContext.h"

class TDataMap;

namespace mapi {

class ControlViewContext : public ViewContext {
public:
    explicit ControlViewContext(TDataMap& map) : map_(map) {}

    bool IsEditing() const override;
    int Scale() const override;
    TSize NoteIconSize(const TKEXMapZametka& note) const override;

private:
    TDataMap& map_;
};

} // namespace mapi
