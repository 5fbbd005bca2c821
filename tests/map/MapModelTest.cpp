// The map model: loading, street names, finding objects, the hit list and the grid index answering
// as a linear scan would.
#include "map/MapModel.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "map/HitTest.h"
#include "map/MapSamples.h"
#include "map/ObjectBounds.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"

namespace {

using mapi::WorldPoint;
using mapsamples::FixedContext;
using mapsamples::pointObject;

AnsiString cp(const char* utf8) { return tk::fromUtf8(utf8); }

TEST(MapModelTest, LoadSetsHeaderCountExtentAndClearsTheHitList) {
    mapi::MapModel model;
    model.Objects().AddObjectCopy(pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {0, 10}}));
    ASSERT_TRUE(model.HitTest(1, 1, FixedContext()));
    std::vector<int> progress;
    model.OnProgress = [&](int position) { progress.push_back(position); };
    mapstream::MapDocument map = mapsamples::richDocument(6);
    mapsamples::load(model, mapstream::WriteMapStream(map, {.ObjectCount = 3, .StreetCount = {}}));
    EXPECT_FALSE(model.Damaged());
    EXPECT_EQ(progress, std::vector<int>{100});
    EXPECT_EQ(model.GetObjectCount(), 3);
    EXPECT_TRUE(model.HitList().empty());
    EXPECT_EQ(model.MapExtent, (mapi::WorldRect{-10, -10, 100, 50}));
    EXPECT_EQ(model.GetStreetName(2), cp("САДОВАЯ"));
}

TEST(MapModelTest, DamagedLoadKeepsCompleteRecordsAndSaysWhere) {
    mapi::MapModel model;
    const std::string bytes = mapstream::WriteMapStream(mapsamples::richDocument(6));
    mapsamples::load(model, bytes.substr(0, bytes.size() - 3));
    EXPECT_TRUE(model.Damaged());
    EXPECT_NE(model.DamageMessage().find("record"), std::string::npos);
    EXPECT_EQ(model.GetObjectCount(), model.Objects().Count());
    EXPECT_EQ(model.Objects().Count(), mapsamples::richDocument(6).Objects.Count() - 1);
    mapsamples::load(model, bytes);
    EXPECT_FALSE(model.Damaged());
    EXPECT_TRUE(model.DamageMessage().empty());
}

TEST(MapModelTest, LoadRestoresAnActiveIndexRebuilt) {
    mapi::MapModel model;
    model.SetUseIndex(true);
    mapsamples::load(model, mapstream::WriteMapStream(mapsamples::richDocument(6)));
    EXPECT_TRUE(model.Content().Index.Active());
    EXPECT_TRUE(model.HitTest(50, 25, FixedContext()));
    EXPECT_EQ(model.HitList(), std::vector<int>{0});
}

TEST(MapModelTest, ClearMapEmptiesEverythingAndResetsTheHeader) {
    mapi::MapModel model;
    mapsamples::load(model, mapstream::WriteMapStream(mapsamples::richDocument(6)));
    model.ClearMap();
    EXPECT_TRUE(model.Objects().IsEmpty());
    EXPECT_EQ(model.Content().StreetNames.Count(), 0);
    EXPECT_EQ(model.Header.Scale, 100);
    EXPECT_EQ(model.Header.Version, 0u);
    model.CalcMapBounds();
    EXPECT_EQ(model.MapExtent, mapi::WorldRect{});
}

TEST(MapModelTest, StreetNamesAreTrimmedUpperCasedAndNeverReused) {
    mapi::MapModel model;
    model.Header.NextStreetId = 5;
    const uint16_t id = model.AddStreetName(cp("  садовая "));
    EXPECT_EQ(id, 5);
    EXPECT_EQ(model.AddStreetName(cp("САДОВАЯ")), 5);
    EXPECT_EQ(model.AddStreetName(cp("Лесная")), 6);
    EXPECT_EQ(model.Header.NextStreetId, 7);
    EXPECT_EQ(model.GetStreetName(5), cp("САДОВАЯ"));
    EXPECT_EQ(model.GetStreetName(99), "");
    EXPECT_EQ(model.FindStreetId(cp(" лесная\t")), 6);
    EXPECT_EQ(model.FindStreetId(cp("Полевая")), -1);
}

