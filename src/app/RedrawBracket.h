// The map's redraw bracket held for a scope: ClearReady at once, SetReady (one rebuild and
// repaint) when the scope ends, also when a database error ends it early, so that the map never
// stays frozen.
#pragma once

#include "map/TDataMap.h"

namespace app {

class RedrawBracket {
public:
    explicit RedrawBracket(TDataMap& Map) : map_(Map) { map_.ClearReady(); }
    ~RedrawBracket() { map_.SetReady(); }
    RedrawBracket(const RedrawBracket&) = delete;
    RedrawBracket& operator=(const RedrawBracket&) = delete;

private:
    TDataMap& map_;
};

} // namespace app
