// Reading the manifest: every field is checked for its type, so a damaged file stops the build
// with a message instead of a database built from half a city.
#include "makedb/CityManifest.h"

#include "makedb/Json.h"

#include <fstream>
#include <iterator>

namespace makedb {
namespace {

bool isInteger(const JsonValue& v) {
    return v.type() == JsonValue::Type::Number && v.number() == static_cast<double>(static_cast<int64_t>(v.number()));
}

bool readInt(const JsonValue& object, const char* key, int32_t& out) {
    const JsonValue& v = object[key];
    if (!isInteger(v) || v.number() < -2147483648.0 || v.number() > 2147483647.0)
        return false;
    out = static_cast<int32_t>(v.number());
    return true;
}

bool readText(const JsonValue& object, const char* key, std::string& out) {
    const JsonValue& v = object[key];
    if (v.type() != JsonValue::Type::String)
        return false;
    out = v.string();
    return true;
}

} // namespace

bool CityManifest::load(const std::string& path, CityManifest& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (parse(text, out, error))
        return true;
    error = path + ": " + error;
    return false;
}

bool CityManifest::parse(const std::string& text, CityManifest& out, std::string& error) {
    JsonValue root;
    if (!JsonValue::parse(text, root, error))
        return false;
    out = CityManifest();
    int32_t size = 0;
    const JsonValue& seed = root["seed"];
    if (!isInteger(seed) || seed.number() < 0 || !readInt(root, "sizeFactor", size) || size < 1 ||
        root["streets"].type() != JsonValue::Type::Array || root["addresses"].type() != JsonValue::Type::Array) {
        error = "not a city manifest (seed, sizeFactor, streets and addresses expected)";
        return false;
    }
    out.seed = static_cast<uint64_t>(seed.number());
    out.sizeFactor = size;
    for (const JsonValue& s : root["streets"].array()) {
        ManifestStreet street;
        if (!readInt(s, "id", street.id) || !readText(s, "name", street.name)) {
            error = "street " + std::to_string(out.streets.size()) + " damaged";
            return false;
        }
        out.streets.push_back(std::move(street));
    }
    for (const JsonValue& a : root["addresses"].array()) {
        ManifestAddress address;
        if (!readInt(a, "objectId", address.objectId) || !readInt(a, "streetId", address.streetId) ||
            !readText(a, "street", address.street) || !readText(a, "house", address.house) ||
            !readInt(a, "category", address.category)) {
            error = "address " + std::to_string(out.addresses.size()) + " damaged";
            return false;
        }
        out.addresses.push_back(std::move(address));
    }
    return true;
}

} // namespace makedb
