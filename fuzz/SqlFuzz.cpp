// SQL text prepared and executed against a fresh copy of the small dictionary, every marker bound
// to a value; a result set is walked like a table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "EngineWalk.h"
#include "FuzzSupport.h"
#include "SmallDictionary.h"
#include "base/CodePage.h"
#include "engine/CeEngine.h"

namespace {

constexpr int kRecordLimit = 64;

std::string pristine;
std::string path;

void bindMarkers(CEHANDLE statement, const std::string& sql) {
    std::vector<char> names(sql.size() + 2);
    uint32_t length = static_cast<uint32_t>(names.size());
    if (CeGetSQLStmtParams(sql.c_str(), names.data(), &length) != 0 || length == 0)
        return;
    const auto markers = static_cast<uint16_t>(std::count(names.begin(), names.begin() + length, ';') + 1);
    static const std::string kValues[] = {"%", base::utf8ToCp1251("ЛЕНИНА"), "1", ""};
    for (uint16_t i = 1; i <= markers; ++i) {
        const std::string& value = kValues[i % 4];
        (void)CeSetString(statement, CE_FIELDNO(i), value.c_str(), static_cast<uint32_t>(value.size()));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    path = fuzz::scratchDirectory() + "/sql.vdd";
    fuzz::makeSmallDictionary(path);
    pristine = fuzz::readFile(path);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sql(reinterpret_cast<const char*>(data), size);
    // Statements may change or drop anything: every input starts from the same dictionary.
    fuzz::writeFile(path, pristine);
    CEHANDLE connection = 0;
    if (CeConnect(path.c_str(), &connection) != 0)
        return 0;
    CEHANDLE statement = 0;
    if (CeCreateSQLStatement(connection, &statement) == 0) {
        CEHANDLE cursor = 0;
        if (CePrepareSQL(statement, sql.c_str()) == 0) {
            bindMarkers(statement, sql);
            if (CeExecuteSQL(statement, &cursor) == 0 && cursor != 0) {
                fuzz::walkTable(cursor, kRecordLimit);
                (void)CeCloseTable(cursor);
            }
        }
        (void)CeCloseSQLStatement(statement);
    }
    (void)CeDisconnect(connection);
    return 0;
}
