#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/MouseFixture.h"
#include "map/TKexMapList.h"

namespace {

using mapfixture::addObject;
using mapfixture::rectangle;
using mousefixture::MouseMap;

mapi::WorldPoint firstPoint(const TDataMap& map, int i) {
    return map.Model().Objects()[i].Points()[0];
}

TEST(DataMapEditingTest, DragWaitsForFourPixelsThenFollowsEveryMove) {
    MouseMap f;
    addObject(*f.map, rectangle(100, 100, 200, 200, clBlue));
    std::vector<double> distances;
    f.map->OnDragObject = [&](TPersistent*, double dlina) { distances.push_back(dlina); };
    int ends = 0;
    f.map->OnEndDragObject = [&](TPersistent*) { ++ends; };
    f.press(mbLeft, 150, 150);
    f.move(153, 153);
    f.run();
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{100, 100}));
    EXPECT_TRUE(distances.empty());
    f.move(154, 150);
    f.move(155, 151);
    f.release(mbLeft, 155, 151);
    f.run();
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{105, 101}));
    ASSERT_EQ(distances.size(), 2u);
    EXPECT_FLOAT_EQ(distances[0], 4);
    EXPECT_EQ(ends, 1);
}

TEST(DataMapEditingTest, ShiftLocksTheDragToTheAxisOfItsFirstMoveUntilRelease) {
    MouseMap f;
    addObject(*f.map, rectangle(100, 100, 200, 200, clBlue));
    f.press(mbLeft, 150, 150, ssShift);
    f.move(160, 153, ssShift);
    f.move(165, 170, ssShift);
    f.release(mbLeft, 165, 170, ssShift);
    f.run();
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{115, 100}));
    EXPECT_FALSE(f.map->Interaction().LockHorizontal);
    f.drag(150, 150, 152, 160, ssShift);
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{115, 110}));
}

TEST(DataMapEditingTest, MoveCellSnapsTheDragToThreePixelsAndALockedObjectStaysWhileLocksAreOn) {
    MouseMap f;
    TKEXMapObjectMem locked = rectangle(100, 100, 200, 200, clBlue);
    locked.Locked = 1;
    addObject(*f.map, locked);
    f.map->Options()->SetmpLocked(true);
    f.drag(150, 150, 180, 150);
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{100, 100}));
    f.map->Options()->SetmpLocked(false);
    f.map->Options()->SetMoveCell(true);
    f.drag(150, 150, 155, 150);
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{103, 100}));
}

TEST(DataMapEditingTest, RotationHandleTurnsTheObjectWithTheMouse) {
    MouseMap f;
    TKEXMapObjectMem square = rectangle(100, 100, 200, 200, clBlue);
    f.map->CalcObjectCenter(square);
    addObject(*f.map, square);
    for (int i = 0; i < 3; ++i) // select, then handles 1, then handles 2
        f.click(mbLeft, 150, 150);
    EXPECT_EQ(f.map->Interaction().Handles, mapi::handlesRotate);
    f.press(mbLeft, 200, 100); // the top-right corner, up and right of the centre
    f.move(200, 200);          // a quarter turn clockwise on the screen
    f.release(mbLeft, 200, 200);
    f.run();
    const auto points = f.map->Model().Objects()[0].Points();
    EXPECT_NEAR(points[1].x, 200, 0.01);
    EXPECT_NEAR(points[1].y, 200, 0.01);
    EXPECT_NEAR(points[0].x, 200, 0.01); // the top-left corner went to the top-right
    EXPECT_NEAR(points[0].y, 100, 0.01);
}

