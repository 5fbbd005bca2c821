// The pool of implicit engine connections, one per directory, for datasets that name a directory
// instead of a connection component. Looked up by the upper-cased path; closed at process end.
#pragma once

#include <mutex>
#include <vector>

#include "engine/CeEngine.h"
#include "toolkit/AnsiString.h"

struct TDynamicConn {
    CEHANDLE Handle;
    AnsiString Path;
};

class TDynamicConnList {
public:
    TDynamicConnList() = default;
    // Disconnects every entry; errors are dropped, as nobody is left to hear them.
    ~TDynamicConnList();
    TDynamicConnList(const TDynamicConnList&) = delete;
    TDynamicConnList& operator=(const TDynamicConnList&) = delete;

    // The handle of the entry for Path (without case), 0 when none.
    CEHANDLE Find(const AnsiString& Path);
    // Connects to Path (checked, without a dataset) and adds the entry.
    CEHANDLE Add(const AnsiString& Path);

    // The process's pool.
    static TDynamicConnList& Instance();

private:
    std::mutex mutex_;
    std::vector<TDynamicConn> entries_;
};
