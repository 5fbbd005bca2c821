// The error of every list of the toolkit (pointer lists, string lists, collections, owned
// components): an index outside the list or a refused duplicate.
#pragma once

#include <string>

#include "toolkit/Exception.h"

class EListError : public Exception {
    using Exception::Exception;
};

namespace tk {

// Raises EListError "List index out of bounds (index)" unless 0 <= index < count. A position to
// insert at may also be count: pass count + 1.
inline void checkListIndex(int index, int count) {
    if (index < 0 || index >= count)
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace tk
