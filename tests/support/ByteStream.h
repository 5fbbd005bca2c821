// A memory stream holding the given bytes, positioned at their start: the input of a reader
// under test.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/TMemoryStream.h"

namespace testsupport {

inline TMemoryStream streamOf(const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    return stream;
}

} // namespace testsupport
