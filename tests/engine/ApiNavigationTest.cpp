// Navigation against a brute-force model over random data: walks in every order, the cracks at
// both ends, nearest and exact seeks with partial keys, scopes, relative positions and bookmarks.
#include "EngineFixture.h"

#include "base/CodePage.h"
#include "base/SortWeight.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace {

struct Row {
    uint32_t recno;
    std::string name; // CP1251, unpadded
    int32_t id;
};

class ApiNavigationTest : public EngineFixture {
protected:
    static constexpr uint32_t kSeed = 20261206;

    void fill(size_t count) {
        table_ = open(dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(6))", "CREATE INDEX NAME ON T (UPPER(NAME), ID)",
                                  "CREATE INDEX IDD ON T (ID) DESC"}),
                      "T");
        std::mt19937 random(kSeed);
        const std::string letters = base::utf8ToCp1251("аБвЁеabAB");
        for (size_t i = 0; i < count; ++i) {
            std::string name;
            for (size_t n = 1 + random() % 4; n > 0; --n)
                name += letters[random() % letters.size()];
            const auto id = static_cast<int32_t>(random() % 200) - 100;
            ASSERT_EQ(CeAppendRecord(table_), 0u);
            ASSERT_EQ(CeSetField(table_, "NAME", name.data(), static_cast<uint32_t>(name.size())), 0u);
            ASSERT_EQ(CeSetFieldRaw(table_, "ID", &id, 4), 0u);
            rows_.push_back({recno(table_), name, id});
            ASSERT_EQ(CeWriteRecord(table_), 0u);
        }
    }

    void TearDown() override {
        if (table_) {
            EXPECT_EQ(CeCloseTable(table_), 0u);
        }
        EngineFixture::TearDown();
    }

    static std::string nameKey(const std::string& name) {
        std::string padded = name;
        padded.resize(6, ' ');
        return base::sortKeyCp1251(padded);
    }

    // Record numbers in the order of the NAME index.
    std::vector<const Row*> byName() const {
        std::vector<const Row*> order;
        for (const Row& row : rows_)
            order.push_back(&row);
        std::sort(order.begin(), order.end(), [](const Row* a, const Row* b) {
            const std::string ka = nameKey(a->name), kb = nameKey(b->name);
            if (ka != kb)
                return ka < kb;
            return a->id != b->id ? a->id < b->id : a->recno < b->recno;
        });
        return order;
    }

    std::vector<uint32_t> walk(CEHANDLE h, bool forward) {
        std::vector<uint32_t> seen;
        EXPECT_EQ(forward ? CeGotoTop(h) : CeGotoBottom(h), 0u);
        while (!atEof(table_) && !atBof(table_) && seen.size() <= rows_.size()) {
            seen.push_back(recno(table_));
            EXPECT_EQ(CeSkip(h, forward ? 1 : -1), 0u);
        }
        if (!forward)
            std::reverse(seen.begin(), seen.end());
        return seen;
    }

    CEHANDLE table_ = 0;
    std::vector<Row> rows_;
};

