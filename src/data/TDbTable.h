// The table dataset: opens one table of a data dictionary, or one free table, through the engine
// and hands its handle to the dataset core, which does all record work.
#pragma once

#include "data/TDbExtendedTable.h"

class TDbTable : public TDbExtendedTable {
public:
    explicit TDbTable(TComponent* AOwner);
    ~TDbTable() override;

    // Refused on an open table. A new name (compared exactly) empties IndexFiles, unless the
    // table is being read from a layout.
    void SetTableName(const AnsiString& Value);
    void SetExclusive(bool Value);
    void SetReadOnly(bool Value);
    // Definitions are kept with the layout once changed.
    bool StoreDefs = false;
    void DefChanged() { StoreDefs = true; }

    int GetLastAutoInc() override;
    // Database path + "\" + TableName, with ".vdt" or ".dbf" when the name has no extension.
    AnsiString GetTableFileName();
    // An open table exists; a closed one when its file does.
    bool Exists();
    void RefreshDefaultIndex() override;

protected:
    CEHANDLE OpenHandle() override;
};
