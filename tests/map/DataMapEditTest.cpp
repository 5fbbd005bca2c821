#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/TKexMapList.h"
#include "support/MessageBoxLog.h"

namespace {

using namespace mapi;
using mapfixture::addObject;
using mapfixture::bufferPixel;
using mapfixture::rectangle;

// The events of posting, in order.
struct EventLog {
    std::vector<std::string> seen;
    void attach(TDataMap& map) {
        map.OnAfterAppendObject = [this](TPersistent*) { seen.push_back("append"); };
        map.OnBeforePostObject = [this](TPersistent*) { seen.push_back("before"); };
        map.OnAfterPostObject = [this](TPersistent*) { seen.push_back("after"); };
    }
};

// The buffer holds a copy of its own: a change shows only once posted, and emptying the copy
// leaves the stored object whole.
TEST(DataMapEditTest, PostedChangesShowAndTheBuffersOwnCopyLeavesTheStoredObjectWhole) {
    auto map = mapfixture::makeMap(100, 100);
    const int i = addObject(*map, rectangle(20, 20, 80, 80, clBlue));
    map->LoadEditObject(i);
    map->EditBuffer().Record().Brush.Color = 0x000000FF;
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 50, 50), clBlue);
    map->PostEditObject();
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 50, 50), clRed);
    for (int k = 0; k < 4; ++k)
        map->DeleteEditPoint(0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(map->EditBuffer().Record().Data));
    map->PostEditObject();
    ASSERT_EQ(map->Model().Objects()[i].Points().size(), 4u);
    map->SetChanged();
    map->RefreshMap();
    EXPECT_EQ(bufferPixel(*map, 50, 50), clRed);
    EXPECT_EQ(map->GetObjectCount(), 1);
}

TEST(DataMapEditTest, NewObjectTakesTheToolsKindAndIsStoredOnlyWithPoints) {
    auto map = mapfixture::makeMap(100, 100);
    EventLog log;
    log.attach(*map);
    const std::vector<std::pair<TInstrument, uint8_t>> kinds = {
        {iPolygon, kindPolygon}, {iRectangle, kindPolygon}, {iLine, kindPolyline}, {iPixel, kindPixels},
        {iBezier, kindBezier},   {iEllipse, kindEllipse},   {iText, kindText},     {iBitmap, kindBitmap},
        {iZametka, kindZametka}, {iPick, kindPolygon}};
    for (auto [tool, kind] : kinds) {
        map->SetInstrument(tool);
        map->NewEditObject();
        EXPECT_EQ(map->EditBuffer().Record().Kind, kind);
    }
    EXPECT_EQ(log.seen.size(), kinds.size());
    log.seen.clear();
    map->SetInstrument(iLine);
    map->NewEditObject();
    map->PostEditObject();
    EXPECT_EQ(map->GetObjectCount(), 0);
    EXPECT_EQ(log.seen, (std::vector<std::string>{"append", "before", "after"}));
    map->SetEditPoint(3, 10, 10);
    map->SetEditPoint(1, 90, 90);
    map->PostEditObject();
    EXPECT_EQ(map->GetObjectCount(), 1);
    EXPECT_EQ(map->Model().Objects()[0].Points().size(), 2u);
}

TEST(DataMapEditTest, PostWithoutABufferOnlyComplains) {
    auto map = mapfixture::makeMap(100, 100);
    tktest::MessageBoxLog boxes;
    EventLog log;
    log.attach(*map);
    map->PostEditObject();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].find(tk::fromUtf8("Ошибка ! Нет объекта в буфере редактирования !")), std::string::npos);
    EXPECT_TRUE(log.seen.empty());
}

TEST(DataMapEditTest, DeleteShiftsEveryIndexListAndEndsTheBuffer) {
    auto map = mapfixture::makeMap(100, 100);
    map->SetUseIndex(true);
    for (int k = 0; k < 4; ++k)
        addObject(*map, rectangle(k * 20.0f, 0, k * 20.0f + 10, 10, clBlue));
    map->SelectedObjects() = {0, 1, 3};
    map->SetBlinkObjects(std::vector<int>{3, 1});
    map->LoadEditObject(3);
    map->SetSelectedObject(true);
    map->DeleteObject(1, /*RecalcExtent=*/false);
    EXPECT_EQ(map->GetObjectCount(), 3);
    EXPECT_EQ(map->SelectedObjects(), (std::vector<int>{0, 2}));
    EXPECT_EQ(map->BlinkObjects(), std::vector<int>{2});
    EXPECT_FALSE(map->EditBuffer().Valid());
    EXPECT_EQ(map->EditBuffer().SourceIndex(), 2);
    EXPECT_FALSE(map->SelectedObject());
    EXPECT_EQ(map->Model().MapExtent.x2, 70);
    map->DeleteObject(2, /*RecalcExtent=*/true);
    EXPECT_EQ(map->Model().MapExtent.x2, 50);
    // The index holds the two objects left under their new numbers.
    std::vector<int> found;
    for (int i : map->Model().Content().Index.Query(45, 5, 45, 5))
        found.push_back(i);
    EXPECT_EQ(found, (std::vector<int>{0, 1}));
    map->DeleteObject(2, true);
    map->DeleteObject(-1, true);
    EXPECT_EQ(map->GetObjectCount(), 2);
}

