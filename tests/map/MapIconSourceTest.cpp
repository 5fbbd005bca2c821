#include "map/MapIconSource.h"

#include <memory>

#include <gtest/gtest.h>

#include "toolkit/TCanvas.h"

#include "map/IconLibrarySamples.h"

namespace {

// Its frame and red ground are checked where the renderer draws it; here the yellow sign.
TEST(MapIconSourceTest, UnknownIconGivesTheErrorPicture) {
    mapi::MapIconSource icons;
    const TBitmap& icon = icons.GetMapIcon("nowhere", "1");
    EXPECT_EQ(&icon, &icons.MissingIcon());
    TBitmap copy;
    copy.Assign(icon);
    bool yellow = false;
    for (int y = 4; y < 20; ++y)
        for (int x = 3; x < 31; ++x)
            yellow = yellow || copy.Canvas()->Pixels(x, y) == clYellow;
    EXPECT_TRUE(yellow);
    EXPECT_EQ(icons.Internal().IndexOfLib("DEFAULT"), 0);
}

TEST(MapIconSourceTest, ExternalSetIsCurrentUntilUnsetOrFreed) {
    mapi::MapIconSource icons;
    auto external = std::make_unique<TKexIcon>(nullptr);
    iconsamples::addLibrary(*external, "Park", {{"tree", clLime}});

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

} // namespace
