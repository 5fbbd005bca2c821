#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "map/TKexMapList.h"
#include "toolkit/AnsiString.h"
#include "toolkit/TForm.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;
using mousefixture::MouseMap;

TEST(DataMapMouseTest, LeftClickOnABuildingLocatesItAndOnEmptyGroundFindsNothing) {
    MouseMap f;
    f.map->Options()->SetmpEdit(false);
    addObject(*f.map, rectangle(0, 0, 400, 300, clGreen)); // a park under the building
    const uint16_t street = f.map->AddStreetName(tk::fromUtf8("САДОВАЯ"));
    TKEXMapObjectMem record = mapsamples::withAddress(rectangle(150, 100, 250, 200, clBlue), street, "12");
    record.Id = 77;
    const int building = addObject(*f.map, record);
    std::vector<bool> located;
    f.map->OnAfterLocate = [&](TPersistent* sender, bool value) {
        EXPECT_EQ(sender, f.map);
        located.push_back(value);
    };
    f.click(mbLeft, 200, 150);
    ASSERT_EQ(located, std::vector<bool>{true});
    EXPECT_EQ(f.map->EditBuffer().Record().Id, 77u);
    EXPECT_EQ(f.map->EditBuffer().StreetName, tk::fromUtf8("САДОВАЯ"));
    EXPECT_EQ(f.map->EditBuffer().HouseNumber, "12");
    EXPECT_TRUE(f.map->SelectedObject());
    EXPECT_EQ(f.map->SelectedObjects(), std::vector<int>{building});

    f.map->ZoomAtPoint(100, 5000, 5000);
    f.click(mbLeft, 200, 150);
    EXPECT_EQ(located, (std::vector<bool>{true, false}));
    EXPECT_FALSE(f.map->SelectedObject());
    EXPECT_TRUE(f.map->SelectedObjects().empty());
}

TEST(DataMapMouseTest, FilteredLocateSkipsHiddenCategoriesAndWhatTheHandlerRefuses) {
    MouseMap f;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue)); // category 9
    TKEXMapObjectMem top = rectangle(0, 0, 100, 100, clRed);
    top.Category = 5;
    addObject(*f.map, top);
    EXPECT_EQ(f.map->LocateObjectAt(50, 50), 1);
    f.map->SetFilter(true);
    f.map->SetCategoryVisible(5, false);
    EXPECT_EQ(f.map->LocateObjectAt(50, 50), 0);
    f.map->OnFilteredObject = [](const TKEXMapObjectMem&, bool& visible) { visible = false; };
    bool found = true;
    f.map->OnAfterLocate = [&](TPersistent*, bool value) { found = value; };
    EXPECT_EQ(f.map->LocateObjectAt(50, 50), -1);
    EXPECT_FALSE(found);
}

TEST(DataMapMouseTest, MeasuringReportsMetresThroughMashtabAndARightClickClears) {
    MouseMap f;
    f.map->SetMashtab(1644);
    f.map->SetScale(10); // world (100, 100) is pixel (10, 10) with the origin kept at the top left
    f.map->SetXWind(0);
    f.map->SetYWind(0);
    f.map->SetInstrument(iMeasure);
    std::vector<double> lengths;
    f.map->OnMeasure = [&](TPersistent*, double dlina) { lengths.push_back(dlina); };
    f.click(mbLeft, 10, 10);
    f.move(110, 10);
    f.run();
    ASSERT_EQ(lengths.size(), 2u);
    EXPECT_EQ(lengths[0], 0);
    EXPECT_NEAR(lengths[1], 1644, 1e-3);
    EXPECT_EQ(f.map->MeasurePoints().size(), 2u);
    f.click(mbLeft, 110, 10);
    EXPECT_EQ(f.map->MeasurePoints().size(), 3u);
    f.click(mbRight, 50, 50);
    EXPECT_TRUE(f.map->MeasurePoints().empty());
}

