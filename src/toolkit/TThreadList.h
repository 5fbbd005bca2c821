// A pointer list behind a lock, for lists that several threads may reach (the live datasets and
// connections). LockList hands out the list; every LockList needs its UnlockList.
#pragma once

#include <mutex>

#include "toolkit/TDuplicates.h"
#include "toolkit/TList.h"

class TThreadList {
public:
    // Duplicates: dupIgnore (the default) skips a pointer already listed, dupError raises.
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }

    void Add(void* Item);
    void Remove(void* Item);
    void Clear();

    // The same thread may lock again; it must unlock as often.
    TList* LockList();
    void UnlockList();

private:
    std::recursive_mutex lock_;
    TList list_;
    TDuplicates duplicates_ = dupIgnore;
};