TEST(MapModelTest, StreetIdsRunOutRatherThanRepeat) {
    mapi::MapModel model;
    model.Header.NextStreetId = 65535;
    EXPECT_EQ(model.AddStreetName("LAST"), 65535);
    EXPECT_THROW(model.AddStreetName("ONE MORE"), Exception);
    EXPECT_EQ(model.AddStreetName("last"), 65535); // known names still answer
    model.Header.NextStreetId = -4;                // a damaged header
    EXPECT_THROW(model.AddStreetName("NEGATIVE"), Exception);
    EXPECT_EQ(model.FindStreetId("ONE MORE"), -1);
}

TEST(MapModelTest, FindObjectByAddressMatchesCategoryStreetAndHouse) {
    mapi::MapModel model;
    const uint16_t street = model.AddStreetName(cp("Ленина"));
    TKEXMapObjectMem building = mapsamples::withAddress(
        pointObject(mapi::kindPolygon, {{0, 0}, {1, 0}, {1, 1}}, 3), street, "12A");
    model.Objects().AddObjectCopy(building);
    building.Category = 5;
    model.Objects().AddObjectCopy(building);
    model.Objects().AddObjectCopy(mapsamples::groupObject({building}));
    EXPECT_EQ(model.FindObjectByAddress(5, cp("ленина "), " 12a "), 1);
    EXPECT_EQ(model.FindObjectByAddress(3, cp("ЛЕНИНА"), "12A"), 0);
    EXPECT_EQ(model.FindObjectByAddress(4, cp("ЛЕНИНА"), "12A"), -1);
    EXPECT_EQ(model.FindObjectByAddress(-1, cp("ЛЕНИНА"), "12A"), 0);
    EXPECT_EQ(model.FindObjectByAddress(7, cp("ЛЕНИНА"), "12A"), -1); // groups are not searched
    EXPECT_EQ(model.FindObjectByAddress(-1, cp("ЛЕНИНА"), "12"), -1);
    EXPECT_EQ(model.FindObjectByAddress(-1, cp("ПОЛЕВАЯ"), "12A"), -1);
}

TEST(MapModelTest, FindObjectByIdAndHitTestReportEveryAnswer) {
    mapi::MapModel model;
    std::vector<bool> found;
    model.OnAfterFind = [&](bool value) { found.push_back(value); };
    EXPECT_FALSE(model.HitTest(0, 0, FixedContext())); // an empty map
    TKEXMapObjectMem record = pointObject(mapi::kindPixels, {{1, 1}});
    record.Id = 40;
    model.Objects().AddObjectCopy(record);
    record.Id = 41;
    model.Objects().AddObjectCopy(record);
    EXPECT_EQ(model.FindObjectById(41), 1);
    EXPECT_EQ(model.FindObjectById(42), -1);
    EXPECT_EQ(found, (std::vector<bool>{false, true, false}));
}

