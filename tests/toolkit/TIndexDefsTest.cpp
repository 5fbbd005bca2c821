// Index definitions: finding the index for fields and by name.
#include "toolkit/TIndexDefs.h"

#include <gtest/gtest.h>

#include "toolkit/Exception.h"

namespace {

class TIndexDefsTest : public testing::Test {
protected:
    TIndexDefsTest() {
        defs.Add("BYNAME", "NAME;HOUSE", ixCaseInsensitive);
        defs.Add("BYNAMEX", "NAMEX", 0);
        defs.Add("PK", "ID", ixPrimary | ixUnique);
    }
    TIndexDefs defs{nullptr};
};

TEST_F(TIndexDefsTest, IndexForFieldsMatchesWholeLeadingFields) {
    EXPECT_EQ(defs.GetIndexForFields("name", false), defs[0]);
    EXPECT_EQ(defs.GetIndexForFields("Name;House", false), defs[0]);
    EXPECT_EQ(defs.GetIndexForFields("NAMEX", false), defs[1]) << "NAME is not a prefix of NAMEX's field";
    EXPECT_EQ(defs.GetIndexForFields("NAME;HOU", false), nullptr);
    EXPECT_EQ(defs.GetIndexForFields("HOUSE", false), nullptr);
    EXPECT_EQ(defs.GetIndexForFields("NAMEX", true), nullptr);
}

TEST_F(TIndexDefsTest, FindAndSelection) {
    EXPECT_EQ(defs.Find("pk"), defs[2]);
    EXPECT_THROW(defs.Find("nope"), EDatabaseError);
    const auto unique = GetIndexDefs(defs, ixUnique);
    ASSERT_EQ(unique->Count(), 1);
    EXPECT_EQ((*unique)[0]->Name(), "PK");
    EXPECT_EQ(GetIndexDefs(defs, 0)->Count(), 3);
}

} // namespace
