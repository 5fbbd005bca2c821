// The builder's random numbers: one seed gives the same city on every machine, so the generator
// draws from its own splitmix64 sequence instead of the standard library's distributions.
#pragma once

#include <cstdint>

namespace city {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from lo to hi, both included.
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1));
    }

    // A number from lo up to (not including) hi.
    float real(float lo, float hi) {
        return lo + (hi - lo) * static_cast<float>((next() >> 40) * 0x1.0p-24);
    }

    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }

private:
    uint64_t state_;
};

} // namespace city
