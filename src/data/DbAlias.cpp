// Reading DBALIAS.INI.
#include "data/DbAlias.h"

#include "toolkit/FilePath.h"
#include "toolkit/TIniFile.h"

namespace db {

AnsiString aliasFileName() {
    const AnsiString besideProgram = tk::executableDirectory() + "DBALIAS.INI";
    return FileExists(besideProgram) ? besideProgram : AnsiString("DBALIAS.INI");
}

bool findAlias(const AnsiString& Name, DbAlias& Alias) {
    const AnsiString value = TIniFile(aliasFileName()).ReadString("Databases", Name, "");
    const std::size_t semicolon = value.find(';');
    Alias.path = value.substr(0, semicolon);
    Alias.letter = 0;
    if (semicolon != AnsiString::npos && semicolon + 1 < value.size()) {
        const char c = value[semicolon + 1];
        Alias.letter = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return !Alias.path.empty();
}

TDbTableTypes datasetAliasType(const DbAlias& Alias) {
    switch (Alias.letter) {
    case 'N':
        return ttDbNTX;
    case 'C':
        return ttDbCDX;
    default:
        return ttDbVDT;
    }
}

uint8_t connectionAliasType(const DbAlias& Alias) {
    switch (Alias.letter) {
    case 'N':
        return 2;
    case 'C':
        return 1;
    case 'A':
        return 3;
    default:
        return 0;
    }
}

bool tableTypeOfAliasType(uint8_t AliasType, TDbTableTypes& Type) {
    switch (AliasType) {
    case 1:
        Type = ttDbCDX;
        return true;
    case 2:
        Type = ttDbNTX;
        return true;
    case 3:
        Type = ttDbVDT;
        return true;
    default:
        return false;
    }
}

bool hasPathSeparator(const AnsiString& Name) { return Name.find_first_of("\\/") != AnsiString::npos; }

} // namespace db
