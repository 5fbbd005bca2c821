#include "map/TDataMap.h"

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "map/DataMapFixture.h"
#include "map/MapSamples.h"
#include "map/TKexMapList.h"
#include "support/MessageBoxLog.h"
#include "toolkit/Exception.h"

namespace {

using mapfixture::addObject;
using mapfixture::bufferPixel;
using mapfixture::countRebuilds;
using mapfixture::makeMap;
using mapfixture::rectangle;

TEST(DataMapLinksTest, LinkedMapSharesTheObjectsKeepsItsOwnViewAndGetsItsOwnBackWhenUnlinked) {
    auto main = makeMap(200, 100);
    addObject(*main, rectangle(10, 10, 50, 50, clRed));
    main->AddStreetName("Ленина");
    auto linked = makeMap(200, 100);
    const TKEXMapHeader constructed = linked->Model().Header;
    addObject(*linked, rectangle(0, 0, 5, 5, clBlue));
    const TKexMapList* own = &linked->Model().Objects();
    linked->LoadEditObject(0);
    linked->SetMainDataMap(main.get());
    EXPECT_FALSE(linked->EditBuffer().Valid()); // its object is not in the shared list
    EXPECT_EQ(main->LinkedMaps(), std::vector<TDataMap*>{linked.get()});
    EXPECT_EQ(&linked->Model().Content(), &main->Model().Content());
    EXPECT_EQ(linked->Model().MapExtent, main->Model().MapExtent);
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clRed);
    // Its header is a copy: zooming it leaves the main map's view alone.
    linked->SetScale(200);
    linked->SetXWind(0);
    linked->SetYWind(0);
    EXPECT_EQ(main->Scale(), 100);
    EXPECT_EQ(bufferPixel(*linked, 90, 90), clRed);
    EXPECT_EQ(bufferPixel(*main, 90, 90), clGreen);

    linked->SetMainDataMap(nullptr);
    EXPECT_EQ(linked->MainDataMap(), nullptr);
    EXPECT_TRUE(main->LinkedMaps().empty());
    EXPECT_EQ(&linked->Model().Objects(), own);
    ASSERT_EQ(own->Count(), 1);
    EXPECT_EQ((*own)[0].Brush.Color, static_cast<uint32_t>(clBlue));
    EXPECT_EQ(linked->Model().Header, constructed);
    EXPECT_EQ(linked->Model().MapExtent, (mapi::WorldRect{0, 0, 5, 5}));
    // Unlinking a map that is not linked changes nothing.
    linked->Model().Header.Scale = 250;
    linked->SetMainDataMap(nullptr);
    EXPECT_EQ(linked->Scale(), 250);
}

TEST(DataMapLinksTest, DestroyingAMainMapLeavesItsLinkedMapsWithoutOne) {
    auto main = makeMap(200, 100);
    addObject(*main, rectangle(10, 10, 50, 50, clRed));
    auto first = makeMap(200, 100);
    auto second = makeMap(200, 100);
    auto third = makeMap(200, 100); // linked to a linked map
    first->SetMainDataMap(main.get());
    second->SetMainDataMap(main.get());
    third->SetMainDataMap(first.get());
    EXPECT_EQ(&third->Model().Objects(), &main->Model().Objects());

    main.reset();
    EXPECT_EQ(first->MainDataMap(), nullptr);
    EXPECT_EQ(second->MainDataMap(), nullptr);
    EXPECT_EQ(third->MainDataMap(), first.get());
    // Nothing reaches the freed map's objects (the sanitizer build would tell).
    EXPECT_EQ(&third->Model().Objects(), &first->Model().Objects());
    for (TDataMap* map : {first.get(), second.get(), third.get()}) {
        EXPECT_EQ(map->Model().Objects().Count(), 0);
        map->SetChanged();
        map->RefreshMap();
        EXPECT_EQ(bufferPixel(*map, 30, 30), clGreen);
    }
    second->SetMainDataMap(first.get());
    first.reset();
    EXPECT_EQ(second->MainDataMap(), nullptr);
    EXPECT_EQ(third->MainDataMap(), nullptr);
    // A linked map freed first leaves the main map's list.
    third->SetMainDataMap(second.get());
    third.reset();
    EXPECT_TRUE(second->LinkedMaps().empty());
    second->SyncLinkedMaps(false, false);
}

TEST(DataMapLinksTest, ARingOfMainMapsIsRefused) {
    auto a = makeMap(50, 50);
    auto b = makeMap(50, 50);
    EXPECT_THROW(a->SetMainDataMap(a.get()), Exception);
    b->SetMainDataMap(a.get());
    EXPECT_THROW(a->SetMainDataMap(b.get()), Exception);
    EXPECT_EQ(a->MainDataMap(), nullptr);
    EXPECT_EQ(b->MainDataMap(), a.get());
}

