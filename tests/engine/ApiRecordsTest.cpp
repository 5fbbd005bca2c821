// Record reading and editing through the Ce* calls: pending appends, failed writes that keep the
// pending record, deletes, locks between two handles, memos, OEM handles and date texts.
#include "EngineFixture.h"

#include "base/CodePage.h"

#include <cstring>

namespace {

class ApiRecordsTest : public EngineFixture {
protected:
    CEHANDLE people() {
        return open(dictionary({"CREATE TABLE P (ID AUTOINC, NAME CHAR(10), NOTE MEMO, PIC BINARY)",
                                "CREATE UNIQUE INDEX NAME ON P (UPPER(NAME))"}),
                    "P");
    }

    static uint32_t count(CEHANDLE table) {
        uint32_t n = 0;
        EXPECT_EQ(CeGetRecordCount(table, 2, &n), 0u);
        return n;
    }
};

TEST_F(ApiRecordsTest, CancelledAppendLeavesNoRowAndDropsItsNumber) {
    const CEHANDLE t = people();
    append(t, {{"NAME", "first"}});
    const uint32_t first = recno(t);
    ASSERT_EQ(CeAppendRecord(t), 0u);
    const uint32_t reserved = recno(t);
    EXPECT_GT(reserved, first);
    ASSERT_EQ(CeSetField(t, "NAME", "gone", 4), 0u);
    ASSERT_EQ(CeCancelUpdate(t), 0u);
    EXPECT_EQ(recno(t), first);
    EXPECT_EQ(count(t), 1u);
    EXPECT_EQ(CeCancelUpdate(t), 5085u);
    append(t, {{"NAME", "second"}});
    EXPECT_GT(recno(t), reserved);
    EXPECT_EQ(got<uint32_t>(CeGetLastAutoinc, t), recno(t));
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiRecordsTest, FailedWriteKeepsPendingRecordAndRetryAppendsOnce) {
    const CEHANDLE t = people();
    append(t, {{"NAME", "Anna"}});
    ASSERT_EQ(CeAppendRecord(t), 0u);
    ASSERT_EQ(CeSetField(t, "NAME", "ANNA", 4), 0u);
    EXPECT_EQ(CeWriteRecord(t), 5080u);
    EXPECT_EQ(lastErrorCode(), 5080u);
    EXPECT_EQ(count(t), 1u);
    ASSERT_EQ(CeSetField(t, "NAME", "Boris", 5), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    EXPECT_EQ(count(t), 2u);
    const CEHANDLE name = index(t, "NAME");
    EXPECT_EQ(got<uint16_t>(CeSeek, name, "bor", 3, 2, 2), 1);
    EXPECT_EQ(text(t, "NAME"), "Boris");

    // A failed edit leaves record, order and image as they were.
    ASSERT_EQ(CeSetField(t, "NAME", "anna", 4), 0u);
    EXPECT_EQ(CeWriteRecord(t), 5080u);
    ASSERT_EQ(CeCancelUpdate(t), 0u);
    EXPECT_EQ(text(t, "NAME"), "Boris");
    EXPECT_EQ(got<uint16_t>(CeSeek, name, "BORIS", 5, 2, 2), 1);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiRecordsTest, WritesAreSeenByOtherHandlesAndAfterReopen) {
    const CEHANDLE a = people();
    CEHANDLE b = open(connections_.back(), "P");
    append(a, {{"NAME", "Vera"}, {"NOTE", base::utf8ToCp1251("Заметка")}});
    ASSERT_EQ(CeGotoTop(b), 0u);
    EXPECT_EQ(text(b, "NAME"), "Vera");
    EXPECT_EQ(CeCloseTable(b), 0u);
    EXPECT_EQ(CeCloseTable(a), 0u);
    b = open(connections_.back(), "P");
    EXPECT_EQ(text(b, "NOTE"), base::utf8ToCp1251("Заметка"));
    EXPECT_EQ(got<uint32_t>(CeGetMemoLength, b, "NOTE"), 7u);
    EXPECT_EQ(got<uint16_t>(CeGetMemoDataType, b, "NOTE"), 5);
    EXPECT_EQ(got<uint16_t>(CeIsEmpty, b, "PIC"), 1);
    EXPECT_EQ(got<uint16_t>(CeIsEmpty, b, "NOTE"), 0);
    EXPECT_EQ(CeCloseTable(b), 0u);
}

TEST_F(ApiRecordsTest, BinaryBlobsKeepTheirBytes) {
    const CEHANDLE t = people();
    const std::string bytes("\0\1\2\xFF", 4);
    append(t, {{"NAME", "x"}, {"PIC", bytes}});
    char buffer[8];
    uint32_t length = 2;
    EXPECT_EQ(CeGetField(t, "PIC", buffer, &length, 2), 5005u);
    EXPECT_EQ(length, 4u);
    length = sizeof buffer;
    ASSERT_EQ(CeGetField(t, "PIC", buffer, &length, 2), 0u);
    EXPECT_EQ(std::string(buffer, length), bytes);
    ASSERT_EQ(CeGetBinaryLength(t, "PIC", &length), 0u);
    EXPECT_EQ(length, 4u);
    ASSERT_EQ(CeSetField(t, "PIC", nullptr, 0), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    ASSERT_EQ(CeGetBinaryLength(t, "PIC", &length), 0u);
    EXPECT_EQ(length, 0u);
    ASSERT_EQ(CeSkip(t, 1), 0u);
    EXPECT_EQ(CeGetBinaryLength(t, "PIC", &length), 5068u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiRecordsTest, LocksAreHeldPerHandle) {
    const CEHANDLE a = people();
    const CEHANDLE b = open(connections_.back(), "P");
    append(a, {{"NAME", "Lock"}});
    const uint32_t r = recno(a);
    ASSERT_EQ(CeLockRecord(a, r), 0u);
    ASSERT_EQ(CeLockRecord(a, r), 0u);
    EXPECT_EQ(CeLockRecord(b, r), 5035u);
    ASSERT_EQ(CeGotoRecord(b, r), 0u);
    ASSERT_EQ(CeSetField(b, "NAME", "Other", 5), 0u);
    EXPECT_EQ(CeWriteRecord(b), 5035u);
    ASSERT_EQ(CeCancelUpdate(b), 0u);
    ASSERT_EQ(CeUnlockRecord(a, r), 0u);
    ASSERT_EQ(CeLockRecord(b, r), 0u);
    EXPECT_EQ(CeCloseTable(b), 0u);
    EXPECT_EQ(CeLockRecord(a, r), 0u);
    EXPECT_EQ(CeLockRecord(a, 9999), 5022u);
    EXPECT_EQ(CeCloseTable(a), 0u);
}

TEST_F(ApiRecordsTest, AutoincIsReadOnlyAndNoCurrentRecordIsReported) {
    const CEHANDLE t = people();
    const uint32_t value = 5;
    ASSERT_EQ(CeGotoTop(t), 0u);
    EXPECT_EQ(CeSetField(t, "NAME", "x", 1), 5068u);
    ASSERT_EQ(CeAppendRecord(t), 0u);
    EXPECT_EQ(CeSetFieldRaw(t, "ID", &value, 4), 5149u);
    char message[200];
    uint32_t length = sizeof message;
    uint32_t code = 0;
    ASSERT_EQ(CeGetLastError(&code, message, &length), 0u);
    EXPECT_EQ(code, 5149u);
    EXPECT_NE(std::string(message).find("column \"ID\""), std::string::npos);
    ASSERT_EQ(CeCancelUpdate(t), 0u);
    EXPECT_EQ(CeCancelUpdate(t), 5068u);
    unsigned char record[64];
    length = sizeof record;
    EXPECT_EQ(CeGetRecord(t, record, &length), 5068u);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiRecordsTest, DbfDeletesMarkRecordsThatShowDeletedReveals) {
    const CEHANDLE d = directory();
    ASSERT_EQ(run(d, "CREATE TABLE old (NAME CHAR(5))", 1), 0u);
    const CEHANDLE t = open(d, path("old"), 1);
    append(t, {{"NAME", "a"}});
    append(t, {{"NAME", "b"}});
    ASSERT_EQ(CeDeleteRecord(t), 0u);
    ASSERT_EQ(CeWriteRecord(t), 0u);
    EXPECT_EQ(got<uint16_t>(CeIsRecordDeleted, t), 1);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 2), 1u);
    ASSERT_EQ(CeShowDeleted(1), 0u);
    EXPECT_EQ(got<uint32_t>(CeGetRecordCount, t, 1), 2u);
    ASSERT_EQ(CeShowDeleted(2), 0u);
    uint16_t shown = 1;
    ASSERT_EQ(CeGetDeleted(&shown), 0u);
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(CeCloseTable(t), 0u);
}

TEST_F(ApiRecordsTest, OemHandlesSeeCp866Strings) {
    const CEHANDLE c = dictionary({"CREATE TABLE S (NAME CHAR(4))"});
    const CEHANDLE ansi = open(c, "S");
    append(ansi, {{"NAME", base::utf8ToCp1251("Дом")}});
    const CEHANDLE oem = open(c, "S", 0, 0, 2);
    ASSERT_EQ(CeGotoTop(oem), 0u);
    char record[4];
    uint32_t length = sizeof record;
    ASSERT_EQ(CeGetRecord(oem, record, &length), 0u);
    EXPECT_EQ(std::string(record, 4), base::utf8ToCp866("Дом "));
    EXPECT_EQ(text(oem, "NAME"), base::utf8ToCp1251("Дом"));
    const std::string raw = base::utf8ToCp866("Кот ");
    ASSERT_EQ(CeSetFieldRaw(oem, "NAME", raw.data(), 4), 0u);
    ASSERT_EQ(CeWriteRecord(oem), 0u);
    ASSERT_EQ(CeGotoTop(ansi), 0u);
    EXPECT_EQ(text(ansi, "NAME"), base::utf8ToCp1251("Кот"));
    EXPECT_EQ(CeCloseTable(oem), 0u);
    EXPECT_EQ(CeCloseTable(ansi), 0u);
}

TEST_F(ApiRecordsTest, JulianDaysConvertToStorageTextAndBack) {
    const struct {
        double julian;
        const char* text;
    } cases[] = {{2415019, "18991230"}, {1721426, "00010101"}, {2460000, "20230224"}};
    for (const auto& c : cases) {
        char buffer[9];
        uint32_t length = sizeof buffer;
        ASSERT_EQ(CeConvertJulianToString(c.julian, buffer, &length), 0u);
        EXPECT_STREQ(buffer, c.text);
        EXPECT_EQ(got<double>(CeConvertStringToJulian, c.text, 8), c.julian);
    }
    double julian = 0;
    EXPECT_EQ(CeConvertStringToJulian("20230230", 8, &julian), 5090u);
    EXPECT_EQ(CeConvertStringToJulian("2023", 4, &julian), 5090u);
}

} // namespace
