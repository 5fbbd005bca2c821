// Icon-library streams built for the tests: a header, then per icon a record and a BMP file of
// a square filled with one colour.
#pragma once

#include <string>
#include <vector>

#include "toolkit/TColor.h"

class TKexIcon;

namespace iconsamples {

struct SampleIcon {
    std::string name;
    TColor fill = clRed;
    int size = 16;
    TColor transparentColor = clAqua;
    bool transparent = true;
};

// The stream's bytes; formatFlag 1 makes the icons follow.
std::string libraryBytes(const std::string& libName, const std::vector<SampleIcon>& icons,
                         int formatFlag = 1);

// Loads a library of the icons into the set under the name.
void addLibrary(TKexIcon& set, const std::string& libName, const std::vector<SampleIcon>& icons);

// The byte offset at which icon i's record starts.
std::size_t recordOffset(const std::string& bytes, int i);

} // namespace iconsamples
