// Ce* entry points that read and write the current record, its blobs and its locks, and the
// engine's date-text conversions. Handles opened with char type 2 see strings and memos in CP866;
// the image keeps CP1251.
#include "engine/CeEngine.h"

#include "engine/EngineCall.h"
#include "engine/FieldCodec.h"
#include "engine/JulianDate.h"

#include "base/CodePage.h"

#include <cmath>
#include <cstring>
#include <vector>

using namespace ce;

namespace {

std::string toOem(std::string_view ansi) { return base::utf8ToCp866(base::cp1251ToUtf8(ansi)); }
std::string fromOem(std::string_view oem) { return base::utf8ToCp1251(base::cp866ToUtf8(oem)); }

Status currentRow(const TableCursor& cursor, const unsigned char*& row) {
    row = cursor.currentRow();
    return row ? Status() : Status(kNoCurrentRecord);
}

template <class Body>
CERESULT withField(CEHANDLE table, CEFIELD field, Body body) {
    return withTable(table, [&](TableCursor& c) -> Status {
        int index = 0;
        CE_TRY(fieldOf(c, field, index));
        return body(c, index, c.layout().fields()[static_cast<size_t>(index)]);
    });
}

Status readField(const TableCursor& c, int index, const FieldDef& def, void* buffer, uint32_t* length, uint16_t trim) {
    if (isBlobType(def.type)) {
        std::string content;
        bool isText = false;
        CE_TRY(c.readBlob(index, content, isText));
        if (isText && c.charType() == 2)
            content = toOem(content);
        return copyBytes(content, buffer, length);
    }
    if (def.type != kString)
        return Status(kInvalidArgument, "Field \"" + def.name + "\" has no text form; read the raw record");
    const unsigned char* row = nullptr;
    CE_TRY(currentRow(c, row));
    std::string text(reinterpret_cast<const char*>(row + def.offset), def.length);
    if (const size_t zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    if (trim == 1)
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
    return copyText(text, static_cast<char*>(buffer), length);
}

} // namespace

Status ce::writeFieldText(TableCursor& c, int index, const FieldDef& def, const void* buffer, uint32_t length) {
    if (!buffer && length > 0)
        return nullArgument();
    std::string text(static_cast<const char*>(buffer), length);
    if (isBlobType(def.type)) {
        const bool isText = def.type == kMemo || def.type == kVarchar;
        return c.setBlob(index, isText && c.charType() == 2 ? fromOem(text) : text);
    }
    if (def.type == kString) {
        if (const size_t zero = text.find('\0'); zero != std::string::npos)
            text.resize(zero);
        return c.setFieldValue(index, Value::makeText(text));
    }
    const std::optional<Value> value = textValue(def, text);
    if (!value)
        return Status(kInvalidColumnValue, "Value not valid for column \"" + def.name + "\"");
    return c.setFieldValue(index, *value);
}

namespace {

Status blobLength(const TableCursor& c, int index, uint32_t* length) {
    if (!length)
        return nullArgument();
    std::string content;
    bool isText = false;
    CE_TRY(c.readBlob(index, content, isText));
    *length = static_cast<uint32_t>(content.size());
    return {};
}

} // namespace

CERESULT CeGetRecord(CEHANDLE table, void* buffer, uint32_t* length) {
    return withTable(table, [&](TableCursor& c) -> Status {
        const unsigned char* row = nullptr;
        CE_TRY(currentRow(c, row));
        const uint32_t size = c.layout().recordLength();
        CE_TRY(copyBytes(std::string_view(reinterpret_cast<const char*>(row), size), buffer, length));
        if (c.charType() != 2)
            return {};
        for (const FieldDef& def : c.layout().fields())
            if (def.type == kString) {
                char* slot = static_cast<char*>(buffer) + def.offset;
                const std::string oem = toOem(std::string_view(slot, def.length));
                std::memcpy(slot, oem.data(), std::min<size_t>(oem.size(), def.length));
            }
        return {};
    });
}

CERESULT CeGetField(CEHANDLE table, CEFIELD field, void* buffer, uint32_t* length, uint16_t trimOption) {
    return withField(table, field, [&](TableCursor& c, int index, const FieldDef& def) {
        return readField(c, index, def, buffer, length, trimOption);
    });
}

CERESULT CeIsEmpty(CEHANDLE table, CEFIELD field, uint16_t* empty) {
    return withField(table, field, [&](TableCursor& c, int, const FieldDef& def) -> Status {
        const unsigned char* row = nullptr;
        CE_TRY(currentRow(c, row));
        if (!empty)
            return nullArgument();
        const unsigned char* slot = row + def.offset;
        *empty = isBlobType(def.type) ? (slot[0] | slot[1] | slot[2] | slot[3]) == 0
                                      : isEmptySlot(def, c.layout().family(), slot);
        return {};
    });
}

CERESULT CeSetField(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length) {
    return withTableOrOrder(handle, [&](TableCursor& c, OrderHandle* o) -> Status {
        int index = 0;
        CE_TRY(fieldOf(c, field, index));
        if (o)
            return buffer ? o->assignText(c.layout(), index, static_cast<const char*>(buffer), length) : nullArgument();
        return writeFieldText(c, index, c.layout().fields()[static_cast<size_t>(index)], buffer, length);
    });
}

CERESULT CeSetFieldRaw(CEHANDLE handle, CEFIELD field, const void* buffer, uint32_t length) {
    return withTableOrOrder(handle, [&](TableCursor& c, OrderHandle* o) -> Status {
        int index = 0;
        CE_TRY(fieldOf(c, field, index));
        if (!buffer)
            return nullArgument();
        const auto* raw = static_cast<const unsigned char*>(buffer);
        if (o)
            return o->assignRaw(c.layout(), index, raw, length);
        const FieldDef& def = c.layout().fields()[static_cast<size_t>(index)];
        if (def.type == kString && c.charType() == 2) {
            const std::string ansi = fromOem(std::string_view(static_cast<const char*>(buffer), length));
            return c.setFieldRaw(index, reinterpret_cast<const unsigned char*>(ansi.data()), static_cast<uint32_t>(ansi.size()));
        }
        return c.setFieldRaw(index, raw, length);
    });
}

CERESULT CeClearRecordBuffer(CEHANDLE table, void* buffer, uint32_t length) {
    return withTable(table, [&](TableCursor& c) -> Status {
        if (!buffer && length > 0)
            return nullArgument();
        std::vector<unsigned char> empty(std::max(length, c.layout().recordLength()), 0);
        c.layout().writeEmptyRecord(empty.data());
        if (length > 0)
            std::memcpy(buffer, empty.data(), length);
        return {};
    });
}

CERESULT CeAppendRecord(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.appendRecord(); });
}

