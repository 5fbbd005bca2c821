// The dataset core: the navigation suite on tables, reading and writing every engine type in both
// table families, calculated and blob fields side by side, filter preparation, the version text, index
// definitions, the three ways of choosing an index and a default index that is not there, and
// record numbers in natural order.
#include "data/TDbDataSet.h"

#include "CursorSuite.h"
#include "DataFixture.h"
#include "data/TDbTable.h"
#include "data/TDbTableOptions.h"
#include "toolkit/TBlobField.h"
#include "toolkit/TDataLink.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TIntegerField.h"
#include "toolkit/TStringField.h"

namespace datatest {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Tables, CursorSuite,
    testing::Values(CursorFactory{"IndexedTable",
                                  [](TComponent& owner, TDbConnection&) -> CursorProbe* {
                                      auto* t = new ProbeOf<TDbTable>(&owner);
                                      t->SetDatabaseName("DbConnection1");
                                      t->SetTableName("N");
                                      t->SetIndexName("NAME");
                                      t->SetSequenced(true);
                                      return t;
                                  }},
                    CursorFactory{"TableOnSqlCursor",
                                  [](TComponent& owner, TDbConnection& connection) -> CursorProbe* {
                                      auto* t = new ProbeOf<TDbTable>(&owner);
                                      CEHANDLE cursor = 0;
                                      connection.Execute("SELECT * FROM N ORDER BY ID", nullptr, false, &cursor);
                                      t->OpenOnHandle(cursor);
                                      return t;
                                  }}),
    [](const testing::TestParamInfo<CursorFactory>& info) { return info.param.name; });

using TDbDataSetTest = DataFixture;

// Row 1 written as engine texts reads as shown and row 2, left blank, reads null; the shown texts
// typed into a new row 3 and a row 4 of cleared fields come back alike after a reopen.
struct TypeCase {
    const char* column;
    std::string value; // engine text; empty leaves the field empty
    TFieldType type;
    std::string shown;
};

void checkEveryType(CEHANDLE connection, const AnsiString& tableName, uint16_t tableType, TDbTable& t,
                    const std::vector<TypeCase>& cases) {
    EngineRow filled;
    for (const TypeCase& c : cases)
        filled.emplace_back(c.column, c.value);
    appendRows(connection, tableName, {filled, {}}, tableType);
    t.Open();
    t.Append();
    for (const TypeCase& c : cases)
        t.FieldByName(c.column)->SetAsString(c.shown);
    t.Post();
    t.Append();
    for (const TypeCase& c : cases)
        t.FieldByName(c.column)->Clear();
    t.Post();
    t.Close();
    t.Open();
    ASSERT_EQ(t.RecordCount(), 4);
    for (int row = 1; row <= 4; ++row, t.Next()) {
        SCOPED_TRACE("row " + std::to_string(row));
        for (const TypeCase& c : cases) {
            TField* field = t.FieldByName(c.column);
            EXPECT_EQ(field->DataType(), c.type) << c.column;
            EXPECT_EQ(field->IsNull(), row % 2 == 0 || c.value.empty()) << c.column;
            if (row % 2 == 1) {
                EXPECT_EQ(field->AsString(), c.shown) << c.column;
            }
        }
    }
}