TEST_F(ApiNavigationTest, WalksMatchTheModelInEveryOrder) {
    fill(300);
    std::vector<uint32_t> natural;
    for (const Row& row : rows_)
        natural.push_back(row.recno);
    EXPECT_EQ(walk(table_, true), natural);
    EXPECT_EQ(walk(table_, false), natural);

    std::vector<uint32_t> names;
    for (const Row* row : byName())
        names.push_back(row->recno);
    const CEHANDLE name = index(table_, "name");
    EXPECT_EQ(walk(name, true), names);
    EXPECT_EQ(walk(name, false), names);

    std::vector<const Row*> ids;
    for (const Row& row : rows_)
        ids.push_back(&row);
    std::stable_sort(ids.begin(), ids.end(), [](const Row* a, const Row* b) { return a->id > b->id; });
    std::vector<uint32_t> descending = walk(index(table_, "IDD"), true);
    ASSERT_EQ(descending.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(rows_[descending[i] - rows_.front().recno].id, ids[i]->id) << i;
}

TEST_F(ApiNavigationTest, SkipsAtBothEndsStopInTheCracks) {
    fill(5);
    const CEHANDLE name = index(table_, "NAME");
    const auto order = byName();
    ASSERT_EQ(CeGotoBottom(name), 0u);
    EXPECT_EQ(recno(table_), order.back()->recno);
    ASSERT_EQ(CeSkip(name, 1), 0u);
    EXPECT_TRUE(atEof(table_));
    EXPECT_FALSE(atBof(table_));
    uint32_t bookmark = 0;
    EXPECT_EQ(CeGetBookmark(table_, &bookmark), 0u);
    unsigned char full[8];
    uint32_t length = sizeof full;
    EXPECT_EQ(CeGetBookmark60(name, full, &length), 0u);
    ASSERT_EQ(CeSkip(name, 3), 0u);
    EXPECT_TRUE(atEof(table_));
    ASSERT_EQ(CeSkip(name, -1), 0u);
    EXPECT_EQ(recno(table_), order.back()->recno);

    ASSERT_EQ(CeGotoTop(name), 0u);
    ASSERT_EQ(CeSkip(name, -1), 0u);
    EXPECT_TRUE(atBof(table_));
    ASSERT_EQ(CeSkip(name, -2), 0u);
    EXPECT_TRUE(atBof(table_));
    ASSERT_EQ(CeSkip(name, 1), 0u);
    EXPECT_EQ(recno(table_), order.front()->recno);
    ASSERT_EQ(CeSkip(name, 2), 0u);
    EXPECT_EQ(recno(table_), order[2]->recno);
    ASSERT_EQ(CeSkip(name, 10), 0u);
    EXPECT_TRUE(atEof(table_));
}

TEST_F(ApiNavigationTest, EmptyTableSetsBothCracks) {
    fill(0);
    ASSERT_EQ(CeGotoTop(table_), 0u);
    EXPECT_TRUE(atBof(table_));
    EXPECT_TRUE(atEof(table_));
    uint16_t visible = 0;
    EXPECT_EQ(CeIsRecordVisible(table_, &visible), 5068u);
    double position = 0;
    EXPECT_EQ(CeGetRelKeyPos(index(table_, "NAME"), &position), 5041u);
    EXPECT_EQ(CeRefreshRecord(table_), 5068u);
}

TEST_F(ApiNavigationTest, SeeksMatchTheModel) {
    fill(300);
    const CEHANDLE name = index(table_, "NAME");
    const auto order = byName();
    std::mt19937 random(kSeed + 1);
    const std::string letters = base::utf8ToCp1251("абвгдеёABCz");
    for (int trial = 0; trial < 200; ++trial) {
        std::string prefix;
        for (size_t n = random() % 4; n > 0; --n)
            prefix += letters[random() % letters.size()];
        const std::string key = base::sortKeyCp1251(prefix);
        const auto first = std::find_if(order.begin(), order.end(),
                                        [&](const Row* r) { return nameKey(r->name).substr(0, key.size()) >= key; });
        const bool matches = first != order.end() && nameKey((*first)->name).compare(0, key.size(), key) == 0;
        for (uint16_t seekType : {1, 2}) {
            uint16_t found = 9;
            ASSERT_EQ(CeSeek(name, prefix.data(), static_cast<uint32_t>(prefix.size()), 2, seekType, &found), 0u);
            EXPECT_EQ(found, matches ? 1 : 0) << prefix;
            if (first == order.end() || (seekType == 2 && !matches)) {
                EXPECT_TRUE(atEof(table_)) << prefix;
                continue;
            }
            EXPECT_EQ(recno(table_), (*first)->recno) << prefix << " seek " << seekType;
        }
    }
    uint16_t found = 0;
    ASSERT_EQ(CeSeek(name, "", 0, 1, 1, &found), 0u);
    EXPECT_EQ(recno(table_), order.front()->recno);
}

TEST_F(ApiNavigationTest, DescendingOrdersSeekTheNextLowerValue) {
    fill(200);
    const CEHANDLE idd = index(table_, "IDD");
    std::vector<int32_t> ids;
    for (const Row& row : rows_)
        ids.push_back(row.id);
    std::sort(ids.rbegin(), ids.rend());
    for (int32_t target = -105; target <= 105; target += 3) {
        ASSERT_EQ(CeInitRawKey(idd), 0u);
        ASSERT_EQ(CeSetFieldRaw(idd, "ID", &target, 4), 0u);
        unsigned char key[8];
        uint32_t length = sizeof key;
        ASSERT_EQ(CeBuildRawKey(idd, key, &length), 0u);
        uint16_t found = 0;
        ASSERT_EQ(CeSeek(idd, key, length, 1, 1, &found), 0u);
        const auto next = std::find_if(ids.begin(), ids.end(), [&](int32_t id) { return id <= target; });
        if (next == ids.end()) {
            EXPECT_TRUE(atEof(table_)) << target;
            continue;
        }
        EXPECT_EQ(rows_[recno(table_) - rows_.front().recno].id, *next) << target;
        EXPECT_EQ(found, *next == target ? 1 : 0) << target;
    }
}

TEST_F(ApiNavigationTest, RawKeysFromSegmentsSeekComposite) {
    fill(300);
    const CEHANDLE name = index(table_, "NAME");
    const Row& target = rows_[123];
    ASSERT_EQ(CeInitRawKey(name), 0u);
    std::string padded = target.name;
    padded.resize(6, ' ');
    ASSERT_EQ(CeSetField(name, "NAME", padded.data(), 6), 0u);
    ASSERT_EQ(CeSetFieldRaw(name, "ID", &target.id, 4), 0u);
    unsigned char key[257];
    uint32_t length = 4;
    EXPECT_EQ(CeBuildRawKey(name, key, &length), 5005u);
    EXPECT_EQ(length, 10u);
    length = sizeof key;
    ASSERT_EQ(CeBuildRawKey(name, key, &length), 0u);
    ASSERT_EQ(length, 10u);
    ASSERT_EQ(got<uint16_t>(CeSeek, name, key, length, 1, 2), 1);
    char buffer[8];
    uint32_t n = sizeof buffer;
    ASSERT_EQ(CeGetField(table_, "NAME", buffer, &n, 1), 0u);
    EXPECT_EQ(nameKey(std::string(buffer, n)), nameKey(target.name));
    int32_t id = 0;
    unsigned char record[10];
    n = sizeof record;
    ASSERT_EQ(CeGetRecord(table_, record, &n), 0u);
    std::memcpy(&id, record, 4);
    EXPECT_EQ(id, target.id);

    // A partial string segment ends the key: later segments are ignored.
    ASSERT_EQ(CeInitRawKey(name), 0u);
    ASSERT_EQ(CeSetField(name, "NAME", target.name.data(), 1), 0u);
    ASSERT_EQ(CeSetFieldRaw(name, "ID", &target.id, 4), 0u);
    length = sizeof key;
    ASSERT_EQ(CeBuildRawKey(name, key, &length), 0u);
    EXPECT_EQ(length, 1u);
}

TEST_F(ApiNavigationTest, ScopesLimitWalksCountsAndVisibility) {
    fill(300);
    const CEHANDLE name = index(table_, "NAME");
    const std::string top = base::utf8ToCp1251("Б");
    const std::string bottom = base::utf8ToCp1251("е");
    ASSERT_EQ(CeSetScope(name, 1, top.data(), 1, 2), 0u);
    ASSERT_EQ(CeSetScope(name, 2, bottom.data(), 1, 2), 0u);
    std::vector<uint32_t> expected;
    for (const Row* row : byName()) {
        const std::string k = nameKey(row->name).substr(0, 1);
        if (k >= base::sortKeyCp1251(top) && k <= base::sortKeyCp1251(bottom))
            expected.push_back(row->recno);
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(walk(name, true), expected);
    EXPECT_EQ(walk(name, false), expected);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, name, 1), expected.size());
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, name, 3), expected.size());
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, name, 2), rows_.size());

    const Row* outside = byName().front();
    ASSERT_EQ(CeGotoRecord(table_, outside->recno), 0u);
    EXPECT_EQ(got<uint16_t>(CeIsRecordVisible, name), 0);
    EXPECT_EQ(got<uint16_t>(CeIsRecordVisible, table_), 1);

    unsigned char key[256];
    uint32_t length = sizeof key;
    ASSERT_EQ(CeGetScope(name, 1, key, &length), 0u);
    EXPECT_EQ(length, 1u);
    ASSERT_EQ(CeClearScope(name, 1), 0u);
    EXPECT_EQ(CeClearScope(name, 1), 5038u);
    EXPECT_EQ(CeGetScope(name, 1, key, &length), 5038u);
    ASSERT_EQ(CeClearAllScopes(table_), 0u);
    EXPECT_EQ(CeGetScope(name, 2, key, &length), 5038u);
}

