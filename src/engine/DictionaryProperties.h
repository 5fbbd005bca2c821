// The numbered properties of a dictionary and its objects (the numbers are listed in CeEngine.h):
// which object kind each belongs to, how its value is encoded (text, 32-bit number, 16-bit
// Boolean) and where it is kept (a metadata column, or derived from other metadata).
#pragma once

#include "engine/Dictionary.h"
#include "engine/Status.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ce {

class DictionaryProperties {
public:
    explicit DictionaryProperties(Dictionary& dictionary) : dictionary_(dictionary) {}

    // The value of a property of object `name` (of `parent`, for fields and indexes). Texts come
    // back as CP1251 (isText true), numbers and Booleans as their little-endian bytes. 5018 for a
    // property number the kind does not have, 5138 for a property never set.
    Status get(ObjectKind kind, std::string_view parent, std::string_view name, uint16_t property,
               std::string& value, bool& isText);
    // Sets a property from the caller's bytes (a text up to its zero or `bytes`' end; an empty
    // text clears it). 5018 for read-only properties and values too short for their type.
    Status set(ObjectKind kind, std::string_view parent, std::string_view name, uint16_t property,
               std::string_view bytes);

private:
    Status derived(std::string_view parent, const ObjectRow& row, uint16_t property, std::string& value);

    Dictionary& dictionary_;
};

} // namespace ce
