// Engine files as the engine finds them on disk: the first byte chooses a dictionary (even) or a
// free table (odd), the rest is the file. Every table the dictionary lists is opened and walked in
// each of its orders.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "EngineWalk.h"
#include "FuzzSupport.h"
#include "engine/CeEngine.h"

namespace {

constexpr int kRecordLimit = 64;
constexpr int kTableLimit = 8;

void openAndWalk(CEHANDLE connection, const char* name, uint16_t tableType) {
    CEHANDLE table = 0;
    if (CeOpenTable(connection, name, nullptr, tableType, 1, 0, 2, 0, &table) != 0)
        return;
    fuzz::walkTable(table, kRecordLimit);
    (void)CeCloseTable(table);
}

void walkDictionary(CEHANDLE connection) {
    char name[256];
    uint32_t length = sizeof name - 1;
    CEHANDLE find = 0;
    if (CeFindFirstTable(connection, "*", name, &length, &find) != 0)
        return;
    for (int n = 0; n < kTableLimit; ++n) {
        name[length] = 0;
        openAndWalk(connection, name, 0);
        length = sizeof name - 1;
        if (CeFindNextTable(connection, find, name, &length) != 0)
            break;
    }
    (void)CeFindClose(connection, find);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static const std::string directory = fuzz::scratchDirectory() + "/engine";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const bool freeTable = (data[0] & 1) != 0;
    const std::string path = directory + (freeTable ? "/T.vdt" : "/fuzz.vdd");
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    CEHANDLE connection = 0;
    if (CeConnect((freeTable ? directory : path).c_str(), &connection) != 0)
        return 0;
    if (freeTable)
        openAndWalk(connection, "T", 3);
    else
        walkDictionary(connection);
    (void)CeDisconnect(connection);
    return 0;
}