TEST_F(ApiNavigationTest, RelativePositionsRoundTripEveryRecordNumber) {
    fill(97);
    const CEHANDLE name = index(table_, "NAME");
    const auto order = byName();
    const double n = static_cast<double>(order.size());
    for (size_t k = 1; k <= order.size(); ++k) {
        ASSERT_EQ(CeSetRelKeyPos(name, std::min(1.0, k / n)), 0u);
        EXPECT_EQ(recno(table_), order[k - 1]->recno) << k;
        double position = 0;
        ASSERT_EQ(CeGetRelKeyPos(name, &position), 0u);
        EXPECT_EQ(static_cast<size_t>(n * position), k);
    }
    ASSERT_EQ(CeSkip(name, 1), 0u);
    double position = 0;
    EXPECT_EQ(CeGetRelKeyPos(name, &position), 5041u);
}

TEST_F(ApiNavigationTest, RelativePositionOnAnEmptyOrderLeavesTheCursorAtBothEnds) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER)", "CREATE INDEX NONE ON T (ID) FOR ID > 1000",
                                   "CREATE TABLE E (ID INTEGER)", "CREATE INDEX ID ON E (ID)"});
    table_ = open(c, "T");
    append(table_, {{"ID", "7"}});
    const CEHANDLE empty = open(c, "E");
    for (const CEHANDLE order : {index(table_, "NONE"), index(empty, "ID")})
        for (const double position : {0.0, 0.5, 1.0}) {
            ASSERT_EQ(CeSetRelKeyPos(order, position), 0u) << position;
            EXPECT_TRUE(atBof(order) && atEof(order)) << position;
        }
    EXPECT_EQ(CeCloseTable(empty), 0u);
}