TEST_F(TDbDataSetTest, EveryEngineTypeReadsAndRoundTripsWithItsEmptyImage) {
    const std::vector<TypeCase> vdt = {
        {"L", "T", ftBoolean, "True"},
        {"N4", "-12", ftSmallint, "-12"},
        {"N5", "12345", ftFloat, "12345"},
        {"ND", "-12.5", ftFloat, "-12,5"},
        {"D", "03/01/2024", ftDate, "01.03.2024"},
        {"S", "text", ftString, "text"},
        {"M", "", ftMemo, ""},
        {"M2", "memo", ftMemo, "memo"},
        {"BI", std::string("\x01\x00\x02", 3), ftBlob, std::string("\x01\x00\x02", 3)},
        {"IM", "img", ftBlob, "img"},
        {"V", "varchar", ftMemo, "varchar"},
        {"CD", "12/31/1999", ftDate, "31.12.1999"},
        {"DB", "2.25", ftFloat, "2,25"},
        {"I", "-7", ftInteger, "-7"},
        {"SI", "300", ftSmallint, "300"},
        {"T", "8250000", ftTime, "2:17:30"},
        {"TS", "03/01/2024 02:17:30", ftDateTime, "01.03.2024 2:17:30"},
        {"R", "abc", ftBytes, "abc"},
        {"CU", "9.5", ftCurrency, "9,5"},
    };
    const CEHANDLE c = dictionary({"CREATE TABLE V (L LOGICAL, N4 NUMERIC(4,0), N5 NUMERIC(5,0), ND NUMERIC(8,2),"
                                   " D DATE, S CHAR(6), M MEMO, M2 MEMO, BI BINARY, IM IMAGE, V VARCHAR(20),"
                                   " CD COMPACTDATE, DB DOUBLE, I INTEGER, SI SHORTINT, T TIME, TS TIMESTAMP, R RAW(3),"
                                   " CU CURDOUBLE)"});
    checkEveryType(c, "V", 0, *table("V", "", false), vdt);

    const std::vector<TypeCase> dbf = {
        {"L", "y", ftBoolean, "True"},
        {"N", "42", ftSmallint, "42"},
        {"ND", "-123.5", ftFloat, "-123,5"},
        {"D", "02/29/2000", ftDate, "29.02.2000"},
        {"S", "dbf", ftString, "dbf"},
        {"M", "memo", ftMemo, "memo"},
        {"BI", std::string("\x01\x00\x02", 3), ftBlob, std::string("\x01\x00\x02", 3)},
        {"IM", "img", ftBlob, "img"},
    };
    const CEHANDLE d = directory(
        {"CREATE TABLE F (L LOGICAL, N NUMERIC(3,0), ND NUMERIC(6,1), D DATE, S CHAR(6), M MEMO, BI BINARY, IM IMAGE)"},
        2);
    checkEveryType(d, path("F"), 2, *freeTable("F", false), dbf);
}

TEST_F(TDbDataSetTest, CalculatedAndBlobFieldsReadRightThroughALinkOfTenBuffers) {
    const CEHANDLE c = dictionary({"CREATE TABLE B (ID INTEGER, NOTE MEMO)"});
    std::vector<EngineRow> rows;
    for (int i = 1; i <= 30; ++i)
        rows.push_back({{"ID", std::to_string(i)}, {"NOTE", "note " + std::to_string(i)}});
    appendRows(c, "B", rows);
    TDbTable* t = table("B", "", false);
    const auto add = [&](TField* f, const char* name, TFieldKind kind = fkData) {
        f->SetFieldName(name);
        f->SetFieldKind(kind);
        f->SetDataSet(t);
        return f;
    };
    TField* idField = add(new TIntegerField(t), "ID");
    TField* note = add(new TBlobField(t), "NOTE");
    TField* twice = add(new TIntegerField(t), "Twice", fkCalculated);
    t->OnCalcFields = [&](TDataSet*) { twice->SetAsInteger(idField->AsInteger() * 2); };
    TDataSource source(&owner);
    source.SetDataSet(t);
    TDataLink grid;
    grid.SetBufferCount(10);
    grid.SetDataSource(&source);
    t->Open();
    for (int i = 1; i <= 30; ++i, t->Next()) {
        ASSERT_EQ(idField->AsInteger(), i);
        EXPECT_EQ(twice->AsInteger(), 2 * i);
        EXPECT_EQ(note->AsString(), "note " + std::to_string(i));
    }
    for (int row = 0; row < grid.RecordCount(); ++row) {
        grid.SetActiveRecord(row);
        EXPECT_EQ(twice->AsInteger(), 2 * idField->AsInteger()) << "buffer " << row;
        EXPECT_EQ(note->AsString(), "note " + std::to_string(idField->AsInteger())) << "buffer " << row;
    }
    grid.SetDataSource(nullptr);
}

TEST_F(TDbDataSetTest, FilterTextPreparationTurnsATrailingStarIntoAPrefix) {
    dictionary({"CREATE TABLE T (NAME CHAR(10))"});
    TDbTable* t = table("T");
    const struct {
        const char* text;
        const char* prepared;
        bool exact;
    } cases[] = {
        {"NAME = 'ABC*'", "NAME = 'ABC'", false},
        {"NAME = \"AB*\" .AND. NAME = 'X'", "NAME = \"AB\" .AND. NAME = 'X'", false},
        {"NAME = '*'", "NAME = '*'", true},
        {"NAME = '**'", "NAME = '**'", true},
        {"NAME = 'A*B'", "NAME = 'A*B'", true},
    };
    for (const auto& c : cases) {
        bool exact = true;
        EXPECT_EQ(t->TranslateExpression(c.text, exact), c.prepared) << c.text;
        EXPECT_EQ(exact, c.exact) << c.text;
    }
}

TEST_F(TDbDataSetTest, VersionNamesTheEngine) {
    EXPECT_EQ(TDbDataSet::FormatVersion(6, 11, 'a'), "6.11 (CE 6.11a)");
    EXPECT_EQ(TDbDataSet::FormatVersion(6, 5, ' '), "6.11 (CE 6.05)");
    EXPECT_EQ(TDbTable(nullptr).Version(), "6.11 (CE 6.11a)");
}

