// Filters, scopes, Locate, Lookup and bookmarks. The searches that do not write run in the
// navigation suite over every cursor factory; the index choices of Locate and scopes run on
// tables (a deleted row's bookmark is checked where rows are deleted, TDbDataSetEditingTest).
#include "CursorSuite.h"
#include "DataFixture.h"
#include "data/LocateExpression.h"
#include "data/TDbTable.h"
#include "data/TDbTableOptions.h"
#include "toolkit/DataSetUiHooks.h"
#include "toolkit/TField.h"

namespace datatest {
namespace {

uint16_t exactSetting(TDbDataSet& d) {
    uint16_t exact = 0;
    EXPECT_EQ(CeGetExact22(d.TableHandle(), &exact), 0u);
    return exact;
}

TEST_P(CursorSuite, OptimisedAndPlainFiltersAgreeAndAStarIsAPrefix) {
    for (bool optimised : {true, false}) {
        data->DbTableOptions()->SetDbOptimizedFilters(optimised);
        data->SetFilter("NAME = 'R01*'");
        data->SetFiltered(true);
        EXPECT_EQ(rowCount(*data), 10) << "optimised " << optimised;
        data->SetFilter("ID > 95");
        EXPECT_EQ(rowCount(*data), 5) << "optimised " << optimised;
        data->SetFiltered(false);
        EXPECT_EQ(rowCount(*data), 100);
    }
    EXPECT_TRUE(data->FindFirst());
    EXPECT_EQ(id(), 96) << "the filter text, in force for the search only";
    EXPECT_TRUE(data->FindNext());
    EXPECT_EQ(id(), 97);
    EXPECT_EQ(rowCount(*data), 100);
}

TEST_P(CursorSuite, FilterRecordEventsRejectOrFailWithoutStoppingTheFetch) {
    data->OnFilterRecord = [](TDataSet*, bool& accept) { accept = false; };
    data->SetFiltered(true);
    EXPECT_TRUE(data->IsEmpty());
    EXPECT_TRUE(data->Eof());
    int reported = 0;
    const tk::ExceptionHandler previous = tk::setExceptionHandler([&](TPersistent*) { ++reported; });
    data->OnFilterRecord = [](TDataSet* d, bool& accept) {
        accept = d->FieldByName("ID")->AsInteger() % 10 != 0;
        if (d->FieldByName("ID")->AsInteger() == 5)
            throw Exception("broken filter");
    };
    const int seen = rowCount(*data);
    tk::setExceptionHandler(previous);
    EXPECT_EQ(seen, 90) << "the failing handler's row stays accepted";
    EXPECT_GE(reported, 1);
}

TEST_P(CursorSuite, LocateAndLookupFindRowsAndAMissChangesNothing) {
    EXPECT_TRUE(data->Locate("NAME", "R05", loPartialKey));
    EXPECT_EQ(id(), 50);
    EXPECT_TRUE(data->Locate("NAME", "r077", loCaseInsensitive));
    EXPECT_EQ(id(), 77);
    EXPECT_TRUE(data->Locate("ID;NAME", Variant::Array({Variant(12), Variant("R012")}), 0));
    EXPECT_EQ(id(), 12);
    EXPECT_EQ(data->Lookup("ID", 33, "NAME").AsString(), "R033");
    EXPECT_TRUE(data->Lookup("ID", 333, "NAME").IsNull());
    EXPECT_EQ(id(), 12) << "Lookup does not move the dataset";

    data->SetFilter("NAME = 'R0*'");
    data->SetFiltered(true);
    for (bool optimised : {true, false}) {
        data->DbTableOptions()->SetDbOptimizedFilters(optimised);
        for (TLocateOptions options : {0u, unsigned(loCaseInsensitive)}) {
            data->First();
            data->MoveBy(20);
            EXPECT_FALSE(data->Locate("NAME", "R100", options));
            EXPECT_EQ(id(), 21);
            EXPECT_EQ(exactSetting(*data), 0u) << "the cursor's prefix filter stays a prefix filter";
            EXPECT_EQ(rowCount(*data), 99) << "optimised " << optimised << ", options " << options;
        }
    }
}

TEST_P(CursorSuite, BookmarksReturnToTheirRowAndCompareWithNilAfterTheOthers) {
    data->MoveBy(41);
    const TBookmark mark = data->GetBookmark();
    data->Last();
    data->GotoBookmark(mark);
    EXPECT_EQ(id(), 42);
    data->First();
    const TBookmark first = data->GetBookmark();
    data->Next();
    const TBookmark second = data->GetBookmark();
    EXPECT_TRUE(data->BookmarkValid(first));
    EXPECT_FALSE(data->BookmarkValid(TBookmark()));
    EXPECT_LT(data->CompareBookmarks(first, second), 0);
    EXPECT_EQ(data->CompareBookmarks(second, second), 0);
    EXPECT_EQ(data->CompareBookmarks(TBookmark(), first), 1);
    EXPECT_EQ(data->CompareBookmarks(first, TBookmark()), -1);
    EXPECT_EQ(data->CompareBookmarks(TBookmark(), TBookmark()), 0);
}

TEST(LocateExpressionTest, TermsOfEachType) {
    const struct {
        uint16_t type;
        std::optional<AnsiString> text;
        bool caseInsensitive;
        const char* term;
    } cases[] = {
        {db::ceString, AnsiString("say \"hi\""), false, "(S=\"say \"+ Chr(34) +\"hi\"+ Chr(34) +\"\")"},
        {db::ceString, AnsiString("ab"), true, "(UPPER(S)=UPPER(\"ab\"))"},
        {db::ceString, std::nullopt, true, "(empty(S))"},
        {db::ceLogical, AnsiString("T"), true, "(S=.TRUE.)"},
        {db::ceLogical, AnsiString("F"), false, "(S=.FALSE.)"},
        {db::ceDate, AnsiString("01.03.2024"), false, "(S=ctod(\"01.03.2024\"))"},
        {db::ceCompactDate, AnsiString("01.03.2024"), false, "(S=ctod(\"01.03.2024\"))"},
        {db::ceTime, AnsiString("2:17:30"), false, "(S=ctot(\"2:17:30\"))"},
        {db::ceTimestamp, AnsiString("01.03.2024 2:17:30"), false, "(S=ctots(\"01.03.2024 2:17:30\"))"},
        {db::ceDouble, AnsiString("2.5"), true, "(S=2.5)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db::locateTerm("S", c.type, c.text, c.caseInsensitive), c.term);
}

using SearchTest = DataFixture;

TEST_F(SearchTest, PartialLocateSeeksAPlainIndexAndCaseInsensitiveFilters) {
    const char* columns = " (N CHAR(4), A CHAR(4), C CHAR(4), B CHAR(4), X DOUBLE)";
    dictionary({std::string("CREATE TABLE T") + columns, "CREATE INDEX N ON T (N)", "CREATE INDEX AB ON T (A, B)",
                std::string("CREATE TABLE U") + columns, "CREATE INDEX ACB ON U (A, C, B)"});
    TDbTable* t = table("T");
    TDbTable* u = table("U");
    for (TDbTable* d : {t, u}) {
        appendRow(*d, {{"N", "Abz"}, {"A", "Ab"}, {"B", "bz"}, {"X", 2.5}});
        appendRow(*d, {{"N", "Aba"}, {"A", "Ab"}, {"B", "ba"}, {"X", 1.5}});
    }
    EXPECT_TRUE(t->Locate("N", "Ab", loPartialKey));
    EXPECT_EQ(t->FieldByName("N")->AsString(), "Aba") << "the first in N order: a seek";
    EXPECT_TRUE(t->Locate("N", "ab", loPartialKey | loCaseInsensitive));
    EXPECT_EQ(t->FieldByName("N")->AsString(), "Abz") << "the first in record order: a filter";
    EXPECT_FALSE(t->Locate("N", "", 0));
    EXPECT_TRUE(t->Locate("N", "", loPartialKey)) << "an empty prefix matches the first key";
    FormatSettings.DecimalSeparator = ',';
    EXPECT_TRUE(t->Locate("X", 1.5, loCaseInsensitive));
    EXPECT_EQ(t->FieldByName("N")->AsString(), "Aba") << "the number reaches the filter with a point";

    const Variant key = Variant::Array({Variant("b"), Variant("Ab")});
    EXPECT_TRUE(t->Locate("B;A", key, loPartialKey));
    EXPECT_EQ(t->FieldByName("B")->AsString(), "ba") << "segments 2 and 1 of AB: a seek";
    EXPECT_TRUE(u->Locate("B;A", key, loPartialKey));
    EXPECT_EQ(u->FieldByName("B")->AsString(), "bz") << "ACB has C between them: a filter";
}

TEST_F(SearchTest, IndexQuestionsAnswerFalseInNaturalOrder) {
    dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(4))", "CREATE INDEX NAME ON T (NAME)"});
    TDbTable* t = table("T");
    appendRow(*t, {{"ID", 1}, {"NAME", "A"}});
    EXPECT_FALSE(t->HasScope());
    EXPECT_FALSE(t->HasIndexCondition());
    EXPECT_FALSE(t->IsIndexUnique());
    EXPECT_FALSE(t->IsIndexCustom());
    t->SetIndexName("NAME");
    EXPECT_FALSE(t->HasScope());
    t->SetScopeBegin("A");
    t->SetScoped(true);
    EXPECT_TRUE(t->HasScope());
}

TEST_F(SearchTest, ScopesTakeTheirTextAndExcludeRanges) {
    dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(4))", "CREATE INDEX NAME ON T (NAME)"});
    TDbTable* t = table("T");
    for (int id = 1; id <= 30; ++id)
        appendRow(*t, {{"ID", id}, {"NAME", "R" + std::to_string(131 - id)}}); // NAME order is not ID order
    t->SetScopeBegin(AnsiString(256, 'x'));
    EXPECT_THROW(t->SetScopeEnd(AnsiString(257, 'x')), EDbEngineError);
    t->SetIndexName("NAME");
    t->SetSequenced(true);
    t->SetScopeBegin("R110");
    t->SetScopeEnd("R119");
    t->Last();
    t->SetScoped(true);
    EXPECT_EQ(t->FieldByName("ID")->AsInteger(), 21) << "the record outside the scope: First";
    EXPECT_EQ(rowCount(*t), 10);
    t->First();
    t->MoveBy(3);
    t->SetScoped(false);
    EXPECT_EQ(t->FieldByName("ID")->AsInteger(), 18) << "back to the record, not to its place in the order";
    EXPECT_EQ(rowCount(*t), 30);
    t->SetRangeStart();
    t->FieldByName("NAME")->SetAsString("R120");
    t->ApplyRange();
    EXPECT_THROW(t->SetScoped(true), EDbEngineError);
    t->CancelRange();
    t->SetScoped(true);
    t->SetRangeStart();
    EXPECT_THROW(t->ApplyRange(), EDbEngineError);
    t->Close();
    t->Open();
    EXPECT_EQ(rowCount(*t), 10) << "a stored scope goes into force when the table opens";
}

} // namespace
} // namespace datatest
