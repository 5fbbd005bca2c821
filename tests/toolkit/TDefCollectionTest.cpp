// The definition collections report their changes to their dataset, and leave out the dataset's
// own reading of them from its source.
#include "toolkit/TDefCollection.h"

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "toolkit/TFieldDefs.h"
#include "toolkit/TIndexDefs.h"

namespace {

class CountingDataSet : public tktest::MemoryDataSet {
public:
    using MemoryDataSet::MemoryDataSet;
    int changes = 0;
    void DefChanged() override { ++changes; }
};

TEST(TDefCollectionTest, ChangesReachTheDataSetButItsOwnReadingDoesNot) {
    TComponent owner(nullptr);
    CountingDataSet data(&owner, {{"X", ftInteger}, {"Y", ftString, 3}});
    TFieldDefs& fields = data.FieldDefs();
    fields.Update();
    ASSERT_EQ(fields.Count(), 2);
    EXPECT_EQ(data.changes, 0) << "read from the source";
    fields.SetUpdated(false);
    data.Open();
    EXPECT_EQ(data.changes, 0) << "read again by the open";
    data.Close();

    fields.Add("Extra", ftInteger);
    EXPECT_EQ(data.changes, 1);
    fields.Delete(2);
    EXPECT_EQ(data.changes, 2);
    fields.Clear();
    EXPECT_EQ(data.changes, 3) << "one report for the whole clear";

    TIndexDefs indexes(&data);
    indexes.Add("BYX", "X", 0);
    EXPECT_EQ(data.changes, 4);
    {
        const TDefCollection::Reading reading(indexes);
        indexes.Clear();
        indexes.Add("BYY", "Y", 0);
    }
    EXPECT_EQ(data.changes, 4);
    TIndexDefs loose(nullptr);
    loose.Add("BYX", "X", 0);
    EXPECT_EQ(data.changes, 4) << "definitions of no dataset tell nobody";
}

} // namespace
