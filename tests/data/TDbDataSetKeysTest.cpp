// Key searches, ranges and master-detail against a brute-force model: seeded random Cyrillic
// names (with Ё) on an index of one field and one of two. Prints its seed; CE_TEST_SEED=n
// replays one.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "DataFixture.h"
#include "base/CodePage.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"

namespace datatest {
namespace {

class KeysTest : public DataFixture {
protected:
    void SetUp() override {
        DataFixture::SetUp();
        const char* given = std::getenv("CE_TEST_SEED");
        const uint32_t seed = given ? uint32_t(std::strtoul(given, nullptr, 10)) : std::random_device{}();
        std::printf("seed %u\n", seed);
        std::mt19937 random(seed);
        const std::string letters = base::utf8ToCp1251("ЁАБВЕЖЯабвёя");
        c = dictionary({"CREATE TABLE K (ID INTEGER, NAME CHAR(6))", "CREATE INDEX NAME ON K (NAME)",
                        "CREATE INDEX NAMEID ON K (NAME, ID)"});
        std::vector<EngineRow> rows;
        for (int id = 1; id <= 60; ++id) {
            std::string name;
            for (int n = 1 + int(random() % 4); n > 0; --n)
                name += letters[random() % letters.size()];
            names.push_back(name);
            rows.push_back({{"ID", std::to_string(id)}, {"NAME", name}});
        }
        appendRows(c, "K", rows);
        sorted = names;
        std::sort(sorted.begin(), sorted.end());
        k = table("K", "NAME");
    }

    AnsiString name() { return k->FieldByName("NAME")->AsString(); }
    int id() { return k->FieldByName("ID")->AsInteger(); }

    bool gotoKey(const AnsiString& value) {
        k->SetKey();
        k->FieldByName("NAME")->SetAsString(value);
        return k->GotoKey();
    }

