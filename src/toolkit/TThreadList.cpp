// The locked pointer list.
#include "toolkit/TThreadList.h"

#include "toolkit/EListError.h"

void TThreadList::Add(void* Item) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (duplicates_ != dupAccept && list_.IndexOf(Item) >= 0) {
        if (duplicates_ == dupError)
            throw EListError("List does not allow duplicates");
        return;
    }
    list_.Add(Item);
}

void TThreadList::Remove(void* Item) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    list_.Remove(Item);
}

void TThreadList::Clear() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    list_.Clear();
}

TList* TThreadList::LockList() {
    lock_.lock();
    return &list_;
}

void TThreadList::UnlockList() { lock_.unlock(); }
