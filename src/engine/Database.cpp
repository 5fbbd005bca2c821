// Engine files over SQLite: opening without ever creating, metadata tables and their validation.
// Metadata is text in UTF-8; the engine speaks CP1251, so names are converted at this boundary.
#include "engine/Database.h"

#include "engine/ProcessWide.h"

#include "engine/SqlFunctions.h"
#include "engine/SqlStatement.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

namespace ce {
namespace {

std::map<std::string, std::weak_ptr<Database>>& openFiles() {
    return processWide<std::map<std::string, std::weak_ptr<Database>>>();
}

const char* const kTableMetadata =
    "CREATE TABLE __ce_tables(name TEXT, type INTEGER, chartype INTEGER, comment TEXT,"
    " defaultindex TEXT, validation TEXT, validationmsg TEXT, primarykey TEXT, encryption INTEGER,"
    " path TEXT);"
    "CREATE TABLE __ce_fields(tbl TEXT, num INTEGER, name TEXT, cetype INTEGER, length INTEGER,"
    " decimals INTEGER, defval TEXT, nullable INTEGER, comment TEXT, minimum TEXT, maximum TEXT,"
    " validationmsg TEXT);"
    "CREATE TABLE __ce_indexfiles(tbl TEXT, file TEXT, comment TEXT);";
const char* const kIndexMetadata =
    "CREATE TABLE __ce_indexes(tbl TEXT, file TEXT, tag TEXT, segments TEXT, uppers TEXT,"
    " condition TEXT, flags INTEGER, position INTEGER);";
const char* const kDictionaryMetadata =
    "CREATE TABLE __ce_db(name TEXT PRIMARY KEY, value TEXT);"
    "CREATE TABLE __ce_users(name TEXT PRIMARY KEY, password TEXT, admin INTEGER, comment TEXT);"
    "INSERT INTO __ce_users(name, password, admin) VALUES('ADMIN', '', 1);"
    "CREATE TABLE __ce_groups(name TEXT PRIMARY KEY, comment TEXT);"
    "CREATE TABLE __ce_members(grp TEXT, usr TEXT);"
    "CREATE TABLE __ce_rights(object TEXT, accessor TEXT, rights TEXT);"
    "CREATE TABLE __ce_views(name TEXT, comment TEXT, sql TEXT);"
    "CREATE TABLE __ce_ri(name TEXT, failtable TEXT, parenttable TEXT, parentindex TEXT,"
    " childtable TEXT, childindex TEXT, updaterule INTEGER, deleterule INTEGER);"
    "CREATE TABLE __ce_procs(name TEXT, comment TEXT, input TEXT, output TEXT);";

bool sameName(std::string_view a, std::string_view b) { return base::upperCp1251(a) == base::upperCp1251(b); }

Status damaged(const std::string& path, const std::string& what) {
    return Status(kFileDamaged, "File damaged or not a database of this engine: " + path + ": " + what);
}

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(';', start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return parts;
}

} // namespace

std::string quoteName(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

Database::~Database() {
    sqlite3_close_v2(db_);
    auto& files = openFiles();
    auto it = files.find(path_);
    if (it != files.end() && it->second.expired())
        files.erase(it);
}

Status Database::open(const std::string& nativePath, Kind kind, std::shared_ptr<Database>& out) {
    return openFile(nativePath, kind, /*create=*/false, out);
}

Status Database::create(const std::string& nativePath, Kind kind, std::shared_ptr<Database>& out) {
    std::error_code ec;
    if (std::filesystem::exists(nativePath, ec))
        return Status(kInvalidArgument, "File already exists: " + nativePath);
    return openFile(nativePath, kind, /*create=*/true, out);
}

Status Database::openFile(const std::string& nativePath, Kind kind, bool create, std::shared_ptr<Database>& out) {
    auto& files = openFiles();
    if (auto it = files.find(nativePath); it != files.end())
        if ((out = it->second.lock()))
            return create ? Status(kInvalidArgument, "File already exists: " + nativePath) : Status();
    std::error_code ec;
    if (!create && !std::filesystem::is_regular_file(nativePath, ec))
        return Status(kFileNotFound, "File or path not found: " + nativePath);

    std::shared_ptr<Database> db(new Database);
    db->path_ = nativePath;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(nativePath.c_str(), &db->db_, flags, nullptr);
    if (rc == SQLITE_CANTOPEN && !create) {
        // A file we may not write is still readable; writes then fail with 5034.
        sqlite3_close_v2(db->db_);
        db->db_ = nullptr;
        db->readOnly_ = true;
        rc = sqlite3_open_v2(nativePath.c_str(), &db->db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    if (rc != SQLITE_OK)
        return rc == SQLITE_CANTOPEN ? Status(kFileNotFound, "File or path not found: " + nativePath)
                                     : sqliteFailure(db->db_, rc);
    // SQLite opens a file it may not write read-only without saying so.
    db->readOnly_ = db->readOnly_ || sqlite3_db_readonly(db->db_, "main") == 1;
    sqlite3_busy_timeout(db->db_, 2000);
    // Queries that visit rows all over a large table (an index range, then each row) find their
    // pages in a cache large enough for the city instead of one system call per page. Not a
    // mapped file: a file cut short by someone else while open must give an error, not a crash.
    sqlite3_exec(db->db_, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    // Text columns are declared with the engine's collation; every statement needs it.
    CE_TRY(registerSqlFunctions(db->db_));
    if (create) {
        std::string sql = "BEGIN;";
        if (kind != Kind::IndexFile)
            sql += kTableMetadata;
        sql += kIndexMetadata;
        if (kind == Kind::Dictionary)
            sql += kDictionaryMetadata;
        sql += "COMMIT;";
        CE_TRY(db->exec(sql));
    } else {
        CE_TRY(db->validate(kind));
    }
    files[nativePath] = db;
    out = std::move(db);
    return {};
}

Status Database::validate(Kind kind) {
    SqlStatement stmt;
    Status status = stmt.prepare(db_, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!status.ok())
        return status.code() == kSqlError ? damaged(path_, status.text()) : status;
    bool row = false;
    bool hasFields = false;
    bool hasIndexes = false;
    for (;;) {
        CE_TRY(stmt.step(row));
        if (!row)
            break;
        const std::string name = stmt.columnText(0);
        hasFields = hasFields || name == "__ce_fields";
        hasIndexes = hasIndexes || name == "__ce_indexes";
    }
    if (!hasIndexes || (kind != Kind::IndexFile && !hasFields))
        return damaged(path_, "engine metadata missing");
    return {};
}

Status Database::exec(std::string_view sql) {
    // Only a transaction the text itself began is rolled back: a caller's transaction (CeBeginTransaction)
    // survives a failed statement inside it.
    const bool wasAutocommit = sqlite3_get_autocommit(db_) != 0;
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return {};
    Status failure = sqliteFailure(db_, rc);
    sqlite3_free(message);
    if (wasAutocommit && sqlite3_get_autocommit(db_) == 0)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return failure;
}

Status Database::tableNames(std::vector<std::string>& names) {
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_, "SELECT name FROM __ce_tables ORDER BY rowid"));
    bool row = false;
    for (;;) {
        CE_TRY(stmt.step(row));
        if (!row)
            break;
        names.push_back(base::utf8ToCp1251(stmt.columnText(0)));
    }
    return {};
}

Status Database::loadSchema(std::string_view table, TableSchema& schema) {
    SqlStatement tables;
    CE_TRY(tables.prepare(db_, "SELECT name, type, chartype FROM __ce_tables"));
    bool row = false;
    bool found = false;
    for (;;) {
        CE_TRY(tables.step(row));
        if (!row || found)
            break;
        const std::string name = base::utf8ToCp1251(tables.columnText(0));
        if (!sameName(name, table))
            continue;
        found = true;
        schema.name = name;
        schema.tableType = static_cast<uint16_t>(tables.columnInt(1));
        schema.charType = static_cast<uint16_t>(tables.columnInt(2));
    }
    if (!found)
        return Status(kTableNotInDictionary, "Table not in the dictionary: " + std::string(table));
    if (schema.tableType < 1 || schema.tableType > 3 || schema.charType < 1 || schema.charType > 2)
        return damaged(path_, "table type of " + schema.name);
    const TableFamily family = schema.tableType == 3 ? TableFamily::Vdt : TableFamily::Dbf;

    SqlStatement fields;
    CE_TRY(fields.prepare(db_, "SELECT name, cetype, length, decimals, nullable FROM __ce_fields"
                               " WHERE tbl = ? ORDER BY num"));
    fields.bindText(1, base::cp1251ToUtf8(schema.name));
    std::vector<FieldDef> defs;
    int autoincs = 0;
    for (;;) {
        CE_TRY(fields.step(row));
        if (!row)
            break;
        FieldDef def;
        def.name = base::utf8ToCp1251(fields.columnText(0));
        const int64_t type = fields.columnInt(1);
        const int64_t length = fields.columnInt(2);
        const int64_t decimals = fields.columnInt(3);
        if (type < 1 || type > 17 || length < 0 || length > 65530 || decimals < 0 || decimals > 30)
            return damaged(path_, "field description of " + schema.name);
        def.type = static_cast<uint16_t>(type);
        def.length = slotLength(def.type, static_cast<uint32_t>(length), family);
        def.decimals = static_cast<uint16_t>(decimals);
        def.nullable = fields.columnInt(4) != 0;
        if (def.length == 0 || def.name.empty())
            return damaged(path_, "field " + def.name + " of " + schema.name);
        for (const FieldDef& other : defs)
            if (sameName(other.name, def.name))
                return damaged(path_, "duplicate field " + def.name + " of " + schema.name);
        autoincs += def.type == kAutoinc;
        defs.push_back(std::move(def));
    }
    if (defs.empty() || autoincs > 1)
        return damaged(path_, "fields of " + schema.name);
    schema.layout = RecordLayout(std::move(defs), family);

    SqlStatement files;
    CE_TRY(files.prepare(db_, "SELECT file FROM __ce_indexfiles WHERE tbl = ? ORDER BY rowid"));
    files.bindText(1, base::cp1251ToUtf8(schema.name));
    for (;;) {
        CE_TRY(files.step(row));
        if (!row)
            break;
        schema.indexFiles.push_back(base::utf8ToCp1251(files.columnText(0)));
    }
    return loadIndexDefs(schema.name, "", schema.layout, schema.indexes);
}

Status Database::loadIndexDefs(std::string_view table, std::string_view file, const RecordLayout& layout,
                               std::vector<IndexDef>& defs) {
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_, "SELECT tag, segments, uppers, condition, flags, tbl FROM __ce_indexes"
                             " WHERE file = ? ORDER BY position, rowid"));
    stmt.bindText(1, base::cp1251ToUtf8(file));
    bool row = false;
    for (;;) {
        CE_TRY(stmt.step(row));
        if (!row)
            break;
        // Index files hold the tags of one table; the structural tags of a dictionary are many.
        if (!file.empty() || sameName(base::utf8ToCp1251(stmt.columnText(5)), table)) {
            IndexDef def;
            def.tag = base::utf8ToCp1251(stmt.columnText(0));
            def.file = std::string(file);
            const std::vector<std::string> names = splitList(base::utf8ToCp1251(stmt.columnText(1)));
            const std::string uppers = stmt.columnText(2);
            def.condition = base::utf8ToCp1251(stmt.columnText(3));
            def.flags = static_cast<uint32_t>(stmt.columnInt(4)) & 15u;
            for (size_t i = 0; i < names.size(); ++i)
                def.segments.push_back({layout.findField(names[i]), i < uppers.size() && uppers[i] == '1', 0});
            if (def.tag.empty() || !def.computeWidths(layout))
                return damaged(path_, "index " + def.tag + " of " + std::string(table));
            defs.push_back(std::move(def));
        }
    }
    return {};
}

Status Database::checkLogin(std::string_view user, std::string_view password, bool& administrator) {
    administrator = false;
    if (user.empty()) {
        // The components' implicit connections carry no user; a dictionary that sets its
        // "log-ins required" property (104) refuses them.
        SqlStatement required;
        CE_TRY(required.prepare(db_, "SELECT value FROM __ce_db WHERE name = '104'"));
        bool row = false;
        CE_TRY(required.step(row));
        if (row && required.columnInt(0) != 0)
            return Status(kLoginRefused, "User name or password refused: this dictionary needs a log-in");
        return {};
    }
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db_, "SELECT name, password, admin FROM __ce_users"));
    bool row = false;
    for (;;) {
        CE_TRY(stmt.step(row));
        if (!row)
            break;
        if (!sameName(base::utf8ToCp1251(stmt.columnText(0)), user))
            continue;
        if (base::utf8ToCp1251(stmt.columnText(1)) != password)
            break;
        administrator = stmt.columnInt(2) != 0;
        return {};
    }
    return Status(kLoginRefused, "User name or password refused: " + std::string(user));
}

bool Database::imageInUse(std::string_view table) const {
    const auto it = images.find(base::upperCp1251(table));
    return it != images.end() && !it->second.expired();
}

} // namespace ce
