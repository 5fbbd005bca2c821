// The base fixture with the components over the test's scratch dictionary "test.vdd": tables
// through the connection "DbConnection1", free DBF-family tables in the test's folder, rows
// written through the engine and columns read back through a dataset.
#pragma once

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "DataFixture.h"
#include "ScratchTables.h"
#include "toolkit/TField.h"

namespace datatest {

// Field name and the engine's text of its value; a field left out or given "" stays empty.
using EngineRow = std::vector<std::pair<const char*, std::string>>;

// Appends the rows through the engine, past the components.
inline void appendRows(CEHANDLE connection, const AnsiString& table, const std::vector<EngineRow>& rows,
                       uint16_t tableType = 0) {
    CEHANDLE t = 0;
    ASSERT_EQ(CeOpenTable(connection, table.c_str(), nullptr, tableType, 1, 0, 1, 0, &t), 0u);
    for (const EngineRow& row : rows) {
        ASSERT_EQ(CeAppendRecord(t), 0u);
        for (const auto& [field, value] : row)
            if (!value.empty()) {
                ASSERT_EQ(CeSetField(t, field, value.data(), uint32_t(value.size())), 0u) << field;
            }
        ASSERT_EQ(CeWriteRecord(t), 0u);
    }
    ASSERT_EQ(CeCloseTable(t), 0u);
}

// Appends and posts a row through the dataset.
inline void appendRow(TDataSet& d, std::initializer_list<std::pair<const char*, Variant>> values) {
    d.Append();
    for (const auto& [field, value] : values)
        d.FieldByName(field)->SetAsVariant(value);
    d.Post();
}

// The field's texts from the first row to the last, each followed by ";".
inline std::string column(TDataSet& d, const char* field) {
    std::string values;
    for (d.First(); !d.Eof(); d.Next())
        values += d.FieldByName(field)->AsString() + ";";
    return values;
}

class ScratchFixture : public DataFixture {
protected:
    // A table of the dictionary (made by the test), in the order of index.
    TDbTable* table(const AnsiString& name, const AnsiString& index = "", bool open = true) {
        if (connection == nullptr)
            connection = dictionaryConnection();
        TDbTable* t = scratchTable(owner, name, index);
        if (open)
            t->Open();
        return t;
    }

    // A free table of the DBF family in the test's folder.
    TDbTable* freeTable(const AnsiString& name = "F", bool open = true) {
        auto* t = new TDbTable(&owner);
        t->SetDatabaseName(temp.path().string());
        t->SetTableName(name);
        t->SetTableType(ttDbCDX);
        if (open)
            t->Open();
        return t;
    }

    TDbConnection* connection = nullptr;
};

} // namespace datatest
