// Dictionary objects over the metadata tables. Names are stored as given and found without regard
// to case (CP1251 case map), so every look-up reads the candidate rows and compares them here.
#include "engine/Dictionary.h"

#include "engine/Connection.h"
#include "engine/Ddl.h"
#include "engine/EngineCall.h"
#include "engine/PathResolver.h"
#include "engine/SqlStatement.h"

#include "base/CaseMap.h"
#include "base/CodePage.h"

#include <filesystem>
#include <system_error>

namespace ce {
namespace {

bool sameName(std::string_view a, std::string_view b) { return base::upperCp1251(a) == base::upperCp1251(b); }

// Rows "SELECT rowid, <column> FROM <metaTable> <tail>" with CP1251 texts bound in order.
Status rowsOf(const std::shared_ptr<Database>& file, const char* metaTable, const char* column, const char* tail,
              const std::vector<std::string>& binds, std::vector<ObjectRow>& rows, const std::string& container = "") {
    SqlStatement stmt;
    CE_TRY(stmt.prepare(file->handle(), std::string("SELECT rowid, ") + column + " FROM " + metaTable + " " + tail));
    for (size_t i = 0; i < binds.size(); ++i)
        stmt.bindText(static_cast<int>(i) + 1, base::cp1251ToUtf8(binds[i]));
    bool row = false;
    for (;;) {
        CE_TRY(stmt.step(row));
        if (!row)
            return {};
        rows.push_back({file, metaTable, stmt.columnInt(0), base::utf8ToCp1251(stmt.columnText(1)), container});
    }
}

// Runs one statement with CP1251 texts bound in order.
Status run(Database& db, const std::string& sql, const std::vector<std::string>& binds) {
    SqlStatement stmt;
    CE_TRY(stmt.prepare(db.handle(), sql));
    for (size_t i = 0; i < binds.size(); ++i)
        stmt.bindText(static_cast<int>(i) + 1, base::cp1251ToUtf8(binds[i]));
    return stmt.run();
}

Status notFound(ObjectKind kind, std::string_view name) {
    const std::string text(name);
    switch (kind) {
    case ObjectKind::Table:
        return Status(kTableNotInDictionary, "Table not in the dictionary: " + text);
    case ObjectKind::Field:
        return Status(kUnknownColumn, "Unknown column \"" + text + "\"");
    case ObjectKind::Index:
        return Status(kIndexTagNotFound, "Index tag not found: " + text);
    default:
        return Status(kObjectNotFound, "Dictionary object not found: " + text);
    }
}

Status emptyName() { return Status(kInvalidArgument, "A dictionary object needs a name"); }

// The DDL parser quotes names with double quotes and knows no escape for them.
Status quotedForDdl(std::string_view name, std::string& out) {
    if (name.empty() || name.find('"') != std::string_view::npos)
        return Status(kInvalidArgument, "Invalid object name \"" + std::string(name) + "\"");
    out = "\"" + std::string(name) + "\"";
    return {};
}

// The CREATE INDEX statement of a structural tag on table.
Status indexDdl(std::string_view table, const IndexDef& def, const RecordLayout& layout, std::string& out) {
    std::string quoted;
    CE_TRY(quotedForDdl(def.tag, quoted));
    out = std::string("CREATE ") + (def.unique() ? "UNIQUE " : "") + "INDEX " + quoted + " ON ";
    CE_TRY(quotedForDdl(table, quoted));
    out += quoted + " (";
    for (size_t i = 0; i < def.segments.size(); ++i) {
        CE_TRY(quotedForDdl(layout.fields()[static_cast<size_t>(def.segments[i].field)].name, quoted));
        out += (i ? ", " : "") + (def.segments[i].upper ? "UPPER(" + quoted + ")" : quoted);
    }
    out += ")";
    if (def.descending())
        out += " DESC";
    if (!def.condition.empty())
        out += " FOR " + def.condition;
    return {};
}

std::vector<std::string> splitFileList(std::string_view text) {
    std::vector<std::string> files;
    std::string current;
    for (const char c : std::string(text) + ";") {
        if (c != ';' && c != ',') {
            current += c;
            continue;
        }
        const size_t first = current.find_first_not_of(' ');
        if (first != std::string::npos)
            files.push_back(current.substr(first, current.find_last_not_of(' ') - first + 1));
        current.clear();
    }
    return files;
}

void removeFile(const std::string& native) {
    std::error_code ec;
    std::filesystem::remove(native, ec); // a file already gone is what was asked for
}

Status deleteRow(const ObjectRow& row) {
    SqlStatement remove;
    CE_TRY(remove.prepare(row.file->handle(), std::string("DELETE FROM ") + row.metaTable + " WHERE rowid = ?"));
    remove.bindInt(1, row.rowid);
    return remove.run();
}

} // namespace

Status Dictionary::list(ObjectKind kind, std::string_view parent, std::vector<ObjectRow>& rows) {
    switch (kind) {
    case ObjectKind::Table:
        return rowsOf(db_, "__ce_tables", "name", "ORDER BY rowid", {}, rows);
    case ObjectKind::View:
        return rowsOf(db_, "__ce_views", "name", "ORDER BY rowid", {}, rows);
    case ObjectKind::RefIntegrity:
        return rowsOf(db_, "__ce_ri", "name", "ORDER BY rowid", {}, rows);
    case ObjectKind::Procedure:
        return rowsOf(db_, "__ce_procs", "name", "ORDER BY rowid", {}, rows);
    case ObjectKind::Group:
        return rowsOf(db_, "__ce_groups", "name", "ORDER BY rowid", {}, rows);
    case ObjectKind::User: {
        if (parent.empty())
            return rowsOf(db_, "__ce_users", "name", "ORDER BY rowid", {}, rows);
        ObjectRow group;
        CE_TRY(find(ObjectKind::Group, "", parent, group));
        return rowsOf(db_, "__ce_members", "usr", "WHERE grp = ? ORDER BY rowid", {group.name}, rows);
    }
    case ObjectKind::Field:
    case ObjectKind::IndexFile:
    case ObjectKind::Index:
        break;
    default:
        return Status(kInvalidArgument, "Unknown dictionary object kind " + std::to_string(static_cast<int>(kind)));
    }
    ObjectRow table;
    CE_TRY(find(ObjectKind::Table, "", parent, table));
    if (kind == ObjectKind::Field)
        return rowsOf(db_, "__ce_fields", "name", "WHERE tbl = ? ORDER BY num", {table.name}, rows);
    if (kind == ObjectKind::IndexFile)
        return rowsOf(db_, "__ce_indexfiles", "file", "WHERE tbl = ? ORDER BY rowid", {table.name}, rows);
    // Index tags: the structural ones, then those of each index file in the order of the files.
    CE_TRY(rowsOf(db_, "__ce_indexes", "tag", "WHERE tbl = ? AND file = '' ORDER BY position, rowid", {table.name},
                  rows));
    std::vector<ObjectRow> files;
    CE_TRY(list(ObjectKind::IndexFile, table.name, files));
    for (const ObjectRow& file : files) {
        std::shared_ptr<Database> holder;
        CE_TRY(Database::open(pathBeside(file.name), Database::Kind::IndexFile, holder));
        CE_TRY(rowsOf(holder, "__ce_indexes", "tag", "ORDER BY position, rowid", {}, rows, file.name));
    }
    return {};
}

Status Dictionary::find(ObjectKind kind, std::string_view parent, std::string_view name, ObjectRow& row) {
    std::vector<ObjectRow> rows;
    // Users are found among all users, never among a group's members.
    CE_TRY(list(kind, kind == ObjectKind::User ? "" : parent, rows));
    for (ObjectRow& candidate : rows) {
        if (sameName(candidate.name, name)) {
            row = std::move(candidate);
            return {};
        }
    }
    return notFound(kind, name);
}

std::string Dictionary::pathBeside(std::string_view file) const {
    const std::string directory = base::utf8ToCp1251(db_->path().substr(0, db_->path().find_last_of('/')));
    return resolvePath(directory + "/" + std::string(file));
}

Status Dictionary::requireNew(ObjectKind kind, std::string_view name) {
    if (name.empty())
        return emptyName();
    ObjectRow existing;
    const Status found = find(kind, "", name, existing);
    if (found.ok())
        return Status(kObjectExists, "Dictionary object already exists: " + std::string(name));
    const bool absent = found.code() == kTableNotInDictionary || found.code() == kObjectNotFound;
    return absent ? Status() : found;
}

Status Dictionary::deleteRows(const char* metaTable, const char* column, const std::string& name) {
    return run(*db_, std::string("DELETE FROM ") + metaTable + " WHERE " + column + " = ?", {name});
}

Status Dictionary::addTable(std::string_view name, std::string_view path, uint16_t tableType, uint16_t charType,
                            std::string_view indexFiles, std::string_view comment) {
    CE_TRY(requireNew(ObjectKind::Table, name));
    CE_TRY(requireNew(ObjectKind::View, name));
    if (tableType > 3 || charType > 2)
        return Status(kInvalidArgument, "Invalid table type or char type");
    // The file as given (relative to the current directory), else beside the dictionary.
    const std::string file = tableFileName(path, tableType == 0 ? 3 : tableType);
    std::string native = resolvePath(file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(native, ec))
        native = pathBeside(file);
    std::shared_ptr<Database> source;
    CE_TRY(Database::open(native, Database::Kind::FreeTable, source));
    std::vector<std::string> names;
    CE_TRY(source->tableNames(names));
    if (names.size() != 1)
        return Status(kFileDamaged, "File damaged or not a database of this engine: " + native);
    TableSchema schema;
    CE_TRY(source->loadSchema(names[0], schema));
    if (tableType != 0 && tableType != schema.tableType)
        return Status(kInvalidArgument, "The table file is of another table type: " + std::string(path));
    const std::vector<std::string> files = splitFileList(indexFiles);
    for (const std::string& indexFile : files) {
        std::shared_ptr<Database> holder;
        CE_TRY(Database::open(pathBeside(indexFile), Database::Kind::IndexFile, holder));
    }

    // SQLite copies between files it has attached; ATTACH is not allowed inside the savepoint.
    SqlStatement attach;
    CE_TRY(attach.prepare(db_->handle(), "ATTACH DATABASE ? AS ce_source"));
    attach.bindText(1, native);
    CE_TRY(attach.run());
    const std::string target = quoteName(base::cp1251ToUtf8(name));
    const std::string sourceName = base::cp1251ToUtf8(names[0]);
    const Status status = db_->inSavepoint([&]() -> Status {
        std::string sql;
        bool row = false;
        {
            SqlStatement create;
            CE_TRY(create.prepare(db_->handle(),
                                  "SELECT sql FROM ce_source.sqlite_master WHERE type = 'table' AND name = ?"));
            create.bindText(1, sourceName);
            CE_TRY(create.step(row));
            if (row)
                sql = create.columnText(0);
        }
        const size_t open = sql.find('(', std::string("CREATE TABLE ").size() + quoteName(sourceName).size() - 1);
        if (open == std::string::npos)
            return Status(kFileDamaged, "File damaged or not a database of this engine: " + native);
        CE_TRY(db_->exec("CREATE TABLE " + target + sql.substr(open)));

        std::string columns;
        SqlStatement info;
        CE_TRY(info.prepare(db_->handle(), "SELECT name FROM pragma_table_info(?, 'ce_source')"));
        info.bindText(1, sourceName);
        for (;;) {
            CE_TRY(info.step(row));
            if (!row)
                break;
            columns += (columns.empty() ? "" : ", ") + quoteName(info.columnText(0));
        }
        // Record numbers are row ids and must survive the copy; an AUTOINC field is the row id.
        bool autoinc = false;
        for (const FieldDef& field : schema.layout.fields())
            autoinc = autoinc || field.type == kAutoinc;
        const std::string list = (autoinc ? "" : "rowid, ") + columns;
        CE_TRY(db_->exec("INSERT INTO main." + target + "(" + list + ") SELECT " + list + " FROM ce_source." +
                         quoteName(sourceName)));
        if (autoinc) {
            CE_TRY(run(*db_, "DELETE FROM main.sqlite_sequence WHERE name = ?", {std::string(name)}));
            SqlStatement sequence;
            CE_TRY(sequence.prepare(db_->handle(), "INSERT INTO main.sqlite_sequence(name, seq) SELECT ?, seq"
                                                   " FROM ce_source.sqlite_sequence WHERE name = ?"));
            sequence.bindText(1, base::cp1251ToUtf8(name));
            sequence.bindText(2, sourceName);
            CE_TRY(sequence.run());
        }
        CE_TRY(run(*db_,
                   "INSERT INTO main.__ce_tables(name, type, chartype, comment, path) VALUES(?, " +
                       std::to_string(schema.tableType) + ", " +
                       std::to_string(charType == 0 ? schema.charType : charType) + ", ?, ?)",
                   {std::string(name), std::string(comment), std::string(path)}));
        CE_TRY(run(*db_,
                   "INSERT INTO main.__ce_fields(tbl, num, name, cetype, length, decimals, defval, nullable, comment)"
                   " SELECT ?, num, name, cetype, length, decimals, defval, nullable, comment"
                   " FROM ce_source.__ce_fields ORDER BY num",
                   {std::string(name)}));
        // The structural tags are made again by the DDL, which also gives SQL its indexes.
        for (const IndexDef& def : schema.indexes) {
            std::string ddl;
            CE_TRY(indexDdl(name, def, schema.layout, ddl));
            CE_TRY(runDdl(DdlTarget{db_, "", 3}, ddl));
        }
        for (const std::string& indexFile : files)
            CE_TRY(run(*db_, "INSERT INTO main.__ce_indexfiles(tbl, file, comment) VALUES(?, ?, '')",
                       {std::string(name), indexFile}));
        return {};
    });
    const Status detached = db_->exec("DETACH DATABASE ce_source");
    CE_TRY(status);
    return detached;
}

Status Dictionary::removeTable(std::string_view name, bool deleteFiles) {
    ObjectRow table;
    CE_TRY(find(ObjectKind::Table, "", name, table));
    std::string quoted;
    CE_TRY(quotedForDdl(table.name, quoted));
    std::vector<ObjectRow> files;
    CE_TRY(list(ObjectKind::IndexFile, table.name, files));
    std::string sourcePath;
    {
        // Finalized before the drop: SQLite refuses to drop a table a live statement reads.
        SqlStatement pathOf;
        CE_TRY(pathOf.prepare(db_->handle(), "SELECT path FROM __ce_tables WHERE rowid = ?"));
        pathOf.bindInt(1, table.rowid);
        bool row = false;
        CE_TRY(pathOf.step(row));
        if (row)
            sourcePath = base::utf8ToCp1251(pathOf.columnText(0));
    }

    CE_TRY(db_->inSavepoint([&]() -> Status {
        CE_TRY(runDdl(DdlTarget{db_, "", 3}, "DROP TABLE " + quoted));
        return deleteRows("__ce_rights", "object", table.name);
    }));
    if (!deleteFiles)
        return {};
    for (const ObjectRow& file : files)
        removeFile(pathBeside(file.name));
    if (!sourcePath.empty())
        removeFile(resolvePath(sourcePath));
    return {};
}

Status Dictionary::addView(std::string_view name, std::string_view comment, std::string_view sql) {
    CE_TRY(requireNew(ObjectKind::View, name));
    CE_TRY(requireNew(ObjectKind::Table, name));
    return db_->inSavepoint([&]() -> Status {
        CE_TRY(db_->exec("CREATE VIEW " + quoteName(base::cp1251ToUtf8(name)) + " AS " + base::cp1251ToUtf8(sql)));
        return run(*db_, "INSERT INTO __ce_views(name, comment, sql) VALUES(?, ?, ?)",
                   {std::string(name), std::string(comment), std::string(sql)});
    });
}

Status Dictionary::removeView(std::string_view name) {
    ObjectRow view;
    CE_TRY(find(ObjectKind::View, "", name, view));
    return db_->inSavepoint([&]() -> Status {
        CE_TRY(db_->exec("DROP VIEW IF EXISTS " + quoteName(base::cp1251ToUtf8(view.name))));
        CE_TRY(deleteRows("__ce_views", "name", view.name));
        return deleteRows("__ce_rights", "object", view.name);
    });
}

Status Dictionary::addIndexFile(std::string_view table, std::string_view file, std::string_view comment) {
    ObjectRow owner;
    CE_TRY(find(ObjectKind::Table, "", table, owner));
    if (file.empty())
        return emptyName();
    ObjectRow existing;
    if (find(ObjectKind::IndexFile, owner.name, file, existing).ok())
        return Status(kObjectExists, "Index file already in the dictionary: " + std::string(file));
    std::shared_ptr<Database> holder;
    CE_TRY(Database::open(pathBeside(file), Database::Kind::IndexFile, holder));
    return run(*db_, "INSERT INTO __ce_indexfiles(tbl, file, comment) VALUES(?, ?, ?)",
               {owner.name, std::string(file), std::string(comment)});
}

Status Dictionary::findOfIdleTable(ObjectKind kind, std::string_view table, std::string_view name, ObjectRow& owner,
                                   ObjectRow& row) {
    CE_TRY(find(ObjectKind::Table, "", table, owner));
    CE_TRY(find(kind, owner.name, name, row));
    if (db_->imageInUse(owner.name))
        return Status(kTableInExclusiveUse, "Table in use: " + owner.name);
    return {};
}

Status Dictionary::removeIndexFile(std::string_view table, std::string_view file, bool deleteFile) {
    ObjectRow owner;
    ObjectRow row;
    CE_TRY(findOfIdleTable(ObjectKind::IndexFile, table, file, owner, row));
    CE_TRY(deleteRow(row));
    if (deleteFile)
        removeFile(pathBeside(row.name));
    return {};
}

Status Dictionary::deleteIndex(std::string_view table, std::string_view tag) {
    ObjectRow owner;
    ObjectRow index;
    CE_TRY(findOfIdleTable(ObjectKind::Index, table, tag, owner, index));
    if (index.container.empty()) {
        // A structural tag goes through the DDL, which also drops the index SQL uses.
        std::string table;
        std::string quotedTag;
        CE_TRY(quotedForDdl(owner.name, table));
        CE_TRY(quotedForDdl(index.name, quotedTag));
        return runDdl(DdlTarget{db_, "", 3}, "DROP INDEX " + table + "." + quotedTag);
    }
    return deleteRow(index);
}

Status Dictionary::createRefIntegrity(const RefIntegrityRule& rule) {
    CE_TRY(requireNew(ObjectKind::RefIntegrity, rule.name));
    ObjectRow parent;
    ObjectRow child;
    CE_TRY(find(ObjectKind::Table, "", rule.parentTable, parent));
    CE_TRY(find(ObjectKind::Table, "", rule.childTable, child));
    return run(*db_,
               "INSERT INTO __ce_ri(name, failtable, parenttable, parentindex, childtable, childindex, updaterule,"
               " deleterule) VALUES(?, ?, ?, ?, ?, ?, " +
                   std::to_string(rule.updateRule) + ", " + std::to_string(rule.deleteRule) + ")",
               {rule.name, rule.failTable, parent.name, rule.parentIndex, child.name, rule.childIndex});
}

Status Dictionary::removeRefIntegrity(std::string_view name) {
    ObjectRow rule;
    CE_TRY(find(ObjectKind::RefIntegrity, "", name, rule));
    return deleteRows("__ce_ri", "name", rule.name);
}

Status Dictionary::createUser(std::string_view group, std::string_view user, std::string_view password,
                              std::string_view comment) {
    CE_TRY(requireNew(ObjectKind::User, user));
    ObjectRow owner;
    if (!group.empty())
        CE_TRY(find(ObjectKind::Group, "", group, owner));
    return db_->inSavepoint([&]() -> Status {
        CE_TRY(run(*db_, "INSERT INTO __ce_users(name, password, admin, comment) VALUES(?, ?, 0, ?)",
                   {std::string(user), std::string(password), std::string(comment)}));
        if (group.empty())
            return {};
        return run(*db_, "INSERT INTO __ce_members(grp, usr) VALUES(?, ?)", {owner.name, std::string(user)});
    });
}

Status Dictionary::deleteUser(std::string_view user) { return deleteAccessor(ObjectKind::User, user); }

Status Dictionary::deleteAccessor(ObjectKind kind, std::string_view name) {
    ObjectRow row;
    CE_TRY(find(kind, "", name, row));
    // A user or a group leaves with its memberships and its access rights.
    return db_->inSavepoint([&]() -> Status {
        CE_TRY(deleteRows(row.metaTable, "name", row.name));
        CE_TRY(deleteRows("__ce_members", kind == ObjectKind::User ? "usr" : "grp", row.name));
        return deleteRows("__ce_rights", "accessor", row.name);
    });
}

Status Dictionary::createGroup(std::string_view group, std::string_view comment) {
    CE_TRY(requireNew(ObjectKind::Group, group));
    return run(*db_, "INSERT INTO __ce_groups(name, comment) VALUES(?, ?)", {std::string(group), std::string(comment)});
}

Status Dictionary::deleteGroup(std::string_view group) { return deleteAccessor(ObjectKind::Group, group); }

Status Dictionary::addMember(std::string_view group, std::string_view user) {
    ObjectRow owner;
    ObjectRow member;
    CE_TRY(find(ObjectKind::Group, "", group, owner));
    CE_TRY(find(ObjectKind::User, "", user, member));
    std::vector<ObjectRow> members;
    CE_TRY(list(ObjectKind::User, owner.name, members));
    for (const ObjectRow& m : members)
        if (sameName(m.name, member.name))
            return Status(kObjectExists, member.name + " is already a member of " + owner.name);
    return run(*db_, "INSERT INTO __ce_members(grp, usr) VALUES(?, ?)", {owner.name, member.name});
}

Status Dictionary::removeMember(std::string_view group, std::string_view user) {
    ObjectRow owner;
    CE_TRY(find(ObjectKind::Group, "", group, owner));
    std::vector<ObjectRow> members;
    CE_TRY(list(ObjectKind::User, owner.name, members));
    for (const ObjectRow& member : members) {
        if (!sameName(member.name, user))
            continue;
        return deleteRow(member);
    }
    return Status(kObjectNotFound, std::string(user) + " is not a member of " + owner.name);
}

Status Dictionary::setRights(std::string_view object, std::string_view accessor, std::string_view rights) {
    ObjectRow target;
    if (!find(ObjectKind::Table, "", object, target).ok())
        CE_TRY(find(ObjectKind::View, "", object, target));
    ObjectRow who;
    if (!find(ObjectKind::User, "", accessor, who).ok())
        CE_TRY(find(ObjectKind::Group, "", accessor, who));
    return db_->inSavepoint([&]() -> Status {
        CE_TRY(run(*db_, "DELETE FROM __ce_rights WHERE object = ? AND accessor = ?", {target.name, who.name}));
        if (rights.empty())
            return {};
        return run(*db_, "INSERT INTO __ce_rights(object, accessor, rights) VALUES(?, ?, ?)",
                   {target.name, who.name, std::string(rights)});
    });
}

Status dictionaryOf(uint32_t connection, bool change, std::shared_ptr<Database>& db) {
    Connection* c = nullptr;
    CE_TRY(connectionOf(connection, c));
    if (!c->isDictionary())
        return Status(kInvalidHandle, "Not a dictionary connection: " + std::to_string(connection));
    if (change && c->kind() != HandleKind::DictionaryAdmin)
        return Status(kAdministratorNeeded);
    db = c->dictionary();
    return {};
}

} // namespace ce
