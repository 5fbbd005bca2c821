#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MouseFixture.h"
#include "map/TKexMapList.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPopupMenu.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;
using mousefixture::MouseMap;

using Names = std::vector<std::string>;

// Right-clicks at the point with the pick tool, choosing the entry named pick.
void rightClick(MouseMap& f, int x, int y, const char* pick) {
    f.picker.pick = pick;
    f.click(mbRight, x, y);
    f.run(); // the chosen entry's click comes after the menu has closed
}

// Two squares side by side, both selected by a click and a Shift-click.
void selectTwoSquares(MouseMap& f) {
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    addObject(*f.map, rectangle(200, 0, 300, 100, clRed));
    f.click(mbLeft, 50, 50);
    f.click(mbLeft, 250, 50, ssShift);
}

TEST(DataMapPopupMenuTest, ObjectMenuShowsWhatAppliesToTheObject) {
    MouseMap f;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    TKEXMapObjectMem locked = rectangle(200, 0, 300, 100, clRed);
    locked.Locked = 1;
    addObject(*f.map, locked);
    rightClick(f, 50, 50, "");
    EXPECT_EQ(f.picker.shown,
              (Names{"kexMapMenuLock", "kexMapMenuLine1", "CloneObject", "DeleteObject",
                     "kexMapMenuLine2", "ToFront", "ToBack", "kexMapMenuLine3", "ReinitCentre1"}));
    rightClick(f, 250, 50, "");
    EXPECT_EQ(f.picker.shown, Names{"kexMapMenuLock*"});
    // Two selected objects can be grouped.
    f.click(mbLeft, 50, 50);
    f.click(mbLeft, 250, 50, ssShift);
    rightClick(f, 50, 50, "");
    EXPECT_EQ(f.picker.shown[2], "Group");
}

TEST(DataMapPopupMenuTest, EntriesDeleteCloneLockAndReorder) {
    MouseMap f;
    f.map->Model().Header.NextObjectId = 1;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    addObject(*f.map, rectangle(200, 0, 300, 100, clRed));
    rightClick(f, 50, 50, "ToFront");
    EXPECT_EQ(f.map->Model().Objects()[1].Points()[0], (mapi::WorldPoint{0, 0}));
    EXPECT_EQ(f.map->EditBuffer().SourceIndex(), 1);
    rightClick(f, 50, 50, "CloneObject");
    ASSERT_EQ(f.map->GetObjectCount(), 3);
    EXPECT_EQ(f.map->Model().Objects()[2].Points()[0], (mapi::WorldPoint{20, 20}));
    rightClick(f, 250, 50, "kexMapMenuLock");
    EXPECT_EQ(f.map->Model().Objects()[0].Locked, 1);
    f.map->Options()->SetmpLocked(true);
    rightClick(f, 250, 50, "DeleteObject"); // not offered, and refused anyway
    EXPECT_EQ(f.map->GetObjectCount(), 3);
    rightClick(f, 60, 60, "DeleteObject"); // the clone, topmost there
    EXPECT_EQ(f.map->GetObjectCount(), 2);
}

TEST(DataMapPopupMenuTest, LockEntryLocksEverySelectedObjectAndUnlocksThemAgain) {
    MouseMap f;
    selectTwoSquares(f);
    rightClick(f, 50, 50, "kexMapMenuLock");
    EXPECT_EQ(f.map->Model().Objects()[0].Locked, 1);
    EXPECT_EQ(f.map->Model().Objects()[1].Locked, 1);
    EXPECT_EQ(f.map->EditBuffer().Record().Locked, 1); // the buffer took the new record
    rightClick(f, 50, 50, "kexMapMenuLock");
    EXPECT_EQ(f.map->Model().Objects()[0].Locked, 0);
    EXPECT_EQ(f.map->Model().Objects()[1].Locked, 0);
}

TEST(DataMapPopupMenuTest, GroupAndUngroupThroughTheMenu) {
    MouseMap f;
    selectTwoSquares(f);
    rightClick(f, 50, 50, "Group");
    ASSERT_EQ(f.map->GetObjectCount(), 1);
    EXPECT_EQ(f.map->Model().Objects()[0].Kind, mapi::kindGroup);
    EXPECT_TRUE(f.map->SelectedObjects().empty());
    rightClick(f, 250, 50, "UnGroup");
    EXPECT_EQ(f.map->GetObjectCount(), 2);
    EXPECT_EQ(f.map->Model().Objects()[1].Points()[0], (mapi::WorldPoint{200, 0}));
}

TEST(DataMapPopupMenuTest, HostMenuItemsFollowTheMapsOwnAndReachTheirHandlers) {
    MouseMap f;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    auto* host = new TPopupMenu(f.form.get());
    host->SetAutoPopup(false);
    std::vector<std::string> clicks;
    for (const char* caption : {"A", "B"}) {
        auto* item = new TMenuItem(f.form.get());
        item->SetCaption(caption);
        item->OnClick = [&clicks, &f, caption](TPersistent* sender) {
            EXPECT_EQ(sender, f.map);
            clicks.push_back(caption);
        };
        host->Items()->Add(item);
    }
    f.map->SetPopupMenu(host);
    rightClick(f, 50, 50, "_KexMapPopUp1");
    const Names& shown = f.picker.shown;
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(Names(shown.end() - 3, shown.end()),
              (Names{"_KexMapPopUp", "_KexMapPopUp0", "_KexMapPopUp1"}));
    EXPECT_EQ(clicks, Names{"B"});
    EXPECT_EQ(f.map->ObjectMenu()->Items()->Items(static_cast<int>(shown.size()) - 2)->Caption(),
              "A");
    EXPECT_FALSE(f.map->SelectedObject());
}

TEST(DataMapPopupMenuTest, CentreMenuPutsTheCentreBackInTheMiddle) {
    MouseMap f;
    TKEXMapObjectMem square = rectangle(100, 100, 200, 200, clBlue);
    square.Center = {120, 130};
    addObject(*f.map, square);
    for (int i = 0; i < 3; ++i) // select, then handles 1, then handles 2
        f.click(mbLeft, 150, 150);
    rightClick(f, 120, 130, "ReinitCentre");
    EXPECT_EQ(f.picker.shown, Names{"ReinitCentre"});
    EXPECT_EQ(f.map->Model().Objects()[0].Center, (mapi::WorldPoint{150, 150}));
}

TEST(DataMapPopupMenuTest, PointMenuInsertsAPointTenPixelsOnAndDeletesOne) {
    MouseMap f;
    addObject(*f.map, rectangle(100, 100, 200, 200, clBlue));
    f.click(mbLeft, 150, 150);
    f.click(mbLeft, 150, 150); // point handles
    rightClick(f, 200, 100, "InsertPixel");
    auto points = f.map->Model().Objects()[0].Points();
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points[2], (mapi::WorldPoint{210, 110}));
    rightClick(f, 210, 110, "DeletePixel");
    EXPECT_EQ(f.map->Model().Objects()[0].Points().size(), 4u);
}

} // namespace
