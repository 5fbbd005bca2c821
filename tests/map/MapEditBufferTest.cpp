#include "map/MapEditBuffer.h"

#include <gtest/gtest.h>

#include "map/MapSamples.h"
#include "map/TKexMapList.h"
#include "toolkit/AnsiString.h"

namespace {

using namespace mapi;
using mapsamples::pointObject;

// A model of two polylines (ids 1 and 2, the next id 3) with the grid index on.
struct Fixture {
    MapModel model;
    MapEditBuffer buffer;
    mapsamples::FixedMetrics metrics;

    Fixture() {
        for (uint32_t id : {1u, 2u}) {
            TKEXMapObjectMem record = pointObject(kindPolyline, {{id * 100.0f, 0}, {id * 100.0f + 50, 40}});
            record.Id = id;
            model.Objects().AddObjectCopy(std::move(record));
        }
        model.Header.ObjectCount = 2;
        model.Header.NextObjectId = 3;
        model.CalcMapBounds();
        model.SetUseIndex(true);
    }

    bool indexFinds(int i, float x, float y) {
        for (int found : model.Content().Index.Query(x, y, x, y))
            if (found == i)
                return true;
        return false;
    }
};

TEST(MapEditBufferTest, NewStartsAnInvisibleObjectToBeAppended) {
    Fixture f;
    EXPECT_FALSE(f.buffer.Valid());
    EXPECT_EQ(f.buffer.SourceIndex(), -1);
    f.buffer.New(f.model, kindEllipse);
    EXPECT_TRUE(f.buffer.Valid());
    EXPECT_EQ(f.buffer.SourceIndex(), 2);
    EXPECT_EQ(f.buffer.Record().Id, 3u);
    // Posting it without points stores nothing and keeps the id for the next try.
    EXPECT_FALSE(f.buffer.Post(f.model, f.metrics));
    EXPECT_EQ(f.model.Objects().Count(), 2);
    EXPECT_EQ(f.model.Header.NextObjectId, 3u);
    EXPECT_EQ(f.buffer.SourceIndex(), 2);
}

TEST(MapEditBufferTest, FirstPostAppendsThenPostsReplace) {
    Fixture f;
    f.buffer.New(f.model, kindPolygon);
    f.buffer.Record().SetPoints({{1000, 1000}, {1100, 1000}, {1100, 1200}});
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    EXPECT_EQ(f.buffer.SourceIndex(), 2);
    EXPECT_EQ(f.model.Objects().Count(), 3);
    EXPECT_EQ(f.model.Header.ObjectCount, 3);
    EXPECT_EQ(f.model.Header.NextObjectId, 4u);
    const TKEXMapObjectMem& stored = f.model.Objects()[2];
    EXPECT_EQ(stored.Id, 3u);
    EXPECT_EQ(stored.Corners[2], (WorldPoint{1100, 1200}));
    EXPECT_EQ(stored.Center, (WorldPoint{1050, 1100}));
    EXPECT_EQ(f.model.MapExtent.x2, 1100);
    EXPECT_TRUE(f.indexFinds(2, 1050, 1100));
    // The next post of the same buffer replaces what the first one stored.
    f.buffer.Record().SetPoints({{-3000, -3000}, {-2900, -2900}});
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    EXPECT_EQ(f.model.Objects().Count(), 3);
    EXPECT_EQ(f.model.Header.NextObjectId, 4u);
    EXPECT_EQ(f.model.Objects()[2].Corners[0], (WorldPoint{-3000, -3000}));
    EXPECT_FALSE(f.indexFinds(2, 1050, 1100));
    EXPECT_TRUE(f.indexFinds(2, -2950, -2950));
    EXPECT_EQ(f.model.MapExtent.x1, -3000);
}

TEST(MapEditBufferTest, LoadedCopyIsTheBuffersOwnUntilPosted) {
    Fixture f;
    f.buffer.New(f.model, kindPolygon);
    f.buffer.Load(f.model, 1);
    EXPECT_EQ(f.buffer.SourceIndex(), 1);
    EXPECT_EQ(f.buffer.Record(), f.model.Objects()[1]);
    f.buffer.Record().SetPoints({{0, 0}});
    f.buffer.Record().Brush.Color = 0xFF;
    EXPECT_EQ(f.model.Objects()[1].Count, 2);
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    EXPECT_EQ(f.model.Objects()[1].Count, 1);
    EXPECT_EQ(f.model.Objects()[1].Brush.Color, 0xFFu);
    // After the post the stored object has blocks of its own too.
    f.buffer.Record().SetPoints({});
    EXPECT_EQ(f.model.Objects()[1].Points().size(), 1u);
    // Loading another object and starting a new one drop the old source.
    f.buffer.Load(f.model, 0);
    EXPECT_EQ(f.buffer.Record().Id, 1u);
    f.buffer.New(f.model, kindPolyline);
    EXPECT_EQ(f.buffer.SourceIndex(), 2);
}

TEST(MapEditBufferTest, AddressCopiesBecomeTheBlockAtPost) {
    Fixture f;
    const uint16_t lenina = f.model.AddStreetName(tk::fromUtf8("ЛЕНИНА"));
    f.model.Objects()[0].Address = TKEXMapAddress{lenina, {}};
    f.model.Objects()[0].Address->House.assign("7");
    f.buffer.Load(f.model, 0);
    EXPECT_EQ(f.buffer.StreetName, tk::fromUtf8("ЛЕНИНА"));
    EXPECT_EQ(f.buffer.HouseNumber, "7");
    f.buffer.StreetName = "  ";
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    EXPECT_FALSE(f.model.Objects()[0].HasAddress());
    f.buffer.Load(f.model, 1);
    EXPECT_TRUE(f.buffer.StreetName.empty());
    f.buffer.StreetName = tk::fromUtf8(" садовая ");
    f.buffer.HouseNumber = tk::fromUtf8(" 12корп3 ");
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    const TKEXMapObjectMem& stored = f.model.Objects()[1];
    ASSERT_TRUE(stored.HasAddress());
    EXPECT_EQ(f.model.GetStreetName(stored.Address->StreetId), tk::fromUtf8("САДОВАЯ"));
    EXPECT_EQ(stored.Address->House.str(), tk::fromUtf8("12КОРП"));
    EXPECT_EQ(f.model.FindObjectByAddress(-1, tk::fromUtf8("садовая"), tk::fromUtf8("12корп")), 1);
}

TEST(MapEditBufferTest, TextIsStoredOnlyWithAStringAndGetsItsMeasuredFrame) {
    Fixture f;
    f.buffer.New(f.model, kindText);
    EXPECT_EQ(f.buffer.TextCopy(), TKEXMapText());
    TKEXMapText text;
    text.Anchor = {500, 500};
    text.Size = 20;
    f.buffer.Record().SetText(text);
    EXPECT_FALSE(f.buffer.Post(f.model, f.metrics));
    EXPECT_EQ(f.model.Objects().Count(), 2);
    text.Text.assign("Park");
    f.buffer.Record().SetText(text);
    ASSERT_TRUE(f.buffer.Post(f.model, f.metrics));
    const TKEXMapObjectMem& stored = f.model.Objects()[2];
    EXPECT_EQ(stored.Corners[2], (WorldPoint{540, 520})); // 10 units a character, Size high
    EXPECT_EQ(stored.Center, (WorldPoint{500, 500}));
    f.buffer.Load(f.model, 2);
    EXPECT_EQ(f.buffer.TextCopy(), text);
    f.buffer.Load(f.model, 0);
    EXPECT_EQ(f.buffer.TextCopy(), TKEXMapText());
}

TEST(MapEditBufferTest, FirstObjectOfAnEmptyMapMakesTheExtent) {
    MapModel model;
    MapEditBuffer buffer;
    buffer.New(model, kindPolygon);
    buffer.Record().SetPoints({{500, 600}, {700, 900}});
    ASSERT_TRUE(buffer.Post(model, mapsamples::FixedMetrics()));
    EXPECT_EQ(model.MapExtent.x1, 500);
    EXPECT_EQ(model.MapExtent.y1, 600);
    EXPECT_EQ(model.MapExtent.x2, 700);
}

} // namespace