TEST_F(ApiNavigationTest, BookmarksReturnAndCompareInOrder) {
    fill(50);
    const CEHANDLE name = index(table_, "NAME");
    const auto order = byName();
    unsigned char first[8], second[8];
    uint32_t length = 4;
    ASSERT_EQ(CeGotoTop(name), 0u);
    EXPECT_EQ(CeGetBookmark60(name, first, &length), 5005u);
    EXPECT_EQ(length, 8u);
    ASSERT_EQ(CeGetBookmark60(name, first, &length), 0u);
    ASSERT_EQ(CeSkip(name, 10), 0u);
    ASSERT_EQ(CeGetBookmark60(name, second, &length), 0u);
    EXPECT_LT(got<int32_t>(CeCompareBookmarks, first, second), 0);
    EXPECT_GT(got<int32_t>(CeCompareBookmarks, second, first), 0);
    EXPECT_EQ(got<int32_t>(CeCompareBookmarks, first, first), 0);
    uint32_t recnoOfFirst = 0;
    std::memcpy(&recnoOfFirst, first, 4);
    ASSERT_EQ(CeGotoBookmark(table_, recnoOfFirst), 0u);
    EXPECT_EQ(recno(table_), order.front()->recno);
    EXPECT_EQ(CeGotoBookmark(table_, 99999), 5022u);
    EXPECT_EQ(CeGotoRecord(table_, 0), 5022u);
}

TEST_F(ApiNavigationTest, SkipAfterDeleteGoesToTheNeighbours) {
    fill(20);
    const CEHANDLE name = index(table_, "NAME");
    const auto order = byName();
    ASSERT_EQ(CeGotoRecord(table_, order[7]->recno), 0u);
    ASSERT_EQ(CeDeleteRecord(table_), 0u);
    ASSERT_EQ(CeWriteRecord(table_), 0u);
    EXPECT_EQ(recno(table_), order[7]->recno);
    EXPECT_EQ(got<uint16_t>(CeIsRecordVisible, name), 0);
    ASSERT_EQ(CeSkip(name, 1), 0u);
    EXPECT_EQ(recno(table_), order[8]->recno);
    ASSERT_EQ(CeGotoRecord(table_, order[8]->recno), 0u);
    ASSERT_EQ(CeSkip(name, -1), 0u);
    EXPECT_EQ(recno(table_), order[6]->recno);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, table_, 2), 19u);
}

TEST_F(ApiNavigationTest, StepIndexKeyMovesToTheNextDistinctKey) {
    fill(100);
    const CEHANDLE idd = index(table_, "IDD");
    ASSERT_EQ(CeGotoTop(idd), 0u);
    std::vector<int32_t> distinct;
    while (!atEof(table_)) {
        distinct.push_back(rows_[recno(table_) - rows_.front().recno].id);
        ASSERT_EQ(CeStepIndexKey(idd, 1), 0u);
    }
    std::vector<int32_t> expected;
    for (const Row& row : rows_)
        expected.push_back(row.id);
    std::sort(expected.rbegin(), expected.rend());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(distinct, expected);
    EXPECT_EQ(CeStepIndexKey(idd, 2), 5018u);
}

TEST_F(ApiNavigationTest, LogicalRecordNumbersCountVisibleRecords) {
    fill(30);
    ASSERT_EQ(CeSetFilter(table_, "ID > 0"), 0u);
    uint32_t expected = 0;
    ASSERT_EQ(CeGotoTop(table_), 0u);
    while (!atEof(table_)) {
        EXPECT_EQ(got<uint32_t>(CeGetRecordNum, table_, 1), ++expected);
        ASSERT_EQ(CeSkip(table_, 1), 0u);
    }
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, table_, 1), expected);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, table_, 2 + 4), 30u);
}

} // namespace
