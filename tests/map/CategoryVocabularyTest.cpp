#include "map/CategoryVocabulary.h"

#include <gtest/gtest.h>

#include "toolkit/AnsiString.h"
#include "toolkit/TStringList.h"

namespace {

TEST(CategoryVocabularyTest, ListGetsTheThirtyNineNamesWithTheirIdsInOneUpdate) {
    TStringList list;
    list.Add("old entry");
    int changes = 0;
    list.OnChange = [&](TPersistent*) { ++changes; };
    mapi::FillCategoryList(list);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(list.Count(), 39);
    EXPECT_EQ(list.Strings(0), tk::fromUtf8("Не определен"));
    EXPECT_EQ(mapi::categoryIdOf(list, 0), 0);
    EXPECT_EQ(list.Strings(21), tk::fromUtf8("Холмы"));
    EXPECT_EQ(mapi::categoryIdOf(list, 22), 100);
    EXPECT_EQ(mapi::categoryIdOf(list, 38), 116);
    // Two names stand under a second id as well.
    EXPECT_EQ(list.Strings(30), list.Strings(28));
    EXPECT_EQ(mapi::categoryIdOf(list, 30), 108);
    EXPECT_EQ(list.Strings(33), list.Strings(12));
    EXPECT_EQ(mapi::categoryIdOf(list, 33), 111);
}

} // namespace
