// Random bytes from a fixed seed: input that is no file of any format, the same in every run.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace testsupport {

inline std::string noise(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

} // namespace testsupport
