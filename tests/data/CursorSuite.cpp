// The navigation suite's set-up and tests; TDbDataSetTest.cpp instantiates it for tables.
#include "CursorSuite.h"

#include <cstdio>

#include "toolkit/TField.h"

namespace datatest {

void CursorSuite::SetUp() {
    DataFixture::SetUp();
    std::string rows = "INSERT INTO N VALUES ";
    for (int i = 1; i <= 100; ++i) {
        char row[24];
        std::snprintf(row, sizeof row, "%s(%d, 'R%03d')", i == 1 ? "" : ", ", i, i);
        rows += row;
    }
    dictionary({"CREATE TABLE N (ID INTEGER, NAME CHAR(10))", "CREATE INDEX NAME ON N (NAME)", rows});
    probe = GetParam().make(owner, *dictionaryConnection());
    data = &probe->dataSet();
    data->Open();
}

int CursorSuite::id() { return data->FieldByName("ID")->AsInteger(); }

TEST_P(CursorSuite, OpeningAnOpenCursorIsRefused) {
    expectEngineError([&] { probe->internalOpen(); }, 5121, testing::HasSubstr("Table is already open."));
}

TEST_P(CursorSuite, FetchesAnswerTheEndsInEachMode) {
    probe->internalFirst();
    EXPECT_EQ(probe->getRecord(gmCurrent), grBOF);
    EXPECT_EQ(probe->getRecord(gmPrior), grBOF);
    EXPECT_EQ(probe->getRecord(gmNext), grOK);
    probe->internalLast();
    EXPECT_EQ(probe->getRecord(gmCurrent), grEOF);
    EXPECT_EQ(probe->getRecord(gmNext), grEOF);
    EXPECT_EQ(probe->getRecord(gmPrior), grOK);
    data->Last();
    EXPECT_EQ(id(), 100);
    data->First();
    EXPECT_EQ(id(), 1);
}

TEST_P(CursorSuite, RecNoFollowsSetRecNoAndPastTheEndOnlyAnIndexStopsAtTheLastRow) {
    EXPECT_EQ(data->RecordCount(), 100);
    for (int n = 1; n <= 100; ++n) {
        data->SetRecNo(n);
        ASSERT_EQ(data->RecNo(), n);
        ASSERT_EQ(id(), n);
    }
    data->SetRecNo(40);
    if (data->IndexName().empty()) {
        // In natural order the number names a record, and past the end there is none.
        expectEngineError([&] { data->SetRecNo(150); }, 5022);
        EXPECT_EQ(id(), 40);
        return;
    }
    data->SetRecNo(150);
    EXPECT_EQ(id(), 100) << "a relative place past the end is the last row";
}

} // namespace datatest
