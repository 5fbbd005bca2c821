// Reading back an icon library stream the way the map looks icons up: library and icon names
// compared in upper case. Shared by the suites that check the built-in library.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/CaseMap.h"

namespace pictures::test {

struct StoredIcon {
    std::string name;
    int32_t transparentColor = 0;
    uint8_t transparent = 0;
    std::string bmp;
};

struct StoredLibrary {
    int32_t format = 0;
    std::string name;
    int32_t count = 0;
    std::vector<StoredIcon> icons;

    // The icon's BMP when the names match (trimmed of nothing, upper case), else nothing.
    std::optional<std::string> find(std::string_view library, std::string_view icon) const {
        if (base::upperCp1251(library) != base::upperCp1251(name))
            return std::nullopt;
        for (const StoredIcon& i : icons)
            if (base::upperCp1251(i.name) == base::upperCp1251(icon))
                return i.bmp;
        return std::nullopt;
    }
};

inline int32_t int32At(const std::string& bytes, size_t at) {
    int32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

inline std::string shortStringAt(const std::string& bytes, size_t at) {
    return bytes.substr(at + 1, static_cast<unsigned char>(bytes[at]));
}

inline StoredLibrary readLibrary(const std::string& bytes) {
    StoredLibrary library;
    library.format = int32At(bytes, 71);
    library.name = shortStringAt(bytes, 75);
    library.count = int32At(bytes, 177);
    size_t at = 181;
    for (int32_t i = 0; i < library.count && at + 40 <= bytes.size(); ++i) {
        StoredIcon icon{shortStringAt(bytes, at), int32At(bytes, at + 31),
                        static_cast<uint8_t>(bytes[at + 35]), {}};
        const auto size = static_cast<size_t>(int32At(bytes, at + 36));
        icon.bmp = bytes.substr(at + 40, size);
        at += 40 + size;
        library.icons.push_back(std::move(icon));
    }
    return library;
}

} // namespace pictures::test
