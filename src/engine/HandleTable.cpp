// Handle allocation and look-up. Numbers only grow, so a closed handle stays unknown for the rest
// of the process (datasets compare against stale handles).
#include "engine/HandleTable.h"

#include "engine/ProcessWide.h"

#include <algorithm>

namespace ce {

std::vector<HandleTable::Entry>::const_iterator HandleTable::lowerBound(uint32_t handle) const {
    return std::lower_bound(entries_.begin(), entries_.end(), handle,
                            [](const Entry& entry, uint32_t wanted) { return entry.handle < wanted; });
}

uint32_t HandleTable::add(std::unique_ptr<HandleObject> object) {
    const uint32_t handle = next_;
    // 2^31 - 1 handles are plenty for one process; past that the numbers wrap but skip live ones.
    do {
        next_ = next_ >= 0x7FFFFFFFu ? 1 : next_ + 1;
    } while (find(next_) != nullptr);
    const uint32_t owner = object->owner();
    entries_.insert(entries_.begin() + (lowerBound(handle) - entries_.begin()), Entry{handle, owner, std::move(object)});
    return handle;
}

HandleObject* HandleTable::find(uint32_t handle) const {
    if (handle == lastHandle_ && lastObject_ != nullptr)
        return lastObject_;
    const auto it = lowerBound(handle);
    if (it == entries_.end() || it->handle != handle)
        return nullptr;
    lastHandle_ = handle;
    lastObject_ = it->object.get();
    return lastObject_;
}

std::vector<uint32_t> HandleTable::ownedBy(uint32_t owner) const {
    std::vector<uint32_t> owned;
    for (const Entry& entry : entries_)
        if (entry.owner == owner)
            owned.push_back(entry.handle);
    return owned;
}

void HandleTable::remove(uint32_t handle) {
    for (uint32_t child : ownedBy(handle))
        remove(child);
    // The object may run clean-up that looks other handles up, so it is destroyed after unlinking.
    const auto it = lowerBound(handle);
    if (it == entries_.end() || it->handle != handle)
        return;
    auto at = entries_.begin() + (it - entries_.begin());
    std::unique_ptr<HandleObject> object = std::move(at->object);
    entries_.erase(at);
    lastHandle_ = 0;
    lastObject_ = nullptr;
    object.reset();
}

size_t HandleTable::count(HandleKind kind) const {
    size_t n = 0;
    for (const Entry& entry : entries_)
        n += entry.object->kind() == kind;
    return n;
}

HandleTable& handles() {
    return processWide<HandleTable>();
}

} // namespace ce