    std::vector<std::string> names;  // by ID - 1
    std::vector<std::string> sorted; // the NAME index's order: CP1251 bytes
    CEHANDLE c = 0;
    TDbTable* k = nullptr;
};

TEST_F(KeysTest, GotoKeyFindsEveryNameAndAMissKeepsTheRecord) {
    for (bool sequenced : {false, true}) {
        k->SetSequenced(sequenced);
        for (const std::string& wanted : names) {
            ASSERT_TRUE(gotoKey(wanted)) << wanted;
            EXPECT_TRUE(k->Found());
            EXPECT_EQ(name(), wanted);
        }
        k->First();
        k->MoveBy(7);
        const int before = id();
        EXPECT_FALSE(gotoKey(base::utf8ToCp1251("ЮЮЮЮЮЮ")));
        EXPECT_FALSE(k->Found());
        EXPECT_EQ(id(), before) << "sequenced " << sequenced;
        uint32_t cursorAt = 0;
        ASSERT_EQ(CeGetRecordNum(k->TableHandle(), 0, &cursorAt), 0u);
        EXPECT_EQ(int(cursorAt), before) << "the engine's cursor is back on the record, sequenced " << sequenced;
    }
}

TEST_F(KeysTest, FindNearestLandsOnTheFirstNameFromEachPrefix) {
    for (const std::string& full : names)
        for (std::size_t n = 0; n <= full.size(); ++n) {
            const std::string prefix = full.substr(0, n);
            k->FindNearest({Variant(prefix)});
            ASSERT_EQ(name(), *std::lower_bound(sorted.begin(), sorted.end(), prefix)) << prefix;
        }
    k->FindNearest({Variant(std::string(5, '\xFF'))});
    EXPECT_EQ(name(), sorted.back());
    EXPECT_FALSE(k->Found());
    expectError([&] { k->FindNearest({Variant("a"), Variant(1)}); },
                testing::HasSubstr("Too many values given for current index"));
}

TEST_F(KeysTest, CancelledKeyEditingLeavesTheLookupKeyAsItWas) {
    k->SetKey();
    k->FieldByName("NAME")->SetAsString(names[3]);
    k->Post();
    k->SetKey();
    k->FieldByName("NAME")->SetAsString("zzz");
    k->Cancel();
    EXPECT_EQ(k->State(), dsBrowse);
    EXPECT_TRUE(k->GotoKey());
    EXPECT_EQ(name(), names[3]);
}

TEST_F(KeysTest, TwoFieldKeysAndAKeyThatStartsAtTheSecondSegment) {
    k->SetIndexName("NAMEID");
    k->SetKey();
    k->FieldByName("NAME")->SetAsString(names[10]);
    k->FieldByName("ID")->SetAsInteger(11);
    EXPECT_TRUE(k->GotoKey());
    EXPECT_EQ(id(), 11);
    k->Last();
    k->SetKey();
    k->FieldByName("ID")->SetAsInteger(11);
    EXPECT_TRUE(k->GotoKey()) << "the engine's key ends before the unassigned first segment: an empty key";
    EXPECT_EQ(name(), sorted.front());
}

TEST_F(KeysTest, RangesGiveTheModelsRows) {
    const std::string low = sorted[10];
    const std::string high = sorted[40];
    const auto rangeRows = [&] {
        std::vector<std::string> seen;
        for (k->First(); !k->Eof(); k->Next())
            seen.push_back(name());
        return seen;
    };
    k->SetRangeStart();
    k->FieldByName("NAME")->SetAsString(high);
    k->ApplyRange();
    EXPECT_EQ(rangeRows(), std::vector<std::string>(std::lower_bound(sorted.begin(), sorted.end(), high), sorted.end()))
        << "the start alone: an open end";
    k->CancelRange();
    EXPECT_EQ(rangeRows(), sorted);

    const auto applyRange = [&] {
        k->SetRangeStart();
        k->FieldByName("NAME")->SetAsString(low);
        k->SetRangeEnd();
        k->FieldByName("NAME")->SetAsString(high);
        k->ApplyRange();
    };
    applyRange();
    std::vector<std::string> inRange;
    for (const std::string& n : sorted)
        if (n >= low && n <= high)
            inRange.push_back(n);
    EXPECT_EQ(rangeRows(), inRange);
    k->First();
    k->MoveBy(2);
    applyRange();
    EXPECT_EQ(name(), inRange[2]) << "the same bounds again: no move";
}

TEST_F(KeysTest, ADetailFollowsItsMaster) {
    sql(c, "CREATE TABLE D (MID INTEGER, NOTE CHAR(4))");
    sql(c, "CREATE INDEX MID ON D (MID)");
    std::vector<EngineRow> rows; // MID 1 once, 2 twice, 3 three times
    for (int mid = 1; mid <= 3; ++mid)
        rows.insert(rows.end(), size_t(mid), {{"MID", std::to_string(mid)}});
    appendRows(c, "D", rows);
    k->SetIndexName("");
    k->First();
    auto* master = new TDataSource(&owner);
    master->SetDataSet(k);
    TDbTable* d = table("D", "MID");
    d->SetMasterSource(master);
    d->SetMasterFields("ID");
    const auto details = [&] {
        int count = 0;
        for (d->First(); !d->Eof(); d->Next(), ++count)
            EXPECT_EQ(d->FieldByName("MID")->AsInteger(), id());
        return count;
    };
    for (int expected : {1, 2, 3, 0}) {
        EXPECT_EQ(details(), expected) << "master " << id();
        k->Next();
    }
    d->Append();
    EXPECT_EQ(d->FieldByName("MID")->AsInteger(), 5) << "the new detail takes the master's value";
    d->Post();
    EXPECT_EQ(details(), 1);
    auto* detail = new TDataSource(&owner);
    detail->SetDataSet(d);
    expectMisuse([&] { k->SetMasterSource(detail); }, "Circular Data Link");
    EXPECT_EQ(k->MasterSource(), nullptr) << "the refused source is not taken";
    d->SetMasterSource(nullptr);
    EXPECT_EQ(d->MasterFields(), "");
    EXPECT_EQ(column(*d, "MID"), "1;2;2;3;3;3;5;") << "the range is gone with the master";
}

} // namespace
} // namespace datatest