TEST(MapModelTest, HitListRunsBottomToTopByPlaneThenOrder) {
    mapi::MapModel model;
    TKEXMapObjectMem square = pointObject(mapi::kindPolygon, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    for (int32_t plane : {5, -1, 5, -40}) {
        square.Plane = plane;
        model.Objects().AddObjectCopy(square);
    }
    for (bool indexed : {false, true}) {
        model.SetUseIndex(indexed);
        ASSERT_TRUE(model.HitTest(5, 5, FixedContext()));
        EXPECT_EQ(model.HitList(), (std::vector<int>{3, 1, 0, 2})) << indexed;
    }
}

TEST(MapModelTest, IndexSizeRoundsDownToHundredsAndStaysPositive) {
    mapi::MapModel model;
    model.SetIndexSize(1550);
    EXPECT_EQ(model.IndexSize(), 1500);
    EXPECT_EQ(model.Content().Index.ColumnCount(), 85);
    model.SetIndexSize(1599);
    EXPECT_EQ(model.IndexSize(), 1500);
    model.SetIndexSize(50);
    EXPECT_EQ(model.IndexSize(), 100);
    model.SetIndexSize(-700);
    EXPECT_EQ(model.Content().Index.CellWidth(), 100);
}

TEST(MapModelTest, LinkedModelSharesObjectsStreetsAndTheIndexWhileItIsOnButNotItsHeader) {
    mapi::MapModel main;
    mapi::MapModel linked;
    mapsamples::load(main, mapstream::WriteMapStream(mapsamples::richDocument(6)));
    linked.ShareContent(&main.Content());
    EXPECT_EQ(linked.Objects().Count(), main.Objects().Count());
    EXPECT_EQ(linked.FindStreetId(cp("ЛЕНИНА")), 1);
    EXPECT_EQ(linked.Header.Scale, 100);
    // Switched off by the main model, the shared index no longer answers for the linked one.
    linked.SetUseIndex(true);
    main.SetUseIndex(false);
    EXPECT_TRUE(linked.HitTest(50, 25, FixedContext()));
    linked.ShareContent(nullptr);
    EXPECT_TRUE(linked.Objects().IsEmpty());
}

// Every cell's entries, sorted, so that an index kept in step compares with one built anew.
std::vector<std::vector<int>> cells(const TKexMapIndex& index) {
    std::vector<std::vector<int>> all;
    for (int column = 0; column < index.ColumnCount(); ++column)
        for (int row = 0; row < index.RowCount(); ++row) {
            const auto items = index.CellItems(column, row);
            all.emplace_back(items.begin(), items.end());
            std::ranges::sort(all.back());
        }
    return all;
}

TEST(MapModelTest, ListChangesKeepTheIndexAsARebuildWouldMakeIt) {
    mapi::MapModel model;
    model.SetUseIndex(true);
    for (int i = 0; i < 8; ++i) {
        const float x = static_cast<float>(i) * 700 - 2500;
        model.AppendObject(pointObject(mapi::kindPolygon, {{x, 0}, {x + 900, 0}, {x, 1200}}));
    }
    const auto checkInStep = [&](const char* step) {
        const auto kept = cells(model.Content().Index);
        model.Content().Index.Rebuild();
        EXPECT_EQ(kept, cells(model.Content().Index)) << step;
        EXPECT_EQ(model.GetObjectCount(), model.Objects().Count()) << step;
    };
    checkInStep("append");
    model.DeleteObject(2);
    checkInStep("delete");
    model.BringObjectToFront(1);
    checkInStep("front");
    model.SendObjectToBack(4);
    checkInStep("back");
    model.ReplaceObject(3,
                        pointObject(mapi::kindPolygon, {{9000, 9000}, {9100, 9000}, {9000, 9100}}));
    checkInStep("replace");
    model.DeleteObject(99);
    model.SendObjectToBack(-1);
    checkInStep("out of range");
}

// A map of several thousand objects of every kind inside the index square, some across cell
// borders, some at the square's edge, some wider than a cell.
void generate(mapi::MapModel& model, std::mt19937& random) {
    std::uniform_real_distribution<float> where(-6000, 6000);
    std::uniform_real_distribution<float> size(1, 900);
    std::uniform_int_distribution<int> pick(0, 99);
    for (int i = 0; i < 3000; ++i) {
        const float x = i < 40 ? 62500 + where(random) / 20 : where(random);
        const float y = i < 40 ? -62500 + where(random) / 20 : where(random);
        const float w = pick(random) < 3 ? size(random) * 5 : size(random);
        const float h = size(random);
        const int kind = pick(random) % 9;
        const int32_t category = pick(random) < 10 ? 0 : 100 + kind;
        TKEXMapObjectMem record;
        switch (kind) {
        case mapi::kindText:
            record = mapsamples::textObject({x, y}, pick(random) * 36, "TEXT");
            break;
        case mapi::kindZametka:
            record = mapsamples::noteObject({x, y}, "DEFAULT", "1", "");
            break;
        case mapi::kindBitmap:
            record = pointObject(mapi::kindPixels, {{x, y}, {x + w, y + h}});
            record.Kind = mapi::kindBitmap;
            record.Data = std::vector<uint8_t>{1, 2, 3};
            break;
        case mapi::kindGroup:
            record = mapsamples::groupObject(
                {pointObject(mapi::kindPolygon, {{x, y}, {x + w, y}, {x, y + h}}, category),
                 pointObject(mapi::kindPolyline, {{x + w, y + h}, {x + 2 * w, y}}, category)});
            break;
        default: {
            TKEXMapObjectMem shape;
            shape.Kind = static_cast<uint8_t>(kind);
            shape.Pen.Width = pick(random) % 30;
            shape.SetPoints(
                {{x, y}, {x + w, y + h / 3}, {x + w / 2, y + h}, {x - w / 4, y + h / 2}});
            mapsamples::FixedMetrics metrics;
            CalcObjectBounds(shape, metrics);
            record = shape;
        }
        }
        record.Category = category;
        record.Plane = pick(random) % 81 - 40;
        model.Objects().AddObjectCopy(record);
    }
}

// The same generated objects seen by a model that scans its list and one that asks the index.
class MapModelIndexTest : public testing::Test {
protected:
    static constexpr unsigned kSeed = 20261206;

    MapModelIndexTest() : random_(kSeed) {
        generate(linear_, random_);
        indexed_.ShareContent(&linear_.Content());
        indexed_.SetUseIndex(true);
    }

    float coordinate() { return where_(random_); }

    std::mt19937 random_;
    std::uniform_real_distribution<float> where_{-6500, 6500};
    mapi::MapModel linear_;
    mapi::MapModel indexed_;
};

TEST_F(MapModelIndexTest, IndexedHitTestAnswersAsTheLinearScan) {
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    FixedContext context;
    int hits = 0;
    for (int i = 0; i < 10000; ++i) {
        // One point in ten near the corner of the index square.
        const float x = i % 10 == 0 ? 62500 + coordinate() / 10 : coordinate();
        const float y = i % 10 == 0 ? -62500 + coordinate() / 10 : coordinate();
        context.editing = i % 2 == 0;
        linear_.HitTest(x, y, context);
        indexed_.HitTest(x, y, context);
        ASSERT_EQ(indexed_.HitList(), linear_.HitList()) << "point " << x << ", " << y;
        hits += !linear_.HitList().empty();
    }
    EXPECT_GT(hits, 1000); // the comparison must see hits to mean anything
}

// A pick tries only the objects under the point and the notes round it, yet finds what trying
// every object of the nine cells round the point finds: also for note icons wider than a cell at
// a small scale and for points past the index square, where only its border cells answer.
TEST_F(MapModelIndexTest, IndexedHitTestAnswersAsTheNineCellsRoundThePoint) {
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    FixedContext context;
    context.scale = 5; // a 32-pixel icon is 640 units wide
    TKexMapIndex& index = linear_.Content().Index;
    int hits = 0;
    for (int i = 0; i < 10000; ++i) {
        const float x = i % 10 == 0 ? 63900 + coordinate() / 20 : coordinate();
        const float y = i % 10 == 0 ? -63900 + coordinate() / 20 : coordinate();
        context.editing = i % 2 == 0;
        std::vector<int> nine;
        const std::span<const int> candidates = index.Query(x, y, x, y);
        for (std::size_t k = 0; k < candidates.size(); ++k)
            if ((k == 0 || candidates[k] != candidates[k - 1]) &&
                HitTestObject(x, y, candidates[k], linear_.Objects(), context) >= 0)
                nine.push_back(candidates[k]);
        std::sort(nine.begin(), nine.end(), [&](int a, int b) {
            return std::make_pair(linear_.Objects()[a].Plane, a) < std::make_pair(linear_.Objects()[b].Plane, b);
        });
        indexed_.HitTest(x, y, context);
        ASSERT_EQ(indexed_.HitList(), nine) << "point " << x << ", " << y;
        hits += !nine.empty();
    }
    EXPECT_GT(hits, 1000);
}

TEST_F(MapModelIndexTest, IndexedRegionSelectionAnswersAsTheLinearScan) {
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    std::uniform_real_distribution<float> span(0, 3000);
    int selected = 0;
    for (int i = 0; i < 10000; ++i) {
        const float x = coordinate();
        const float y = coordinate();
        const float w = span(random_);
        const float h = span(random_);
        const std::vector<WorldPoint> region{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
        const std::vector<int> linear = linear_.ObjectsInRegion(region);
        ASSERT_EQ(indexed_.ObjectsInRegion(region), linear) << "rectangle " << x << ", " << y;
        selected += !linear.empty();
    }
    EXPECT_GT(selected, 1000);
}

} // namespace
