// Reading and writing the platform's BMP files: uncompressed 1, 4 and 8-bit palettised, 24 and
// 32-bit pictures, stored bottom-up or top-down. Every header field is checked against the bytes
// the stream holds, so a damaged file gives an error naming the fault, never a wild read.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/TStream.h"

namespace tk {

struct BmpImage {
    int width = 0;
    int height = 0;
    // Rows top-down, each pixel 0xFFRRGGBB.
    std::vector<std::uint32_t> pixels;
    // As the file stored them (1, 4, 8, 24 or 32); writing ignores it.
    int bitsPerPixel = 0;
};

// Reads one BMP file from the stream's position and leaves the stream after its pixels.
// Raises EInvalidGraphic with the fault and its byte offset from the file's start.
BmpImage readBmp(TStream& stream);

// Writes a 24-bit bottom-up BMP file.
void writeBmp(TStream& stream, const BmpImage& image);

} // namespace tk
