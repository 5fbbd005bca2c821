// The alias file DBALIAS.INI: section [Databases], one key per alias, each a path optionally
// followed by ";" and a letter naming the table type. Only ever read.
#pragma once

#include <cstdint>

#include "data/DbTypes.h"
#include "toolkit/AnsiString.h"

namespace db {

struct DbAlias {
    AnsiString path;
    // The upper-cased letter after ";", or 0 when there is none.
    char letter = 0;
};

// "DBALIAS.INI" beside the executable when it exists there, else in the current directory.
AnsiString aliasFileName();
// False when the alias is not in the file or its path is empty.
bool findAlias(const AnsiString& Name, DbAlias& Alias);
// The dataset's reading of the letter: N NTX, C CDX, anything else VDT.
TDbTableTypes datasetAliasType(const DbAlias& Alias);
// The connection's reading: N 2, C 1, A 3, anything else 0 (no type).
uint8_t connectionAliasType(const DbAlias& Alias);
// The alias table type of a connection as the dataset's table type: 1 CDX, 2 NTX, 3 VDT; false for 0.
bool tableTypeOfAliasType(uint8_t AliasType, TDbTableTypes& Type);
// Whether a name has a path separator, and so is never an alias.
bool hasPathSeparator(const AnsiString& Name);

} // namespace db
