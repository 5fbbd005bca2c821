// The bundled city (seed and size of the build) planned once for all suites, and loaded back
// from the map stream of any layout version.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "makecity/CityBuilder.h"
#include "makecity/CityDocument.h"
#include "map/MapModel.h"
#include "mapstream/MapStreamWriter.h"
#include "support/ByteStream.h"

namespace city::test {

constexpr uint64_t kSeed = 2003;

inline const CityPlan& bundledCity() {
    static const CityPlan plan = buildCity(kSeed, 1);
    return plan;
}

inline std::string cityStream(uint32_t version) {
    return mapstream::WriteMapStream(cityDocument(bundledCity(), version));
}

// A map read by the program's reader from the bytes of a stream.
inline std::unique_ptr<mapi::MapModel> loadMap(const std::string& bytes) {
    TMemoryStream stream = testsupport::streamOf(bytes);
    auto model = std::make_unique<mapi::MapModel>();
    model->LoadFromStream(stream);
    return model;
}

inline std::unique_ptr<mapi::MapModel> loadCity(uint32_t version) { return loadMap(cityStream(version)); }

} // namespace city::test
