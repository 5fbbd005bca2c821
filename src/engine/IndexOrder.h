// One index order of a table image: the record numbers of every record in the order, sorted by key
// and then record number, so that seeks, scopes and positions are binary searches and index
// arithmetic. Keys are not kept: each is made from its record in the image when compared, so that an
// order costs four bytes a record.
#pragma once

#include "engine/Expression.h"
#include "engine/IndexDef.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

class TableImage;

class IndexOrder {
public:
    // An order over the records of image, which outlives it.
    IndexOrder(IndexDef def, std::unique_ptr<Expression> condition, uint32_t id, const TableImage& image);

    const IndexDef& def() const { return def_; }
    // Process-unique id carried in bookmarks.
    uint32_t id() const { return id_; }

    size_t size() const { return recnos_.size(); }
    size_t memoryUsage() const { return recnos_.capacity() * sizeof(uint32_t); }
    uint32_t recnoAt(size_t i) const { return recnos_[i]; }
    std::string keyAt(size_t i) const;
    bool sameKeys(size_t i, size_t j) const;

    // Whether a record belongs in the order (its condition holds).
    bool includes(const RecordLayout& layout, const unsigned char* record) const;

    // Replaces every entry; records are given in any order.
    void build(const RecordLayout& layout, const std::vector<uint32_t>& recnos, const unsigned char* rows,
               uint32_t rowLength);
    // Entries are added once their record is in the image, and removed while it still is, with the
    // key it has there: every other entry's record must match its place.
    void insert(std::string_view key, uint32_t recno);
    void erase(std::string_view key, uint32_t recno);

    // First entry not below (key, recno).
    size_t lowerBound(std::string_view key, uint32_t recno) const;
    // First entry whose key prefix of prefix.size() bytes is not below / above prefix.
    size_t lowerBoundPrefix(std::string_view prefix) const;
    size_t upperBoundPrefix(std::string_view prefix) const;
    // Whether entry i is (key, recno).
    bool isEntry(size_t i, std::string_view key, uint32_t recno) const {
        return i < size() && recnos_[i] == recno && compareKey(i, key) == 0;
    }

private:
    const unsigned char* recordAt(size_t i) const;
    // memcmp of entry i's key, cut to key.size() bytes, with key.
    int compareKey(size_t i, std::string_view key) const;
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
    const TableImage& image_;
    std::vector<uint32_t> recnos_;
};

} // namespace ce
