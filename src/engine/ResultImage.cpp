// Reading a result set: one pass straight into record images when every column's field is known,
// otherwise the values are kept first so that computed columns can be sized.
#include "engine/ResultImage.h"

#include "engine/SqlStatement.h"

#include "base/CodePage.h"

#include <sqlite3.h>

#include <cstring>
#include <limits>

namespace ce {
namespace {

constexpr uint32_t kLongestChar = 65530;

// The field a computed column's values need.
FieldDef inferField(const std::vector<sqlite3_value*>& cells, size_t columns, size_t column, std::string name) {
    bool text = false, blob = false, real = false, integer = false, wide = false;
    size_t longest = 0;
    for (size_t at = column; at < cells.size(); at += columns) {
        sqlite3_value* value = cells[at];
        switch (sqlite3_value_type(value)) {
        case SQLITE_TEXT: {
            text = true;
            const auto* bytes = sqlite3_value_text(value);
            size_t characters = 0;
            for (int i = 0, n = sqlite3_value_bytes(value); i < n; ++i)
                characters += (bytes[i] & 0xC0) != 0x80;
            longest = std::max(longest, characters);
            break;
        }
        case SQLITE_BLOB:
            blob = true;
            break;
        case SQLITE_FLOAT:
            real = true;
            break;
        case SQLITE_INTEGER: {
            integer = true;
            const int64_t n = sqlite3_value_int64(value);
            wide = wide || n <= std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max();
            break;
        }
        default:
            break;
        }
    }
    FieldDef field;
    field.name = std::move(name);
    uint32_t declared = 0;
    if (text) {
        field.type = longest > kLongestChar ? kMemo : kString;
        declared = static_cast<uint32_t>(std::max<size_t>(longest, 1));
    } else if (blob) {
        field.type = kBinary;
    } else if (real || wide) {
        field.type = kDouble;
    } else if (integer) {
        field.type = kInteger;
    } else {
        field.type = kString;
        declared = 1;
    }
    field.length = slotLength(field.type, declared, TableFamily::Vdt);
    return field;
}

class RowWriter {
public:
    RowWriter(const RecordLayout& layout, std::vector<unsigned char>& rows, StaticBlobs& blobs)
        : layout_(layout), rows_(rows), blobs_(blobs) {}

    // Appends record recno from the values valueAt(i) of the layout's fields.
    template <class ValueAt>
    void append(uint32_t recno, ValueAt valueAt) {
        const size_t start = rows_.size();
        rows_.resize(start + layout_.recordLength());
        unsigned char* row = rows_.data() + start;
        const auto& fields = layout_.fields();
        for (size_t i = 0; i < fields.size(); ++i) {
            sqlite3_value* value = valueAt(i);
            unsigned char* slot = row + fields[i].offset;
            if (isBlobType(fields[i].type))
                storeBlob(recno, static_cast<int>(i), value, fields[i], slot);
            else
                readStoredValue(value, fields[i], layout_.family(), slot);
        }
    }

private:
    void storeBlob(uint32_t recno, int field, sqlite3_value* value, const FieldDef& def, unsigned char* slot) {
        const int type = sqlite3_value_type(value);
        std::string content;
        if (type == SQLITE_TEXT) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
            content = base::utf8ToCp1251(std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value))));
        } else if (type != SQLITE_NULL) {
            const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
            content.assign(bytes ? bytes : "", static_cast<size_t>(sqlite3_value_bytes(value)));
        }
        std::memset(slot, content.empty() ? 0 : 0xFF, def.length);
        if (!content.empty())
            blobs_[{recno, field}] = {std::move(content), type == SQLITE_TEXT};
    }

    const RecordLayout& layout_;
    std::vector<unsigned char>& rows_;
    StaticBlobs& blobs_;
};

Status stepFailure(sqlite3_stmt* stmt, int rc) { return sqliteFailure(sqlite3_db_handle(stmt), rc); }

} // namespace

std::optional<RecordLayout> typedLayout(const std::vector<ResultColumn>& columns) {
    std::vector<FieldDef> fields;
    fields.reserve(columns.size());
    for (const ResultColumn& column : columns) {
        if (column.field.type == 0)
            return std::nullopt;
        fields.push_back(column.field);
    }
    return RecordLayout(std::move(fields), TableFamily::Vdt);
}

Status readResult(sqlite3_stmt* stmt, const std::vector<ResultColumn>& columns,
                  const std::optional<RecordLayout>& typed, const std::string& name, const std::string& directory,
                  std::shared_ptr<TableImage>& out) {
    std::vector<unsigned char> rows;
    StaticBlobs blobs;
    TableSchema schema;
    schema.name = name;
    uint32_t count = 0;
    int rc = SQLITE_ROW;
    if (typed) {
        schema.layout = *typed;
        RowWriter writer(schema.layout, rows, blobs);
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            writer.append(++count, [&](size_t i) { return sqlite3_column_value(stmt, columns[i].column); });
        if (rc != SQLITE_DONE)
            return stepFailure(stmt, rc);
    } else {
        // Values are copied out of the statement so that computed columns can be sized first.
        std::vector<sqlite3_value*> cells;
        struct Release {
            std::vector<sqlite3_value*>& cells;
            ~Release() {
                for (sqlite3_value* value : cells)
                    sqlite3_value_free(value);
            }
        } release{cells};
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (const ResultColumn& column : columns) {
                cells.push_back(sqlite3_value_dup(sqlite3_column_value(stmt, column.column)));
                if (!cells.back())
                    return Status(kInternalFailure);
            }
            ++count;
        }
        if (rc != SQLITE_DONE)
            return stepFailure(stmt, rc);
        std::vector<FieldDef> fields;
        for (size_t i = 0; i < columns.size(); ++i)
            fields.push_back(columns[i].field.type != 0 ? columns[i].field
                                                        : inferField(cells, columns.size(), i, columns[i].field.name));
        schema.layout = RecordLayout(std::move(fields), TableFamily::Vdt);
        RowWriter writer(schema.layout, rows, blobs);
        for (uint32_t r = 0; r < count; ++r)
            writer.append(r + 1, [&](size_t i) { return cells[r * columns.size() + i]; });
    }
    out = TableImage::makeStatic(std::move(schema), directory, std::move(rows), std::move(blobs));
    return {};
}

} // namespace ce
