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
    void DefChanged() override { StoreDefs = true; }

    int GetLastAutoInc() override;
    // Database path + "\" + TableName, with ".vdt" or ".dbf" when the name has no extension.
    AnsiString GetTableFileName();
    // An open table exists; a closed one when its dictionary holds it or its file exists.
    bool Exists();
    void RefreshDefaultIndex() override;

    // Provider answers of a table.
    // TableName without a four-character extension (".vdt").
    AnsiString PSGetTableName() override;
    void PSSetCommandText(const AnsiString& CommandText) override;
    std::unique_ptr<TIndexDefs> PSGetIndexDefs(TIndexOptions IndexTypes) override;
    // The chosen index, else the first primary, else the first unique one whose fields exist.
    std::unique_ptr<TIndexDef> PSGetDefaultOrder() override;
    // The inherited key fields, else those of the first unique index whose fields exist.
    AnsiString PSGetKeyFields() override;
    // With parameters: opens the table and makes them its range (a named parameter keys the field
    // of its name, an unnamed one the index field at its place); without: cancels the range.
    void PSSetParams(TParams* AParams) override;
    // MasterFields on the master, and the fields of the active index.
    void GetDetailLinkFields(std::vector<TField*>& MasterFieldList, std::vector<TField*>& DetailFields) override;

protected:
    CEHANDLE OpenHandle() override;

private:
    // Asks the dictionary of the connection (connecting it) whether it holds TableName.
    bool dictionaryHoldsTable(TDbConnection& Connection);
};
