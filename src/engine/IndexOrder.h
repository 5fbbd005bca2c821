// One index order of a table image: the entries (key bytes, record number) of every record in the
// order, sorted by key and then record number, so that seeks, scopes and positions are binary
// searches and index arithmetic.
#pragma once

#include "engine/Expression.h"
#include "engine/IndexDef.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

class IndexOrder {
public:
    IndexOrder(IndexDef def, std::unique_ptr<Expression> condition, uint32_t id);

    const IndexDef& def() const { return def_; }
    // Process-unique id carried in bookmarks.
    uint32_t id() const { return id_; }

    size_t size() const { return recnos_.size(); }
    size_t memoryUsage() const { return keys_.capacity() + recnos_.capacity() * sizeof(uint32_t); }
    uint32_t recnoAt(size_t i) const { return recnos_[i]; }
    std::string_view keyAt(size_t i) const {
        return {reinterpret_cast<const char*>(keys_.data()) + i * def_.keyLength, def_.keyLength};
    }

    // Whether a record belongs in the order (its condition holds).
    bool includes(const RecordLayout& layout, const unsigned char* record) const;

    // Replaces every entry; records are given in any order.
    void build(const RecordLayout& layout, const std::vector<uint32_t>& recnos, const unsigned char* rows,
               uint32_t rowLength);
    void insert(std::string_view key, uint32_t recno);
    void erase(std::string_view key, uint32_t recno);

    // First entry not below (key, recno).
    size_t lowerBound(std::string_view key, uint32_t recno) const;
    // First entry whose key prefix of prefix.size() bytes is not below / above prefix.
    size_t lowerBoundPrefix(std::string_view prefix) const;
    size_t upperBoundPrefix(std::string_view prefix) const;
    // Whether entry i is (key, recno).
    bool isEntry(size_t i, std::string_view key, uint32_t recno) const {
        return i < size() && recnos_[i] == recno && keyAt(i) == key;
    }

private:
    // The first entry for which below(i) is false; below must be true for a prefix of entries.
    template <class Below>
    size_t partitionPoint(Below below) const {
        size_t lo = 0;
        size_t hi = size();
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (below(mid))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    IndexDef def_;
    std::unique_ptr<Expression> condition_;
    uint32_t id_;
    std::vector<unsigned char> keys_; // keyLength bytes per entry
    std::vector<uint32_t> recnos_;
};

} // namespace ce
