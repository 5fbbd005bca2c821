// The points of one map object: up to kInline of them held inside the object, more in one block
// of their own. Most objects have a handful of points, so loading a map allocates nothing for
// them; copies stay deep. The operations are the few a vector offers that the map uses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "map/WorldPoint.h"

namespace mapi {

class PointList {
public:
    static constexpr std::size_t kInline = 6;

    PointList() = default;
    explicit PointList(std::span<const WorldPoint> points);
    PointList(const PointList& other);
    PointList(PointList&& other) noexcept;
    PointList& operator=(const PointList& other);
    PointList& operator=(PointList&& other) noexcept;
    ~PointList() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    WorldPoint* data() { return heap_ ? heap_.get() : held_.data(); }
    const WorldPoint* data() const { return heap_ ? heap_.get() : held_.data(); }
    WorldPoint* begin() { return data(); }
    WorldPoint* end() { return data() + size_; }
    const WorldPoint* begin() const { return data(); }
    const WorldPoint* end() const { return data() + size_; }
    WorldPoint& operator[](std::size_t i) { return data()[i]; }
    const WorldPoint& operator[](std::size_t i) const { return data()[i]; }

    void push_back(WorldPoint point) { insert(end(), point); }
    // Inserts before at, which points into this list or at its end; returns the new point.
    WorldPoint* insert(const WorldPoint* at, WorldPoint point);
    void erase(const WorldPoint* at);
    // count points whose values the caller writes at once through the result, in place of the
    // list's points: a reader fills them straight from its input.
    WorldPoint* resizeForOverwrite(std::size_t count);

    bool operator==(const PointList& other) const;

private:
    // Room for at least count points, the points kept.
    void reserve(std::size_t count);

    // The block pointer last, beside whatever follows the list (a payload's kind), which is read
    // with it when a record goes.
    std::array<WorldPoint, kInline> held_ = {};
    uint32_t size_ = 0;
    uint32_t capacity_ = kInline;
    std::unique_ptr<WorldPoint[]> heap_; // null while the points fit in held_
};

} // namespace mapi
