// File names given to the engine (CP1251, "\" or "/" separators, relative to the current
// directory) turned into native UTF-8 paths; a component that does not exist with its exact case
// is matched case-insensitively, as layouts carry names like "data\mapdata.vdd".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ce {

// The native path of a name; components that match nothing are kept as given.
std::string resolvePath(std::string_view name);

// The last component of a CP1251 name and its extension (with the dot, or empty).
std::string baseName(std::string_view name);
std::string extensionOf(std::string_view name);

// A free table's file name: ".vdt" (table type 3) or ".dbf" (types 1, 2) appended when the name
// has no extension.
std::string tableFileName(std::string_view name, uint16_t tableType);

} // namespace ce
