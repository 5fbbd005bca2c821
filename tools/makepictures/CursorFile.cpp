// Writes the cursor file layout: a 6-byte directory header (type 2), one 16-byte entry holding
// the hotspot, a 40-byte info header of twice the image's height (image and mask), the pixels
// as blue, green, red, alpha and the mask rows padded to 32 bits.
#include "makepictures/CursorFile.h"

#include <cstdint>
#include <vector>

#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

void put8(std::string& out, uint8_t v) { out += static_cast<char>(v); }
void put16(std::string& out, uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); }
void put32(std::string& out, uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }

} // namespace

std::string cursorFile(TBitmap& image, TColor transparent, TPoint hotspot) {
    const int width = image.Width();
    const int height = image.Height();
    const uint32_t maskStride = static_cast<uint32_t>((width + 31) / 32 * 4);
    const uint32_t imageBytes = 40 + static_cast<uint32_t>(width * height * 4) + maskStride * height;

    std::string out;
    put16(out, 0);
    put16(out, 2); // a cursor
    put16(out, 1);
    put8(out, static_cast<uint8_t>(width));
    put8(out, static_cast<uint8_t>(height));
    put8(out, 0);
    put8(out, 0);
    put16(out, static_cast<uint16_t>(hotspot.X));
    put16(out, static_cast<uint16_t>(hotspot.Y));
    put32(out, imageBytes);
    put32(out, 22);

    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, imageBytes - 40);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    TCanvas& canvas = *image.Canvas();
    std::vector<uint8_t> mask(maskStride * static_cast<uint32_t>(height), 0);
    for (int y = height - 1; y >= 0; --y) {
        const int row = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const TColor c = canvas.Pixels(x, y);
            const bool clear = c == transparent;
            put8(out, clear ? 0 : static_cast<uint8_t>(GetBValue(c)));
            put8(out, clear ? 0 : static_cast<uint8_t>(GetGValue(c)));
            put8(out, clear ? 0 : static_cast<uint8_t>(GetRValue(c)));
            put8(out, clear ? 0 : 255);
            if (clear)
                mask[static_cast<size_t>(row) * maskStride + static_cast<size_t>(x / 8)] |=
                    static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    out.append(reinterpret_cast<const char*>(mask.data()), mask.size());
    return out;
}

} // namespace pictures
