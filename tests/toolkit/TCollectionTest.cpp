// Collections: ownership of their items, change notification, order and assignment.
#include "toolkit/TCollection.h"

#include <vector>

#include <gtest/gtest.h>

#include "toolkit/EListError.h"
#include "toolkit/TCollectionItem.h"

namespace {

int liveItems = 0;

class Column : public TCollectionItem {
public:
    explicit Column(TCollection* collection) : TCollectionItem(collection) { ++liveItems; }
    ~Column() override { --liveItems; }

    int Width() const { return width_; }
    void SetWidth(int Value) {
        width_ = Value;
        Changed(/*AllItems=*/false);
    }

    void Assign(const TPersistent& source) override {
        const auto* other = dynamic_cast<const Column*>(&source);
        if (other == nullptr) {
            TCollectionItem::Assign(source);
            return;
        }
        width_ = other->width_;
    }

private:
    int width_ = 0;
};

class Columns : public TCollection {
public:
    Columns() : TCollection(tk::itemClass<Column>()) {}
    Column* Add() { return static_cast<Column*>(TCollection::Add()); }
    Column* At(int index) const { return static_cast<Column*>(Items(index)); }

    std::vector<TCollectionItem*> updates;

protected:
    void Update(TCollectionItem* item) override { updates.push_back(item); }
};

TEST(TCollectionTest, TheCollectionFreesItsItemsAndAFreedItemLeavesIt) {
    {
        Columns columns;
        columns.Add();
        Column* middle = columns.Add();
        columns.Add();
        EXPECT_EQ(liveItems, 3);
        delete middle;
        EXPECT_EQ(columns.Count(), 2);
        columns.Delete(0);
        EXPECT_EQ(columns.Count(), 1);
        EXPECT_THROW(columns.Delete(1), EListError);
    }
    EXPECT_EQ(liveItems, 0);
}

TEST(TCollectionTest, ChangesReachUpdateWithTheItemOrOnceForABracket) {
    Columns columns;
    Column* first = columns.Add();
    columns.updates.clear();
    first->SetWidth(64);
    EXPECT_EQ(columns.updates, std::vector<TCollectionItem*>{first});
    columns.updates.clear();
    columns.BeginUpdate();
    columns.Add()->SetWidth(10);
    columns.Add();
    columns.EndUpdate();
    EXPECT_EQ(columns.updates, std::vector<TCollectionItem*>{nullptr});
}

TEST(TCollectionTest, InsertAndSetIndexMoveItems) {
    Columns columns;
    Column* a = columns.Add();
    Column* b = columns.Add();
    Column* c = static_cast<Column*>(columns.Insert(0));
    EXPECT_EQ(c->Index(), 0);
    EXPECT_EQ(a->Index(), 1);
    b->SetIndex(0);
    EXPECT_EQ(columns.At(0), b);
    EXPECT_EQ(columns.At(2), a);
    EXPECT_THROW(a->SetIndex(3), EListError);
    EXPECT_THROW(columns.Insert(5), EListError);
    Column alone(/*collection=*/nullptr);
    EXPECT_EQ(alone.Index(), -1);
    alone.SetCollection(&columns);
    EXPECT_EQ(alone.Index(), 3);
    alone.SetCollection(/*Value=*/nullptr);
    EXPECT_EQ(columns.Count(), 3);
}

TEST(TCollectionTest, AssignCopiesItemByItem) {
    Columns source;
    source.Add()->SetWidth(5);
    source.Add()->SetWidth(7);
    Columns target;
    target.Add();
    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.At(0)->Width(), 5);
    EXPECT_EQ(target.At(1)->Width(), 7);
}

} // namespace
