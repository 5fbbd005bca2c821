// Off-screen bitmaps: size, canvas state, copies, transparency, files and resources.
#include "toolkit/TBitmap.h"

#include <string>

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"
#include "toolkit/TMemoryStream.h"
#include "toolkit/TResourceStream.h"

namespace {

TEST(TBitmapTest, NewBitmapIsEmptyAndDrawsNothing) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    bitmap.Canvas()->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), -1);
    TBitmap target;
    target.SetSize(4, 4);
    target.Canvas()->Draw(0, 0, bitmap);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
}

TEST(TBitmapTest, SetSizeKeepsTheTopLeftAndWhitensNewPixels) {
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Canvas()->SetPixels(0, 0, clRed);
    bitmap.Canvas()->SetPixels(3, 2, clBlue);
    bitmap.SetSize(6, 5);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 2), clBlue);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 4), clWhite);
    bitmap.SetWidth(2);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 5);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(TBitmapTest, CanvasKeepsItsStateAcrossResizes) {
    TBitmap bitmap;
    bitmap.Canvas()->Pen()->SetColor(clRed);
    bitmap.SetSize(10, 10);
    bitmap.Canvas()->MoveTo(0, 5);
    bitmap.Canvas()->LineTo(10, 5);
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 5), clRed);
}

TEST(TBitmapTest, AssignCopiesPixelsAndTransparency) {
    TBitmap source;
    source.SetSize(3, 3);
    source.Canvas()->SetPixels(1, 1, clRed);
    source.SetTransparent(true);
    source.SetTransparentColor(clRed);
    TBitmap copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clRed);
    copy.Canvas()->SetPixels(1, 1, clBlue);
    EXPECT_EQ(source.Canvas()->Pixels(1, 1), clRed);
    const auto clone = source.Clone();
    EXPECT_EQ(clone->Width(), 3);
}

TEST(TBitmapTest, TransparentColourIsTheBottomLeftPixelUntilFixed) {
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Canvas()->SetPixels(0, 2, clLime);
    EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
    bitmap.SetTransparentColor(clBlue);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap.TransparentColor(), clBlue);
    bitmap.SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap.TransparentColor(), clLime);
    bitmap.Canvas()->SetPixels(0, 2, clNavy);
    bitmap.SetTransparentMode(tmFixed);
    bitmap.Canvas()->SetPixels(0, 2, clRed);
    EXPECT_EQ(bitmap.TransparentColor(), clNavy);
}

TEST(TBitmapTest, SavedBitmapLoadsBackAndDamageKeepsTheOldPicture) {
    TBitmap bitmap;
    bitmap.SetSize(7, 5);
    bitmap.Canvas()->SetPixels(6, 4, clRed);
    bitmap.Canvas()->SetPixels(0, 0, 0x00123456);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    char tail[4];
    stream.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "tail") << "the stream stands after the picture";
    EXPECT_EQ(loaded.Width(), 7);
    EXPECT_EQ(loaded.Height(), 5);
    EXPECT_EQ(loaded.Canvas()->Pixels(6, 4), clRed);
    EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), 0x00123456);
    stream.SetSize(stream.Size() - 5);
    stream.SetPosition(0);
    EXPECT_THROW(loaded.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(loaded.Width(), 7);
    EXPECT_EQ(loaded.Canvas()->Pixels(6, 4), clRed);
}

TEST(TBitmapTest, LoadsTheBitmapResourceOfAName) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName("testglyph");
    ASSERT_EQ(bitmap.Width(), 4);
    ASSERT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clWhite);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 2), clYellow);
    EXPECT_EQ(bitmap.TransparentColor(), clYellow);
    EXPECT_THROW(bitmap.LoadFromResourceName("NoSuchGlyph"), EResNotFound);
    EXPECT_THROW(bitmap.LoadFromResourceID(4711), EResNotFound);
    EXPECT_EQ(bitmap.Width(), 4);
}

} // namespace
