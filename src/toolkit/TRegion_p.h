// The Qt region behind a TRegion, for the toolkit's window and canvas code.
#pragma once

#include <QRegion>

#include "toolkit/TRegion.h"

namespace tk {

struct RegionImpl {
    QRegion region;
};

} // namespace tk
