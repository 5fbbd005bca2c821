// The expression language on one record: operators, functions, null handling, prefix and exact
// string comparison, and the errors of parsing.
#include "engine/Expression.h"

#include "engine/FieldCodec.h"
#include "engine/JulianDate.h"
#include "engine/Settings.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using ce::FieldDef;
using ce::TableFamily;
using ce::Value;

class ExpressionTest : public testing::Test {
protected:
    void SetUp() override {
        std::vector<FieldDef> fields;
        auto add = [&](const char* name, uint16_t type, uint32_t length, uint16_t decimals = 0) {
            FieldDef f;
            f.name = name;
            f.type = type;
            f.length = ce::slotLength(type, length, TableFamily::Vdt);
            f.decimals = decimals;
            fields.push_back(f);
        };
        add("NAME", ce::kString, 10);
        add("N", ce::kInteger, 0);
        add("PRICE", ce::kNumeric, 8, 2);
        add("BORN", ce::kDate, 0);
        add("OK", ce::kLogical, 0);
        add("GAP", ce::kInteger, 0);
        layout_ = ce::RecordLayout(fields, TableFamily::Vdt);
        record_.assign(layout_.recordLength(), 0);
        layout_.writeEmptyRecord(record_.data());
        set(0, Value::makeText(base::utf8ToCp1251("Ёлка")));
        set(1, Value::makeNumber(42));
        set(2, Value::makeNumber(12.5));
        set(3, Value::makeDate(ce::julianFromDate({2001, 2, 3})));
        set(4, Value::makeLogical(true));
        saved_ = ce::settings();
        ce::settings().dateFormat = *ce::DateFormat::parse("dd.MM.yyyy");
    }

    void TearDown() override { ce::settings() = saved_; }

    void set(size_t field, const Value& value) {
        const FieldDef& f = layout_.fields()[field];
        ASSERT_TRUE(ce::writeSlot(f, TableFamily::Vdt, value, record_.data() + f.offset).ok());
    }

    bool test(const std::string& text, bool exact = false) {
        std::unique_ptr<ce::Expression> e;
        const ce::Status status = ce::Expression::parse(base::utf8ToCp1251(text), layout_, e);
        EXPECT_TRUE(status.ok()) << text << ": " << status.text();
        return e && e->test(ce::EvalContext{&layout_, record_.data(), exact});
    }

    uint32_t parseError(const std::string& text) {
        std::unique_ptr<ce::Expression> e;
        return ce::Expression::parse(text, layout_, e).code();
    }

    ce::RecordLayout layout_;
    std::vector<unsigned char> record_;
    ce::Settings saved_;
};

TEST_F(ExpressionTest, TrueExpressions) {
    const char* cases[] = {
        "N = 42", "n == 42", "N <> 41", "N # 41", "N != 41", "N > 41 .AND. N < 43", "N >= 42 AND N <= 42",
        "N = 40 OR N = 42", ".NOT. N = 1", "NOT (N = 1)", "!(N = 1)", "-N = -42", "N * 2 / 4 - 1 = 20",
        "PRICE = 12.5", "OK", "OK = .T.", ".TRUE.", "!.F.", "NAME = 'Ёл'", "NAME = \"ЁЛКА\" .OR. UPPER(NAME) = 'ЁЛКА'",
        "LOWER(NAME) = 'ёлка'", "TRIM(NAME) + '!' = 'Ёлка!'", "LEN(NAME) = 10", "LEN(TRIM(NAME)) = 4",
        "LEFT(NAME, 2) = 'Ёл'", "RIGHT(TRIM(NAME), 2) = 'ка'", "SUBSTR(NAME, 2, 2) == 'лк'", "AT('к', NAME) = 3",
        "'лк' $ NAME", "ALLTRIM('  a  ') == 'a'", "LTRIM('  a') == 'a'", "STR(N) = '     42.00'",
        "STR(N, 4) = '  42'", "STR(PRICE, 6, 1) = '  12.5'", "VAL('3.5') = 3.5", "BORN = CTOD('03.02.2001')",
        "DTOS(BORN) = '20010203'", "DTOC(BORN) = '03.02.2001'", "YEAR(BORN) = 2001 .AND. MONTH(BORN) = 2 .AND. DAY(BORN) = 3",
        "BORN + 1 > BORN", "BORN - CTOD('01.02.2001') = 2", "CTOT('01:00:00') = 3600000",
        "CTOTS('03.02.2001 00:00:01') > BORN", "EMPTY(GAP)", "ISNULL(GAP)", "!EMPTY(N)", "EMPTY('   ')",
        "IIF(N > 1, 'a', 'b') = 'a'", "'a' + CHR(34) + 'b' == 'a\"b'", "'x' + N = 'x42'",
    };
    for (const char* text : cases)
        EXPECT_TRUE(test(text)) << text;
}

TEST_F(ExpressionTest, FalseExpressions) {
    const char* cases[] = {
        "N = 41", "GAP = 0", "GAP <> 0", "GAP < 1", "NAME = 'Ёлкаx'", "NAME = 'ёл'", "OK = .F.", ".F.",
        "N > 41 AND N > 50", "CTOD('31.02.2001') = BORN", "'zz' $ NAME", "N = 1 / 0", "NAME = N",
        "BORN - 99999999999 > BORN", "CTOT('99999999999:00') = 0", "CTOT('25:00') = 0",
    };
    for (const char* text : cases)
        EXPECT_FALSE(test(text)) << text;
}

TEST_F(ExpressionTest, ExactModeComparesWholeTrimmedStrings) {
    EXPECT_TRUE(test("NAME = 'Ёл'", /*exact=*/false));
    EXPECT_FALSE(test("NAME = 'Ёл'", /*exact=*/true));
    EXPECT_TRUE(test("NAME = 'Ёлка'", /*exact=*/true));
    EXPECT_TRUE(test("NAME = ''", /*exact=*/false));
}

TEST_F(ExpressionTest, ParseErrorsHaveTheirCodes) {
    const struct {
        const char* text;
        uint32_t code;
    } cases[] = {
        {"N =", 5070},     {"(N = 1", 5070},    {"N = 'abc", 5070},      {"FOO = 1", 5070},
        {"LEN() = 1", 5070}, {"N = 1 1", 5070}, {"N @ 1", 5070},         {".X. = 1", 5070},
        {"NOSUCH(N)", 5070}, {"N + 1", 5071},   {"'text'", 5071},        {"NAME", 5071},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseError(c.text), c.code) << c.text;
}

TEST_F(ExpressionTest, NestingDeeperThanAnyFilterIsASyntaxErrorNotAStackOverflow) {
    const auto repeat = [](const std::string& piece, int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += piece;
        return text;
    };
    const int deep = 100000;
    for (const std::string& text : {repeat("(", deep) + "N = 1" + repeat(")", deep),
                                    repeat("NOT ", deep) + "N = 1", "N = " + repeat("-", deep) + "1"})
        EXPECT_EQ(parseError(text), 5070u) << text.substr(0, 12);
    EXPECT_TRUE(test(repeat("(", 100) + "N = 42" + repeat(")", 100)));
}

} // namespace
