// The error of the grids: an index outside the grid's cells, columns or rows.
#pragma once

#include "toolkit/Exception.h"

class EInvalidGridOperation : public Exception {
    using Exception::Exception;
};

namespace tk {

// Raises EInvalidGridOperation "Grid index out of range" unless 0 <= index < count.
void checkGridIndex(int index, int count);

} // namespace tk