TEST(DataMapEditingTest, HandlesCycleAndMoveAPointOrTheCentre) {
    MouseMap f;
    TKEXMapObjectMem square = rectangle(100, 100, 200, 200, clBlue);
    f.map->CalcObjectCenter(square);
    addObject(*f.map, square);
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) {
        f.click(mbLeft, 130, 130);
        modes.push_back(f.map->Interaction().Handles);
    }
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 2, 0}));
    f.click(mbLeft, 130, 130); // point handles
    f.drag(200, 200, 220, 230);
    EXPECT_EQ(f.map->Model().Objects()[0].Points()[2], (mapi::WorldPoint{220, 230}));
    EXPECT_EQ(f.map->Model().Objects()[0].Points()[0], (mapi::WorldPoint{100, 100}));
    f.click(mbLeft, 130, 130); // rotation handles and the centre mark
    f.drag(150, 150, 170, 140);
    EXPECT_EQ(f.map->Model().Objects()[0].Center, (mapi::WorldPoint{170, 140}));
    EXPECT_EQ(f.map->Model().Objects()[0].Points()[0], (mapi::WorldPoint{100, 100}));
}

// MoveCell snaps what moves by the grid; the rotation centre and a resize follow the mouse itself.
TEST(DataMapEditingTest, MoveCellLeavesTheCentreAndTheResizeWhereTheMouseIs) {
    MouseMap f;
    TKEXMapObjectMem square = rectangle(100, 100, 200, 200, clBlue);
    f.map->CalcObjectCenter(square);
    addObject(*f.map, square);
    f.map->Options()->SetMoveCell(true);
    for (int i = 0; i < 3; ++i) // select, then handles 1, then handles 2
        f.click(mbLeft, 130, 130);
    f.drag(150, 150, 161, 161);
    EXPECT_EQ(f.map->Model().Objects()[0].Center, (mapi::WorldPoint{161, 161}));
    f.click(mbLeft, 130, 130); // resize handles
    f.drag(200, 200, 221, 221);
    const mapi::WorldPoint corner = f.map->Model().Objects()[0].Points()[2];
    EXPECT_FLOAT_EQ(corner.x, 221);
    EXPECT_FLOAT_EQ(corner.y, 221);
}

TEST(DataMapEditingTest, TextTurnAddsTenthsOfItsDegreesAndATinyTurnChangesNothing) {
    MouseMap f;
    addObject(*f.map, mapsamples::textObject({100, 100}, 0, "TEXT"));
    f.map->LoadEditObject(0);
    f.map->RotateEditObject(90);
    EXPECT_EQ(f.map->EditBuffer().Record().Text()->Angle, 900);
    f.map->PostEditObject();
    f.map->RotateEditObject(0.05f);
    EXPECT_EQ(f.map->EditBuffer().Record().Text()->Angle, 900);
    f.map->RotateEditObject(-135);
    EXPECT_EQ(f.map->EditBuffer().Record().Text()->Angle, 3150);
}

TEST(DataMapEditingTest, MovingAndTurningTextsAndNotesMovesTheirAnchors) {
    MouseMap f;
    TKEXMapObjectMem text = mapsamples::textObject({100, 100}, 0, "TEXT");
    f.map->MoveObject(text, 5, -5);
    EXPECT_EQ(text.Text()->Anchor, (mapi::WorldPoint{105, 95}));
    EXPECT_EQ(text.Corners[0], (mapi::WorldPoint{105, 95}));
    TKEXMapObjectMem note = mapsamples::noteObject({10, 20}, "Default", "pic", "");
    f.map->MoveObject(note, 10, 10);
    EXPECT_EQ(note.Note()->Anchor, (mapi::WorldPoint{20, 30}));
    f.map->RotateObject(note, 90, 0, 0); // a quarter turn counter-clockwise about the origin
    EXPECT_NEAR(note.Note()->Anchor.x, 30, 1e-3);
    EXPECT_NEAR(note.Note()->Anchor.y, -20, 1e-3);
}

