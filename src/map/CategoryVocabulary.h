// The map's built-in vocabulary of object categories: the names of the Category ids, 0 to 21 for
// kinds of city features and 100 to 116 for kinds of business.
#pragma once

#include "toolkit/TStrings.h"

namespace mapi {

// Clears the list and adds the 39 names (code page 1251) in their fixed order, each with its id
// as the item's object, inside one update bracket. Two names repeat under a second id.
void FillCategoryList(TStrings& list);

// The id an item of such a list carries.
int categoryIdOf(const TStrings& list, int index);

} // namespace mapi
