// Sorted entries of an index order and their maintenance; keys are made from the image's records.
#include "engine/IndexOrder.h"

#include "engine/TableImage.h"

#include <algorithm>
#include <cassert>
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

} // namespace

IndexOrder::IndexOrder(IndexDef def, std::unique_ptr<Expression> condition, uint32_t id, const TableImage& image)
    : def_(std::move(def)), condition_(std::move(condition)), id_(id), image_(image) {}

const unsigned char* IndexOrder::recordAt(size_t i) const {
    const unsigned char* row = image_.find(recnos_[i]);
    assert(row && "an entry's record is in the image while the entry is in the order");
    return row;
}

std::string IndexOrder::keyAt(size_t i) const { return def_.recordKey(image_.layout(), recordAt(i)); }

int IndexOrder::compareKey(size_t i, std::string_view key) const {
    return def_.compareKey(image_.layout(), recordAt(i), key);
}

bool IndexOrder::sameKeys(size_t i, size_t j) const {
    unsigned char made[kMaxKeyLength];
    def_.writeKey(image_.layout(), recordAt(i), made);
    return compareKey(j, std::string_view(reinterpret_cast<const char*>(made), def_.keyLength)) == 0;
}

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
    recnos_.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        recnos_[i] = entries[i].recno;
    recnos_.shrink_to_fit();
}

void IndexOrder::insert(std::string_view key, uint32_t recno) {
    recnos_.insert(recnos_.begin() + static_cast<ptrdiff_t>(lowerBound(key, recno)), recno);
}

void IndexOrder::erase(std::string_view key, uint32_t recno) {
    const size_t at = lowerBound(key, recno);
    if (isEntry(at, key, recno))
        recnos_.erase(recnos_.begin() + static_cast<ptrdiff_t>(at));
}

size_t IndexOrder::lowerBound(std::string_view key, uint32_t recno) const {
    return partitionPoint([&](size_t i) {
        const int c = compareKey(i, key);
        return c < 0 || (c == 0 && recnos_[i] < recno);
    });
}

size_t IndexOrder::lowerBoundPrefix(std::string_view prefix) const {
    return partitionPoint([&](size_t i) { return compareKey(i, prefix) < 0; });
}

size_t IndexOrder::upperBoundPrefix(std::string_view prefix) const {
    return partitionPoint([&](size_t i) { return compareKey(i, prefix) <= 0; });
}

} // namespace ce
