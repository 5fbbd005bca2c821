// Reading and writing BMP files of every depth, truncated and damaged ones included.
#include "toolkit/BmpCodec.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/TGraphic.h"
#include "toolkit/TMemoryStream.h"

namespace {

// A BMP file written field by field, so that tests can build every depth and damage any field.
struct BmpBuilder {
    int width = 3;
    int height = 2;  // negative: top-down
    int bits = 24;
    std::uint32_t compression = 0;
    int headerSize = 40;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    // Pixel values per row, top row first: palette indexes or 0x00RRGGBB colours.
    std::vector<std::vector<std::uint32_t>> rows;

    std::vector<unsigned char> bytes() const {
        std::vector<unsigned char> out;
        const auto put = [&out](std::uint32_t v, int n) {
            for (int i = 0; i < n; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
        };
        const int entry = headerSize == 12 ? 3 : 4;
        const std::uint32_t offset = 14 + headerSize + static_cast<std::uint32_t>(palette.size()) * entry;
        out.push_back('B');
        out.push_back('M');
        put(0, 4);
        put(0, 4);
        put(offset, 4);
        put(static_cast<std::uint32_t>(headerSize), 4);
        if (headerSize == 12) {
            put(static_cast<std::uint32_t>(width), 2);
            put(static_cast<std::uint32_t>(height), 2);
            put(1, 2);
            put(static_cast<std::uint32_t>(bits), 2);
        } else {
            put(static_cast<std::uint32_t>(width), 4);
            put(static_cast<std::uint32_t>(height), 4);
            put(1, 2);
            put(static_cast<std::uint32_t>(bits), 2);
            put(compression, 4);
            for (int i = 0; i < 3; ++i) put(0, 4);  // image size and resolution
            put(static_cast<std::uint32_t>(palette.size()), 4);
            put(0, 4);
            for (int i = 40; i < headerSize; ++i) out.push_back(0);
        }
        for (std::uint32_t c : palette) put(c, entry);
        const int stride = (width * bits + 31) / 32 * 4;
        const int count = height < 0 ? -height : height;
        for (int r = 0; r < count; ++r) {
            const auto& values = rows[height < 0 ? r : count - 1 - r];
            std::vector<unsigned char> line(static_cast<size_t>(stride), 0);
            for (int x = 0; x < width; ++x) {
                const std::uint32_t v = values[x];
                switch (bits) {
                case 1: line[x / 8] |= static_cast<unsigned char>(v << (7 - x % 8)); break;
                case 4: line[x / 2] |= static_cast<unsigned char>(v << (x % 2 ? 0 : 4)); break;
                case 8: line[x] = static_cast<unsigned char>(v); break;
                default:
                    for (int i = 0; i < bits / 8; ++i) line[x * bits / 8 + i] = static_cast<unsigned char>(i < 3 ? v >> (8 * i) : 0);
                }
            }
            out.insert(out.end(), line.begin(), line.end());
        }
        return out;
    }
};

tk::BmpImage read(const std::vector<unsigned char>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    return tk::readBmp(stream);
}

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

BmpBuilder palettised(int bits) {
    BmpBuilder b;
    b.bits = bits;
    b.width = 9;  // crosses a byte for 1 and 4 bits
    b.palette = {kWhite, kRed, kGreen, kBlue};
    b.rows = {{1, 2, 3, 0, 1, 2, 3, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 3}};
    if (bits == 1) b.rows = {{1, 0, 1, 0, 1, 0, 1, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0, 1}};
    if (bits == 1) b.palette = {kWhite, kRed};
    return b;
}

std::uint32_t expectedPixel(const BmpBuilder& b, int x, int y) {
    const std::uint32_t v = b.rows[y][x];
    return 0xFF000000u | (b.bits <= 8 ? b.palette[v] : v);
}

void expectPixels(const BmpBuilder& b, const tk::BmpImage& image) {
    ASSERT_EQ(image.width, b.width);
    ASSERT_EQ(image.height, b.height < 0 ? -b.height : b.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            EXPECT_EQ(image.pixels[static_cast<size_t>(y * image.width + x)], expectedPixel(b, x, y)) << x << "," << y;
        }
    }
}

TEST(BmpCodecTest, EveryDepthLoadsBottomUpAndTopDown) {
    for (int bits : {1, 4, 8, 24, 32}) {
        BmpBuilder b = bits <= 8 ? palettised(bits) : BmpBuilder{};
        if (bits > 8) {
            b.bits = bits;
            b.rows = {{kRed, kGreen, kBlue}, {kWhite, 0x123456, 0x000001}};
        }
        SCOPED_TRACE(bits);
        const tk::BmpImage image = read(b.bytes());
        expectPixels(b, image);
        EXPECT_EQ(image.bitsPerPixel, bits);
        b.height = -b.height;
        expectPixels(b, read(b.bytes()));
    }
}

TEST(BmpCodecTest, CoreHeaderAndLongHeadersLoad) {
    for (int size : {12, 52, 56, 108, 124}) {
        BmpBuilder b = palettised(8);
        b.headerSize = size;
        SCOPED_TRACE(size);
        expectPixels(b, read(b.bytes()));
    }
}

TEST(BmpCodecTest, ThirtyTwoBitsWithStandardChannelMasksLoad) {
    BmpBuilder b;
    b.bits = 32;
    b.compression = 3;
    b.headerSize = 52;  // masks inside the header: left zero by the builder, so set them below
    b.rows = {{kRed, kGreen, kBlue}, {kWhite, 0, kRed}};
    std::vector<unsigned char> bytes = b.bytes();
    const std::uint32_t masks[] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    for (int m = 0; m < 3; ++m) {
        for (int i = 0; i < 4; ++i) bytes[54 + 4 * m + i] = static_cast<unsigned char>(masks[m] >> (8 * i));
    }
    expectPixels(b, read(bytes));
    bytes[54] = 0xFF;  // red mask 0x00FF00FF: not a layout we read
    EXPECT_THROW(read(bytes), EInvalidGraphic);
}

TEST(BmpCodecTest, EveryTruncationRaisesAClearError) {
    for (int bits : {1, 8, 24}) {
        const std::vector<unsigned char> full = palettised(bits <= 8 ? bits : 8).bytes();
        for (size_t length = 0; length < full.size(); ++length) {
            const std::vector<unsigned char> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
            try {
                read(cut);
                ADD_FAILURE() << "no error at length " << length;
            } catch (const EInvalidGraphic& e) {
                EXPECT_NE(std::string(e.Message).find("Bitmap image is not valid"), std::string::npos);
                EXPECT_NE(std::string(e.Message).find("at byte"), std::string::npos);
            }
        }
    }
}

TEST(BmpCodecTest, DamagedFieldsAreRefused) {
    struct Damage {
        size_t offset;
        unsigned char value;
        const char* named;
    };
    const Damage damages[] = {
        {0, 'X', "signature"},
        {26, 2, "plane count"},
        {28, 16, "16 bits"},
        {30, 1, "compression 1"},
        {14, 64, "info header size 64"},
        {47, 2, "palette colours"},  // 512 + 4 colours for 8 bits
        {10, 20, "pixel offset"},    // pixels said to start inside the info header
        {18, 0, "size 0"},
        {19, 0x40, "pixels need"},   // far wider than the bytes there are
    };
    const std::vector<unsigned char> good = palettised(8).bytes();
    for (const Damage& damage : damages) {
        std::vector<unsigned char> bytes = good;
        bytes[damage.offset] = damage.value;
        try {
            read(bytes);
            ADD_FAILURE() << "accepted: " << damage.named;
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.Message).find(damage.named), std::string::npos) << e.Message;
        }
    }
}

TEST(BmpCodecTest, PaletteIndexBeyondTheStoredColoursReadsBlack) {
    BmpBuilder b = palettised(8);
    b.rows[0][0] = 200;
    const tk::BmpImage image = read(b.bytes());
    EXPECT_EQ(image.pixels[0], 0xFF000000u);
}

} // namespace
