#include "map/MapIconSource.h"

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

#include "map/IconLibrarySamples.h"
#include "map/MapSamples.h"

namespace {

TEST(MapIconSourceTest, UnknownIconGivesTheRedErrorPicture) {
    mapi::MapIconSource icons;
    const TBitmap& icon = icons.GetMapIcon("nowhere", "1");
    EXPECT_EQ(&icon, &icons.MissingIcon());
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    TBitmap copy;
    copy.Assign(icon);
    TCanvas& canvas = *copy.Canvas();
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(31, 31), clWhite);
    EXPECT_EQ(canvas.Pixels(1, 1), clBlack);
    EXPECT_EQ(canvas.Pixels(1, 30), clBlack);
    EXPECT_EQ(canvas.Pixels(2, 29), clRed);
    bool yellow = false;
    for (int y = 4; y < 20; ++y)
        for (int x = 3; x < 31; ++x)
            yellow = yellow || canvas.Pixels(x, y) == clYellow;
    EXPECT_TRUE(yellow);
}

TEST(MapIconSourceTest, ExternalSetIsCurrentUntilUnsetOrFreed) {
    mapi::MapIconSource icons;
    auto external = std::make_unique<TKexIcon>(nullptr);
    TMemoryStream stream =
        mapsamples::streamOf(iconsamples::libraryBytes("Park", {{"tree", clLime}}));
    external->AddLib("Park").LoadFromStream(stream);

    icons.SetKexMapIcon(external.get());
    EXPECT_EQ(&icons.Current(), external.get());
    EXPECT_EQ(icons.GetMapIcon("park", "TREE").Width(), 16);
    icons.SetKexMapIcon(nullptr);
    EXPECT_EQ(&icons.Current(), &icons.Internal());
    EXPECT_EQ(external->ClientCount(), 0);
    EXPECT_EQ(&icons.GetMapIcon("park", "TREE"), &icons.MissingIcon());

    icons.SetKexMapIcon(external.get());
    external.reset();
    EXPECT_EQ(icons.KexMapIcon(), nullptr);
    EXPECT_EQ(&icons.Current(), &icons.Internal());
}

TEST(MapIconSourceTest, InternalSetHoldsTheLibraryDefault) {
    mapi::MapIconSource icons;
    EXPECT_EQ(icons.Internal().IndexOfLib("DEFAULT"), 0);
}

} // namespace
