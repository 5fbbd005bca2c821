// The grid index of the map: cells, rebuilds and clamped queries. Keeping it in step with list
// changes is checked against a rebuild in the model's suite.
#include "map/TKexMapIndex.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "map/MapSamples.h"

namespace {

std::vector<int> items(const TKexMapIndex& index, int column, int row) {
    const auto span = index.CellItems(column, row);
    return {span.begin(), span.end()};
}

std::vector<int> query(TKexMapIndex& index, float x1, float y1, float x2, float y2) {
    const auto span = index.Query(x1, y1, x2, y2);
    return {span.begin(), span.end()};
}

TKEXMapObjectMem box(float x1, float y1, float x2, float y2) {
    return mapsamples::pointObject(mapi::kindPixels, {{x1, y1}, {x2, y2}});
}

TEST(TKexMapIndexTest, DefaultGridIsCentredOnTheOrigin) {
    TKexMapList list;
    list.AddObjectCopy(box(-400, -400, 400, 400)); // cell 64 spans -500..500
    list.AddObjectCopy(box(600, -10, 1600, 10));   // cells 65 (500..1500) and 66
    TKexMapIndex index(list);
    EXPECT_EQ(index.ColumnCount(), 128);
    EXPECT_TRUE(items(index, 64, 64).empty()); // inactive: holds nothing
    index.SetActive(true);
    EXPECT_EQ(items(index, 64, 64), std::vector<int>{0});
    EXPECT_EQ(items(index, 65, 64), std::vector<int>{1});
    EXPECT_EQ(items(index, 66, 64), std::vector<int>{1});
    index.SetActive(false);
    EXPECT_TRUE(items(index, 64, 64).empty());
}

TEST(TKexMapIndexTest, CellsTakeAnEntryOnceAndDropOnlyWhatTheyHold) {
    TKexMapList list;
    TKexMapIndex index(list);
    index.SetActive(true);
    index.AddToCell(3, 4, 7);
    index.AddToCell(3, 4, 7);
    index.AddToCell(3, 4, 2);
    EXPECT_EQ(items(index, 3, 4), (std::vector<int>{7, 2}));
    index.RemoveFromCell(3, 4, 9);
    index.RemoveFromCell(3, 4, 7);
    EXPECT_EQ(items(index, 3, 4), std::vector<int>{2});
    index.AddToCell(500, 4, 1); // outside the grid: ignored
}

TEST(TKexMapIndexTest, CellSizeChangeRebuilds) {
    TKexMapList list;
    list.AddObjectCopy(box(1600, 0, 1700, 10));
    TKexMapIndex index(list);
    index.SetActive(true);
    index.SetCellSize(1500, 1500);
    EXPECT_EQ(index.ColumnCount(), 85);
    EXPECT_EQ(index.RowCount(), 85);
    EXPECT_EQ(items(index, 43, 42), std::vector<int>{0}); // round(1600 / 1500) + 42
    index.SetCellSize(200000, 200000);                    // larger than the grid: no cells at all
    EXPECT_EQ(index.ColumnCount(), 0);
    EXPECT_TRUE(query(index, 0, 0, 0, 0).empty());
}

TEST(TKexMapIndexTest, QueryWidensByOneCellSortsAndKeepsRepeats) {
    TKexMapList list;
    list.AddObjectCopy(box(-100, -100, 100, 100));
    list.AddObjectCopy(box(900, 0, 1100, 10));  // cell 65, next to 64
    list.AddObjectCopy(box(2000, 0, 2100, 10)); // cell 66: two away
    list.AddObjectCopy(box(400, 0, 600, 10));   // cells 64 and 65
    TKexMapIndex index(list);
    index.SetActive(true);
    EXPECT_EQ(query(index, 0, 0, 0, 0), (std::vector<int>{0, 1, 3, 3}));
}

TEST(TKexMapIndexTest, QueryClampsToTheBorderAndIgnoresWhatLiesBeyond) {
    TKexMapList list;
    list.AddObjectCopy(box(63000, 63000, 63400, 63400)); // last cell
    list.AddObjectCopy(box(90000, 0, 91000, 10));        // outside the square: in no cell
    TKexMapIndex index(list);
    index.SetActive(true);
    EXPECT_EQ(query(index, 62000, 62000, 99000, 99000), std::vector<int>{0});
    EXPECT_TRUE(query(index, 80000, 80000, 90000, 90000).empty());
    EXPECT_TRUE(query(index, 90500, 5, 90500, 5).empty());
}

// Small windows take the sorting way, windows over most of the map the marking way: both keep
// exactly what a walk of Query keeps when it skips repeats.
TEST(TKexMapIndexTest, DistinctQueryKeepsWhatQueryListsOnceEach) {
    constexpr unsigned kSeed = 7;
    SCOPED_TRACE("seed " + std::to_string(kSeed));
    std::mt19937 random(kSeed);
    std::uniform_real_distribution<float> where(-70000, 70000);
    std::uniform_real_distribution<float> size(0, 3000);
    TKexMapList list;
    for (int i = 0; i < 2000; ++i) {
        const float x = where(random) / 8;
        const float y = where(random) / 8;
        list.AddObjectCopy(box(x, y, x + size(random), y + size(random)));
    }
    TKexMapIndex index(list);
    index.SetActive(true);
    for (const float span : {10.0f, 1000.0f, 5000.0f, 140000.0f}) {
        for (int i = 0; i < 50; ++i) {
            const float x = where(random);
            const float y = where(random);
            std::vector<int> expected = query(index, x, y, x + span, y + span);
            expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
            const auto distinct = index.QueryDistinct(x, y, x + span, y + span);
            EXPECT_EQ(std::vector<int>(distinct.begin(), distinct.end()), expected) << x << ", " << y << " + " << span;
        }
    }
}

TEST(TKexMapIndexTest, DamagedCoordinatesIndexNothing) {
    TKexMapList list;
    list.AddObjectCopy(box(std::nanf(""), 0, 5, 5));
    list.AddObjectCopy(box(-1e30f, -1e30f, 1e30f, 1e30f)); // covers every cell, no overflow
    TKexMapIndex index(list);
    index.SetActive(true);
    EXPECT_EQ(query(index, 0, 0, 0, 0), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

} // namespace
