// Helpers of the SQL suites: statements run through the engine's own entry points, with Russian
// texts written in UTF-8 and handed to the engine in CP1251.
#pragma once

#include "EngineFixture.h"

#include "base/CodePage.h"

#include <string>
#include <vector>

class SqlFixture : public EngineFixture {
protected:
    static std::string ansi(const std::string& utf8) { return base::utf8ToCp1251(utf8); }
    static std::string utf8(const std::string& ansi) { return base::cp1251ToUtf8(ansi); }

    CEHANDLE statement(CEHANDLE connection) {
        CEHANDLE s = 0;
        EXPECT_EQ(CeCreateSQLStatement(connection, &s), 0u);
        return s;
    }

    // Runs a UTF-8 text; the result cursor (0 for none).
    static CEHANDLE direct(CEHANDLE statement, const std::string& sql) {
        CEHANDLE cursor = 0;
        EXPECT_EQ(CeExecuteSQLDirect(statement, ansi(sql).c_str(), &cursor), 0u) << sql << ": " << lastText();
        return cursor;
    }

    static std::string lastText() {
        uint32_t code = 0;
        char buffer[600] = {};
        uint32_t length = sizeof buffer;
        (void)CeGetLastError(&code, buffer, &length);
        return std::to_string(code) + " " + buffer;
    }

    // The trimmed UTF-8 text of a field on every row of a cursor, from the top, then closes it.
    static std::vector<std::string> column(CEHANDLE cursor, const char* field, bool close = true) {
        std::vector<std::string> values;
        EXPECT_EQ(CeGotoTop(cursor), 0u);
        while (!atEof(cursor)) {
            values.push_back(utf8(text(cursor, field)));
            EXPECT_EQ(CeSkip(cursor, 1), 0u);
        }
        if (close) {
            EXPECT_EQ(CeCloseTable(cursor), 0u);
        }
        return values;
    }

    // The trimmed UTF-8 text of a table's field on every record in one of its orders.
    static std::vector<std::string> inOrder(CEHANDLE table, CEHANDLE order, const char* field) {
        std::vector<std::string> values;
        EXPECT_EQ(CeGotoTop(order), 0u);
        while (!atEof(order)) {
            values.push_back(utf8(text(table, field)));
            EXPECT_EQ(CeSkip(order, 1), 0u);
        }
        return values;
    }

    static uint32_t affected(CEHANDLE statement) {
        uint32_t n = 0;
        EXPECT_EQ(CeGetRecordCount(statement, 2, &n), 0u);
        return n;
    }
};
