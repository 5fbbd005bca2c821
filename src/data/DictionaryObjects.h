// Listing the objects of one kind in a data dictionary, shared by the connection (its tables) and
// the dictionary component (every kind).
#pragma once

#include <cstdint>

#include "engine/CeEngine.h"
#include "toolkit/AnsiString.h"

class TStrings;

namespace db {

// Adds the names of the objects of Kind under Parent (empty for kinds without a parent) to List.
// A kind without objects adds nothing and raises nothing; engine failures are checked, and the
// enumeration is closed also after one.
void listDictionaryObjects(CEHANDLE Connection, uint16_t Kind, const AnsiString& Parent, TStrings* List);

} // namespace db
