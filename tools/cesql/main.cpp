// cesql: a developer's window into the engine. Connects to a dictionary (with --user and
// --password) or a directory of free tables, runs each SQL text through the engine and prints its
// result set as JSON lines, or {"affected": N} for a statement without one. Texts with --param
// values are prepared and bound by marker name (as text, as the program binds them); others run
// directly. An engine failure prints its code and text on standard error and exits with 1.
#include "cesql/JsonRows.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string database;
    std::string user;
    std::string password;
    uint16_t tableType = 0;
    std::map<std::string, std::string> params; // upper-cased CP1251 name -> CP1251 value
    std::vector<std::string> sql;
};

int usage() {
    std::cerr << "usage: cesql DATABASE [--user U --password P] [--type 1|2|3] [--param NAME=VALUE ...] SQL...\n";
    return 2;
}

int failure(CERESULT rc) {
    uint32_t code = rc;
    char text[600] = {};
    uint32_t length = sizeof text;
    (void)CeGetLastError(&code, text, &length);
    std::cerr << "error " << code << ": " << base::cp1251ToUtf8(text) << "\n";
    return 1;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--user" && hasValue) {
            options.user = base::utf8ToCp1251(argv[++i]);
        } else if (arg == "--password" && hasValue) {
            options.password = base::utf8ToCp1251(argv[++i]);
        } else if (arg == "--type" && hasValue) {
            options.tableType = static_cast<uint16_t>(std::atoi(argv[++i]));
        } else if (arg == "--param" && hasValue) {
            const std::string param = base::utf8ToCp1251(argv[++i]);
            const size_t equals = param.find('=');
            if (equals == std::string::npos || equals == 0)
                return false;
            options.params[base::upperCp1251(param.substr(0, equals))] = param.substr(equals + 1);
        } else if (options.database.empty()) {
            options.database = base::utf8ToCp1251(arg);
        } else {
            options.sql.push_back(base::utf8ToCp1251(arg));
        }
    }
    return !options.database.empty() && !options.sql.empty();
}

// Binds every marker whose name has a --param value; the others stay null.
CERESULT bindParams(CEHANDLE statement, const std::string& sql, const Options& options) {
    uint32_t length = 0;
    if (CERESULT rc = CeGetSQLStmtParams(sql.c_str(), nullptr, &length))
        return rc;
    std::string names(length, '\0');
    if (CERESULT rc = CeGetSQLStmtParams(sql.c_str(), names.data(), &length))
        return rc;
    names.resize(length);
    for (size_t start = 0, number = 1; start < names.size(); ++number) {
        const size_t end = std::min(names.find(';', start), names.size());
        const auto value = options.params.find(base::upperCp1251(names.substr(start, end - start)));
        if (value != options.params.end())
            if (CERESULT rc = CeSetString(statement, CE_FIELDNO(number), value->second.c_str(),
                                          static_cast<uint32_t>(value->second.size())))
                return rc;
        start = end + 1;
    }
    return 0;
}

CERESULT runOne(CEHANDLE statement, const std::string& sql, const Options& options) {
    CEHANDLE cursor = 0;
    if (options.params.empty()) {
        if (CERESULT rc = CeExecuteSQLDirect(statement, sql.c_str(), &cursor))
            return rc;
    } else {
        if (CERESULT rc = CePrepareSQL(statement, sql.c_str()))
            return rc;
        if (CERESULT rc = bindParams(statement, sql, options))
            return rc;
        if (CERESULT rc = CeExecuteSQL(statement, &cursor))
            return rc;
    }
    if (cursor == 0) {
        uint32_t affected = 0;
        if (CERESULT rc = CeGetRecordCount(statement, 2, &affected))
            return rc;
        std::cout << "{\"affected\":" << affected << "}\n";
        return 0;
    }
    const CERESULT rc = cesql::writeRows(cursor, std::cout);
    (void)CeCloseTable(cursor);
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options))
        return usage();
    CEHANDLE connection = 0;
    if (CERESULT rc = CeConnect60(options.database.c_str(), 0, options.user.c_str(), options.password.c_str(), 0, &connection))
        return failure(rc);
    CEHANDLE statement = 0;
    CERESULT rc = CeCreateSQLStatement(connection, &statement);
    if (rc == 0 && options.tableType != 0)
        rc = CeStmtSetTableType(statement, options.tableType);
    for (size_t i = 0; rc == 0 && i < options.sql.size(); ++i)
        rc = runOne(statement, options.sql[i], options);
    const int exitCode = rc ? failure(rc) : 0;
    (void)CeDisconnect(connection);
    return exitCode;
}
