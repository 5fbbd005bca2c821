// The editing life of a dataset: edit, cancel, delete; Cyrillic text on ANSI and OEM tables;
// blobs; defaults; posts that the engine refuses; record locks. Every engine type's round trip
// is part of the reading test (TDbDataSetTest).
#include "DataFixture.h"
#include "base/CodePage.h"
#include "data/TDbTableOptions.h"
#include "toolkit/TField.h"

namespace datatest {
namespace {

using EditingTest = DataFixture;

TEST_F(EditingTest, EditCancelAndDeleteKeepTheTableTrue) {
    dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))"});
    TDbTable* t = table("T");
    t->Insert();
    t->Cancel();
    EXPECT_TRUE(t->IsEmpty()) << "an insert into an empty table has no row to go back to";
    for (int id = 1; id <= 3; ++id)
        appendRow(*t, {{"ID", id}, {"NAME", "n" + std::to_string(id)}});
    t->First();
    t->Next();
    t->Edit();
    t->FieldByName("NAME")->SetAsString("changed");
    t->Cancel();
    EXPECT_EQ(t->FieldByName("NAME")->AsString(), "n2");
    t->Edit();
    t->FieldByName("NAME")->SetAsString("");
    t->Post();
    EXPECT_TRUE(t->FieldByName("NAME")->IsNull()) << "an emptied text is stored empty, not as zero bytes";
    t->Insert();
    t->Cancel();
    EXPECT_EQ(t->FieldByName("ID")->AsInteger(), 2) << "back to the row that was current";
    t->Append();
    t->Cancel();
    EXPECT_EQ(t->FieldByName("ID")->AsInteger(), 3) << "cancel of an insert at the end lands on the last row";
    t->First();
    const TBookmark gone = t->GetBookmark();
    t->Delete();
    EXPECT_FALSE(t->BookmarkValid(gone)) << "the deleted row's bookmark";
    EXPECT_TRUE(t->BookmarkValid(t->GetBookmark()));
    EXPECT_EQ(column(*t, "ID"), "2;3;");
    t->Close();
    t->Open();
    EXPECT_EQ(column(*t, "NAME"), ";n3;");
}

TEST_F(EditingTest, CyrillicTextIsStoredAsTypedOnAnsiAndOemTables) {
    dictionary({"CREATE TABLE T (NAME CHAR(10), X CHAR(4))"});
    const AnsiString text = base::utf8ToCp1251("Ёлки-Палки");
    for (TDbCharTypes charType : {TDbCharTypes::ANSI, TDbCharTypes::OEM}) {
        TDbTable* t = table("T", "", false);
        t->DbTableOptions()->SetDbCharType(charType);
        t->Open();
        appendRow(*t, {{"NAME", text}, {"X", "wxyz"}});
        t->Close();
        t->Open();
        t->Last();
        EXPECT_EQ(t->FieldByName("NAME")->AsString(), text);
        EXPECT_EQ(t->FieldByName("X")->AsString(), "wxyz") << "the field after a full text keeps its first byte";
    }
    EXPECT_EQ(column(*table("T"), "NAME"), text + ";" + text + ";") << "both read alike on an ANSI table";
}

TEST_F(EditingTest, BlobsAreWrittenThroughStreamsAndAFreshRowHasNone) {
    dictionary({"CREATE TABLE B (ID INTEGER, NOTE MEMO, DATA BINARY)"});
    TDbTable* t = table("B");
    t->Append();
    t->FieldByName("ID")->SetAsInteger(1);
    t->FieldByName("NOTE")->SetAsString("first note");
    t->FieldByName("DATA")->SetAsString(AnsiString("\x00\xFF\x10", 3));
    t->Post();
    t->Append();
    EXPECT_TRUE(t->FieldByName("NOTE")->IsNull()) << "a new row under a row with a blob";
    EXPECT_EQ(t->FieldByName("NOTE")->AsString(), "");
    t->Cancel();
    t->Edit();
    t->FieldByName("NOTE")->SetAsString("");
    t->Post();
    t->Close();
    t->Open();
    EXPECT_TRUE(t->FieldByName("NOTE")->IsNull()) << "truncated to 0 bytes";
    EXPECT_EQ(t->FieldByName("DATA")->AsString(), AnsiString("\x00\xFF\x10", 3));
}

TEST_F(EditingTest, DefaultsFillANewRowAndABadOneRefusesTheInsert) {
    dictionary({"CREATE TABLE T (ID INTEGER, S CHAR(5), Q CHAR(5), SI SHORTINT)"});
    TDbTable* t = table("T");
    appendRow(*t, {{"ID", 7}});
    t->Close();
    auto field = [&](const char* name) { return t->FieldByName(name); };
    t->Open();
    field("S")->SetDefaultExpression(" 'ABC' ");
    field("Q")->SetDefaultExpression("ABC");
    t->Insert();
    EXPECT_EQ(field("S")->AsString(), "ABC");
    EXPECT_TRUE(field("Q")->IsNull());
    t->Cancel();
    field("SI")->SetDefaultExpression("-32768");
    expectEngineError(
        [&] { t->Insert(); }, 0,
        testing::HasSubstr("Error setting default field value. (SI)\r\nNumeric out of range:-32768"));
    EXPECT_EQ(t->State(), dsBrowse);
    EXPECT_EQ(field("ID")->AsInteger(), 7);
}

TEST_F(EditingTest, APostTheEngineRefusesLeavesTheTableAsItWas) {
    dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "CREATE UNIQUE INDEX ID ON T (ID)"});
    TDbTable* t = table("T");
    appendRow(*t, {{"ID", 1}});
    appendRow(*t, {{"ID", 2}});
    t->Append();
    t->FieldByName("ID")->SetAsInteger(1);
    EXPECT_THROW(t->Post(), EDbEngineError);
    EXPECT_EQ(t->RecordCount(), 2);
    t->FieldByName("ID")->SetAsInteger(3);
    t->Post();
    EXPECT_EQ(column(*t, "ID"), "1;2;3;") << "the retried post appends once";
    t->Append();
    t->FieldByName("ID")->SetAsInteger(2);
    EXPECT_THROW(t->Post(), EDbEngineError);
    t->Cancel();
    EXPECT_EQ(column(*t, "ID"), "1;2;3;");

    TDbTable* other = table("T");
    t->First();
    t->Edit();
    t->FieldByName("ID")->SetAsInteger(2);
    EXPECT_THROW(t->Post(), EDbEngineError);
    EXPECT_THROW(other->Edit(), EDbEngineError) << "the failed post keeps the lock";
    t->Cancel();
    other->Edit();
    other->FieldByName("NAME")->SetAsString("other");
    other->Post();
    EXPECT_EQ(column(*t, "ID"), "1;2;3;");
}

TEST_F(EditingTest, LockedRecordsAndViewsRefuseEdit) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER)"});
    ASSERT_EQ(CeDDAddView(c, "W", "", "select ID from T"), 0u);
    TDbTable* t = table("T");
    appendRow(*t, {{"ID", 1}});
    TDbTable* other = table("T");
    other->SetName("Other");
    t->Edit();
    expectEngineError([&] { other->Edit(); }, 5035, testing::StartsWith("Other: "));
    t->Post();
    other->Edit();
    other->Cancel();
    TDbTable* view = table("W");
    expectEngineError([&] { view->Edit(); }, 5064,
                      testing::HasSubstr("Static VIEWs can not be updated."));
}

} // namespace
} // namespace datatest
