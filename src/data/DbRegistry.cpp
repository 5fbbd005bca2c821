// The two registries. Never destroyed: components that outlive main (owned by the application
// object) still leave them.
#include "data/DbRegistry.h"

#include "toolkit/TThreadList.h"

namespace db {

TThreadList& connectionList() {
    static auto& list = *new TThreadList;
    return list;
}

} // namespace db

TThreadList& GetDataSetList() {
    static auto& list = *new TThreadList;
    return list;
}
