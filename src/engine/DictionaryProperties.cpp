// Property values read and written through one table of property descriptions. Stored values are
// SQLite values of the owner's metadata row (texts in UTF-8); the dictionary's own properties are
// rows of __ce_db keyed by their number.
#include "engine/DictionaryProperties.h"

#include "engine/SqlStatement.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <cstring>
#include <vector>

namespace ce {
namespace {

enum class Encoding { Text, Number, Boolean };

struct PropertySpec {
    uint16_t number;
    ObjectKind kind;
    Encoding encoding;
    const char* column; // nullptr: derived from other metadata
    bool readable;
    bool writable;
};

constexpr ObjectKind kDb = ObjectKind::Database;
constexpr ObjectKind kTable = ObjectKind::Table;
constexpr ObjectKind kField = ObjectKind::Field;
constexpr ObjectKind kIndex = ObjectKind::Index;
constexpr Encoding kText = Encoding::Text;
constexpr Encoding kNumber = Encoding::Number;
constexpr Encoding kBoolean = Encoding::Boolean;

const PropertySpec kProperties[] = {
    {100, kDb, kText, "value", true, true},
    {101, kDb, kText, "value", true, true},
    {102, kDb, kText, "value", true, true},
    {104, kDb, kBoolean, "value", true, true},
    {105, kDb, kBoolean, "value", true, true},
    {106, kDb, kBoolean, "value", true, true},
    {200, kTable, kText, "comment", true, true},
    {201, kTable, kText, "path", true, false},
    {202, kTable, kNumber, "type", true, false},
    {203, kTable, kNumber, "chartype", true, true},
    {204, kTable, kText, "validation", true, true},
    {205, kTable, kText, "validationmsg", true, true},
    {206, kTable, kText, "primarykey", true, true},
    {210, kTable, kBoolean, "encryption", true, true},
    {212, kTable, kText, nullptr, true, false},
    {213, kTable, kText, "defaultindex", true, true},
    {300, kField, kText, "comment", true, true},
    {301, kField, kText, "defval", true, true},
    {302, kField, kBoolean, "nullable", true, true},
    {303, kField, kText, "minimum", true, true},
    {304, kField, kText, "maximum", true, true},
    {305, kField, kText, "validationmsg", true, true},
    {400, kIndex, kText, nullptr, true, false},
    {401, kIndex, kText, nullptr, true, false},
    {402, kIndex, kText, "condition", true, false},
    {403, kIndex, kNumber, "flags", true, false},
    {404, kIndex, kNumber, nullptr, true, false},
    {405, kIndex, kText, nullptr, true, false},
    {450, ObjectKind::IndexFile, kText, "comment", true, false},
    {451, ObjectKind::IndexFile, kText, nullptr, true, false},
    {500, ObjectKind::View, kText, "comment", true, false},
    {501, ObjectKind::View, kText, "sql", true, false},
    {600, ObjectKind::Procedure, kText, "comment", true, false},
    {601, ObjectKind::Procedure, kText, "input", true, false},
    {602, ObjectKind::Procedure, kText, "output", true, false},
    {701, ObjectKind::RefIntegrity, kText, "failtable", true, false},
    {702, ObjectKind::RefIntegrity, kText, "parenttable", true, false},
    {703, ObjectKind::RefIntegrity, kText, "parentindex", true, false},
    {704, ObjectKind::RefIntegrity, kText, "childtable", true, false},
    {705, ObjectKind::RefIntegrity, kText, "childindex", true, false},
    {706, ObjectKind::RefIntegrity, kNumber, "updaterule", true, false},
    {707, ObjectKind::RefIntegrity, kNumber, "deleterule", true, false},
    {800, ObjectKind::User, kText, "comment", true, true},
    {801, ObjectKind::User, kText, "password", false, true},
    {802, ObjectKind::User, kText, nullptr, true, false},
    {900, ObjectKind::Group, kText, "comment", true, true},
    {901, ObjectKind::Group, kText, nullptr, true, false},
};

const PropertySpec* specOf(ObjectKind kind, uint16_t number) {
    for (const PropertySpec& spec : kProperties)
        if (spec.kind == kind && spec.number == number)
            return &spec;
    return nullptr;
}

Status notSet(uint16_t number) {
    return Status(kPropertyNotSet, "Dictionary property " + std::to_string(number) + " not set");
}

Status invalidProperty(uint16_t number, const char* why) {
    return Status(kInvalidArgument, "Dictionary property " + std::to_string(number) + ": " + why);
}

std::string littleEndian(uint32_t value, size_t bytes) {
    std::string out;
    for (size_t i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string joined(const std::vector<ObjectRow>& rows) {
    std::string out;
    for (const ObjectRow& row : rows)
        out += (out.empty() ? "" : ";") + row.name;
    return out;
}

// The stored value of a column, or 5138 when it is null or an empty text.
Status readColumn(const ObjectRow& row, const PropertySpec& spec, std::string& value) {
    SqlStatement stmt;
    CE_TRY(stmt.prepare(row.file->handle(), std::string("SELECT ") + spec.column + " FROM " + row.metaTable +
                                                 " WHERE rowid = ?"));
    stmt.bindInt(1, row.rowid);
    bool found = false;
    CE_TRY(stmt.step(found));
    if (!found || stmt.columnIsNull(0))
        return notSet(spec.number);
    if (spec.encoding != kText) {
        const auto number = static_cast<uint32_t>(stmt.columnInt(0));
        value = littleEndian(spec.encoding == kBoolean ? (number != 0) : number, spec.encoding == kBoolean ? 2 : 4);
        return {};
    }
    value = base::utf8ToCp1251(stmt.columnText(0));
    return value.empty() ? notSet(spec.number) : Status();
}

} // namespace

Status DictionaryProperties::get(ObjectKind kind, std::string_view parent, std::string_view name, uint16_t property,
                                 std::string& value, bool& isText) {
    const PropertySpec* spec = specOf(kind, property);
    if (!spec)
        return invalidProperty(property, "no such property of this kind of object");
    if (!spec->readable)
        return invalidProperty(property, "can only be set");
    isText = spec->encoding == kText;
    ObjectRow row;
    if (kind == kDb) {
        // The dictionary's properties are rows of __ce_db named by their number.
        SqlStatement stmt;
        CE_TRY(stmt.prepare(dictionary_.database()->handle(), "SELECT rowid FROM __ce_db WHERE name = ?"));
        stmt.bindText(1, std::to_string(property));
        bool found = false;
        CE_TRY(stmt.step(found));
        if (!found)
            return notSet(property);
        row = ObjectRow{dictionary_.database(), "__ce_db", stmt.columnInt(0), "", ""};
        return readColumn(row, *spec, value);
    }
    CE_TRY(dictionary_.find(kind, parent, name, row));
    if (spec->column)
        return readColumn(row, *spec, value);
    return derived(parent, row, property, value);
}

Status DictionaryProperties::derived(std::string_view parent, const ObjectRow& row, uint16_t property,
                                     std::string& value) {
    std::vector<ObjectRow> rows;
    switch (property) {
    case 212:
        CE_TRY(dictionary_.list(ObjectKind::IndexFile, row.name, rows));
        value = joined(rows);
        return value.empty() ? notSet(property) : Status();
    case 451: {
        std::shared_ptr<Database> holder;
        CE_TRY(Database::open(dictionary_.pathBeside(row.name), Database::Kind::IndexFile, holder));
        SqlStatement tags;
        CE_TRY(tags.prepare(holder->handle(), "SELECT tag FROM __ce_indexes ORDER BY position, rowid"));
        bool found = false;
        for (;;) {
            CE_TRY(tags.step(found));
            if (!found)
                break;
            value += (value.empty() ? "" : ";") + base::utf8ToCp1251(tags.columnText(0));
        }
        return value.empty() ? notSet(property) : Status();
    }
    case 802: {
        std::vector<ObjectRow> groups;
        CE_TRY(dictionary_.list(ObjectKind::Group, "", groups));
        for (const ObjectRow& group : groups) {
            std::vector<ObjectRow> members;
            CE_TRY(dictionary_.list(ObjectKind::User, group.name, members));
            for (const ObjectRow& member : members)
                if (base::upperCp1251(member.name) == base::upperCp1251(row.name))
                    rows.push_back(group);
        }
        value = joined(rows);
        return value.empty() ? notSet(property) : Status();
    }
    case 901:
        CE_TRY(dictionary_.list(ObjectKind::User, row.name, rows));
        value = joined(rows);
        return value.empty() ? notSet(property) : Status();
    case 405:
        return notSet(property); // index comments are not kept
    default:
        break;
    }
    // Index file, expression and key length come from the table's schema and the tag's definition.
    TableSchema schema;
    CE_TRY(dictionary_.database()->loadSchema(parent, schema));
    std::vector<IndexDef> defs = schema.indexes;
    if (!row.container.empty()) {
        defs.clear();
        CE_TRY(row.file->loadIndexDefs(schema.name, row.container, schema.layout, defs));
    }
    const IndexDef* def = nullptr;
    for (const IndexDef& candidate : defs)
        if (base::upperCp1251(candidate.tag) == base::upperCp1251(row.name))
            def = &candidate;
    if (!def)
        return Status(kIndexTagNotFound, "Index tag not found: " + row.name);
    if (property == 400) {
        // The structural tags live in the table's own index file, named as CeGetIndexFilename names it.
        const char* extension = schema.tableType == 3 ? ".vdi" : schema.tableType == 2 ? ".cdx" : ".ntx";
        value = row.container.empty() ? schema.name + extension : row.container;
        return {};
    }
    if (property == 404) {
        value = littleEndian(def->keyLength, 4);
        return {};
    }
    for (const IndexSegment& segment : def->segments) {
        const std::string& field = schema.layout.fields()[static_cast<size_t>(segment.field)].name;
        value += (value.empty() ? "" : "+") + (segment.upper ? "UPPER(" + field + ")" : field);
    }
    return {};
}

Status DictionaryProperties::set(ObjectKind kind, std::string_view parent, std::string_view name, uint16_t property,
                                 std::string_view bytes) {
    const PropertySpec* spec = specOf(kind, property);
    if (!spec)
        return invalidProperty(property, "no such property of this kind of object");
    if (!spec->writable)
        return invalidProperty(property, "read-only");

    SqlStatement store; // the value is parameter 1
    if (kind == kDb) {
        CE_TRY(store.prepare(dictionary_.database()->handle(),
                             "INSERT OR REPLACE INTO __ce_db(value, name) VALUES(?, ?)"));
        store.bindText(2, std::to_string(property));
    } else {
        ObjectRow row;
        CE_TRY(dictionary_.find(kind, parent, name, row));
        CE_TRY(store.prepare(row.file->handle(), std::string("UPDATE ") + row.metaTable + " SET " + spec->column +
                                                      " = ? WHERE rowid = ?"));
        store.bindInt(2, row.rowid);
    }

    if (spec->encoding == kText) {
        const std::string text(bytes.substr(0, std::min(bytes.size(), bytes.find('\0'))));
        if (property == 213 && !text.empty()) {
            ObjectRow tag;
            CE_TRY(dictionary_.find(ObjectKind::Index, name, text, tag));
        }
        if (text.empty())
            store.bindNull(1);
        else
            store.bindText(1, base::cp1251ToUtf8(text));
        return store.run();
    }
    const size_t size = spec->encoding == kBoolean ? 2 : 4;
    if (bytes.size() < size)
        return invalidProperty(property, "value too short");
    uint32_t number = 0;
    for (size_t i = 0; i < size; ++i)
        number |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    if (spec->encoding == kBoolean)
        number = number != 0;
    if (property == 203 && number != 1 && number != 2)
        return invalidProperty(property, "char type must be 1 (ANSI) or 2 (OEM)");
    store.bindInt(1, number);
    return store.run();
}

} // namespace ce
