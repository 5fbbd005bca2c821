// Writes the palettised BMP layout: file header, 40-byte info header, the palette entries (blue,
// green, red, 0) and the rows bottom-up, pixels packed from the high bits, each row padded to
// four bytes.
#include "makepictures/IndexedBmp.h"

#include <array>
#include <cstring>

#include "toolkit/TCanvas.h"

namespace pictures {
namespace {

constexpr int kCubeLevels = 6;
constexpr int kCube = kCubeLevels * kCubeLevels * kCubeLevels;
constexpr int kGreys = 256 - kCube;

std::array<TColor, 256> makePalette() {
    std::array<TColor, 256> palette{};
    for (int i = 0; i < kCube; ++i)
        palette[i] = RGB(i / 36 % 6 * 51, i / 6 % 6 * 51, i % 6 * 51);
    for (int i = 0; i < kGreys; ++i) {
        const int level = i * 255 / (kGreys - 1);
        palette[kCube + i] = RGB(level, level, level);
    }
    return palette;
}

const std::array<TColor, 256> kPalette = makePalette();

void put16(std::string& out, uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); }
void put32(std::string& out, uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); }

} // namespace

TColor paletteColor(uint8_t index) { return kPalette[index]; }

uint8_t nearestIndex(TColor color, std::span<const TColor> palette) {
    size_t best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = GetRValue(color) - GetRValue(palette[i]);
        const int dg = GetGValue(color) - GetGValue(palette[i]);
        const int db = GetBValue(color) - GetBValue(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

uint8_t nearestIndex(TColor color) { return nearestIndex(color, kPalette); }

std::string paletteBmp(TBitmap& bitmap, std::span<const TColor> palette, int bitsPerPixel) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    const uint32_t rowBytes = static_cast<uint32_t>((width * bitsPerPixel + 7) / 8);
    const uint32_t stride = (rowBytes + 3) / 4 * 4;
    const uint32_t colours = static_cast<uint32_t>(1) << bitsPerPixel;
    const uint32_t pixelsAt = 14 + 40 + colours * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);

    std::string out = "BM";
    put32(out, pixelsAt + imageSize);
    put32(out, 0);
    put32(out, pixelsAt);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height)); // positive: rows bottom-up
    put16(out, 1);
    put16(out, static_cast<uint16_t>(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
    for (uint32_t i = 0; i < colours; ++i) {
        const TColor c = i < palette.size() ? palette[i] : clBlack;
        out += static_cast<char>(GetBValue(c));
        out += static_cast<char>(GetGValue(c));
        out += static_cast<char>(GetRValue(c));
        out += '\0';
    }
    TCanvas& canvas = *bitmap.Canvas();
    const int perByte = 8 / bitsPerPixel;
    for (int y = height - 1; y >= 0; --y) {
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const unsigned index = nearestIndex(canvas.Pixels(x, y), palette);
            const int shift = (perByte - 1 - x % perByte) * bitsPerPixel;
            row[static_cast<size_t>(x / perByte)] =
                static_cast<char>(static_cast<unsigned char>(row[static_cast<size_t>(x / perByte)]) | (index << shift));
        }
        out += row;
    }
    return out;
}

std::string indexedBmp(TBitmap& bitmap) { return paletteBmp(bitmap, kPalette, 8); }

} // namespace pictures
