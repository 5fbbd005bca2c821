// PNG chunks with their CRCs, and a zlib stream of stored blocks with its Adler-32 sum.
#include "maprender/PngFile.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <vector>

#include "toolkit/TCanvas.h"

namespace maprender {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t crc32(std::string_view type, const Bytes& data) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    const auto add = [&](uint8_t b) { c = table[(c ^ b) & 0xFF] ^ (c >> 8); };
    for (char ch : type)
        add(static_cast<uint8_t>(ch));
    for (uint8_t b : data)
        add(b);
    return c ^ 0xFFFFFFFFu;
}

void putBig32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

void putChunk(Bytes& out, std::string_view type, const Bytes& data) {
    putBig32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(type, data));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes storedZlib(const Bytes& raw) {
    constexpr std::size_t kBlock = 65535;
    Bytes out = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min(kBlock, raw.size() - pos);
        const bool last = pos + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(out, b << 16 | a);
    return out;
}

} // namespace

bool writePng(TBitmap& bitmap, const std::string& path) {
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width <= 0 || height <= 0)
        return false;
    TCanvas& canvas = *bitmap.Canvas();
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(height) * (static_cast<std::size_t>(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < width; ++x) {
            const TColor c = canvas.Pixels(x, y);
            raw.push_back(static_cast<uint8_t>(GetRValue(c)));
            raw.push_back(static_cast<uint8_t>(GetGValue(c)));
            raw.push_back(static_cast<uint8_t>(GetBValue(c)));
        }
    }
    Bytes header;
    putBig32(header, static_cast<uint32_t>(width));
    putBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(),
                  {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter set, no interlace

    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", storedZlib(raw));
    putChunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

} // namespace maprender
