// The look-up by name shared by the collections of the dataset model (field and index
// definitions, parameters): names compare without case, Cyrillic included.
#pragma once

#include <string_view>

#include "toolkit/AnsiStrings.h"

namespace tk {

// Position of the first item whose Name() equals Name, -1 when none.
template <class Collection>
int indexOfName(const Collection& Items, std::string_view Name) {
    for (int i = 0; i < Items.Count(); ++i)
        if (AnsiSameText(Items.Items(i)->Name(), Name))
            return i;
    return -1;
}

} // namespace tk
