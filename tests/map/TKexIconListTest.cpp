#include "map/TKexIconList.h"

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

#include "map/IconLibrarySamples.h"
#include "map/MapSamples.h"
#include "toolkit/Exception.h"

namespace {

using iconsamples::libraryBytes;
using iconsamples::SampleIcon;

const std::vector<SampleIcon> kThree = {{" seven ", clRed, 16, clAqua, true},
                                        {"Blue", clBlue, 8, clYellow, false},
                                        {"seven", clLime, 4, clAqua, true}};

TEST(TKexIconListTest, LoadReadsNamesPicturesAndTransparencyAndTheFirstOfANameAnswers) {
    TKexIconList list;
    TMemoryStream stream = mapsamples::streamOf(libraryBytes("Default", kThree));
    list.LoadFromStream(stream);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetLibName(), "Default");
    EXPECT_EQ(list.Header().Count, 3);
    EXPECT_EQ(list.Names(0), "SEVEN");
    EXPECT_EQ(list.Names(1), "BLUE");
    TBitmap* blue = list.GetBitmap("blue");
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->Width(), 8);
    EXPECT_EQ(blue->Canvas()->Pixels(3, 3), clBlue);
    EXPECT_FALSE(blue->Transparent());
    TBitmap* seven = list.GetBitmapByIndex(0);
    ASSERT_NE(seven, nullptr);
    EXPECT_TRUE(seven->Transparent());
    EXPECT_EQ(seven->TransparentColor(), clAqua);
    // A repeated name finds the first; unknown names and indices give nothing.
    EXPECT_EQ(list.IndexOfName("Seven"), 0);
    EXPECT_EQ(list.IndexOfName("none"), -1);
    EXPECT_EQ(list.GetBitmap("none"), nullptr);
    EXPECT_EQ(list.GetBitmapByIndex(3), nullptr);
    EXPECT_EQ(list.GetBitmapByIndex(-1), nullptr);
}

TEST(TKexIconListTest, FormatFlagOtherThanOneKeepsOnlyTheHeader) {
    TKexIconList list;
    TMemoryStream stream = mapsamples::streamOf(libraryBytes("Old", kThree, /*formatFlag=*/0));
    list.LoadFromStream(stream);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetLibName(), "Old");
    EXPECT_EQ(list.Header().Count, 3);
}

TEST(TKexIconListTest, EveryTruncationRaisesTheReadErrorAndKeepsCompleteIcons) {
    const std::string bytes = libraryBytes("Default", kThree);
    const std::size_t ends[] = {iconsamples::recordOffset(bytes, 1),
                                iconsamples::recordOffset(bytes, 2), bytes.size()};
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        TKexIconList list;
        TMemoryStream stream = mapsamples::streamOf(bytes.substr(0, cut));
        EXPECT_THROW(list.LoadFromStream(stream), EReadError) << "cut at " << cut;
        int complete = 0;
        for (std::size_t end : ends)
            complete += cut >= end ? 1 : 0;
        EXPECT_EQ(list.Count(), complete) << "cut at " << cut;
        EXPECT_EQ(list.Header().Count, complete) << "cut at " << cut;
    }
}

TEST(TKexIconListTest, ImageSizeBeyondTheStreamOrNegativeIsARefusedRead) {
    for (int32_t size : {-1, 0x7FFFFFFF}) {
        std::string bytes = libraryBytes("Default", kThree);
        const std::size_t at = iconsamples::recordOffset(bytes, 1) + 36;
        for (int k = 0; k < 4; ++k)
            bytes[at + static_cast<std::size_t>(k)] =
                static_cast<char>(static_cast<uint32_t>(size) >> (8 * k));
        TKexIconList list;
        TMemoryStream stream = mapsamples::streamOf(bytes);
        EXPECT_THROW(list.LoadFromStream(stream), EReadError);
        EXPECT_EQ(list.Count(), 1);
    }
}

TEST(TKexIconListTest, ImageThatIsNoBitmapGivesNothing) {
    std::string bytes = libraryBytes("Default", kThree);
    bytes[iconsamples::recordOffset(bytes, 0) + 40] = 'X'; // the "BM" signature
    TKexIconList list;
    TMemoryStream stream = mapsamples::streamOf(bytes);
    list.LoadFromStream(stream);
    EXPECT_EQ(list.GetBitmapByIndex(0), nullptr);
    EXPECT_NE(list.GetBitmapByIndex(1), nullptr);
}

TEST(TKexIconListTest, AddAndDeleteKeepTheHeaderCount) {
    TKexIconList list;
    TKexIconRecord record;
    record.Name.assign("  a long name that is longer than thirty chars ");
    list.AddIcon(record, TMemoryStream());
    EXPECT_EQ(list.Names(0), "A LONG NAME THAT IS LONGER T");
    EXPECT_EQ(list.Header().Count, 1);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Header().Count, 0);
}

} // namespace
