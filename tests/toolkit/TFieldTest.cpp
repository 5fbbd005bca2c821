// The field base (values, validation, text events, layout changes) and every typed field's
// buffer, conversions and refusals.
#include "toolkit/TField.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/MemoryDataSet.h"
#include "support/ThrownText.h"
#include "RecordingDataLink.h"
#include "toolkit/TBooleanField.h"
#include "toolkit/TDataSource.h"
#include "toolkit/TDateTime.h"
#include "toolkit/TFloatField.h"
#include "toolkit/TIntegerField.h"
#include "toolkit/TStringField.h"

namespace {

using tktest::MemoryDataSet;

class TFieldTest : public testing::Test {
protected:
    TFieldTest() {
        data.addRow({Variant(1), Variant("One")});
        data.addRow({Variant(2), Variant()});
        data.SetName("Items");
    }
    TComponent owner{nullptr};
    MemoryDataSet data{&owner, {{"Id", ftInteger}, {"Name", ftString, 10}}};
};

TEST_F(TFieldTest, FieldWithoutDatasetRefusesValues) {
    TIntegerField field(&owner);
    field.SetFieldName("Lonely");
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { (void)field.AsInteger(); }), "Field 'Lonely' has no dataset");
}

TEST_F(TFieldTest, NullAndVariantValues) {
    data.Open();
    TField* name = data.FieldByName("Name");
    EXPECT_FALSE(name->IsNull());
    EXPECT_EQ(name->AsVariant().AsString(), "One");
    data.Next();
    EXPECT_TRUE(name->IsNull());
    EXPECT_TRUE(name->AsVariant().IsNull());
    EXPECT_EQ(name->AsString(), "");
    data.Edit();
    name->SetValue(Variant("Two"));
    EXPECT_EQ(name->AsString(), "Two");
    name->SetValue(Variant::Null());
    EXPECT_TRUE(name->IsNull());
    name->SetValue(Variant("x"));
    name->Clear();
    EXPECT_TRUE(name->IsNull());
}

TEST_F(TFieldTest, ValidateSeesTheNewValueAndMayRefuseIt) {
    data.Open();
    TField* id = data.FieldByName("Id");
    std::vector<int> seen;
    id->OnValidate = [&](TField* f) {
        seen.push_back(f->AsInteger());
        if (f->AsInteger() < 0)
            throw EDatabaseError("negative");
    };
    data.Edit();
    id->SetAsInteger(5);
    EXPECT_THROW(id->SetAsInteger(-1), EDatabaseError);
    EXPECT_EQ(seen, (std::vector<int>{5, -1}));
    EXPECT_EQ(id->AsInteger(), 5) << "a refused value is not stored";
}

TEST_F(TFieldTest, TextGoesThroughTheTextEvents) {
    data.Open();
    TField* name = data.FieldByName("Name");
    name->OnGetText = [](TField* f, AnsiString& text, bool display) { text = (display ? "<" : "[") + f->AsString() + (display ? ">" : "]"); };
    EXPECT_EQ(name->DisplayText(), "<One>");
    EXPECT_EQ(name->Text(), "[One]");
    name->OnSetText = [](TField* f, const AnsiString& text) { f->SetAsString(text + "!"); };
    data.Edit();
    name->SetText("Hey");
    EXPECT_EQ(name->AsString(), "Hey!");
}

TEST_F(TFieldTest, ChangeEventFollowsAStoredValue) {
    data.Open();
    TField* name = data.FieldByName("Name");
    int changes = 0;
    name->OnChange = [&](TField*) { ++changes; };
    data.Edit();
    name->SetAsString("New");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(data.Modified());
}

TEST_F(TFieldTest, AssignCopiesAnotherFieldsValue) {
    MemoryDataSet other(&owner, {{"Name", ftString, 10}});
    other.addRow({Variant("Copy")});
    other.Open();
    data.Open();
    data.Edit();
    data.FieldByName("Name")->Assign(*other.FieldByName("Name"));
    EXPECT_EQ(data.FieldByName("Name")->AsString(), "Copy");
}