TEST(DataMapLinksTest, ALoadOnTheMainMapReachesItsLinkedMaps) {
    auto main = makeMap(200, 100);
    auto linked = makeMap(200, 100);
    linked->SetMainDataMap(main.get());
    auto rebuilds = countRebuilds(*linked);
    mapstream::MapDocument document = mapsamples::document(6);
    document.Objects.AddObjectCopy(rectangle(10, 10, 50, 50, clRed));
    document.Header.NextObjectId = 40;
    mapfixture::load(*main, document);
    EXPECT_EQ(linked->GetObjectCount(), 1);
    EXPECT_EQ(linked->Model().MapExtent, main->Model().MapExtent);
    EXPECT_EQ(linked->Model().Header.NextObjectId, 40u);
    EXPECT_GE(*rebuilds, 1);
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clRed);
}

TEST(DataMapLinksTest, APostOnTheMainMapShowsOnALinkedMap) {
    auto main = makeMap(200, 100);
    const int index = addObject(*main, rectangle(10, 10, 50, 50, clBlue));
    auto linked = makeMap(200, 100);
    linked->SetMainDataMap(main.get());
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clBlue);
    main->LoadEditObject(index);
    main->EditBuffer().Record().Brush.Color = static_cast<uint32_t>(clRed);
    main->PostEditObject();
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clRed);

    // A new object posted on the linked map takes an id the main map will not hand out again.
    linked->SetInstrument(iRectangle);
    mapfixture::postNew(*linked, rectangle(100, 10, 150, 50, clYellow));
    EXPECT_EQ(main->GetObjectCount(), 2);
    EXPECT_EQ(main->Model().Header.NextObjectId, linked->Model().Header.NextObjectId);
    EXPECT_EQ(bufferPixel(*main, 120, 30), clYellow);

    main->DeleteObject(0, /*RecalcExtent=*/true);
    EXPECT_EQ(linked->GetObjectCount(), 1);
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clGreen);
}

TEST(DataMapLinksTest, AChangeOnAnyMapReachesTheWholeGroup) {
    auto main = makeMap(200, 100);
    addObject(*main, rectangle(10, 10, 50, 50, clRed));
    addObject(*main, rectangle(100, 10, 150, 50, clBlue));
    auto linked = makeMap(200, 100);
    auto grandchild = makeMap(200, 100);
    auto sibling = makeMap(200, 100);
    linked->SetMainDataMap(main.get());
    grandchild->SetMainDataMap(linked.get());
    sibling->SetMainDataMap(main.get());
    auto mainRebuilds = countRebuilds(*main);
    auto siblingRebuilds = countRebuilds(*sibling);
    grandchild->DeleteObject(0, /*RecalcExtent=*/true);
    for (TDataMap* map : {main.get(), linked.get(), sibling.get()}) {
        EXPECT_EQ(map->GetObjectCount(), 1);
        EXPECT_EQ(map->Model().MapExtent, grandchild->Model().MapExtent);
        EXPECT_EQ(bufferPixel(*map, 30, 30), clGreen);
    }
    EXPECT_GE(*mainRebuilds, 1);
    EXPECT_GE(*siblingRebuilds, 1);
}

// A main map holding a group of two squares, a blue and a red square, and a map linked to it
// whose edit buffer holds the blue square. Each object has an id of its own.
struct LinkedGroup {
    tktest::MessageBoxLog boxes;
    std::unique_ptr<TDataMap> main = makeMap(200, 100);
    std::unique_ptr<TDataMap> linked = makeMap(200, 100);
    static constexpr uint32_t blue = 102;

    LinkedGroup() {
        addObject(*main, mapsamples::groupObject(
                             {rectangle(0, 0, 10, 10, clGreen), rectangle(20, 0, 30, 10, clGreen)}));
        addObject(*main, rectangle(40, 40, 60, 60, clBlue));
        addObject(*main, rectangle(100, 40, 120, 60, clRed));
        for (int i = 0; i < 3; ++i)
            main->Model().Objects()[i].Id = 101 + static_cast<uint32_t>(i);
        main->Model().Header.NextObjectId = 104;
        linked->SetMainDataMap(main.get());
        linked->LoadEditObject(1);
    }
};

// The linked maps take what was stored before the main map says it was posted, and a post that
// stored nothing leaves them alone.
TEST(DataMapLinksTest, APostReachesTheLinkedMapsBeforeItsEventAndOnlyWhenItStored) {
    LinkedGroup g;
    std::vector<int> seen;
    g.main->OnAfterPostObject = [&](TPersistent*) { seen.push_back(g.linked->GetObjectCount()); };
    auto rebuilds = countRebuilds(*g.linked);
    g.main->SetInstrument(iLine);
    g.main->NewEditObject();
    g.main->PostEditObject(); // no points: nothing stored
    EXPECT_EQ(*rebuilds, 0);
    mapfixture::postNew(*g.main, rectangle(150, 40, 170, 60, clYellow));
    EXPECT_EQ(seen, (std::vector<int>{3, 4}));
}

