// An owning pointer that copies what it owns, so that records holding one keep value semantics:
// a copy of a record never shares, and so never outlives, the blocks of another.
#pragma once

#include <memory>
#include <utility>

namespace mapi {

template <typename T>
class Boxed {
public:
    explicit Boxed(T value) : value_(std::make_unique<T>(std::move(value))) {}
    Boxed(const Boxed& other)
        : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
    Boxed(Boxed&&) noexcept = default;
    Boxed& operator=(const Boxed& other) {
        if (this != &other)
            value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
        return *this;
    }
    Boxed& operator=(Boxed&&) noexcept = default;
    ~Boxed() = default;

    // Null only after the box was moved from.
    T* get() const { return value_.get(); }

    bool operator==(const Boxed& other) const {
        if (!value_ || !other.value_)
            return value_ == other.value_;
        return *value_ == *other.value_;
    }

private:
    std::unique_ptr<T> value_;
};

} // namespace mapi