TEST_F(TFieldTest, AccessAsAnotherTypeNamesTheField) {
    data.Open();
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { (void)data.FieldByName("Id")->AsBoolean(); }),
              "Cannot access field 'Id' as type Boolean");
}

TEST_F(TFieldTest, VisibilityAndOrderChangesAskTheGridForANewLayout) {
    TDataSource source(&owner);
    source.SetDataSet(&data);
    tktest::RecordingDataLink grid;
    grid.SetDataSource(&source);
    data.Open();
    grid.clear();
    TField* name = data.FieldByName("Name");
    name->SetIndex(0);
    EXPECT_EQ(data.Fields()[0], name);
    EXPECT_EQ(name->Index(), 0);
    name->SetVisible(false);
    name->SetDisplayWidth(30);
    EXPECT_EQ(grid.count("layoutChanged"), 3);
    EXPECT_EQ(name->DisplayWidth(), 30);
    EXPECT_EQ(data.FieldByName("Id")->DisplayWidth(), 11);
}

TEST_F(TFieldTest, PersistentFieldsRefuseDuplicateNamesAndOpenDatasets) {
    auto* id = new TIntegerField(&owner);
    id->SetFieldName("Id");
    id->SetDataSet(&data);
    auto* again = new TIntegerField(&owner);
    again->SetFieldName("ID");
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { again->SetDataSet(&data); }), "Items: Duplicate field name 'ID'");
    data.Open();
    auto* late = new TStringField(&owner);
    late->SetFieldName("Name");
    EXPECT_THROW(late->SetDataSet(&data), EDatabaseError);
    EXPECT_EQ(id->FieldNo(), 1);
    data.Close();
    EXPECT_EQ(id->FieldNo(), 0);
    delete id;
    EXPECT_EQ(data.FieldCount(), 0) << "a freed field leaves its dataset";
}

TEST_F(TFieldTest, MismatchedPersistentFieldTypeFailsTheOpen) {
    auto* name = new TIntegerField(&owner);
    name->SetFieldName("Name");
    name->SetDataSet(&data);
    EXPECT_THROW(data.Open(), EDatabaseError);
    EXPECT_FALSE(data.Active());
}

TEST_F(TFieldTest, ReadOnlyFieldCannotBeModified) {
    data.Open();
    TField* id = data.FieldByName("Id");
    id->SetReadOnly(true);
    EXPECT_FALSE(id->CanModify());
    data.Edit();
    EXPECT_EQ(tktest::thrownText<EDatabaseError>([&] { id->SetAsInteger(3); }), "Field 'Id' cannot be modified");
}

// Every kind of typed field in one dataset: each row writes through one setter and reads back
// through another (the field-buffer bytes included), or gives the refusal's message.
class TypedFieldTest : public testing::Test {
protected:
    struct Case {
        const char* field;
        std::function<void(TField&)> set;
        AnsiString expected; // what `read` gives, or "!" and the message of the refusal
        std::function<AnsiString(TField&)> read = [](TField& f) { return f.IsNull() ? AnsiString("null") : f.AsString(); };
    };

    static AnsiString bytes(TField& f) {
        std::string raw(static_cast<std::size_t>(f.DataSize()), '\0');
        if (!f.GetData(raw.data()))
            return "null";
        AnsiString hex;
        for (unsigned char c : raw)
            hex += "0123456789abcdef"[c >> 4] + std::string(1, "0123456789abcdef"[c & 15]);
        return hex;
    }
    static AnsiString number(double v) { return std::to_string(v); }
    static std::function<void(TField&)> text(AnsiString v) { return [v](TField& f) { f.SetAsString(v); }; }
    static std::function<void(TField&)> integer(int v) { return [v](TField& f) { f.SetAsInteger(v); }; }
    static std::function<void(TField&)> real(double v) { return [v](TField& f) { f.SetAsFloat(v); }; }

