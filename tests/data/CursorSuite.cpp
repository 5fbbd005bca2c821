// The navigation suite's set-up and tests; TDbDataSetTest.cpp instantiates it for tables.
#include "CursorSuite.h"

#include <cstdio>

#include "ScratchTables.h"
#include "toolkit/TField.h"

namespace datatest {

void CursorSuite::SetUp() {
    DataFixture::SetUp();
    const CEHANDLE c = dictionary({"CREATE TABLE N (ID INTEGER, NAME CHAR(10))", "CREATE INDEX NAME ON N (NAME)"});
    CEHANDLE table = 0;
    ASSERT_EQ(CeOpenTable(c, "N", nullptr, 0, 1, 0, 1, 0, &table), 0u);
    for (int32_t i = 1; i <= 100; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "R%03d", i);
        ASSERT_EQ(CeAppendRecord(table), 0u);
        ASSERT_EQ(CeSetFieldRaw(table, "ID", &i, 4), 0u);
        ASSERT_EQ(CeSetField(table, "NAME", name, 4), 0u);
        ASSERT_EQ(CeWriteRecord(table), 0u);
    }
    ASSERT_EQ(CeCloseTable(table), 0u);
    connection = scratchConnection(owner, path("test.vdd"));
    probe = GetParam().make(owner, *connection);
    data = &probe->dataSet();
    data->Open();
}

int CursorSuite::id() { return data->FieldByName("ID")->AsInteger(); }

TEST_P(CursorSuite, OpeningAnOpenCursorIsRefused) {
    try {
        probe->internalOpen();
        FAIL();
    } catch (const EDbEngineError& e) {
        EXPECT_EQ(e.ErrorCode, 5121);
        EXPECT_NE(std::string(e.what()).find("Table is already open."), std::string::npos);
    }
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

TEST_P(CursorSuite, BookmarksReturnToTheirRow) {
    data->MoveBy(41);
    const TBookmark mark = data->GetBookmark();
    data->Last();
    data->GotoBookmark(mark);
    EXPECT_EQ(id(), 42);
}

TEST_P(CursorSuite, RecNoFollowsSetRecNoAndStopsAtTheLastRow) {
    EXPECT_EQ(data->RecordCount(), 100);
    for (int n = 1; n <= 100; ++n) {
        data->SetRecNo(n);
        ASSERT_EQ(data->RecNo(), n);
        ASSERT_EQ(id(), n);
    }
    data->SetRecNo(150);
    EXPECT_EQ(id(), 100);
}

} // namespace datatest
