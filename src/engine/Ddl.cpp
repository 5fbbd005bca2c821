// The data-definition statements: a small tokenizer and parser, validation against the engine's
// rules (types per family, one auto-increment field, key length), and the SQLite tables and
// metadata rows they write, all in one SQLite transaction.
#include "engine/Ddl.h"

#include "engine/Database.h"
#include "engine/Expression.h"
#include "engine/PathResolver.h"
#include "engine/SqlStatement.h"
#include "engine/TableImage.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace ce {
namespace {

struct Token {
    enum class Kind { End, Word, Number, Text, Symbol } kind = Kind::End;
    std::string text;  // words as written (quotes removed)
    std::string upper; // words upper-cased
    size_t end = 0;    // offset just past the token in the statement
};

Status sqlError(const std::string& what) { return Status(kSqlError, "SQL error: " + what); }

Status tokenize(std::string_view sql, std::vector<Token>& tokens) {
    size_t i = 0;
    while (i < sql.size()) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        if (c <= ' ') {
            ++i;
            continue;
        }
        Token token;
        if (c == '\'' || c == '"' || c == '[') {
            const char close = c == '[' ? ']' : static_cast<char>(c);
            const size_t end = sql.find(close, i + 1);
            if (end == std::string_view::npos)
                return Status(kUnterminatedLiteral, "Unterminated literal in SQL text");
            token.kind = c == '\'' ? Token::Kind::Text : Token::Kind::Word;
            token.text = std::string(sql.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (c == '_' || std::isalpha(c) || c >= 0xC0) {
            size_t end = i;
            while (end < sql.size()) {
                const unsigned char d = static_cast<unsigned char>(sql[end]);
                if (d != '_' && !std::isalnum(d) && d < 0xC0)
                    break;
                ++end;
            }
            token.kind = Token::Kind::Word;
            token.text = std::string(sql.substr(i, end - i));
            i = end;
        } else if (std::isdigit(c)) {
            size_t end = i;
            while (end < sql.size() && std::isdigit(static_cast<unsigned char>(sql[end])))
                ++end;
            token.kind = Token::Kind::Number;
            token.text = std::string(sql.substr(i, end - i));
            i = end;
        } else {
            token.kind = Token::Kind::Symbol;
            token.text = std::string(1, static_cast<char>(c));
            ++i;
        }
        token.upper = base::upperCp1251(token.text);
        token.end = i;
        tokens.push_back(std::move(token));
    }
    tokens.push_back(Token{});
    return {};
}

class Cursor {
public:
    Cursor(std::string_view sql, const std::vector<Token>& tokens) : sql_(sql), tokens_(tokens) {}
    const Token& peek() const { return tokens_[pos_]; }
    bool accept(const char* word) {
        if (peek().kind == Token::Kind::End || peek().upper != word)
            return false;
        ++pos_;
        return true;
    }
    Status expect(const char* word) {
        return accept(word) ? Status() : sqlError(std::string("expected ") + word + " near \"" + peek().text + "\"");
    }
    Status name(std::string& out) {
        if (peek().kind != Token::Kind::Word)
            return sqlError("expected a name near \"" + peek().text + "\"");
        out = tokens_[pos_++].text;
        return {};
    }
    Status number(uint32_t& out) {
        if (peek().kind != Token::Kind::Number || peek().text.size() > 6)
            return sqlError("expected a number near \"" + peek().text + "\"");
        out = static_cast<uint32_t>(std::stoul(tokens_[pos_++].text));
        return {};
    }
    Status text(std::string& out) {
        if (peek().kind != Token::Kind::Text)
            return sqlError("expected a quoted text");
        out = tokens_[pos_++].text;
        return {};
    }
    bool atEnd() const { return peek().kind == Token::Kind::End || (peek().text == ";" && tokens_[pos_ + 1].kind == Token::Kind::End); }
    // The rest of the statement as written, for conditions.
    std::string rest() const {
        std::string text(sql_.substr(pos_ == 0 ? 0 : tokens_[pos_ - 1].end));
        while (!text.empty() && (text.back() == ';' || text.back() == ' '))
            text.pop_back();
        return text.substr(std::min(text.find_first_not_of(' '), text.size()));
    }

private:
    std::string_view sql_;
    const std::vector<Token>& tokens_;
    size_t pos_ = 0;
};

struct TypeName {
    const char* name;
    uint16_t type;
    int lengthArgs; // 0 none, 1 (n), 2 (p, s)
    const char* storage;
};

const TypeName kTypes[] = {
    {"LOGICAL", kLogical, 0, "INTEGER"},    {"NUMERIC", kNumeric, 2, "REAL"},     {"DATE", kDate, 0, "INTEGER"},
    {"CHAR", kString, 1, "TEXT COLLATE CE_ANSI"},           {"MEMO", kMemo, 0, "TEXT COLLATE CE_ANSI"},           {"BINARY", kBinary, 0, "BLOB"},
    {"IMAGE", kImage, 0, "BLOB"},           {"VARCHAR", kVarchar, 1, "TEXT COLLATE CE_ANSI"},     {"COMPACTDATE", kCompactDate, 0, "INTEGER"},
    {"DOUBLE", kDouble, 0, "REAL"},         {"INTEGER", kInteger, 0, "INTEGER"},  {"SHORTINT", kShortInt, 0, "INTEGER"},
    {"TIME", kTime, 0, "INTEGER"},          {"TIMESTAMP", kTimestamp, 0, "INTEGER"},
    {"AUTOINC", kAutoinc, 0, "INTEGER PRIMARY KEY AUTOINCREMENT"},              {"RAW", kRaw, 1, "BLOB"},
    {"CURDOUBLE", kCurDouble, 0, "REAL"},
};

struct ColumnDecl {
    FieldDef def;
    uint32_t declaredLength = 0;
    const char* storage = "";
};

// The SQLite index that mirrors a structural index tag: one per table and tag.
std::string sqliteIndexName(std::string_view table, std::string_view tag) {
    return quoteName(base::cp1251ToUtf8("__ce_" + base::upperCp1251(table) + "_" + base::upperCp1251(tag)));
}

// The SQLite index on the raw text column a tag starts with: it holds the rows in the column's
// CE_ANSI order with the row id last, so "ORDER BY column" walks it instead of sorting, and equal
// texts keep record-number order. Its own prefix keeps it apart from every tag's mirror.
std::string sqliteOrderIndexName(std::string_view table, std::string_view tag) {
    return quoteName(base::cp1251ToUtf8("__ceo_" + base::upperCp1251(table) + "_" + base::upperCp1251(tag)));
}

Status tableInUse(std::string_view table) {
    return Status(kTableInExclusiveUse, "Table in use: " + std::string(table));
}

Status parseColumns(Cursor& cursor, TableFamily family, std::vector<ColumnDecl>& columns) {
    CE_TRY(cursor.expect("("));
    do {
        ColumnDecl column;
        CE_TRY(cursor.name(column.def.name));
        std::string typeName;
        CE_TRY(cursor.name(typeName));
        const TypeName* type = nullptr;
        for (const TypeName& candidate : kTypes)
            if (base::upperCp1251(typeName) == candidate.name)
                type = &candidate;
        if (!type)
            return sqlError("unknown type " + typeName);
        column.def.type = type->type;
        column.storage = type->storage;
        if (type->lengthArgs > 0) {
            CE_TRY(cursor.expect("("));
            CE_TRY(cursor.number(column.declaredLength));
            uint32_t decimals = 0;
            if (type->lengthArgs == 2 && cursor.accept(","))
                CE_TRY(cursor.number(decimals));
            CE_TRY(cursor.expect(")"));
            if (decimals > 30 || (decimals > 0 && decimals + 2 > column.declaredLength))
                return sqlError("decimals not valid for " + column.def.name);
            column.def.decimals = static_cast<uint16_t>(decimals);
        }
        if (cursor.accept("NOT")) {
            CE_TRY(cursor.expect("NULL"));
            column.def.nullable = false;
        }
        column.def.length = slotLength(column.def.type, column.declaredLength, family);
        if (column.def.length == 0)
            return sqlError("type " + typeName + " not valid for field " + column.def.name + " of this table type");
        for (const ColumnDecl& other : columns)
            if (base::upperCp1251(other.def.name) == base::upperCp1251(column.def.name))
                return sqlError("duplicate field " + column.def.name);
        if (column.def.type == kAutoinc)
            for (const ColumnDecl& other : columns)
                if (other.def.type == kAutoinc)
                    return sqlError("only one AUTOINC field per table");
        columns.push_back(std::move(column));
    } while (cursor.accept(","));
    return cursor.expect(")");
}

Status createTable(const DdlTarget& target, Cursor& cursor) {
    std::string name;
    CE_TRY(cursor.name(name));
    const uint16_t tableType = target.dictionary ? 3 : (target.tableType == 0 ? 3 : target.tableType);
    const TableFamily family = tableType == 3 ? TableFamily::Vdt : TableFamily::Dbf;
    std::vector<ColumnDecl> columns;
    CE_TRY(parseColumns(cursor, family, columns));
    if (!cursor.atEnd())
        return sqlError("unexpected \"" + cursor.peek().text + "\"");

    std::shared_ptr<Database> db = target.dictionary;
    std::string tableName = name;
    if (!db) {
        tableName = baseName(name);
        if (const size_t dot = tableName.rfind('.'); dot != std::string::npos)
            tableName.resize(dot);
        const std::string path = resolvePath(target.directory + "/" + base::utf8ToCp1251(tableFileName(name, tableType)));
        CE_TRY(Database::create(path, Database::Kind::FreeTable, db));
    } else {
        std::vector<std::string> existing;
        CE_TRY(db->tableNames(existing));
        for (const std::string& table : existing)
            if (base::upperCp1251(table) == base::upperCp1251(name))
                return sqlError("table " + name + " exists");
    }

    std::string create = "CREATE TABLE " + quoteName(base::cp1251ToUtf8(tableName)) + "(";
    for (size_t i = 0; i < columns.size(); ++i)
        create += (i ? ", " : "") + quoteName(base::cp1251ToUtf8(columns[i].def.name)) + " " + columns[i].storage;
    if (family == TableFamily::Dbf)
        create += std::string(", ") + deletedColumn() + " INTEGER";
    create += ")";

    return db->inSavepoint([&]() -> Status {
        CE_TRY(db->exec(create));
        SqlStatement table;
        CE_TRY(table.prepare(db->handle(), "INSERT INTO __ce_tables(name, type, chartype) VALUES(?, ?, 1)"));
        table.bindText(1, base::cp1251ToUtf8(tableName));
        table.bindInt(2, tableType);
        CE_TRY(table.run());
        SqlStatement field;
        CE_TRY(field.prepare(db->handle(), "INSERT INTO __ce_fields(tbl, num, name, cetype, length, decimals, nullable)"
                                           " VALUES(?, ?, ?, ?, ?, ?, ?)"));
        for (size_t i = 0; i < columns.size(); ++i) {
            const FieldDef& def = columns[i].def;
            field.reset();
            field.bindText(1, base::cp1251ToUtf8(tableName));
            field.bindInt(2, static_cast<int64_t>(i) + 1);
            field.bindText(3, base::cp1251ToUtf8(def.name));
            field.bindInt(4, def.type);
            field.bindInt(5, columns[i].declaredLength);
            field.bindInt(6, def.decimals);
            field.bindInt(7, def.nullable);
            CE_TRY(field.run());
        }
        return {};
    });
}

// A table a statement changes: the file holding it (the dictionary, or a free table file of the
// directory), its directory and its schema. Tables open in the process cannot be changed.
struct TableFile {
    std::shared_ptr<Database> db;
    std::string directory;
    TableSchema schema;
};

Status openIdleTable(const DdlTarget& target, const std::string& table, TableFile& out) {
    std::string tableName = table;
    if (target.dictionary) {
        out.db = target.dictionary;
    } else {
        const std::string path = resolvePath(target.directory + "/" + base::utf8ToCp1251(tableFileName(table, target.tableType)));
        CE_TRY(Database::open(path, Database::Kind::FreeTable, out.db));
        std::vector<std::string> names;
        CE_TRY(out.db->tableNames(names));
        if (names.size() != 1)
            return Status(kFileDamaged, "File damaged or not a database of this engine: " + path);
        tableName = names[0];
    }
    out.directory = out.db->path().substr(0, out.db->path().find_last_of('/'));
    if (out.db->imageInUse(tableName))
        return tableInUse(tableName);
    return out.db->loadSchema(tableName, out.schema);
}

Status createIndex(const DdlTarget& target, Cursor& cursor, bool unique) {
    std::string tag;
    std::string table;
    CE_TRY(cursor.name(tag));
    CE_TRY(cursor.expect("ON"));
    CE_TRY(cursor.name(table));
    TableFile file;
    CE_TRY(openIdleTable(target, table, file));
    const TableSchema& schema = file.schema;
    const std::string& tableName = schema.name;

    IndexDef def;
    def.tag = tag;
    def.flags = unique ? static_cast<uint32_t>(kIndexUnique) : 0u;
    std::vector<std::string> names;
    std::string uppers;
    CE_TRY(cursor.expect("("));
    do {
        const bool upper = cursor.accept("UPPER");
        if (upper)
            CE_TRY(cursor.expect("("));
        std::string field;
        CE_TRY(cursor.name(field));
        if (upper)
            CE_TRY(cursor.expect(")"));
        const int index = schema.layout.findField(field);
        if (index < 0)
            return Status(kUnknownColumn, "Unknown column \"" + field + "\"");
        names.push_back(schema.layout.fields()[static_cast<size_t>(index)].name);
        uppers += upper ? '1' : '0';
        def.segments.push_back({index, upper, 0});
        if (upper)
            def.flags |= kIndexCaseInsensitive;
    } while (cursor.accept(","));
    CE_TRY(cursor.expect(")"));
    if (cursor.accept("DESC"))
        def.flags |= kIndexDescending;
    if (cursor.accept("IN")) {
        CE_TRY(cursor.expect("FILE"));
        CE_TRY(cursor.text(def.file));
        def.file = baseName(def.file);
    }
    if (cursor.accept("FOR")) {
        def.condition = cursor.rest();
        std::unique_ptr<Expression> condition;
        CE_TRY(Expression::parse(def.condition, schema.layout, condition));
    } else if (!cursor.atEnd()) {
        return sqlError("unexpected \"" + cursor.peek().text + "\"");
    }
    if (!def.computeWidths(schema.layout))
        return sqlError("index " + tag + ": key too long or field cannot be a segment");

    std::shared_ptr<Database> holder = file.db;
    if (!def.file.empty()) {
        const std::string path = resolvePath(base::utf8ToCp1251(file.directory) + "/" + def.file);
        std::error_code ec;
        const Status opened = std::filesystem::exists(path, ec) ? Database::open(path, Database::Kind::IndexFile, holder)
                                                                : Database::create(path, Database::Kind::IndexFile, holder);
        CE_TRY(opened);
    }
    std::vector<IndexDef> existing;
    CE_TRY(holder->loadIndexDefs(tableName, def.file, schema.layout, existing));
    if (def.file.empty())
        existing = schema.indexes;
    for (const IndexDef& other : existing)
        if (base::upperCp1251(other.tag) == base::upperCp1251(tag))
            return sqlError("index tag " + tag + " exists on " + tableName);

    SqlStatement insert;
    CE_TRY(insert.prepare(holder->handle(), "INSERT INTO __ce_indexes(tbl, file, tag, segments, uppers, condition,"
                                            " flags, position) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
    std::string segments;
    for (const std::string& name : names)
        segments += (segments.empty() ? "" : ";") + name;
    insert.bindText(1, base::cp1251ToUtf8(tableName));
    insert.bindText(2, base::cp1251ToUtf8(def.file));
    insert.bindText(3, base::cp1251ToUtf8(tag));
    insert.bindText(4, base::cp1251ToUtf8(segments));
    insert.bindText(5, uppers);
    insert.bindText(6, base::cp1251ToUtf8(def.condition));
    insert.bindInt(7, def.flags);
    insert.bindInt(8, static_cast<int64_t>(existing.size()));
    if (!def.file.empty())
        return insert.run();
    // SQL statements find rows through an SQLite index of the same segments (an index never
    // changes what a statement returns); it lives in the table's own file.
    std::string columns;
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string column = quoteName(base::cp1251ToUtf8(names[i]));
        columns += (i ? ", " : "") + (uppers[i] == '1' ? "upper(" + column + ")" : column);
    }
    // A tag whose mirror already is the bare column needs no second index for the order.
    const FieldDef& first = schema.layout.fields()[static_cast<size_t>(def.segments[0].field)];
    const bool orderIndex = (first.type == kString || first.type == kVarchar) && (uppers[0] == '1' || names.size() > 1);
    return holder->inSavepoint([&]() -> Status {
        CE_TRY(insert.run());
        CE_TRY(holder->exec("DROP INDEX IF EXISTS " + sqliteIndexName(tableName, tag)));
        CE_TRY(holder->exec("DROP INDEX IF EXISTS " + sqliteOrderIndexName(tableName, tag)));
        CE_TRY(holder->exec("CREATE INDEX " + sqliteIndexName(tableName, tag) + " ON " +
                            quoteName(base::cp1251ToUtf8(tableName)) + "(" + columns + ")"));
        if (!orderIndex)
            return {};
        return holder->exec("CREATE INDEX " + sqliteOrderIndexName(tableName, tag) + " ON " +
                            quoteName(base::cp1251ToUtf8(tableName)) + "(" +
                            quoteName(base::cp1251ToUtf8(names[0])) + ")");
    });
}

Status dropTable(const DdlTarget& target, Cursor& cursor) {
    std::string table;
    CE_TRY(cursor.name(table));
    TableFile file;
    CE_TRY(openIdleTable(target, table, file));
    if (!target.dictionary) {
        const std::string path = file.db->path();
        if (file.db.use_count() > 1)
            return tableInUse(file.schema.name);
        file.db.reset();
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return ec ? Status(kFileNotFound, "Cannot remove " + path) : Status();
    }
    Database& db = *file.db;
    const std::string name = base::cp1251ToUtf8(file.schema.name);
    return db.inSavepoint([&]() -> Status {
        CE_TRY(db.exec("DROP TABLE " + quoteName(name)));
        for (const char* meta : {"__ce_tables WHERE name", "__ce_fields WHERE tbl", "__ce_indexfiles WHERE tbl",
                                 "__ce_indexes WHERE tbl"}) {
            SqlStatement stmt;
            CE_TRY(stmt.prepare(db.handle(), std::string("DELETE FROM ") + meta + " = ?"));
            stmt.bindText(1, name);
            CE_TRY(stmt.run());
        }
        return {};
    });
}

Status dropIndex(const DdlTarget& target, Cursor& cursor) {
    std::string table;
    std::string tag;
    CE_TRY(cursor.name(table));
    CE_TRY(cursor.expect("."));
    CE_TRY(cursor.name(tag));
    TableFile file;
    CE_TRY(openIdleTable(target, table, file));
    const TableSchema& schema = file.schema;
    for (const IndexDef& def : schema.indexes) {
        if (base::upperCp1251(def.tag) != base::upperCp1251(tag))
            continue;
        SqlStatement stmt;
        CE_TRY(stmt.prepare(file.db->handle(), "DELETE FROM __ce_indexes WHERE tbl = ? AND tag = ? AND file = ''"));
        stmt.bindText(1, base::cp1251ToUtf8(schema.name));
        stmt.bindText(2, base::cp1251ToUtf8(def.tag));
        return file.db->inSavepoint([&]() -> Status {
            CE_TRY(stmt.run());
            CE_TRY(file.db->exec("DROP INDEX IF EXISTS " + sqliteIndexName(schema.name, def.tag)));
            return file.db->exec("DROP INDEX IF EXISTS " + sqliteOrderIndexName(schema.name, def.tag));
        });
    }
    return Status(kIndexTagNotFound, "Index tag not found: " + tag);
}

} // namespace

Status createDictionary(std::string_view path) {
    std::shared_ptr<Database> db;
    return Database::create(resolvePath(path), Database::Kind::Dictionary, db);
}

Status runDdl(const DdlTarget& target, std::string_view sql) {
    std::vector<Token> tokens;
    CE_TRY(tokenize(sql, tokens));
    Cursor cursor(sql, tokens);
    if (cursor.accept("CREATE")) {
        if (cursor.accept("TABLE"))
            return createTable(target, cursor);
        const bool unique = cursor.accept("UNIQUE");
        CE_TRY(cursor.expect("INDEX"));
        return createIndex(target, cursor, unique);
    }
    if (cursor.accept("DROP")) {
        if (cursor.accept("TABLE"))
            return dropTable(target, cursor);
        CE_TRY(cursor.expect("INDEX"));
        return dropIndex(target, cursor);
    }
    return sqlError("statement not supported: " + std::string(sql.substr(0, 40)));
}

} // namespace ce
