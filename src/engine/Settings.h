// Process-wide engine settings (CeSetServerType, CeSetDateFormat, CeSetDecimals, CeShowDeleted and
// the cache sizes): they hold for every later call of the process.
#pragma once

#include "engine/DateFormat.h"

#include <cstdint>

namespace ce {

struct Settings {
    uint16_t serverType = 1;
    DateFormat dateFormat = *DateFormat::parse("MM/dd/ccyy");
    uint16_t decimals = 2;
    bool showDeleted = false;
    uint16_t cachedTables = 0;
    uint16_t cachedCursors = 0;
};

// The one instance; callers hold the engine lock.
Settings& settings();

} // namespace ce
