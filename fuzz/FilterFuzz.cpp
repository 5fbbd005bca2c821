// Filter expressions on a table of the small dictionary: set as a filter and as an optimised
// filter, each walked in natural order and in every index order.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "EngineWalk.h"
#include "FuzzSupport.h"
#include "SmallDictionary.h"
#include "engine/CeEngine.h"

namespace {

constexpr int kRecordLimit = 16;

CEHANDLE table = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string path = fuzz::scratchDirectory() + "/filter.vdd";
    fuzz::makeSmallDictionary(path);
    CEHANDLE connection = 0;
    if (CeConnect(path.c_str(), &connection) != 0 ||
        CeOpenTable(connection, "Office", nullptr, 0, 1, 0, 2, 0, &table) != 0)
        throw std::runtime_error("cannot open the table Office of " + path);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string expression(reinterpret_cast<const char*>(data), size);
    if (CeSetFilter(table, expression.c_str()) == 0)
        fuzz::walkTable(table, kRecordLimit);
    (void)CeClearFilter(table);
    if (CeSetAOF(table, expression.c_str(), 1) == 0)
        fuzz::walkTable(table, kRecordLimit);
    (void)CeClearAOF(table);
    return 0;
}
