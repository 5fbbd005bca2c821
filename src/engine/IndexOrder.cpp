// Sorted entries of an index order and their maintenance.
#include "engine/IndexOrder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace ce {
namespace {

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
    std::vector<unsigned char> keys;
    std::vector<uint32_t> members;
    keys.reserve(recnos.size() * keyLength);
    members.reserve(recnos.size());
    for (size_t i = 0; i < recnos.size(); ++i) {
        const unsigned char* row = rows + i * rowLength;
        if (!includes(layout, row))
            continue;
        const std::string key = def_.recordKey(layout, row);
        keys.insert(keys.end(), key.begin(), key.end());
        members.push_back(recnos[i]);
    }
    std::vector<uint32_t> order(members.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const int c = std::memcmp(keys.data() + a * keyLength, keys.data() + b * keyLength, keyLength);
        return c != 0 ? c < 0 : members[a] < members[b];
    });
    keys_.resize(keys.size());
    recnos_.resize(members.size());
    for (size_t i = 0; i < order.size(); ++i) {
        std::memcpy(keys_.data() + i * keyLength, keys.data() + order[i] * keyLength, keyLength);
        recnos_[i] = members[order[i]];
    }
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
