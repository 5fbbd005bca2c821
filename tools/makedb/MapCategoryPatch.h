// Gives one addressed building of the city map a category id that the Category table lacks, so
// that the sample database shows what the program does with a building of unknown purpose.
#pragma once

#include <cstdint>
#include <string>

namespace makedb {

struct MapCategoryPatch {
    // Not one of the city's categories (0 to 21 and 100 to 116).
    static constexpr int32_t kMissingCategory = 99;

    int32_t objectId = 0; // the building given kMissingCategory

    // Reads the map stream, changes the last addressed dwelling house and writes the stream
    // again in its own format version; false with a message when the stream is damaged or has
    // no such house.
    bool apply(const std::string& stream, std::string& out, std::string& error);
};

} // namespace makedb