TEST(DataMapEditingTest, ResizeHandleScalesTowardTheMouseAndAFlatFrameIsNotDividedBy) {
    MouseMap f;
    addObject(*f.map, rectangle(100, 100, 200, 200, clBlue));
    f.click(mbLeft, 150, 150);
    f.press(mbLeft, 200, 200); // handle 4, the bottom-right corner
    f.move(250, 220);
    f.release(mbLeft, 250, 220);
    f.run();
    EXPECT_EQ(f.map->Model().Objects()[0].Corners[2], (mapi::WorldPoint{250, 220}));
    EXPECT_EQ(f.map->Model().Objects()[0].Corners[0], (mapi::WorldPoint{100, 100}));

    TKEXMapObjectMem line = mapsamples::pointObject(mapi::kindPolyline, {{100, 100}, {100, 200}});
    f.move(150, 250);
    f.run();
    f.map->ResizeObject(line, line, /*Proportional=*/false, 4);
    EXPECT_EQ(line.Points()[1], (mapi::WorldPoint{100, 250}));
}

TEST(DataMapEditingTest, ShiftResizeKeepsTheProportionsAndAGroupScalesItsMembers) {
    MouseMap f;
    addObject(*f.map, rectangle(100, 100, 200, 200, clBlue));
    f.click(mbLeft, 150, 150);
    f.drag(200, 200, 300, 250, ssShift); // factors 2 and 1.5: both take 1.5
    EXPECT_EQ(f.map->Model().Objects()[0].Corners[2], (mapi::WorldPoint{250, 250}));

    TKEXMapObjectMem group = mapsamples::groupObject(
        {rectangle(0, 0, 10, 10, clBlue), rectangle(10, 10, 20, 20, clBlue)});
    f.move(40, 40);
    f.run();
    f.map->ResizeObject(group, group, /*Proportional=*/false, 4); // the corner at (20, 20) to (40, 40)
    EXPECT_EQ((*group.Children())[1].Points()[2], (mapi::WorldPoint{40, 40}));
    EXPECT_EQ((*group.Children())[0].Points()[2], (mapi::WorldPoint{20, 20}));
}

