// Keys compare as bytes in the order of their values: signed numbers, doubles, dates, strings with
// and without case, descending orders, and empty fields first.
#include "engine/IndexDef.h"

#include "engine/FieldCodec.h"
#include "engine/JulianDate.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

using ce::TableFamily;
using ce::Value;

class IndexDefTest : public testing::Test {
protected:
    // The key of a one-field index over a field of the given type.
    std::string key(uint16_t type, const Value& value, bool upper = false, bool descending = false) {
        ce::FieldDef f;
        f.name = "F";
        f.type = type;
        f.length = ce::slotLength(type, 6, TableFamily::Vdt);
        const ce::RecordLayout layout({f}, TableFamily::Vdt);
        std::vector<unsigned char> record(layout.recordLength());
        layout.writeEmptyRecord(record.data());
        EXPECT_TRUE(ce::writeSlot(layout.fields()[0], TableFamily::Vdt, value, record.data()).ok());
        ce::IndexDef def;
        def.tag = "T";
        def.segments.push_back({0, upper, 0});
        def.flags = descending ? static_cast<uint32_t>(ce::kIndexDescending) : 0u;
        EXPECT_TRUE(def.computeWidths(layout));
        return def.recordKey(layout, record.data());
    }

    void expectAscending(uint16_t type, const std::vector<Value>& values, bool descending = false) {
        for (size_t i = 1; i < values.size(); ++i) {
            const std::string a = key(type, values[i - 1], false, descending);
            const std::string b = key(type, values[i], false, descending);
            EXPECT_TRUE(descending ? a > b : a < b) << "type " << type << " at " << i;
        }
    }
};

TEST_F(IndexDefTest, NumbersDatesAndLogicalsSortByValueWithEmptyFirst) {
    const std::vector<Value> numbers = {Value(), Value::makeNumber(-1e9), Value::makeNumber(-2), Value::makeNumber(0),
                                        Value::makeNumber(3), Value::makeNumber(70000)};
    expectAscending(ce::kInteger, numbers);
    expectAscending(ce::kInteger, numbers, /*descending=*/true);
    expectAscending(ce::kDouble, {Value(), Value::makeNumber(-1e300), Value::makeNumber(-0.5), Value::makeNumber(0.25),
                                  Value::makeNumber(1e300)});
    expectAscending(ce::kNumeric, {Value(), Value::makeNumber(-99), Value::makeNumber(-1), Value::makeNumber(5)});
    expectAscending(ce::kShortInt, {Value(), Value::makeNumber(-300), Value::makeNumber(2), Value::makeNumber(300)});
    expectAscending(ce::kDate, {Value(), Value::makeDate(1721426), Value::makeDate(2415019), Value::makeDate(2460000)});
    expectAscending(ce::kTimestamp, {Value(), Value::makeTimestamp(5), Value::makeTimestamp(ce::kMillisecondsPerDay)});
    expectAscending(ce::kLogical, {Value(), Value::makeLogical(false), Value::makeLogical(true)});
}

TEST_F(IndexDefTest, StringsSortCaseInsensitivelyOnlyWhenUpper) {
    const std::string lower = base::utf8ToCp1251("ёж");
    const std::string upper = base::utf8ToCp1251("ЁЖ");
    EXPECT_EQ(key(ce::kString, Value::makeText(lower), true), key(ce::kString, Value::makeText(upper), true));
    EXPECT_NE(key(ce::kString, Value::makeText(lower)), key(ce::kString, Value::makeText(upper)));
    // Ё sorts between Е and Ж, and a shorter text before a longer one with the same start.
    const std::vector<std::string> words = {"Е", "ЕЯ", "Ё", "ж", "Я"};
    for (size_t i = 1; i < words.size(); ++i)
        EXPECT_LT(key(ce::kString, Value::makeText(base::utf8ToCp1251(words[i - 1])), true),
                  key(ce::kString, Value::makeText(base::utf8ToCp1251(words[i])), true))
            << words[i];
}

// Orders compare records with keys without making them: the sign must be memcmp's on the made key,
// for every cut of the key, with case, descending, numbers, empty strings and zero bytes.
TEST_F(IndexDefTest, RecordsCompareWithKeysAsTheirMadeKeysDo) {
    ce::FieldDef name;
    name.name = "NAME";
    name.type = ce::kString;
    name.length = 5;
    ce::FieldDef number;
    number.name = "N";
    number.type = ce::kInteger;
    number.length = ce::slotLength(ce::kInteger, 4, TableFamily::Vdt);
    const ce::RecordLayout layout({name, number}, TableFamily::Vdt);
    const std::vector<std::pair<std::string, Value>> rows = {
        {"", Value::makeNumber(1)},   {"абв", Value::makeNumber(-7)}, {"АБВ", Value::makeNumber(7)},
        {"ab", Value()},              {"Ёж", Value::makeNumber(0)},   {std::string("a\0b", 3), Value::makeNumber(2)},
        {"zzzzz", Value::makeNumber(-2147483647)}};
    const auto sign = [](int c) { return (c > 0) - (c < 0); };
    for (const bool upper : {false, true})
        for (const bool descending : {false, true}) {
            ce::IndexDef def;
            def.segments = {{0, upper, 0}, {1, false, 0}};
            def.flags = descending ? static_cast<uint32_t>(ce::kIndexDescending) : 0u;
            ASSERT_TRUE(def.computeWidths(layout));
            std::vector<std::vector<unsigned char>> records;
            std::vector<std::string> keys;
            for (const auto& [text, value] : rows) {
                std::vector<unsigned char> record(layout.recordLength());
                layout.writeEmptyRecord(record.data());
                if (!text.empty()) {
                    ASSERT_TRUE(ce::writeSlot(layout.fields()[0], TableFamily::Vdt,
                                              Value::makeText(base::utf8ToCp1251(text)), record.data()).ok());
                }
                ASSERT_TRUE(ce::writeSlot(layout.fields()[1], TableFamily::Vdt, value, record.data()).ok());
                keys.push_back(def.recordKey(layout, record.data()));
                records.push_back(std::move(record));
            }
            for (const auto& record : records)
                for (const std::string& key : keys)
                    for (size_t cut = 0; cut <= key.size(); ++cut) {
                        const std::string made = def.recordKey(layout, record.data());
                        EXPECT_EQ(sign(def.compareKey(layout, record.data(), key.substr(0, cut))),
                                  sign(std::memcmp(made.data(), key.data(), cut)))
                            << "upper " << upper << ", descending " << descending << ", cut " << cut;
                    }
        }
}

TEST_F(IndexDefTest, KeysLongerThanTheLimitAreRefused) {
    ce::FieldDef f;
    f.name = "S";
    f.type = ce::kString;
    f.length = 200;
    ce::FieldDef g = f;
    g.name = "T";
    const ce::RecordLayout layout({f, g}, TableFamily::Vdt);
    ce::IndexDef def;
    def.segments = {{0, false, 0}, {1, false, 0}};
    EXPECT_FALSE(def.computeWidths(layout));
    def.segments = {{0, false, 0}};
    EXPECT_TRUE(def.computeWidths(layout));
    EXPECT_EQ(def.keyLength, 200u);
}

} // namespace
