// Sorted entries of an index order and their maintenance.
#include "engine/IndexOrder.h"

#include <algorithm>
#include <cstring>

namespace ce {
namespace {

// What the sort moves for one record: the key's first eight bytes as a number that orders as they
// do (zero-padded for shorter keys), the record number and where the whole key lies.
struct SortEntry {
    uint64_t leading;
    uint32_t recno;
    uint32_t slot;
};

uint64_t leadingBytes(const unsigned char* key, size_t keyLength) {
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(uint64_t); ++i)
        value = value << 8 | (i < keyLength ? key[i] : 0);
    return value;
}

int comparePrefix(std::string_view key, std::string_view prefix) {
    const size_t n = std::min(key.size(), prefix.size());
    return std::memcmp(key.data(), prefix.data(), n);
}

} // namespace

IndexOrder::IndexOrder(IndexDef def, std::unique_ptr<Expression> condition, uint32_t id)
    : def_(std::move(def)), condition_(std::move(condition)), id_(id) {}

bool IndexOrder::includes(const RecordLayout& layout, const unsigned char* record) const {
    if (!condition_)
        return true;
    return condition_->test(EvalContext{&layout, record, /*exact=*/false});
}

void IndexOrder::build(const RecordLayout& layout, const std::vector<uint32_t>& recnos, const unsigned char* rows,
                       uint32_t rowLength) {
    const size_t keyLength = def_.keyLength;
    // Every key is written once into one block; the sort then moves small entries that carry the
    // key's first bytes, so that most comparisons never reach the block.
    std::vector<unsigned char> keys(recnos.size() * keyLength);
    std::vector<SortEntry> entries;
    entries.reserve(recnos.size());
    for (size_t i = 0; i < recnos.size(); ++i) {
        const unsigned char* row = rows + i * rowLength;
        if (!includes(layout, row))
            continue;
        unsigned char* key = keys.data() + entries.size() * keyLength;
        def_.writeKey(layout, row, key);
        entries.push_back(SortEntry{leadingBytes(key, keyLength), recnos[i], static_cast<uint32_t>(entries.size())});
    }
    const size_t restLength = keyLength > sizeof(uint64_t) ? keyLength - sizeof(uint64_t) : 0;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.leading != b.leading)
            return a.leading < b.leading;
        if (restLength > 0) {
            const int c = std::memcmp(keys.data() + a.slot * keyLength + sizeof(uint64_t),
                                      keys.data() + b.slot * keyLength + sizeof(uint64_t), restLength);
            if (c != 0)
                return c < 0;
        }
        return a.recno < b.recno;
    });
    keys_.resize(entries.size() * keyLength);
    recnos_.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        std::memcpy(keys_.data() + i * keyLength, keys.data() + entries[i].slot * keyLength, keyLength);
        recnos_[i] = entries[i].recno;
    }
    keys_.shrink_to_fit();
    recnos_.shrink_to_fit();
}

void IndexOrder::insert(std::string_view key, uint32_t recno) {
    const size_t at = lowerBound(key, recno);
    keys_.insert(keys_.begin() + static_cast<ptrdiff_t>(at * def_.keyLength), key.begin(), key.end());
    recnos_.insert(recnos_.begin() + static_cast<ptrdiff_t>(at), recno);
}

void IndexOrder::erase(std::string_view key, uint32_t recno) {
    const size_t at = lowerBound(key, recno);
    if (!isEntry(at, key, recno))
        return;
    const auto first = keys_.begin() + static_cast<ptrdiff_t>(at * def_.keyLength);
    keys_.erase(first, first + def_.keyLength);
    recnos_.erase(recnos_.begin() + static_cast<ptrdiff_t>(at));
}

size_t IndexOrder::lowerBound(std::string_view key, uint32_t recno) const {
    return partitionPoint([&](size_t i) {
        const int c = std::memcmp(keyAt(i).data(), key.data(), def_.keyLength);
        return c < 0 || (c == 0 && recnos_[i] < recno);
    });
}

size_t IndexOrder::lowerBoundPrefix(std::string_view prefix) const {
    return partitionPoint([&](size_t i) { return comparePrefix(keyAt(i), prefix) < 0; });
}

size_t IndexOrder::upperBoundPrefix(std::string_view prefix) const {
    return partitionPoint([&](size_t i) { return comparePrefix(keyAt(i), prefix) <= 0; });
}

} // namespace ce
