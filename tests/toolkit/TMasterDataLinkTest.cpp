// Master-detail links: the detail follows the master's link fields.
#include "toolkit/TMasterDataLink.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/ThrownText.h"
#include "toolkit/DatabaseError.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TField.h"

namespace {

using tktest::MemoryDataSet;

// A detail dataset that follows its master the way a range would: it shows the rows whose
// Cat_Id equals the master's, and goes to its first such row on every master change.
class DetailDataSet : public MemoryDataSet {
public:
    DetailDataSet(TComponent* owner, std::vector<tktest::MemoryFieldDef> defs) : MemoryDataSet(owner, std::move(defs)), link(this) {
        link.OnMasterChange = [this](TPersistent*) {
            ++changes;
            key = link.Fields()[0]->AsInteger();
            SetFiltered(true);
            First();
        };
        link.OnMasterDisable = [this](TPersistent*) {
            ++disables;
            SetFiltered(false);
            First();
        };
        OnFilterRecord = [this](TDataSet* ds, bool& accept) { accept = ds->FieldByName("Cat_Id")->AsInteger() == key; };
    }
    ~DetailDataSet() override {
        Destroying();
        Close();
    }
    void SetMasterSource(TDataSource* source) {
        if (IsLinkedTo(source))
            DatabaseError(tk::SCircularDataLink, this);
        link.SetDataSource(source);
    }

    TMasterDataLink link;
    int key = 0;
    int changes = 0;
    int disables = 0;

protected:
    TDataSource* GetDataSource() const override { return link.DataSource(); }
    void DoAfterOpen() override {
        MemoryDataSet::DoAfterOpen();
        if (link.Active() && !link.Fields().empty())
            link.OnMasterChange(&link);
    }
};

class TMasterDataLinkTest : public testing::Test {
protected:
    TMasterDataLinkTest() {
        for (int cat = 1; cat <= 3; ++cat)
            master.addRow({Variant(cat), Variant("Category " + std::to_string(cat))});
        int id = 0;
        for (int cat : {1, 2, 1, 3, 2, 1})
            detail.addRow({Variant(++id), Variant(cat)});
        masterSource.SetDataSet(&master);
        detail.link.SetFieldNames("Cat_Id");
        detail.SetMasterSource(&masterSource);
    }
    std::vector<int> detailIds() {
        std::vector<int> ids;
        for (detail.First(); !detail.Eof(); detail.Next())
            ids.push_back(detail.FieldByName("Id")->AsInteger());
        return ids;
    }

    TComponent owner{nullptr};
    MemoryDataSet master{&owner, {{"Cat_Id", ftInteger}, {"Name", ftString, 30}}};
    DetailDataSet detail{&owner, {{"Id", ftInteger}, {"Cat_Id", ftInteger}}};
    TDataSource masterSource{&owner};
};

TEST_F(TMasterDataLinkTest, DetailFollowsTheOpenMasterRecordAndIsFreedWhenItCloses) {
    EXPECT_TRUE(detail.link.Fields().empty()) << "fields resolve only while the master is open";
    master.Open();
    ASSERT_EQ(detail.link.Fields().size(), 1u);
    EXPECT_EQ(detail.link.Fields()[0], master.FieldByName("Cat_Id"));
    EXPECT_EQ(detail.link.GetDetailDataSet(), &detail);
    detail.Open();
    EXPECT_EQ(detailIds(), (std::vector<int>{1, 3, 6}));
    master.Next();
    EXPECT_EQ(detail.key, 2);
    EXPECT_EQ(detailIds(), (std::vector<int>{2, 5}));
    master.Last();
    EXPECT_EQ(detailIds(), (std::vector<int>{4}));
    master.Close();
    EXPECT_EQ(detail.disables, 1);
    EXPECT_EQ(detailIds().size(), 6u);
}

TEST_F(TMasterDataLinkTest, OnlyAChangeOfALinkFieldMovesTheDetail) {
    master.Open();
    detail.Open();
    master.Edit();
    const int before = detail.changes;
    master.FieldByName("Name")->SetAsString("Renamed");
    EXPECT_EQ(detail.changes, before);
    master.FieldByName("Cat_Id")->SetAsInteger(2);
    EXPECT_EQ(detail.changes, before + 1);
    EXPECT_EQ(detailIds(), (std::vector<int>{2, 5}));
    master.Cancel();
}

TEST_F(TMasterDataLinkTest, AnUnknownMasterFieldIsReported) {
    master.Open();
    EXPECT_THROW(detail.link.SetFieldNames("Nope"), EDatabaseError);
    EXPECT_TRUE(detail.link.Fields().empty());
}

TEST_F(TMasterDataLinkTest, CircularLinksAreRefused) {
    TDataSource detailSource(&owner);
    detailSource.SetDataSet(&detail);
    EXPECT_TRUE(detail.IsLinkedTo(&detailSource));
    EXPECT_TRUE(master.IsLinkedTo(&detailSource)) << "the chain runs from detailSource through detail to master";
    EXPECT_FALSE(detail.IsLinkedTo(&masterSource));
    // detail's master would be itself
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { masterSource.SetDataSet(&detail); }), "Circular Data Link");
    EXPECT_THROW(detail.SetMasterSource(&detailSource), EDatabaseError);
}

} // namespace
