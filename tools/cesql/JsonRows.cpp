// Rows read through the engine's C functions: field descriptions once, then each record's raw
// image decoded by the engine's own field codec.
#include "cesql/JsonRows.h"

#include "engine/FieldCodec.h"
#include "engine/JulianDate.h"

#include "base/CodePage.h"
#include "jsontext/JsonText.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace cesql {
namespace {

std::string number(double n) {
    if (!std::isfinite(n))
        return "null";
    char text[40];
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", n);
    else
        std::snprintf(text, sizeof text, "%.15g", n);
    return text;
}

std::string date(int64_t julian) {
    const ce::CalendarDate d = ce::dateFromJulian(julian);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string timeOfDay(int64_t ms) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                  static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000));
    return text;
}

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

CERESULT describe(CEHANDLE cursor, std::vector<ce::FieldDef>& fields) {
    uint16_t count = 0;
    if (CERESULT rc = CeGetNumFields(cursor, &count))
        return rc;
    for (uint16_t i = 1; i <= count; ++i) {
        ce::FieldDef def;
        char name[260];
        uint32_t length = sizeof name;
        if (CERESULT rc = CeGetFieldName(cursor, i, name, &length))
            return rc;
        def.name.assign(name, length);
        if (CERESULT rc = CeGetFieldType(cursor, CE_FIELDNO(i), &def.type))
            return rc;
        if (CERESULT rc = CeGetFieldLength(cursor, CE_FIELDNO(i), &def.length))
            return rc;
        if (CERESULT rc = CeGetFieldDecimals(cursor, CE_FIELDNO(i), &def.decimals))
            return rc;
        if (CERESULT rc = CeGetFieldOffset(cursor, CE_FIELDNO(i), &def.offset))
            return rc;
        fields.push_back(std::move(def));
    }
    return 0;
}

CERESULT blobValue(CEHANDLE cursor, uint16_t number, const ce::FieldDef& def, std::string& json) {
    uint32_t length = 0;
    if (CERESULT rc = CeGetMemoLength(cursor, CE_FIELDNO(number), &length))
        return rc;
    if (length == 0) {
        json = "null";
        return 0;
    }
    std::string content(length, '\0');
    if (CERESULT rc = CeGetField(cursor, CE_FIELDNO(number), content.data(), &length, 2))
        return rc;
    content.resize(length);
    const bool text = def.type == ce::kMemo || def.type == ce::kVarchar;
    json = text ? jsontext::quoted(base::cp1251ToUtf8(content)) : jsontext::quoted(hex(content));
    return 0;
}

std::string slotJson(const ce::FieldDef& def, const unsigned char* slot) {
    const ce::Value value = ce::slotValue(def, ce::TableFamily::Vdt, slot);
    switch (value.kind) {
    case ce::Value::Kind::Null:
        return "null";
    case ce::Value::Kind::Text: {
        std::string text = value.text;
        if (def.type == ce::kRaw)
            return jsontext::quoted(hex(text));
        while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
            text.pop_back();
        return jsontext::quoted(base::cp1251ToUtf8(text));
    }
    case ce::Value::Kind::Logical:
        return value.logical ? "true" : "false";
    case ce::Value::Kind::Date:
        return jsontext::quoted(date(value.integer));
    case ce::Value::Kind::Timestamp:
        return jsontext::quoted(date(value.integer / ce::kMillisecondsPerDay) + " " + timeOfDay(value.integer % ce::kMillisecondsPerDay));
    case ce::Value::Kind::Number:
        return def.type == ce::kTime ? jsontext::quoted(timeOfDay(static_cast<int64_t>(value.number))) : number(value.number);
    }
    return "null";
}

} // namespace

CERESULT writeRows(CEHANDLE cursor, std::ostream& out) {
    std::vector<ce::FieldDef> fields;
    if (CERESULT rc = describe(cursor, fields))
        return rc;
    uint32_t recordLength = 0;
    if (CERESULT rc = CeGetRecordLength(cursor, &recordLength))
        return rc;
    std::vector<unsigned char> row(recordLength);
    if (CERESULT rc = CeGotoTop(cursor))
        return rc;
    for (;;) {
        uint16_t eof = 0;
        if (CERESULT rc = CeAtEOF(cursor, &eof))
            return rc;
        if (eof)
            return 0;
        uint32_t length = recordLength;
        if (CERESULT rc = CeGetRecord(cursor, row.data(), &length))
            return rc;
        std::string line = "{";
        for (size_t i = 0; i < fields.size(); ++i) {
            std::string value;
            if (ce::isBlobType(fields[i].type)) {
                if (CERESULT rc = blobValue(cursor, static_cast<uint16_t>(i + 1), fields[i], value))
                    return rc;
            } else {
                value = slotJson(fields[i], row.data() + fields[i].offset);
            }
            line += (i ? "," : "") + jsontext::quoted(base::cp1251ToUtf8(fields[i].name)) + ":" + value;
        }
        out << line << "}\n";
        if (CERESULT rc = CeSkip(cursor, 1))
            return rc;
    }
}

} // namespace cesql
