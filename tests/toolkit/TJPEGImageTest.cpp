// JPEG decoding of colour and grey pictures, and of damaged and truncated ones.
#include "toolkit/TJPEGImage.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/JpegEncoder.h"
#include "toolkit/TCanvas.h"
#include "toolkit/TMemoryStream.h"

namespace {

using testjpeg::encode;

// Start-of-frame marker of a progressive picture.
constexpr std::array<unsigned char, 2> kProgressiveFrame = {0xFF, 0xC2};

void load(TJPEGImage& image, const std::vector<unsigned char>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    image.LoadFromStream(stream);
}

TEST(TJPEGImageTest, ColourPictureDecodesToItsSizeAndColour) {
    const unsigned char orange[] = {230, 120, 40};
    TJPEGImage image;
    load(image, encode(300, 200, 3, orange));
    EXPECT_EQ(image.Width(), 300);
    EXPECT_EQ(image.Height(), 200);
    EXPECT_FALSE(image.Grayscale());
    TBitmap bitmap;
    bitmap.Assign(image);
    ASSERT_EQ(bitmap.Width(), 300);
    const TColor c = bitmap.Canvas()->Pixels(150, 100);
    EXPECT_NEAR(GetRValue(c), 230, 4);
    EXPECT_NEAR(GetGValue(c), 120, 4);
    EXPECT_NEAR(GetBValue(c), 40, 4);
}

TEST(TJPEGImageTest, GreyPictureDecodesToGreyPixels) {
    const unsigned char grey[] = {90};
    TJPEGImage image;
    load(image, encode(40, 30, 1, grey));
    EXPECT_TRUE(image.Grayscale());
    TBitmap canvasBitmap;
    canvasBitmap.SetSize(50, 50);
    canvasBitmap.Canvas()->Draw(5, 5, image);
    const TColor c = canvasBitmap.Canvas()->Pixels(20, 20);
    EXPECT_NEAR(GetRValue(c), 90, 3);
    EXPECT_EQ(GetRValue(c), GetGValue(c));
    EXPECT_EQ(GetRValue(c), GetBValue(c));
    EXPECT_EQ(canvasBitmap.Canvas()->Pixels(46, 46), clWhite);
}

TEST(TJPEGImageTest, DamagedPictureRaisesTheLibrarysErrorCode) {
    const unsigned char blue[] = {0, 0, 255};
    std::vector<unsigned char> bytes = encode(64, 48, 3, blue);
    bytes[2] = 0x00;  // the first marker after start-of-image is no marker
    TJPEGImage image;
    try {
        load(image, bytes);
        ADD_FAILURE() << "damaged JPEG accepted";
    } catch (const EJPEG& e) {
        EXPECT_EQ(std::string(e.Message).rfind("JPEG error #", 0), 0u) << e.Message;
    }
    EXPECT_TRUE(image.Empty());
    EXPECT_THROW(load(image, {'n', 'o', 't'}), EJPEG);
}

TEST(TJPEGImageTest, EveryTruncationRaisesAndKeepsThePreviousPicture) {
    const unsigned char green[] = {20, 200, 20};
    const std::vector<unsigned char> full = encode(32, 16, 3, green);
    TJPEGImage image;
    load(image, full);
    // The last two bytes are the end marker, which the decoder does not need to reach.
    for (size_t length = 0; length + 2 < full.size(); ++length) {
        EXPECT_THROW(load(image, std::vector<unsigned char>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length))), EJPEG)
            << length;
        EXPECT_EQ(image.Width(), 32);
    }
}

TEST(TJPEGImageTest, OversizedPictureIsRefusedBeforeDecoding) {
    const unsigned char red[] = {255, 0, 0};
    std::vector<unsigned char> bytes = encode(16, 16, 3, red, /*progressive=*/true);
    // The frame header declares 65000 x 65000. A progressive picture is decoded into a whole-image
    // buffer as soon as decompression starts, which this one's few scans could not fill: the size
    // refusal is only reached when it comes first.
    const auto frame = std::search(bytes.begin(), bytes.end(), kProgressiveFrame.begin(), kProgressiveFrame.end());
    ASSERT_NE(frame, bytes.end());
    const auto dimensions = frame + 5;
    for (int i = 0; i < 4; ++i) dimensions[i] = i % 2 == 0 ? 0xFD : 0xE8;
    TJPEGImage image;
    try {
        load(image, bytes);
        ADD_FAILURE() << "oversized JPEG accepted";
    } catch (const EJPEG& e) {
        EXPECT_STREQ(e.Message.c_str(), "JPEG image 65000 x 65000 is too large");
    }
    EXPECT_TRUE(image.Empty());
}

} // namespace
