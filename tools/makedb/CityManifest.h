// The parts of the sample city's manifest (written by makecity) the database is built from: the
// seed and size factor, the streets and every address of the map with its object and category.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace makedb {

struct ManifestStreet {
    int32_t id = 0;
    std::string name; // UTF-8, upper case
};

struct ManifestAddress {
    int32_t objectId = 0;
    int32_t streetId = 0;
    std::string street; // UTF-8, upper case
    std::string house;  // UTF-8, upper case
    int32_t category = 0;
};

struct CityManifest {
    uint64_t seed = 0;
    int sizeFactor = 1;
    std::vector<ManifestStreet> streets;
    std::vector<ManifestAddress> addresses;

    // Reads a manifest file; false with a message when it is missing or not a manifest.
    static bool load(const std::string& path, CityManifest& out, std::string& error);
    // The same from the manifest's text.
    static bool parse(const std::string& text, CityManifest& out, std::string& error);
};

} // namespace makedb
