// Pictures hold a copy of the graphic they are given.
#include "toolkit/TPicture.h"

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"
#include "toolkit/TJPEGImage.h"

namespace {

TEST(TPictureTest, HoldsACopyOfTheGraphicGiven) {
    TPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Graphic(), nullptr);
    TBitmap bitmap;
    bitmap.SetSize(5, 4);
    picture.Assign(bitmap);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 4);
    bitmap.SetSize(1, 1);
    EXPECT_EQ(picture.Width(), 5);
    TPicture other;
    other.Assign(picture);
    EXPECT_EQ(other.Width(), 5);
    EXPECT_NE(other.Graphic(), picture.Graphic());
    picture.SetGraphic(nullptr);
    EXPECT_TRUE(picture.Empty());
}

TEST(TPictureTest, BitmapReplacesAnotherKindWithANewBitmap) {
    TPicture picture;
    TBitmap* bitmap = picture.Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(picture.Empty());
    bitmap->SetSize(3, 3);
    EXPECT_EQ(picture.Bitmap(), bitmap);
    EXPECT_EQ(picture.Width(), 3);
    TJPEGImage jpeg;
    picture.Assign(jpeg);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.Bitmap()->Empty());
}

} // namespace