TEST(DataMapMouseTest, LensClickStepsInAFrameFitsAndARightClickStepsOutNeverBelowOne) {
    MouseMap f;
    addObject(*f.map, rectangle(0, 0, 4000, 3000, clBlue));
    f.map->Options()->SetStepLinza(20);
    f.map->SetInstrument(iLinza);
    f.click(mbLeft, 100, 100);
    EXPECT_EQ(f.map->Scale(), 120);
    // The click point (world 100, 100) went to the view centre.
    EXPECT_NEAR(f.map->CalcViewCenter().x, 100, 1);
    EXPECT_NEAR(f.map->CalcViewCenter().y, 100, 1);

    f.map->SetScale(100);
    f.map->SetXWind(0);
    f.map->SetYWind(0);
    f.press(mbLeft, 0, 0);
    f.move(200, 150);
    f.release(mbLeft, 200, 150);
    f.run();
    EXPECT_EQ(f.map->Scale(), 200); // the 200 x 150 frame fills the 400 x 300 view
    EXPECT_FALSE(f.map->Interaction().LensActive);

    f.map->SetScale(10);
    f.click(mbRight, 100, 100);
    EXPECT_EQ(f.map->Scale(), 1);
}

TEST(DataMapMouseTest, ShiftClickTogglesTheSelectionAndTellsOnRegion) {
    MouseMap f;
    addObject(*f.map, rectangle(0, 0, 100, 100, clBlue));
    addObject(*f.map, rectangle(200, 0, 300, 100, clRed));
    std::vector<std::vector<int>> reported;
    f.map->OnRegion = [&](TPersistent*, std::span<const int> selected) {
        reported.emplace_back(selected.begin(), selected.end());
    };
    f.click(mbLeft, 50, 50);
    f.click(mbLeft, 250, 50, ssShift);
    f.click(mbLeft, 50, 50, ssShift);
    EXPECT_EQ(reported, (std::vector<std::vector<int>>{{0}, {0, 1}, {1}}));
}

TEST(DataMapMouseTest, RegionRectangleSelectsWhatLiesInsideAndReleaseEndsIt) {
    MouseMap f;
    addObject(*f.map, rectangle(10, 10, 50, 50, clBlue));
    addObject(*f.map, rectangle(100, 10, 300, 50, clRed)); // reaches out of the band
    f.map->SetInstrument(iRegionRect);
    std::vector<int> during;
    std::vector<int> after;
    f.map->OnRegion = [&](TPersistent*, std::span<const int> s) {
        during.assign(s.begin(), s.end());
    };
    f.map->OnAfterRegion = [&](TPersistent*, std::span<const int> s) {
        after.assign(s.begin(), s.end());
    };
    f.press(mbLeft, 5, 5);
    f.move(200, 100);
    f.run();
    EXPECT_EQ(during, std::vector<int>{0});
    EXPECT_EQ(f.map->RegionPoints().size(), 4u);
    f.release(mbLeft, 200, 100);
    f.run();
    EXPECT_EQ(after, std::vector<int>{0});
    EXPECT_TRUE(f.map->RegionPoints().empty());
}

TEST(DataMapMouseTest, RegionPolygonGrowsByPressesAndEveryReleaseEndsIt) {
    MouseMap f;
    addObject(*f.map, rectangle(10, 10, 20, 20, clBlue));
    f.map->SetInstrument(iRegion);
    std::vector<int> after;
    int afterCount = 0;
    f.map->OnAfterRegion = [&](TPersistent*, std::span<const int> s) {
        ++afterCount;
        after.assign(s.begin(), s.end());
    };
    f.press(mbLeft, 5, 5);
    f.run();
    EXPECT_EQ(f.map->RegionPoints().size(), 3u);
    f.press(mbLeft, 100, 5); // a second press before the release appends
    f.run();
    EXPECT_EQ(f.map->RegionPoints().size(), 4u);
    f.release(mbLeft, 100, 5);
    f.run();
    EXPECT_EQ(afterCount, 1);
    EXPECT_TRUE(after.empty()); // the polygon had no area
    EXPECT_TRUE(f.map->RegionPoints().empty());
    f.press(mbLeft, 5, 5);
    f.press(mbRight, 5, 5);
    f.run();
    EXPECT_TRUE(f.map->RegionPoints().empty());
    f.release(mbRight, 5, 5);
    f.release(mbLeft, 5, 5);
    f.run();
}