    void run(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.field << " expecting " << c.expected);
            TComponent owner(nullptr);
            MemoryDataSet data(&owner, {{"I", ftInteger}, {"S", ftSmallint}, {"W", ftWord}, {"Str", ftString, 5},
                                        {"F", ftFloat}, {"C", ftCurrency}, {"B", ftBoolean}, {"D", ftDate},
                                        {"T", ftTime}, {"DT", ftDateTime}, {"Raw", ftBytes, 4}});
            data.addRow({Variant(1), Variant(2), Variant(3), Variant("abc"), Variant(1.5), Variant(1234.5), Variant(true),
                         Variant(DateDelta + 1), Variant(43200000), Variant(double(DateDelta) * MSecsPerDay)});
            data.Open();
            data.Edit();
            TField& f = *data.FieldByName(c.field);
            AnsiString got;
            const std::string refusal = tktest::thrownText<Exception>([&] {
                if (c.set)
                    c.set(f);
                got = c.read(f);
            });
            EXPECT_EQ(refusal == "(nothing thrown)" ? got : "!" + refusal, c.expected);
        }
    }
};

TEST_F(TypedFieldTest, IntegersKeepToTheirTypesRangeAndConvert) {
    const auto asInteger = [](TField& f) { return std::to_string(f.AsInteger()); };
    run({
        {"I", nullptr, "01000000", bytes},
        {"S", integer(-2), "feff", bytes},
        {"W", integer(65535), "65535"},
        {"S", integer(32768), "!32768 is not a valid value for field 'S'. The allowed range is -32768 to 32767"},
        {"W", integer(-1), "!-1 is not a valid value for field 'W'. The allowed range is 0 to 65535"},
        {"I", real(3e9), "!3000000000 is not a valid value for field 'I'. The allowed range is -2147483648 to 2147483647"},
        {"I", [](TField& f) {
             static_cast<TIntegerField&>(f).SetMinValue(1);
             static_cast<TIntegerField&>(f).SetMaxValue(10);
             f.SetAsInteger(11);
         }, "!11 is not a valid value for field 'I'. The allowed range is 1 to 10"},
        {"I", text("123"), "123"},
        {"I", real(2.5), "2"}, // halves round to even
        {"I", text(""), "null"},
        {"I", text("12a"), "!'12a' is not a valid integer value"},
        {"I", [](TField& f) { f.SetValue(Variant("7")); }, "7", [](TField& f) { return std::to_string(f.AsVariant().AsInteger()); }},
        {"Str", integer(-42), "-42", asInteger},
        {"Str", text("x1"), "!'x1' is not a valid integer value", asInteger},
        {"F", real(0.5), "0", asInteger},
    });
}

TEST_F(TypedFieldTest, StringsAreCutToTheirSizeAndConvertThroughTheDisplayFormats) {
    const auto asBoolean = [](TField& f) { return AnsiString(f.AsBoolean() ? "yes" : "no"); };
    run({
        {"Str", text("abcdefgh"), "abcde"},
        {"Str", text("abcdefgh"), "616263646500", bytes},
        {"Str", text(""), ""}, // the empty text is a value, not null
        {"Str", text(tk::fromUtf8("Улица")), tk::fromUtf8("Улица")},
        {"Str", real(2.5), "2,5"},
        {"Str", real(2.5), number(2.5), [](TField& f) { return number(f.AsFloat()); }},
        {"Str", [](TField& f) { f.SetAsBoolean(true); }, "T"},
        {"Str", text("T"), "yes", asBoolean},
        {"Str", text("yes"), "yes", asBoolean},
        {"Str", text("no"), "no", asBoolean},
    });
}

TEST_F(TypedFieldTest, FloatsUseTheDisplaySeparatorAndRefuseNonNumbers) {
    const auto display = [](TField& f) { return f.DisplayText(); };
    run({
        {"F", nullptr, "1,5"},
        {"F", text("3,25"), "3,25"},
        {"F", text("3.25"), "!'3.25' is not a valid floating point value"},
        {"F", [](TField& f) {
             f.SetAsFloat(1.0 / 3.0);
             static_cast<TFloatField&>(f).SetPrecision(4);
         }, "0,3333", display},
        {"C", nullptr, "1\xA0" "234,50", display},
        {"C", nullptr, std::to_string(varCurrency), [](TField& f) { return std::to_string(f.AsVariant().VarType()); }},
        {"F", real(std::numeric_limits<double>::quiet_NaN()), "!NAN is not a valid value for field 'F'. The allowed range is -1,79769313486232E308 to 1,79769313486232E308"},
        {"F", [](TField& f) {
             static_cast<TFloatField&>(f).SetMinValue(-1);
             static_cast<TFloatField&>(f).SetMaxValue(1);
             f.SetAsFloat(1.5);
         }, "!1,5 is not a valid value for field 'F'. The allowed range is -1 to 1"},
        {"F", text(""), "null"},
    });
}

