// Handle allocation and look-up. Numbers only grow, so a closed handle stays unknown for the rest
// of the process (datasets compare against stale handles).
#include "engine/HandleTable.h"

#include "engine/ProcessWide.h"

namespace ce {

uint32_t HandleTable::add(std::unique_ptr<HandleObject> object) {
    const uint32_t handle = next_;
    // 2^31 - 1 handles are plenty for one process; past that the numbers wrap but skip live ones.
    do {
        next_ = next_ >= 0x7FFFFFFFu ? 1 : next_ + 1;
    } while (objects_.count(next_));
    objects_[handle] = std::move(object);
    return handle;
}

HandleObject* HandleTable::find(uint32_t handle) const {
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second.get();
}

std::vector<uint32_t> HandleTable::ownedBy(uint32_t owner) const {
    std::vector<uint32_t> owned;
    for (const auto& [handle, object] : objects_)
        if (object->owner() == owner)
            owned.push_back(handle);
    return owned;
}

void HandleTable::remove(uint32_t handle) {
    for (uint32_t child : ownedBy(handle))
        remove(child);
    // The object may run clean-up that looks other handles up, so it is destroyed after unlinking.
    auto it = objects_.find(handle);
    if (it == objects_.end())
        return;
    std::unique_ptr<HandleObject> object = std::move(it->second);
    objects_.erase(it);
    object.reset();
}

size_t HandleTable::count(HandleKind kind) const {
    size_t n = 0;
    for (const auto& entry : objects_)
        n += entry.second->kind() == kind;
    return n;
}

HandleTable& handles() {
    return processWide<HandleTable>();
}

} // namespace ce
