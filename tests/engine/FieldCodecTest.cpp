// Raw slot images of every engine type in both table families: the empty image, a value's image,
// and the value read back from it.
#include "engine/FieldCodec.h"

#include "engine/JulianDate.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ce::FieldDef;
using ce::TableFamily;
using ce::Value;
using Bytes = std::vector<unsigned char>;

FieldDef field(uint16_t type, uint32_t declared, TableFamily family, uint16_t decimals = 0) {
    FieldDef f;
    f.name = "F";
    f.type = type;
    f.length = ce::slotLength(type, declared, family);
    f.decimals = decimals;
    return f;
}

TEST(FieldCodecTest, EmptyImagesOfEveryType) {
    const struct {
        uint16_t type;
        uint32_t declared;
        TableFamily family;
        Bytes empty;
    } cases[] = {
        {ce::kLogical, 0, TableFamily::Vdt, {' '}},
        {ce::kNumeric, 4, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kDate, 0, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kString, 3, TableFamily::Vdt, {0, 0, 0}},
        {ce::kMemo, 0, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kBinary, 0, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kImage, 0, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kVarchar, 20, TableFamily::Vdt, {0, 0, 0, 0}},
        {ce::kCompactDate, 0, TableFamily::Vdt, {0, 0, 0}},
        {ce::kDouble, 0, TableFamily::Vdt, {0x20, 0, 0, 0, 0, 0, 0, 0x80}},
        {ce::kInteger, 0, TableFamily::Vdt, {0, 0, 0, 0x80}},
        {ce::kShortInt, 0, TableFamily::Vdt, {0, 0x80}},
        {ce::kTime, 0, TableFamily::Vdt, {0xFF, 0xFF, 0xFF, 0xFF}},
        {ce::kTimestamp, 0, TableFamily::Vdt, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {ce::kAutoinc, 0, TableFamily::Vdt, {0xFF, 0xFF, 0xFF, 0xFF}},
        {ce::kRaw, 2, TableFamily::Vdt, {0, 0}},
        {ce::kCurDouble, 0, TableFamily::Vdt, {0x20, 0, 0, 0, 0, 0, 0, 0x80}},
        {ce::kLogical, 0, TableFamily::Dbf, {' '}},
        {ce::kNumeric, 3, TableFamily::Dbf, {' ', ' ', ' '}},
        {ce::kDate, 0, TableFamily::Dbf, Bytes(8, ' ')},
        {ce::kString, 2, TableFamily::Dbf, {' ', ' '}},
        {ce::kMemo, 0, TableFamily::Dbf, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const FieldDef f = field(c.type, c.declared, c.family);
        ASSERT_EQ(f.length, c.empty.size()) << "type " << c.type;
        Bytes slot(f.length, 0xAA);
        ce::writeEmptySlot(f, c.family, slot.data());
        EXPECT_EQ(slot, c.empty) << "type " << c.type;
        EXPECT_TRUE(ce::isEmptySlot(f, c.family, slot.data())) << "type " << c.type;
        EXPECT_TRUE(ce::slotValue(f, c.family, slot.data()).isNull()) << "type " << c.type;
    }
    // Types outside the DBF family have no slot there.
    EXPECT_EQ(ce::slotLength(ce::kInteger, 0, TableFamily::Dbf), 0u);
    EXPECT_EQ(ce::slotLength(ce::kString, 0, TableFamily::Vdt), 0u);
}

TEST(FieldCodecTest, ValuesWriteTheirImagesAndReadBack) {
    const int64_t day = ce::julianFromDate({2024, 9, 17});
    const struct {
        uint16_t type;
        uint32_t declared;
        TableFamily family;
        Value value;
        Bytes image;
    } cases[] = {
        {ce::kLogical, 0, TableFamily::Vdt, Value::makeLogical(true), {'T'}},
        {ce::kNumeric, 6, TableFamily::Vdt, Value::makeNumber(-1.5), {' ', '-', '1', '.', '5', '0'}},
        {ce::kDate, 0, TableFamily::Vdt, Value::makeDate(day), {0x9B, 0x8B, 0x25, 0x00}},
        {ce::kDate, 0, TableFamily::Dbf, Value::makeDate(day), {'2', '0', '2', '4', '0', '9', '1', '7'}},
        {ce::kString, 4, TableFamily::Vdt, Value::makeText("ab"), {'a', 'b', ' ', ' '}},
        {ce::kCompactDate, 0, TableFamily::Vdt, Value::makeDate(day), {0x0F, 0xD1, 0x31}},
        {ce::kInteger, 0, TableFamily::Vdt, Value::makeNumber(-2), {0xFE, 0xFF, 0xFF, 0xFF}},
        {ce::kShortInt, 0, TableFamily::Vdt, Value::makeNumber(258), {2, 1}},
        {ce::kTime, 0, TableFamily::Vdt, Value::makeNumber(1000), {0xE8, 3, 0, 0}},
        {ce::kTimestamp, 0, TableFamily::Vdt, Value::makeTimestamp(2 * ce::kMillisecondsPerDay + 5), {2, 0, 0, 0, 5, 0, 0, 0}},
        {ce::kAutoinc, 0, TableFamily::Vdt, Value::makeNumber(7), {7, 0, 0, 0}},
        {ce::kRaw, 3, TableFamily::Vdt, Value::makeText("x"), {'x', 0, 0}},
        {ce::kDouble, 0, TableFamily::Vdt, Value::makeNumber(1.0), {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
    };
    for (const auto& c : cases) {
        const FieldDef f = field(c.type, c.declared, c.family, c.type == ce::kNumeric ? 2 : 0);
        Bytes slot(f.length, 0xAA);
        ASSERT_TRUE(ce::writeSlot(f, c.family, c.value, slot.data()).ok()) << "type " << c.type;
        EXPECT_EQ(slot, c.image) << "type " << c.type;
        EXPECT_FALSE(ce::isEmptySlot(f, c.family, slot.data())) << "type " << c.type;
        const Value back = ce::slotValue(f, c.family, slot.data());
        EXPECT_EQ(back.kind, c.value.kind) << "type " << c.type;
        EXPECT_EQ(back.number, c.value.number) << "type " << c.type;
        EXPECT_EQ(back.integer, c.value.integer) << "type " << c.type;
    }
}

TEST(FieldCodecTest, ValuesThatDoNotFitAreRefused) {
    Bytes slot(8);
    EXPECT_EQ(ce::writeSlot(field(ce::kNumeric, 4, TableFamily::Vdt, 2), TableFamily::Vdt, Value::makeNumber(123.5),
                            slot.data()).code(), ce::kInvalidColumnValue);
    EXPECT_EQ(ce::writeSlot(field(ce::kShortInt, 0, TableFamily::Vdt), TableFamily::Vdt, Value::makeNumber(40000),
                            slot.data()).code(), ce::kInvalidColumnValue);
    EXPECT_EQ(ce::writeSlot(field(ce::kTime, 0, TableFamily::Vdt), TableFamily::Vdt,
                            Value::makeNumber(ce::kMillisecondsPerDay), slot.data()).code(), ce::kInvalidColumnValue);
    EXPECT_EQ(ce::writeSlot(field(ce::kInteger, 0, TableFamily::Vdt), TableFamily::Vdt, Value::makeText("1"),
                            slot.data()).code(), ce::kInvalidColumnValue);
}

TEST(FieldCodecTest, LogicalSlotsReadTheUsualTrueLetters) {
    const FieldDef f = field(ce::kLogical, 0, TableFamily::Vdt);
    for (unsigned char c : {'1', 'T', 'Y', 't', 'y'})
        EXPECT_TRUE(ce::slotValue(f, TableFamily::Vdt, &c).logical) << c;
    for (unsigned char c : {'0', 'F', 'N', 'x'})
        EXPECT_FALSE(ce::slotValue(f, TableFamily::Vdt, &c).logical) << c;
}

} // namespace
