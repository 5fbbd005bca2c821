// BMP files: a 14-byte file header, an info header (the 12-byte core form or the 40-byte form
// and its longer successors), a palette for 8 bits or fewer, and rows padded to 4 bytes.
#include "toolkit/BmpCodec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "toolkit/TGraphic.h"

namespace tk {

namespace {

constexpr std::uint32_t kRgb = 0;        // uncompressed
constexpr std::uint32_t kBitfields = 3;  // uncompressed with channel masks
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

[[noreturn]] void fail(const std::string& what, std::int64_t offset) {
    throw EInvalidGraphic("Bitmap image is not valid: " + what + " at byte " + std::to_string(offset));
}

// Reads the file's fields in order, counting the offset from the file's start.
class FieldReader {
public:
    explicit FieldReader(TStream& stream) : stream_(stream) {}

    std::int64_t offset() const { return offset_; }

    void bytes(void* buffer, std::int64_t count, const char* what) {
        if (stream_.Read(buffer, count) != count) fail(std::string(what) + " is cut short", offset_);
        offset_ += count;
    }
    std::uint32_t u32(const char* what) {
        unsigned char b[4];
        bytes(b, 4, what);
        return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::int32_t i32(const char* what) { return static_cast<std::int32_t>(u32(what)); }
    std::uint16_t u16(const char* what) {
        unsigned char b[2];
        bytes(b, 2, what);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    void skip(std::int64_t count, const char* what) {
        std::array<unsigned char, 64> scrap;
        while (count > 0) {
            const std::int64_t n = std::min<std::int64_t>(count, scrap.size());
            bytes(scrap.data(), n, what);
            count -= n;
        }
    }

private:
    TStream& stream_;
    std::int64_t offset_ = 0;
};

struct InfoHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top-down
    int bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
};

InfoHeader readInfoHeader(FieldReader& in) {
    const std::int64_t at = in.offset();
    const std::uint32_t size = in.u32("info header");
    InfoHeader info;
    int planes = 0;
    if (size == 12) {
        info.width = in.u16("info header");
        info.height = in.u16("info header");
        planes = in.u16("info header");
        info.bits = in.u16("info header");
        info.paletteEntrySize = 3;
    } else if (size == 40 || size == 52 || size == 56 || size == 108 || size == 124) {
        info.width = in.i32("info header");
        info.height = in.i32("info header");
        planes = in.u16("info header");
        info.bits = in.u16("info header");
        info.compression = in.u32("info header");
        in.skip(12, "info header");  // image size and resolution: not needed to read the pixels
        info.colorsUsed = in.u32("info header");
        in.skip(4, "info header");
        // Channel masks follow the 40 bytes, inside a longer header or after a short one.
        if (info.compression == kBitfields) {
            for (std::uint32_t& mask : info.masks) mask = in.u32("channel masks");
        }
        const std::int64_t read = in.offset() - at;
        if (read < size) in.skip(size - read, "info header");
    } else {
        fail("info header size " + std::to_string(size) + " is not supported", at);
    }
    if (planes != 1) fail("plane count " + std::to_string(planes) + " is not 1", at);
    if (info.bits != 1 && info.bits != 4 && info.bits != 8 && info.bits != 24 && info.bits != 32) {
        fail(std::to_string(info.bits) + " bits per pixel are not supported", at);
    }
    const bool standardMasks = info.masks == std::array<std::uint32_t, 3>{0x00FF0000, 0x0000FF00, 0x000000FF};
    if (info.compression != kRgb && !(info.compression == kBitfields && info.bits == 32 && standardMasks)) {
        fail("compression " + std::to_string(info.compression) + " is not supported", at);
    }
    if (info.width <= 0 || info.height == 0 || info.height == INT32_MIN) {
        fail("size " + std::to_string(info.width) + " x " + std::to_string(info.height) + " is not valid", at);
    }
    if (info.width * (info.height < 0 ? -info.height : info.height) > kMaxPixels) {
        fail("size " + std::to_string(info.width) + " x " + std::to_string(info.height) + " is too large", at);
    }
    if (info.bits <= 8 && info.colorsUsed > (1u << info.bits)) {
        fail(std::to_string(info.colorsUsed) + " palette colours for " + std::to_string(info.bits) + " bits", at);
    }
    return info;
}

} // namespace

BmpImage readBmp(TStream& stream) {
    const std::int64_t start = stream.Position();
    const std::int64_t available = stream.Size() - start;
    FieldReader in(stream);
    unsigned char magic[2];
    in.bytes(magic, 2, "file header");
    if (magic[0] != 'B' || magic[1] != 'M') fail("signature is not BM", 0);
    in.skip(8, "file header");  // file size and reserved words: the stream's size is what counts
    const std::uint32_t pixelOffset = in.u32("file header");
    const InfoHeader info = readInfoHeader(in);

    // Palette entries beyond those stored read as black.
    std::array<std::uint32_t, 256> palette;
    palette.fill(0xFF000000u);
    if (info.bits <= 8) {
        // Without a stored count the palette is full, unless the pixels start sooner (the core
        // form has no count, and some writers store only the colours they use).
        std::int64_t colors = info.colorsUsed;
        if (colors == 0) {
            const std::int64_t room = (static_cast<std::int64_t>(pixelOffset) - in.offset()) / info.paletteEntrySize;
            colors = std::clamp<std::int64_t>(room, 0, std::int64_t{1} << info.bits);
        }
        for (std::int64_t i = 0; i < colors; ++i) {
            unsigned char entry[4];
            in.bytes(entry, info.paletteEntrySize, "palette");
            palette[i] = 0xFF000000u | (entry[2] << 16) | (entry[1] << 8) | entry[0];
        }
    }
    if (pixelOffset < in.offset()) fail("pixel offset " + std::to_string(pixelOffset) + " lies in the headers", 10);

    const std::int64_t rows = info.height < 0 ? -info.height : info.height;
    const std::int64_t stride = (info.width * info.bits + 31) / 32 * 4;
    if (pixelOffset + stride * rows > available) {
        fail("pixels need " + std::to_string(pixelOffset + stride * rows) + " bytes, the stream holds " +
                 std::to_string(available),
             in.offset());
    }
    in.skip(pixelOffset - in.offset(), "gap before the pixels");

    BmpImage image;
    image.width = static_cast<int>(info.width);
    image.bitsPerPixel = info.bits;
    image.height = static_cast<int>(rows);
    image.pixels.resize(static_cast<size_t>(info.width * rows));
    std::vector<unsigned char> row(static_cast<size_t>(stride));
    for (std::int64_t r = 0; r < rows; ++r) {
        in.bytes(row.data(), stride, "pixels");
        const std::int64_t y = info.height < 0 ? r : rows - 1 - r;
        std::uint32_t* out = image.pixels.data() + y * info.width;
        for (std::int64_t x = 0; x < info.width; ++x) {
            switch (info.bits) {
            case 1: out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
            case 8: out[x] = palette[row[x]]; break;
            case 24:
                out[x] = 0xFF000000u | (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
                break;
            default:
                out[x] = 0xFF000000u | (row[4 * x + 2] << 16) | (row[4 * x + 1] << 8) | row[4 * x];
                break;
            }
        }
    }
    return image;
}

void writeBmp(TStream& stream, const BmpImage& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    constexpr std::uint32_t kHeaders = 14 + 40;
    std::vector<unsigned char> out(kHeaders + pixelBytes, 0);
    const auto put32 = [&out](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, kHeaders + pixelBytes);
    put32(10, kHeaders);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(image.width));
    put32(22, static_cast<std::uint32_t>(image.height));
    out[26] = 1;   // planes
    out[28] = 24;  // bits per pixel
    put32(34, pixelBytes);
    for (int y = 0; y < image.height; ++y) {
        unsigned char* row = out.data() + kHeaders + static_cast<size_t>(image.height - 1 - y) * stride;
        const std::uint32_t* in = image.pixels.data() + static_cast<size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) {
            row[3 * x] = static_cast<unsigned char>(in[x]);
            row[3 * x + 1] = static_cast<unsigned char>(in[x] >> 8);
            row[3 * x + 2] = static_cast<unsigned char>(in[x] >> 16);
        }
    }
    stream.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
}

} // namespace tk