// The maps of a group share one object list: whatever renumbers it on one map, every other map's
// buffer follows its object or is no longer valid, so that its next post cannot overwrite
// another object.
TEST(DataMapLinksTest, ARenumberingOnOneMapLeavesNoBufferOfTheGroupNamingAnotherObject) {
    mapstream::MapDocument other = mapsamples::document(6);
    other.Objects.AddObjectCopy(rectangle(0, 0, 20, 20, clYellow));
    const struct {
        const char* change;
        std::function<void(TDataMap&)> run;
    } changes[] = {
        {"delete the first", [](TDataMap& m) { m.DeleteObject(0, /*RecalcExtent=*/true); }},
        {"group the first and the last", [](TDataMap& m) { m.GroupObjects(std::vector<int>{0, 2}); }},
        {"ungroup the first", [](TDataMap& m) { m.LoadEditObject(0); m.UnGroupEditObject(); }},
        {"bring the first to the front", [](TDataMap& m) { m.LoadEditObject(0); m.BringObjectToFront(0); }},
        {"send the last to the back", [](TDataMap& m) { m.LoadEditObject(2); m.SendObjectToBack(2); }},
        {"load another map", [&other](TDataMap& m) { mapfixture::load(m, other); }},
        {"empty the map", [](TDataMap& m) { m.ClearMap(); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        LinkedGroup g;
        c.run(*g.main);
        const mapi::MapEditBuffer& buffer = g.linked->EditBuffer();
        const TKexMapList& objects = g.main->Model().Objects();
        const int at = buffer.SourceIndex();
        const bool namesBlue = at >= 0 && at < objects.Count() && objects[at].Id == g.blue;
        EXPECT_TRUE(!buffer.Valid() || namesBlue) << "a valid buffer names place " << at;
        const TKexMapList before = objects;
        g.linked->EditBuffer().Record().Brush.Color = static_cast<uint32_t>(clYellow);
        g.linked->PostEditObject();
        for (int i = 0; i < before.Count(); ++i) {
            if (before[i].Id != g.blue) {
                EXPECT_TRUE(objects[i] == before[i]) << "object " << before[i].Id << " overwritten";
            }
        }
    }
}

// The maps of a group share their street names: a name new to the dictionary, added on any of
// them, leaves every map's counter past its id, so no two names get one id; nothing is redrawn.
TEST(DataMapLinksTest, ANewStreetNameOnAnyMapMovesTheWholeGroupsCounterWithoutARedraw) {
    auto main = makeMap(200, 100);
    addObject(*main, rectangle(10, 10, 50, 50, clRed));
    auto linked = makeMap(200, 100);
    auto grandchild = makeMap(200, 100);
    linked->SetMainDataMap(main.get());
    grandchild->SetMainDataMap(linked.get());
    main->RefreshMap();
    linked->RefreshMap();
    auto linkedRebuilds = countRebuilds(*linked);
    const uint16_t lenina = main->AddStreetName("LENINA");
    const uint16_t sadovaya = grandchild->AddStreetName("sadovaya ");
    const uint16_t mira = linked->AddStreetName("MIRA");
    EXPECT_NE(lenina, sadovaya);
    EXPECT_NE(sadovaya, mira);
    EXPECT_NE(lenina, mira);
    EXPECT_EQ(linked->AddStreetName(" lenina"), lenina); // a known name moves no counter
    for (TDataMap* map : {main.get(), linked.get(), grandchild.get()}) {
        EXPECT_EQ(map->Model().Header.NextStreetId, mira + 1);
        EXPECT_EQ(map->GetStreetName(sadovaya), "SADOVAYA");
    }
    EXPECT_EQ(*linkedRebuilds, 0);
}

// Inside the bracket nothing is rebuilt, on the map nor on its linked maps; its end rebuilds the
// map once, and a bracket with nothing changed in it restores the cache.
TEST(DataMapLinksTest, TheRedrawBracketGivesOneRebuildAtItsEndAlsoOnTheLinkedMaps) {
    auto main = makeMap(200, 100);
    addObject(*main, rectangle(10, 10, 50, 50, clRed));
    main->RefreshMap();
    auto mainRebuilds = countRebuilds(*main);
    main->ClearReady();
    main->SetXWind(5);
    main->SetYWind(7);
    main->SetScale(150);
    EXPECT_EQ(*mainRebuilds, 0);
    main->SetReady();
    EXPECT_EQ(*mainRebuilds, 1);
    main->ClearReady();
    main->SetReady();
    EXPECT_EQ(*mainRebuilds, 1);

    auto linked = makeMap(200, 100);
    linked->SetMainDataMap(main.get());
    auto linkedRebuilds = countRebuilds(*linked);
    main->ClearReady();
    EXPECT_FALSE(linked->Ready());
    linked->SetXWind(5);
    main->SyncLinkedMaps(true, true);
    EXPECT_EQ(*linkedRebuilds, 0);
    main->SetReady();
    EXPECT_TRUE(linked->Ready());
    EXPECT_GE(*linkedRebuilds, 1);
    EXPECT_EQ(bufferPixel(*linked, 30, 30), clRed);
}

} // namespace