TEST(DataMapEditTest, LockedObjectsRefuseChangesOnlyWhileLockingIsOn) {
    auto map = mapfixture::makeMap(100, 100);
    TKEXMapObjectMem locked = rectangle(0, 0, 10, 10, clBlue);
    locked.Locked = 1;
    addObject(*map, locked);
    map->Options()->SetmpLocked(true);
    map->DeleteObject(0, true);
    EXPECT_EQ(map->GetObjectCount(), 1);
    map->LoadEditObject(0);
    map->SetEditPoint(0, 5, 5);
    map->InsertEditPoint(0, 5, 5);
    map->DeleteEditPoint(0);
    TKEXMapText text;
    text.Text.assign("x");
    map->SetEditText(text);
    EXPECT_EQ(map->EditBuffer().Record(), map->Model().Objects()[0]);
    map->Options()->SetmpLocked(false);
    map->DeleteEditPoint(0);
    EXPECT_EQ(map->EditBuffer().Record().Count, 3);
    map->DeleteObject(0, true);
    EXPECT_EQ(map->GetObjectCount(), 0);
}

TEST(DataMapEditTest, PointAccessorsAppendInsertAndRemove) {
    auto map = mapfixture::makeMap(100, 100);
    TKEXMapObjectMem line = mapsamples::pointObject(kindPolyline, {{0, 0}, {10, 0}, {20, 0}});
    float x = -1, y = -1;
    map->SetObjectPoint(line, 5, 30, 5);
    ASSERT_EQ(line.Count, 4);
    map->GetObjectPoint(line, 3, x, y);
    EXPECT_EQ((WorldPoint{x, y}), (WorldPoint{30, 5}));
    map->SetObjectPoint(line, 1, 11, 1);
    map->InsertObjectPoint(line, 1, 5, 5);
    EXPECT_EQ(std::vector<WorldPoint>(line.Points().begin(), line.Points().end()),
              (std::vector<WorldPoint>{{0, 0}, {5, 5}, {11, 1}, {20, 0}, {30, 5}}));
    map->InsertObjectPoint(line, 9, 1, 1); // out of range: nothing changes
    map->DeleteObjectPoint(line, 9);
    map->GetObjectPoint(line, 9, x, y);
    EXPECT_EQ(line.Count, 5);
    TKEXMapObjectMem empty;
    empty.Kind = kindPolygon;
    map->SetObjectPoint(empty, 7, 3, 4);
    EXPECT_EQ(empty.Count, 1);
    map->DeleteObjectPoint(empty, 0);
    map->DeleteObjectPoint(empty, 0);
    EXPECT_EQ(empty.Count, 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(empty.Data));
    // A text carries no points: its payload is left alone.
    TKEXMapObjectMem label = mapsamples::textObject({0, 0}, 0, "A");
    map->SetObjectPoint(label, 0, 1, 1);
    ASSERT_NE(label.Text(), nullptr);
}

TEST(DataMapEditTest, PostedTextAndNoteTakeTheirFramesFromThePayload) {
    auto map = mapfixture::makeMap(100, 100);
    map->SetInstrument(iText);
    map->NewEditObject();
    TKEXMapText text;
    text.Anchor = {10, 20};
    text.Size = 30;
    text.Text.assign("Mill");
    map->SetEditText(text);
    map->PostEditObject();
    ASSERT_EQ(map->GetObjectCount(), 1);
    const TKEXMapObjectMem& stored = map->Model().Objects()[0];
    // The frame comes from the text measured in the map's font: wider than high, Size or more high.
    EXPECT_GT(stored.Corners[2].x - stored.Corners[0].x, stored.Corners[2].y - stored.Corners[0].y);
    EXPECT_GE(stored.Corners[2].y - stored.Corners[0].y, 30);
    map->SetInstrument(iZametka);
    map->NewEditObject();
    TKEXMapZametka note;
    note.Anchor = {40, 40};
    note.Text.assign("here");
    map->SetEditNote(note);
    TKEXMapZametka back;
    map->GetEditNote(back);
    EXPECT_EQ(back.Text.str(), "here");
    map->PostEditObject();
    EXPECT_EQ(map->Model().Objects()[1].Center, (WorldPoint{40, 40}));
}

} // namespace