TEST_F(TypedFieldTest, BooleansHoldMinusOneOrZeroAndReadTheirDisplayValues) {
    run({
        {"B", nullptr, "ffff", bytes},
        {"B", [](TField& f) { f.SetAsBoolean(false); }, "0000", bytes},
        {"B", nullptr, "True"},
        {"B", text("f"), "False"},
        {"B", [](TField& f) {
             static_cast<TBooleanField&>(f).SetDisplayValues(tk::fromUtf8("Да;Нет"));
             f.SetAsString(tk::fromUtf8("да"));
         }, tk::fromUtf8("Да")},
        {"B", text("maybe"), "!'maybe' is not a valid boolean value for field 'B'"},
        {"B", text(""), "null"},
    });
}

TEST_F(TypedFieldTest, DatesAndTimesHoldDayCountsAndMilliseconds) {
    const auto asDateTime = [](TField& f) { return number(f.AsDateTime()); };
    const auto milliseconds = [](TField& f) {
        double ms = 0;
        return f.GetData(&ms) ? number(ms) : "null";
    };
    run({
        {"D", nullptr, number(1), asDateTime}, // day count 693595 is 31 December 1899
        {"T", nullptr, number(0.5), asDateTime},
        {"DT", nullptr, number(0), asDateTime},
        {"D", [](TField& f) { f.SetAsDateTime(EncodeDate(2024, 3, 1)); }, "82460b00", bytes},
        {"DT", [](TField& f) { f.SetAsDateTime(EncodeDate(1900, 1, 1) + 0.25); }, number(693596.0 * 86400000.0 + 21600000.0), milliseconds},
        {"DT", [](TField& f) { f.SetAsDateTime(EncodeDate(1900, 1, 1) + 0.25); }, number(EncodeDate(1900, 1, 1) + 0.25), asDateTime},
        {"D", text("05.06.2007"), "05.06.2007"},
        {"T", text("13:45"), "13:45:00"},
        {"DT", text("01.02.2003 04:05:06"), "01.02.2003 4:05:06"},
        {"D", text("31.02.2003"), "!'31.02.2003' is not a valid date"},
        {"D", text(""), "null"},
        {"DT", nullptr, std::to_string(varDate), [](TField& f) { return std::to_string(f.AsVariant().VarType()); }},
        {"D", [](TField& f) {
             const std::int32_t zero = 0;
             f.SetData(&zero);
         }, "!'0.0' is not a valid timestamp", asDateTime},
    });
}

TEST_F(TypedFieldTest, BytesAreCutOrPaddedToExactlyTheirSize) {
    run({
        {"Raw", nullptr, "null"},
        {"Raw", nullptr, "null", bytes},
        {"Raw", text(std::string("\x01\x00\x02\x03\x04\x05", 6)), "01000203", bytes},
        {"Raw", text("\x07"), "07000000", bytes},
        {"Raw", text("\x07"), std::to_string(varBytes), [](TField& f) { return std::to_string(f.AsVariant().VarType()); }},
    });
}

TEST(TDateTimeFieldTest, LocateTakesADateKeyAsValueOrText) {
    TComponent owner(nullptr);
    MemoryDataSet data(&owner, {{"D", ftDate}});
    data.addRow({Variant(DateDelta + 1)});
    data.Open();
    EXPECT_TRUE(data.Locate("D", Variant::Date(1.0), 0));
    EXPECT_TRUE(data.Locate("D", Variant("31.12.1899"), 0));
    EXPECT_FALSE(data.Locate("D", Variant("01.01.1900"), 0));
    EXPECT_FALSE(data.Locate("D", Variant("not a date"), 0));
}

} // namespace