TEST(DataMapMouseTest, PolygonFinishedRightAfterItsStartBecomesALine) {
    MouseMap f;
    f.map->SetInstrument(iPolygon);
    f.click(mbLeft, 10, 10);
    f.move(60, 40);
    f.run();
    f.click(mbRight, 60, 40);
    ASSERT_EQ(f.map->GetObjectCount(), 1);
    const TKEXMapObjectMem& line = f.map->Model().Objects()[0];
    EXPECT_EQ(line.Kind, mapi::kindPolyline);
    ASSERT_EQ(line.Points().size(), 2u);
    EXPECT_EQ(line.Points()[1], (mapi::WorldPoint{60, 40}));
    EXPECT_FALSE(f.map->SelectedObject());

    f.map->SetInstrument(iRectangle);
    f.click(mbLeft, 100, 100);
    f.move(150, 130);
    f.run();
    f.click(mbLeft, 150, 130);
    ASSERT_EQ(f.map->GetObjectCount(), 2);
    const TKEXMapObjectMem& box = f.map->Model().Objects()[1];
    EXPECT_EQ(box.Kind, mapi::kindPolygon);
    EXPECT_EQ(box.Corners[2], (mapi::WorldPoint{150, 130}));
}

// Every object under the point, bottom to top by plane and then list order; OnAfterFind tells each
// time, with the map as Sender. One record of any list (a group's children) is tested on its own.
TEST(DataMapMouseTest, HitTestListsBottomToTopTellsEveryTimeAndTestsOneRecordOfAnyList) {
    const auto map = mapfixture::makeMap(200, 100);
    TKEXMapObjectMem high = rectangle(0, 0, 100, 100, clRed);
    high.Plane = 5;
    TKEXMapObjectMem low = rectangle(50, 50, 150, 150, clBlue);
    low.Plane = -1;
    addObject(*map, high);
    addObject(*map, low);
    std::vector<bool> found;
    map->OnAfterFind = [&](TPersistent* sender, bool value) {
        EXPECT_EQ(sender, map.get());
        found.push_back(value);
    };
    EXPECT_TRUE(map->HitTest(75, 75));
    EXPECT_EQ(map->HitList(), (std::vector<int>{1, 0}));
    EXPECT_FALSE(map->HitTest(300, 300));
    EXPECT_TRUE(map->HitList().empty());
    EXPECT_EQ(found, (std::vector<bool>{true, false}));
    const int g = addObject(*map, mapsamples::groupObject({rectangle(0, 200, 10, 210, clRed),
                                                           rectangle(20, 200, 30, 210, clRed)}));
    const TKexMapList& children = *map->Model().Objects()[g].Children();
    EXPECT_EQ(map->HitTestObject(25, 205, 1, children), 1);
    EXPECT_EQ(map->HitTestObject(25, 205, 0, children), -1);
    EXPECT_EQ(map->HitTestObject(25, 205, 2, children), -1);
    EXPECT_EQ(map->HitTestObject(25, 205, g, map->Model().Objects()), g);
}

