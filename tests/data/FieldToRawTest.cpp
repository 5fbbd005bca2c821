// Field-buffer values into raw slots, from one table: numeric texts and their refusals, empty
// strings in both families, compact dates, timestamps and the null images. Defaults are
// checked where a new row takes them (TDbDataSetEditingTest).
#include "data/FieldToRaw.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "data/DbTexts.h"

namespace {

TEngineFieldDef field(uint16_t type, uint32_t length, uint16_t decimals = 0) {
    TEngineFieldDef def;
    def.EngineType = type;
    def.Length = length;
    def.Decimals = decimals;
    return def;
}

template <class T>
std::string bytesOf(T value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

TEST(FieldToRawTest, ValuesAndNullsGiveTheEnginesImages) {
    const double big = 12345.678;
    const double huge = 1e30;
    const int32_t day = 730120; // 1 January 2000
    const double stamp = 730120.0 * 86400000.0 + 8250000.0;
    const struct {
        TEngineFieldDef def;
        bool vdt;
        TFieldType type;
        const void* value;
        std::string raw;          // expected slot, when stored
        const char* refusal;      // expected refusal text, or null
    } cases[] = {
        {field(db::ceNumeric, 8, 2), true, ftFloat, &big, "12345.68", nullptr},
        {field(db::ceNumeric, 7, 2), true, ftFloat, &big, "", db::SNumericOutOfRange},
        {field(db::ceNumeric, 8, 0), true, ftFloat, &huge, "", db::SNumericOutOfRange},
        {field(db::ceString, 4), true, ftString, "", std::string(4, '\0'), nullptr},
        {field(db::ceString, 4), false, ftString, "", "    ", nullptr},
        {field(db::ceString, 4), true, ftString, "ab", "ab  ", nullptr},
        {field(db::ceCompactDate, 3), true, ftDate, &day, "\x0F\xA0\x21", nullptr},
        {field(db::ceTimestamp, 8), true, ftDateTime, &stamp,
         bytesOf(uint32_t(730120 + 1721425)) + bytesOf(uint32_t(8250000)), nullptr},
        {field(db::ceInteger, 4), true, ftInteger, nullptr, bytesOf(uint32_t(0x80000000u)), nullptr},
        {field(db::ceDouble, 8), true, ftFloat, nullptr, bytesOf(uint32_t(0x20)) + bytesOf(uint32_t(0x80000000u)),
         nullptr},
        {field(db::ceShortInt, 2), true, ftSmallint, nullptr, bytesOf(uint16_t(0x8000)), nullptr},
        {field(db::ceTimestamp, 8), true, ftDateTime, nullptr, bytesOf(uint32_t(0)) + bytesOf(uint32_t(0xFFFFFFFFu)),
         nullptr},
        {field(db::ceLogical, 1), true, ftBoolean, nullptr, " ", nullptr},
        {field(db::ceNumeric, 3), false, ftSmallint, nullptr, "   ", nullptr},
        {field(db::ceInteger, 4), false, ftInteger, nullptr, std::string(4, '\0'), nullptr},
    };
    for (const auto& c : cases) {
        std::string slot(c.def.Length, 'x');
        const char* refusal = db::fieldToRaw(c.def, c.vdt, c.type, c.value, slot.data());
        EXPECT_STREQ(refusal, c.refusal) << "type " << c.def.EngineType;
        if (c.refusal == nullptr) {
            EXPECT_EQ(slot, c.raw) << "type " << c.def.EngineType << (c.vdt ? " VDT" : " DBF");
        }
    }
}

} // namespace
