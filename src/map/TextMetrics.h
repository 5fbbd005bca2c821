// What the map model asks of the graphics layer: the extent of a text label drawn in its face
// (FontIndex), at height Size, unrotated, weight 400. Pixels of that font count as world units.
#pragma once

#include "toolkit/TSize.h"
#include "map/TKEXMapText.h"

namespace mapi {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual TSize TextExtent(const TKEXMapText& text) const = 0;
};

} // namespace mapi