// A map with two squares and a line being drawn with iLine from (50, 250): its index is 2.
struct DrawingMap : MouseMap {
    DrawingMap() {
        addObject(*map, rectangle(100, 100, 150, 150, clBlue));
        addObject(*map, rectangle(200, 100, 250, 150, clRed));
        map->SetInstrument(iLine);
        click(mbLeft, 50, 250);
    }
    const TKEXMapObjectMem& object(int i) const { return map->Model().Objects()[i]; }
    // Clicks with iLine at pixel (300, 250): true when that started a new line there, unasked.
    bool clickStartsANewLine() {
        const int before = map->GetObjectCount();
        mapi::WorldPoint at{300, 250};
        map->ScreenToMap(at.x, at.y); // emptying and loading move the view
        click(mbLeft, 300, 250);
        return map->GetObjectCount() == before + 1 && object(before).Kind == mapi::kindPolyline &&
               object(before).Points()[0] == at &&
               map->Interaction().CreationIndex == before && picker.boxes.empty();
    }
};

// The index of the object being drawn holds only while nothing renumbers or replaces the objects
// and the tool stays: each of these ends the drawing, the line kept as drawn.
TEST(DataMapMouseTest, DrawingEndsWhenTheToolChangesOrTheObjectsAreRenumberedOrReplaced) {
    const struct {
        const char* what;
        std::function<void(TDataMap&)> act;
    } cases[] = {
        {"another tool and back", [](TDataMap& m) { m.SetInstrument(iPick); m.SetInstrument(iLine); }},
        {"the line deleted", [](TDataMap& m) { m.DeleteObject(2, true); }},
        {"another object deleted", [](TDataMap& m) { m.DeleteObject(0, true); }},
        {"another object to the front", [](TDataMap& m) { m.BringObjectToFront(0); }},
        {"the line to the back", [](TDataMap& m) { m.SendObjectToBack(2); }},
        {"two objects grouped", [](TDataMap& m) { m.GroupObjects(std::vector<int>{0, 1}); }},
        {"the map emptied", [](TDataMap& m) { m.ClearMap(); }},
        {"a map loaded", [](TDataMap& m) { mapfixture::load(m, mapsamples::document(6)); }},
    };
    for (const auto& c : cases) {
        DrawingMap f;
        ASSERT_TRUE(f.map->Interaction().Creating);
        c.act(*f.map);
        EXPECT_FALSE(f.map->Interaction().Creating) << c.what;
        EXPECT_TRUE(f.clickStartsANewLine()) << c.what;
    }
    // A tool set again to itself changes nothing: the line goes on.
    DrawingMap f;
    f.map->SetInstrument(iLine);
    f.click(mbLeft, 300, 250);
    EXPECT_EQ(f.map->GetObjectCount(), 3);
    EXPECT_EQ(f.object(2).Points().size(), 3u);
}

// The sequence that once added a point to an unrelated object: a clone took the drawn line's old
// index after a delete through the object menu.
TEST(DataMapMouseTest, CloneAndDeleteThroughTheMenuLeaveTheNextLineNewAndTheCloneWhole) {
    DrawingMap f;
    f.map->SetInstrument(iPick);
    f.picker.pick = "CloneObject";
    f.click(mbRight, 225, 125);
    f.run();
    f.picker.pick = "DeleteObject";
    f.click(mbRight, 125, 125);
    f.run();
    ASSERT_EQ(f.map->GetObjectCount(), 3); // the red square, the line, the clone
    const std::vector<mapi::WorldPoint> clone(f.object(2).Points().begin(), f.object(2).Points().end());
    f.map->SetInstrument(iLine);
    EXPECT_TRUE(f.clickStartsANewLine());
    EXPECT_EQ(std::vector<mapi::WorldPoint>(f.object(2).Points().begin(), f.object(2).Points().end()), clone);
}

