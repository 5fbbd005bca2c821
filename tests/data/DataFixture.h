// The base fixture of the database component suites: a temporary folder per test, scratch
// dictionaries and free tables made with the engine's DDL, the components over them, and the
// checks every test needs (no table left open, no error pending) with the process-wide settings
// put back afterwards.
#pragma once

#include <initializer_list>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ExpectError.h"
#include "data/TDbConnection.h"
#include "data/TDbTable.h"
#include "engine/CeEngine.h"
#include "engine/EngineCall.h"
#include "engine/HandleTable.h"
#include "engine/Settings.h"
#include "support/TempDirectory.h"
#include "toolkit/FilePath.h"
#include "toolkit/TComponent.h"
#include "toolkit/TField.h"
#include "toolkit/TFormatSettings.h"

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

// The rows from the first to the last.
inline int rowCount(TDataSet& d) {
    int count = 0;
    for (d.First(); !d.Eof(); d.Next())
        ++count;
    return count;
}

// The action raises the components' misuse error (code 5121) with exactly this message.
inline void expectMisuse(const std::function<void()>& action, const std::string& message) {
    expectEngineError(action, 5121, testing::Eq(message));
}

class DataFixture : public testing::Test {
protected:
    void SetUp() override {
        savedFormat_ = FormatSettings;
        savedDirectory_ = GetCurrentDir();
        {
            std::lock_guard<std::mutex> lock(ce::engineMutex());
            savedEngine_ = ce::settings();
        }
        openTables_ = openTables();
    }

    void TearDown() override {
        owner.DestroyComponents();
        EXPECT_EQ(openTables(), openTables_) << "a test left tables open";
        EXPECT_FALSE(db::errorPending()) << "an EDbEngineError is still alive";
        for (CEHANDLE c : connections_)
            (void)CeDisconnect(c);
        FormatSettings = savedFormat_;
        SetCurrentDir(savedDirectory_);
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        ce::settings() = savedEngine_;
    }

    static int openTables() {
        uint16_t count = 0;
        EXPECT_EQ(CeGetNumOpenTables(&count), 0u);
        return count;
    }

    static size_t handlesOf(ce::HandleKind kind) {
        std::lock_guard<std::mutex> lock(ce::engineMutex());
        return ce::handles().count(kind);
    }

    // The connection component "DbConnection1" to the scratch dictionary, without login, not yet
    // connected.
    TDbConnection* dictionaryConnection() {
        connection = new TDbConnection(&owner);
        connection->SetName("DbConnection1");
        connection->SetConnectPath(path("test.vdd"));
        connection->LoginPrompt = false;
        return connection;
    }

    // A closed table of the database (a path or a connection's name).
    TDbTable* tableAt(const AnsiString& databaseName, const AnsiString& name = "", const AnsiString& index = "") {
        auto* t = new TDbTable(&owner);
        t->SetDatabaseName(databaseName);
        t->SetTableName(name);
        t->SetIndexName(index);
        return t;
    }

    // A table of the scratch dictionary through "DbConnection1", in the order of index.
    TDbTable* table(const AnsiString& name, const AnsiString& index = "", bool open = true) {
        if (connection == nullptr)
            dictionaryConnection();
        TDbTable* t = tableAt("DbConnection1", name, index);
        if (open)
            t->Open();
        return t;
    }

    // A free table of the DBF family in the test's folder.
    TDbTable* freeTable(const AnsiString& name = "F", bool open = true) {
        TDbTable* t = tableAt(temp.path().string(), name);
        t->SetTableType(ttDbCDX);
        if (open)
            t->Open();
        return t;
    }

    AnsiString path(const std::string& name) const { return (temp / name).string(); }

    // Runs SQL through a statement of the connection; DDL makes free tables of the table type.
    static void sql(CEHANDLE connection, const std::string& text, uint16_t tableType = 3) {
        CEHANDLE statement = 0;
        ASSERT_EQ(CeCreateSQLStatement(connection, &statement), 0u);
        EXPECT_EQ(CeStmtSetTableType(statement, tableType), 0u);
        EXPECT_EQ(CeExecuteSQLDirect(statement, text.c_str(), nullptr), 0u) << text;
        EXPECT_EQ(CeCloseSQLStatement(statement), 0u);
    }

    // A dictionary "name" in the test's folder made by the statements; its connection stays
    // open for the test (closed at the end).
    CEHANDLE dictionary(const std::vector<std::string>& statements, const std::string& name = "test.vdd") {
        CEHANDLE c = 0;
        EXPECT_EQ(CeDDCreate(path(name).c_str(), 0, "", &c), 0u);
        connections_.push_back(c);
        for (const std::string& text : statements)
            sql(c, text);
        return c;
    }

    // A connection to the test's folder of free tables, made by the statements.
    CEHANDLE directory(const std::vector<std::string>& statements, uint16_t tableType = 3) {
        CEHANDLE c = 0;
        EXPECT_EQ(CeConnect(temp.path().string().c_str(), &c), 0u);
        connections_.push_back(c);
        for (const std::string& text : statements)
            sql(c, text, tableType);
        return c;
    }

    testsupport::TempDirectory temp;
    TComponent owner{nullptr};
    TDbConnection* connection = nullptr; // the last made by dictionaryConnection

private:
    TFormatSettings savedFormat_;
    AnsiString savedDirectory_;
    ce::Settings savedEngine_;
    int openTables_ = 0;
    std::vector<CEHANDLE> connections_;
};

} // namespace datatest