CERESULT CeWriteRecord(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.writeRecord(); });
}

CERESULT CeDeleteRecord(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.deleteRecord(); });
}

CERESULT CeIsRecordDeleted(CEHANDLE table, uint16_t* deleted) {
    return withTable(table, [&](TableCursor& c) -> Status {
        const unsigned char* row = nullptr;
        CE_TRY(currentRow(c, row));
        if (!deleted)
            return nullArgument();
        *deleted = c.image().isDeletedMark(row);
        return {};
    });
}

CERESULT CeCancelUpdate(CEHANDLE table) {
    return withTable(table, [](TableCursor& c) { return c.cancelUpdate(); });
}

CERESULT CeLockRecord(CEHANDLE table, uint32_t recordNumber) {
    return withTable(table, [&](TableCursor& c) { return c.lockRecord(recordNumber); });
}

CERESULT CeUnlockRecord(CEHANDLE table, uint32_t recordNumber) {
    return withTable(table, [&](TableCursor& c) { return c.unlockRecord(recordNumber); });
}

CERESULT CeConvertJulianToString(double julian, char* buffer, uint32_t* length) {
    return engineCall([&]() -> Status {
        const std::string text = std::isfinite(julian) && std::fabs(julian) < 1e9 ? julianToStorageText(std::llround(julian)) : "";
        if (text.empty())
            return Status(kInvalidDate, "Invalid Julian day");
        return copyText(text, buffer, length);
    });
}

CERESULT CeConvertStringToJulian(const char* text, uint32_t length, double* julian) {
    return engineCall([&]() -> Status {
        if (!text || !julian)
            return nullArgument();
        const auto value = storageTextToJulian(std::string_view(text, length));
        if (!value)
            return Status(kInvalidDate, "Invalid date text \"" + std::string(text, length) + "\"");
        *julian = static_cast<double>(*value);
        return {};
    });
}

CERESULT CeGetMemoLength(CEHANDLE table, CEFIELD field, uint32_t* length) {
    return withField(table, field, [&](TableCursor& c, int index, const FieldDef&) { return blobLength(c, index, length); });
}

CERESULT CeGetMemoDataType(CEHANDLE table, CEFIELD field, uint16_t* type) {
    return withField(table, field, [&](TableCursor& c, int index, const FieldDef&) -> Status {
        if (!type)
            return nullArgument();
        std::string content;
        bool isText = false;
        CE_TRY(c.readBlob(index, content, isText));
        *type = isText ? kMemo : kBinary;
        return {};
    });
}

CERESULT CeGetBinaryLength(CEHANDLE table, CEFIELD field, uint32_t* length) {
    return withField(table, field, [&](TableCursor& c, int index, const FieldDef&) { return blobLength(c, index, length); });
}