// Which cursor each handle of a selected square (100, 100)-(200, 200) shows, mode by mode; a
// press within SizeRect pixels of a handle counts, one pixel further does not.
TEST(DataMapMouseTest, HandleCursorShowsWhatAPressThereWouldDo) {
    MouseMap f;
    TKEXMapObjectMem square = rectangle(100, 100, 200, 200, clBlue);
    f.map->CalcObjectCenter(square);
    addObject(*f.map, square);
    const int s = f.map->Options()->SizeRect();
    const TCursor rotate = 1009;
    const TCursor point = 1010;
    const struct {
        int handles;
        int x, y;
        TCursor cursor;
        bool over;
    } cases[] = {
        {mapi::handlesResize, 100, 100, crSizeNWSE, true},
        {mapi::handlesResize, 200 + s, 200 - s, crSizeNWSE, true},
        {mapi::handlesResize, 200 + s + 1, 200, crDefault, false},
        {mapi::handlesResize, 200, 100, crSizeNESW, true},
        {mapi::handlesResize, 100, 200, crSizeNESW, true},
        {mapi::handlesResize, 150, 100, crSizeNS, true},
        {mapi::handlesResize, 150, 200, crSizeNS, true},
        {mapi::handlesResize, 100, 150, crSizeWE, true},
        {mapi::handlesResize, 200, 150, crSizeWE, true},
        {mapi::handlesResize, 150, 150, crDefault, false},
        {mapi::handlesPoints, 100, 100, point, true},
        {mapi::handlesPoints, 200, 200, point, true},
        {mapi::handlesPoints, 150, 100, crDefault, false},
        {mapi::handlesRotate, 150, 150, crSizeAll, true},
        {mapi::handlesRotate, 200, 100, rotate, true},
        {mapi::handlesRotate, 100, 200, rotate, true},
        {mapi::handlesRotate, 150, 200, crDefault, false},
    };
    f.click(mbLeft, 130, 130);
    for (const auto& c : cases) {
        while (f.map->Interaction().Handles != c.handles)
            f.click(mbLeft, 130, 130);
        f.map->SetCursor(crCross);
        EXPECT_EQ(f.map->CheckHandleCursor(c.x, c.y), c.over) << c.handles << ": " << c.x << "," << c.y;
        EXPECT_EQ(f.map->Cursor(), c.cursor) << c.handles << ": " << c.x << "," << c.y;
    }
    // A locked object while locks are on leaves the cursor; with editing off it is reset.
    f.map->Options()->SetmpLocked(true);
    f.map->EditBuffer().Record().Locked = 1;
    f.map->SetCursor(crCross);
    EXPECT_FALSE(f.map->CheckHandleCursor(150, 150));
    EXPECT_EQ(f.map->Cursor(), crCross);
    f.map->Options()->SetmpLocked(false);
    f.map->Options()->SetmpEdit(false);
    EXPECT_FALSE(f.map->CheckHandleCursor(150, 150));
    EXPECT_EQ(f.map->Cursor(), crDefault);
}

TEST(DataMapMouseTest, TheMapDragsOntoAnotherControlOnlyOnceAHostMakesItsDragModeAutomatic) {
    MouseMap f;
    f.map->Options()->SetmpEdit(false);
    addObject(*f.map, rectangle(150, 100, 250, 200, clBlue));
    auto* bin = new TWinControl(f.form.get());
    bin->SetParent(f.form.get());
    bin->SetBounds(402, 0, 18, 100);
    std::vector<std::string> seen;
    bin->OnDragOver = [&](TPersistent*, TPersistent* source, int, int, TDragState, bool& accept) {
        accept = source == f.map;
    };
    bin->OnDragDrop = [&](TPersistent*, TPersistent*, int x, int y) {
        seen.push_back("dropped " + std::to_string(x) + "," + std::to_string(y));
    };
    f.map->OnAfterLocate = [&](TPersistent*, bool) { seen.push_back("located"); };
    f.map->OnEndDrag = [&](TPersistent*, TPersistent* target, int, int) {
        seen.push_back(target == bin ? "ended on the bin" : "ended elsewhere");
    };
    EXPECT_EQ(f.map->DragMode(), dmManual);
    f.drag(200, 150, 405, 50);
    EXPECT_EQ(seen, std::vector<std::string>{"located"});

    seen.clear();
    f.map->SetDragMode(dmAutomatic);
    f.drag(200, 150, 405, 50);
    EXPECT_EQ(seen, (std::vector<std::string>{"dropped 3,50", "ended on the bin"}));
}

} // namespace
