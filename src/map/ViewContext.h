// What the map model asks of the control that shows it, for hit tests and invalidation: whether
// editing is on, the current scale and the size of a note's icon.
#pragma once

#include "toolkit/TSize.h"
#include "map/TKEXMapZametka.h"

namespace mapi {

class ViewContext {
public:
    virtual ~ViewContext() = default;
    // Options.mpEdit: category-0 objects can be hit only while it is on.
    virtual bool IsEditing() const = 0;
    virtual int Scale() const = 0;
    // The pixel size of the icon the note is drawn with (the default icon when it has none).
    virtual TSize NoteIconSize(const TKEXMapZametka& note) const = 0;
};

} // namespace mapi
