// The implicit-connection pool.
#include "data/TDynamicConnList.h"

#include "data/EDbEngineError.h"
#include "toolkit/AnsiStrings.h"

TDynamicConnList::~TDynamicConnList() {
    for (const TDynamicConn& entry : entries_)
        (void)CeDisconnect(entry.Handle);
}

CEHANDLE TDynamicConnList::Find(const AnsiString& Path) {
    std::lock_guard<std::mutex> lock(mutex_);
    const AnsiString wanted = AnsiUpperCase(Path);
    for (const TDynamicConn& entry : entries_)
        if (AnsiUpperCase(entry.Path) == wanted)
            return entry.Handle;
    return 0;
}

CEHANDLE TDynamicConnList::Add(const AnsiString& Path) {
    std::lock_guard<std::mutex> lock(mutex_);
    CEHANDLE handle = 0;
    EngineCheck(nullptr, CeConnect(Path.c_str(), &handle));
    entries_.push_back(TDynamicConn{handle, Path});
    return handle;
}

TDynamicConnList& TDynamicConnList::Instance() {
    static TDynamicConnList pool;
    return pool;
}
