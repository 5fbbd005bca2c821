// The icon library stream the map reads its built-in icons from: a 181-byte header (signature
// line, format flag 1, library name, reserved bytes, icon count), then per icon a 40-byte record
// (name, transparent colour, transparent flag, image size) followed by its BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/TColor.h"

namespace pictures {

struct LibraryIcon {
    std::string name; // at most 30 characters
    TColor transparentColor = 0;
    bool transparent = true;
    std::string bmp; // a complete BMP file
};

// formatFlag 1 tells the reader that the icons follow; the tests write others to see them ignored.
std::string iconLibraryStream(std::string_view libraryName, const std::vector<LibraryIcon>& icons,
                              int32_t formatFlag = 1);

} // namespace pictures
