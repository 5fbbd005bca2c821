// The base fixture of the database component suites: a temporary folder per test, scratch
// dictionaries and free tables made with the engine's DDL, and the checks every test needs (no
// table left open, no error pending) with the process-wide settings put back afterwards.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/EDbEngineError.h"
#include "data/TDbConnection.h"
#include "engine/CeEngine.h"
#include "engine/EngineCall.h"
#include "engine/HandleTable.h"
#include "engine/Settings.h"
#include "support/TempDirectory.h"
#include "toolkit/FilePath.h"
#include "toolkit/TComponent.h"
#include "toolkit/TFormatSettings.h"

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
        auto* c = new TDbConnection(&owner);
        c->SetName("DbConnection1");
        c->SetConnectPath(path("test.vdd"));
        c->LoginPrompt = false;
        return c;
    }

    // The action raises the components' misuse error (code 5121) with exactly this message.
    static void expectMisuse(const std::function<void()>& action, const std::string& message) {
        try {
            action();
            ADD_FAILURE() << "no error: " << message;
        } catch (const EDbEngineError& e) {
            EXPECT_EQ(e.ErrorCode, 5121);
            EXPECT_EQ(std::string(e.what()), message);
        }
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

private:
    TFormatSettings savedFormat_;
    AnsiString savedDirectory_;
    ce::Settings savedEngine_;
    int openTables_ = 0;
    std::vector<CEHANDLE> connections_;
};
