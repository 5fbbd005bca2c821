// Small JPEG pictures of one colour made with the library's encoder, for the JPEG suite and the
// JPEG fuzz target's seeds.
#pragma once

#include <vector>

namespace testjpeg {

// components 1 (grey) or 3 (RGB); colour gives one value per component.
std::vector<unsigned char> encode(int width, int height, int components, const unsigned char* colour,
                                  bool progressive = false);

} // namespace testjpeg
