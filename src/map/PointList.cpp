// The point list's storage: the held points, or a block grown by half again when full.
#include "map/PointList.h"

#include <algorithm>
#include <stdexcept>

namespace mapi {

PointList::PointList(std::span<const WorldPoint> points) {
    std::copy(points.begin(), points.end(), resizeForOverwrite(points.size()));
}

PointList::PointList(const PointList& other) : PointList(std::span(other.data(), other.size())) {}

PointList::PointList(PointList&& other) noexcept
    : held_(other.held_), size_(other.size_), capacity_(other.capacity_),
      heap_(std::move(other.heap_)) {
    other.size_ = 0;
    other.capacity_ = kInline;
}

PointList& PointList::operator=(const PointList& other) {
    if (this != &other)
        *this = PointList(other);
    return *this;
}

PointList& PointList::operator=(PointList&& other) noexcept {
    if (this == &other)
        return *this;
    held_ = other.held_;
    heap_ = std::move(other.heap_);
    size_ = other.size_;
    capacity_ = other.capacity_;
    other.size_ = 0;
    other.capacity_ = kInline;
    return *this;
}

void PointList::reserve(std::size_t count) {
    if (count <= capacity_)
        return;
    // A point count is a 32-bit field of the record: no list holds more.
    if (count > UINT32_MAX)
        throw std::length_error("too many points for one map object");
    const std::size_t capacity = std::max<std::size_t>(count, capacity_ + capacity_ / 2);
    auto block = std::make_unique_for_overwrite<WorldPoint[]>(capacity);
    std::copy(begin(), end(), block.get());
    heap_ = std::move(block);
    capacity_ = static_cast<uint32_t>(std::min<std::size_t>(capacity, UINT32_MAX));
}

WorldPoint* PointList::insert(const WorldPoint* at, WorldPoint point) {
    const auto offset = static_cast<std::size_t>(at - data());
    reserve(std::size_t{size_} + 1);
    WorldPoint* const first = data();
    std::copy_backward(first + offset, first + size_, first + size_ + 1);
    first[offset] = point;
    ++size_;
    return first + offset;
}

void PointList::erase(const WorldPoint* at) {
    WorldPoint* const first = data();
    const auto offset = static_cast<std::size_t>(at - first);
    std::copy(first + offset + 1, first + size_, first + offset);
    --size_;
}

WorldPoint* PointList::resizeForOverwrite(std::size_t count) {
    if (count > capacity_) {
        // The old points are not wanted: a block of the exact size, nothing copied.
        if (count > UINT32_MAX)
            throw std::length_error("too many points for one map object");
        heap_ = std::make_unique_for_overwrite<WorldPoint[]>(count);
        capacity_ = static_cast<uint32_t>(count);
    }
    size_ = static_cast<uint32_t>(count);
    return data();
}

bool PointList::operator==(const PointList& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
}

} // namespace mapi
