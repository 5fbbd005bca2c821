// The one table of engine handles: small positive 32-bit numbers, never 0 or 0xFFFFFFFF, never
// reused within the process, each bound to an object of one kind. Looking up a stale, foreign or
// wrong-kind handle gives nullptr, never a dangling object.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace ce {

enum class HandleKind : uint16_t {
    Directory = 1,
    Table = 2,
    Order = 3,
    Statement = 4,
    SqlCursor = 5,
    Dictionary = 6,
    DictionaryAdmin = 7,
    Find = 8,
};

class HandleObject {
public:
    explicit HandleObject(HandleKind kind, uint32_t owner = 0) : kind_(kind), owner_(owner) {}
    virtual ~HandleObject() = default;

    HandleKind kind() const { return kind_; }
    // The handle this one was opened through (connection of a table, table of an order), or 0.
    uint32_t owner() const { return owner_; }

private:
    HandleKind kind_;
    uint32_t owner_;
};

class HandleTable {
public:
    uint32_t add(std::unique_ptr<HandleObject> object);
    HandleObject* find(uint32_t handle) const;
    // The object when it is of type T, else nullptr.
    template <class T>
    T* get(uint32_t handle) const {
        return dynamic_cast<T*>(find(handle));
    }
    // Removes a handle and, first, every handle owned by it (recursively, in ascending order).
    void remove(uint32_t handle);
    // The live handles owned by owner, ascending.
    std::vector<uint32_t> ownedBy(uint32_t owner) const;
    size_t count(HandleKind kind) const;

private:
    struct Entry {
        uint32_t handle;
        uint32_t owner; // the object's, beside the handle so that finding the owned reads one block
        std::unique_ptr<HandleObject> object;
    };
    std::vector<Entry>::const_iterator lowerBound(uint32_t handle) const;

    // Sorted by handle. Every engine call looks its handle up, and a process holds few handles
    // at a time (tables, their orders, statements, cursors): a binary search over one block of
    // memory beats a search through separately allocated nodes, and new handles, being the
    // largest, go to the end.
    std::vector<Entry> entries_;
    // The handle found last: a dataset's calls come in runs on one handle (a row is several calls
    // on its cursor). Objects do not move while they live, so only a removal forgets it.
    mutable uint32_t lastHandle_ = 0;
    mutable HandleObject* lastObject_ = nullptr;
    uint32_t next_ = 1;
};

// The process's handle table; callers hold the engine lock.
HandleTable& handles();

} // namespace ce
