// Builds the fuzz targets' databases with SQL through the engine.
#include "SmallDictionary.h"

#include <filesystem>
#include <stdexcept>

#include "base/CodePage.h"
#include "engine/CeEngine.h"

namespace fuzz {
namespace {

const char* const kDictionary[] = {
    "CREATE TABLE Topic (Topic_Id AUTOINC, Name CHAR(45))",
    "CREATE UNIQUE INDEX TOPIC_ID ON Topic (Topic_Id)",
    "CREATE INDEX NAME ON Topic (Name)",
    "CREATE TABLE Office (Office_Id INTEGER, Name CHAR(80), Flags INTEGER, inetref CHAR(120), Born DATE, Rate DOUBLE, Notes MEMO)",
    "CREATE UNIQUE INDEX OFFICE_ID ON Office (Office_Id)",
    "CREATE INDEX NAME ON Office (UPPER(Name))",
    "CREATE TABLE OfficeTopics (Office_Id INTEGER, Topic_Id INTEGER)",
    "CREATE INDEX OFFICE_ID ON OfficeTopics (Office_Id)",
    "CREATE TABLE Branch (Office_Id INTEGER, Street CHAR(30), House CHAR(10), Contact CHAR(60))",
    "CREATE INDEX ADDRESS ON Branch (UPPER(Street), UPPER(House))",
    "INSERT INTO Topic (Name) VALUES ('Аптеки'), ('Банки'), ('Кафе')",
    // Dates are stored as Julian day numbers: 3 February 2001 and 31 December 1999.
    "INSERT INTO Office VALUES (1, 'Ромашка', 1, 'http://romashka.example', 2451944, 1.5, 'Круглосуточно')",
    "INSERT INTO Office VALUES (2, 'альфа-банк', 0, 'mailto:bank@example.org', NULL, -2.25, NULL)",
    "INSERT INTO Office VALUES (3, 'Кафе \"Лето\"', 2, '', 2451544, 0, '')",
    "INSERT INTO OfficeTopics VALUES (1, 1), (2, 2), (3, 3), (3, 1)",
    "INSERT INTO Branch VALUES (1, 'ЛЕНИНА', '12А', '22-33-44'), (2, 'Садовая', '7', ''), (3, 'ЛЕНИНА', '1', NULL)",
};

const char* const kFreeTable[] = {
    "CREATE TABLE T (ID AUTOINC, NAME CHAR(12), N INTEGER, OK LOGICAL)",
    "CREATE INDEX NAME ON T (UPPER(NAME))",
    "INSERT INTO T (NAME, N, OK) VALUES ('delta', 4, TRUE), ('Альфа', 1, FALSE), ('charlie', 3, TRUE)",
};

std::string lastError() {
    uint32_t code = 0;
    char text[512] = {};
    uint32_t length = sizeof text;
    (void)CeGetLastError(&code, text, &length);
    return std::to_string(code) + " " + std::string(text, length);
}

template <std::size_t N>
void build(CEHANDLE connection, const char* const (&statements)[N]) {
    for (const char* sql : statements)
        runSql(connection, base::utf8ToCp1251(sql).c_str());
    // Small pages keep the file a few kilobytes, so that a fuzzer runs many inputs a second.
    runSql(connection, "PRAGMA page_size = 512");
    runSql(connection, "VACUUM");
    if (CeDisconnect(connection) != 0)
        throw std::runtime_error("disconnecting: " + lastError());
}

} // namespace

void runSql(unsigned connection, const char* sql) {
    CEHANDLE statement = 0;
    if (CeCreateSQLStatement(connection, &statement) != 0)
        throw std::runtime_error("creating a statement: " + lastError());
    const CERESULT result = CeExecuteSQLDirect(statement, sql, nullptr);
    (void)CeCloseSQLStatement(statement);
    if (result != 0)
        throw std::runtime_error(std::string(sql) + ": " + lastError());
}

void makeSmallDictionary(const std::string& path) {
    std::filesystem::remove(path);
    CEHANDLE connection = 0;
    if (CeDDCreate(path.c_str(), 0, "fuzz", &connection) != 0)
        throw std::runtime_error("creating " + path + ": " + lastError());
    build(connection, kDictionary);
}

void makeFreeTable(const std::string& directory) {
    CEHANDLE connection = 0;
    if (CeConnect(directory.c_str(), &connection) != 0)
        throw std::runtime_error("connecting to " + directory + ": " + lastError());
    build(connection, kFreeTable);
}

} // namespace fuzz