// Doubled by its bottom-right handle, a group doubles every point of its members about its
// top-left corner: a square's corner and a text's and a note's anchor alike.
TEST(DataMapEditingTest, ResizingAGroupScalesTheAnchorsOfItsTextsAndNotes) {
    MouseMap f;
    addObject(*f.map, mapsamples::groupObject({rectangle(0, 0, 100, 100, clBlue),
                                               mapsamples::textObject({20, 40}, 0, "T"),
                                               mapsamples::noteObject({60, 80}, "Default", "pic", "")}));
    f.click(mbLeft, 50, 50);
    f.drag(100, 100, 200, 200); // handle 4
    const TKexMapList& members = *f.map->Model().Objects()[0].Children();
    const struct {
        const char* point;
        mapi::WorldPoint found;
        mapi::WorldPoint expected;
    } cases[] = {
        {"square's corner", members[0].Points()[2], {200, 200}},
        {"text's anchor", members[1].Text()->Anchor, {40, 80}},
        {"note's anchor", members[2].Note()->Anchor, {120, 160}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, c.expected) << c.point;
}

// Every object is found by the grid index over its own frame, and the index names no object
// that is not there.
void expectIndexMatchesObjects(TDataMap& map) {
    const TKexMapList& objects = map.Model().Objects();
    const mapi::WorldRect e = map.Model().MapExtent;
    const auto all = map.Model().Content().Index.Query(e.x1, e.y1, e.x2, e.y2);
    for (int i : all)
        EXPECT_LT(i, objects.Count());
    for (int i = 0; i < objects.Count(); ++i) {
        const auto& c = objects[i].Corners;
        const auto found = map.Model().Content().Index.Query(c[0].x, c[0].y, c[2].x, c[2].y);
        EXPECT_NE(std::find(found.begin(), found.end(), i), found.end()) << "object " << i;
    }
}

TEST(DataMapEditingTest, GroupingSkipsLockedObjectsAndUngroupingAppendsTheMembers) {
    MouseMap f;
    f.map->SetUseIndex(true);
    addObject(*f.map, rectangle(0, 0, 50, 50, clBlue));
    TKEXMapObjectMem locked = rectangle(1500, 0, 1550, 50, clRed);
    locked.Locked = 1;
    addObject(*f.map, locked);
    addObject(*f.map, rectangle(3000, 3000, 3050, 3050, clGreen));
    f.map->GroupObjects(std::vector<int>{0, 1});
    EXPECT_EQ(f.map->GetObjectCount(), 3);

    f.map->SelectedObjects() = {0, 1, 2};
    f.map->GroupObjects(std::vector<int>{2, 0, 1, 2}); // each index taken once
    ASSERT_EQ(f.map->GetObjectCount(), 2);
    EXPECT_EQ(f.map->SelectedObjects(), std::vector<int>{0}); // the locked one stays selected
    const TKEXMapObjectMem& group = f.map->Model().Objects()[1];
    ASSERT_EQ(group.Kind, mapi::kindGroup);
    EXPECT_EQ(group.Children()->Count(), 2);
    EXPECT_EQ(f.map->Model().Header.ObjectCount, 2);
    expectIndexMatchesObjects(*f.map);

    // Taken apart while it may not be deleted, a locked group's members would be doubled.
    f.map->Model().Objects()[1].Locked = 1;
    f.map->Options()->SetmpLocked(true);
    f.map->LoadEditObject(1);
    f.map->UnGroupEditObject();
    EXPECT_EQ(f.map->GetObjectCount(), 2);
    f.map->Options()->SetmpLocked(false);
    f.map->LoadEditObject(1);
    f.map->UnGroupEditObject();
    ASSERT_EQ(f.map->GetObjectCount(), 3);
    EXPECT_EQ(f.map->Model().Objects()[0].Locked, 1);
    EXPECT_EQ(firstPoint(*f.map, 1), (mapi::WorldPoint{0, 0}));
    EXPECT_EQ(firstPoint(*f.map, 2), (mapi::WorldPoint{3000, 3000}));
    expectIndexMatchesObjects(*f.map);
}

TEST(DataMapEditingTest, CloneLandsTwentyPixelsRightAndDownAtAnyScale) {
    MouseMap f;
    const uint16_t street = f.map->AddStreetName("САДОВАЯ");
    f.map->Model().Header.NextObjectId = 10;
    addObject(*f.map, mapsamples::withAddress(rectangle(100, 100, 200, 200, clBlue), street, "7"));
    f.map->LoadEditObject(0);
    f.map->CloneEditObject();
    ASSERT_EQ(f.map->GetObjectCount(), 2);
    EXPECT_EQ(firstPoint(*f.map, 1), (mapi::WorldPoint{120, 120}));
    EXPECT_NE(f.map->Model().Objects()[1].Id, f.map->Model().Objects()[0].Id);
    ASSERT_TRUE(f.map->Model().Objects()[1].HasAddress());
    EXPECT_EQ(f.map->Model().Objects()[1].Address->House.str(), "7");
    f.map->SetScale(400);
    f.map->LoadEditObject(0);
    f.map->CloneEditObject();
    EXPECT_EQ(firstPoint(*f.map, 2), (mapi::WorldPoint{105, 105}));
}

TEST(DataMapEditingTest, FrontAndBackReorderAndCarryTheSelectionAndBlinkLists) {
    MouseMap f;
    for (int i = 0; i < 3; ++i)
        addObject(*f.map, rectangle(100.0f * i, 0, 100.0f * i + 50, 50, clBlue));
    f.map->SelectedObjects() = {0, 2};
    f.map->SetBlinkObjects(std::vector<int>{1});
    f.map->LoadEditObject(0);
    f.map->BringObjectToFront(0);
    EXPECT_EQ(firstPoint(*f.map, 2), (mapi::WorldPoint{0, 0}));
    EXPECT_EQ(f.map->SelectedObjects(), (std::vector<int>{2, 1}));
    EXPECT_EQ(f.map->BlinkObjects(), std::vector<int>{0});
    f.map->SendObjectToBack(2);
    EXPECT_EQ(firstPoint(*f.map, 0), (mapi::WorldPoint{0, 0}));
    EXPECT_EQ(f.map->SelectedObjects(), (std::vector<int>{0, 2}));
    EXPECT_EQ(f.map->BlinkObjects(), std::vector<int>{1});
}

} // namespace