TEST_F(TDbDataSetTest, IndexDefinitionsAndTheThreeWaysOfChoosingAnIndex) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER, NAME CHAR(10))", "CREATE UNIQUE INDEX ID ON T (ID)",
                                   "CREATE INDEX NAMEID ON T (UPPER(NAME), ID) DESC"});
    ASSERT_EQ(CeDDSetTableProperty(c, "T", 213, "NAMEID", 7, 0, nullptr), 0u);
    appendRows(c, "T", {{{"ID", "1"}, {"NAME", "b"}}, {{"ID", "2"}, {"NAME", "c"}}, {{"ID", "3"}, {"NAME", "a"}}});
    TDbTable* t = table("T", "", false);
    t->UpdateIndexDefs();
    ASSERT_EQ(t->IndexDefs().Count(), 2) << "read through a temporary handle";
    EXPECT_EQ(t->IndexDefs()[1]->Fields(), "NAME;ID");
    EXPECT_EQ(t->IndexDefs()[0]->Options(), TIndexOptions(ixUnique));
    EXPECT_EQ(t->IndexDefs()[1]->Options(), TIndexOptions(ixDescending));

    connection->Connect();
    EXPECT_EQ(t->IndexName(), "CE_DEFAULT") << "the dictionary's default index";
    t->Open();
    const auto ids = [&] { return column(*t, "ID"); };
    EXPECT_EQ(ids(), "2;1;3;") << "NAMEID descending";
    t->SetIndexName("");
    EXPECT_EQ(ids(), "1;2;3;");
    t->SetIndexName("ce_default");
    EXPECT_EQ(ids(), "2;1;3;");
    t->SetIndexFieldNames("  ID ");
    EXPECT_EQ(t->IndexFieldNames(), "ID");
    EXPECT_EQ(ids(), "1;2;3;");
    t->SetIndexFieldNames("NAME");
    EXPECT_EQ(ids(), "2;1;3;") << "an index that begins with the fields";
    expectError<EDbEngineError>([&] { t->SetIndexFieldNames("ID;NAME"); },
                                testing::HasSubstr("Not a valid index field name:ID;NAME"));
    EXPECT_EQ(t->IndexFieldNames(), "NAME") << "the previous choice is back";
    EXPECT_EQ(ids(), "2;1;3;");
}

TEST_F(TDbDataSetTest, DefaultIndexOnATableWithoutOneReadsInNaturalOrder) {
    const CEHANDLE d = directory({"CREATE TABLE F (ID INTEGER)", "CREATE INDEX DOWN ON F (ID) DESC"});
    appendRows(d, path("F"), {{{"ID", "1"}}, {{"ID", "2"}}, {{"ID", "3"}}}, 3);
    TDbTable* t = tableAt(temp.path().string(), "F", "CE_DEFAULT");
    t->Open();
    EXPECT_EQ(column(*t, "ID"), "1;2;3;");
    EXPECT_EQ(t->IndexName(), "") << "no default index to keep the name for";
    t->SetIndexName("DOWN");
    EXPECT_EQ(column(*t, "ID"), "3;2;1;");
    t->SetIndexName("ce_default");
    EXPECT_EQ(column(*t, "ID"), "1;2;3;");
    EXPECT_EQ(t->IndexName(), "");
    EXPECT_EQ(t->OrderHandle(), t->TableHandle());
}

TEST_F(TDbDataSetTest, RecNoInNaturalOrderGoesOnlyToRecordsThatExist) {
    const CEHANDLE c = dictionary({"CREATE TABLE T (ID INTEGER)"});
    appendRows(c, "T", {{{"ID", "1"}}, {{"ID", "2"}}, {{"ID", "3"}}, {{"ID", "4"}}});
    TDbTable* t = table("T");
    const auto id = [&] { return t->FieldByName("ID")->AsInteger(); };
    t->SetRecNo(3);
    t->Delete();
    t->SetRecNo(4);
    EXPECT_EQ(id(), 4);
    EXPECT_EQ(t->RecNo(), 4) << "after the gap the number is still the record's";
    t->SetRecNo(2);
    for (int missing : {3, 0, -1, 5}) {
        expectEngineError([&] { t->SetRecNo(missing); }, 5022);
        EXPECT_EQ(id(), 2) << missing;
    }
    t->Next();
    EXPECT_EQ(id(), 4) << "the engine's cursor stayed on record 2";
}

} // namespace
} // namespace datatest
