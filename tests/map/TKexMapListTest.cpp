// The map's record list: copies that share nothing, cloning, replacing and payload sizes.
#include "map/TKexMapList.h"

#include <gtest/gtest.h>

#include "map/MapSamples.h"
#include "map/MapStreamLayout.h"

namespace {

using mapi::WorldPoint;
using mapsamples::pointObject;

TEST(TKexMapListTest, CopiesNeverShareBlocks) {
    TKexMapList list;
    list.AddObjectCopy(mapsamples::withAddress(
        mapsamples::groupObject({pointObject(mapi::kindPolygon, {{0, 0}, {1, 0}, {1, 1}})}), 1,
        "5"));
    TKexMapList copy = list;
    list.DeleteObjectRecord(0);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy[0].Address->House.str(), "5");
    ASSERT_NE(copy[0].Children(), nullptr);
    EXPECT_EQ((*copy[0].Children())[0].Points().size(), 3u);
}

TEST(TKexMapListTest, CloneMovesPointsTextsNotesAndChildrenButNotTheFrame) {
    const TKEXMapObjectMem group = mapsamples::groupObject(
        {pointObject(mapi::kindPolyline, {{0, 0}, {10, 0}}), mapsamples::textObject({5, 5}, 0, "A"),
         mapsamples::noteObject({7, 7}, "L", "P", "")});
    const TKEXMapObjectMem clone = TKexMapList::CloneObjectRecord(group, 10, 20);
    const TKexMapList& children = *clone.Children();
    EXPECT_EQ(children[0].Points()[1], (WorldPoint{20, 20}));
    EXPECT_EQ(children[1].Text()->Anchor, (WorldPoint{15, 25}));
    EXPECT_EQ(children[2].Note()->Anchor, (WorldPoint{17, 27}));
    EXPECT_EQ(clone.Corners, group.Corners);
    EXPECT_EQ(group.Children()->GetObjectRecord(0).Points()[1], (WorldPoint{10, 0}));
}

TEST(TKexMapListTest, PutReplacesInsideAndAppendsBeyond) {
    TKexMapList list;
    list.AddObjectCopy(pointObject(mapi::kindPixels, {{1, 1}}));
    list.PutObjectRecord(0, pointObject(mapi::kindPixels, {{2, 2}}));
    list.PutObjectRecord(5, pointObject(mapi::kindPixels, {{3, 3}}));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0].Points()[0], (WorldPoint{2, 2}));
    EXPECT_EQ(list[1].Points()[0], (WorldPoint{3, 3}));
}

TEST(TKexMapListTest, PayloadSizeByKind) {
    TKEXMapObjectMem record;
    record.Count = 5;
    const std::pair<uint8_t, int64_t> expected[] = {
        {mapi::kindPolygon, 40}, {mapi::kindPolyline, 40},
        {mapi::kindPixels, 40},  {mapi::kindText, mapi::kTextSize},
        {mapi::kindBitmap, 5},   {mapi::kindBezier, 40},
        {mapi::kindEllipse, 40}, {mapi::kindZametka, mapi::kNoteSize},
        {mapi::kindGroup, 5},    {9, 0}};
    for (const auto& [kind, size] : expected) {
        record.Kind = kind;
        EXPECT_EQ(TKexMapList::GetPayloadSize(record), size) << int{kind};
    }
    record.Kind = mapi::kindPolygon;
    record.Count = 0x7fffffff;
    EXPECT_EQ(TKexMapList::GetPayloadSize(record), int64_t{0x7fffffff} * 8);
}

} // namespace
