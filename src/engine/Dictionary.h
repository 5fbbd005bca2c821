// The administration of a data dictionary: its objects by kind (tables, fields, index files and
// tags, views, referential-integrity rules, procedures, users, groups, access rights) kept in the
// engine's metadata tables of the dictionary file. Every change runs in one savepoint, so a
// failure leaves the dictionary as it was.
#pragma once

#include "engine/Database.h"
#include "engine/EngineCall.h"
#include "engine/Status.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ce {

// Object kinds of the enumeration; Database stands for the dictionary's own properties.
enum class ObjectKind : uint16_t {
    Database = 0,
    RefIntegrity = 1,
    Procedure = 2,
    Field = 3,
    IndexFile = 4,
    Index = 5,
    View = 6,
    User = 8,
    Group = 9,
    Table = 10,
};

// Where one object's metadata lives: a row of a metadata table in the file holding it.
struct ObjectRow {
    std::shared_ptr<Database> file; // the dictionary, or the index file holding an index tag
    const char* metaTable = "";
    int64_t rowid = 0;
    std::string name;      // as stored, CP1251
    std::string container; // index tags: the index file's name, empty for the structural tags
};

struct RefIntegrityRule {
    std::string name;
    std::string failTable;
    std::string parentTable;
    std::string parentIndex;
    std::string childTable;
    std::string childIndex;
    uint16_t updateRule = 0;
    uint16_t deleteRule = 0;
};

class Dictionary {
public:
    explicit Dictionary(std::shared_ptr<Database> db) : db_(std::move(db)) {}

    const std::shared_ptr<Database>& database() const { return db_; }

    // The objects of a kind, in definition order; parent names the table (fields, index files,
    // indexes) or the group whose members are listed (users). 5018 for an unknown kind.
    Status list(ObjectKind kind, std::string_view parent, std::vector<ObjectRow>& rows);
    // One object by name (case-insensitive): 5132 unknown table, 5147 unknown field, 5004
    // unknown index tag, 5133 any other unknown object.
    Status find(ObjectKind kind, std::string_view parent, std::string_view name, ObjectRow& row);

    // Copies a free table file (its rows, fields and structural tags) into the dictionary.
    Status addTable(std::string_view name, std::string_view path, uint16_t tableType, uint16_t charType,
                    std::string_view indexFiles, std::string_view comment);
    Status removeTable(std::string_view name, bool deleteFiles);
    Status addView(std::string_view name, std::string_view comment, std::string_view sql);
    Status removeView(std::string_view name);
    Status addIndexFile(std::string_view table, std::string_view file, std::string_view comment);
    Status removeIndexFile(std::string_view table, std::string_view file, bool deleteFile);
    Status deleteIndex(std::string_view table, std::string_view tag);
    Status createRefIntegrity(const RefIntegrityRule& rule);
    Status removeRefIntegrity(std::string_view name);
    Status createUser(std::string_view group, std::string_view user, std::string_view password,
                      std::string_view comment);
    Status deleteUser(std::string_view user);
    Status createGroup(std::string_view group, std::string_view comment);
    Status deleteGroup(std::string_view group);
    Status addMember(std::string_view group, std::string_view user);
    Status removeMember(std::string_view group, std::string_view user);
    Status setRights(std::string_view object, std::string_view accessor, std::string_view rights);

    // The native path of a file named relative to the dictionary's folder (index files, tables
    // to add).
    std::string pathBeside(std::string_view file) const;

private:
    Status requireNew(ObjectKind kind, std::string_view name);
    Status deleteRows(const char* metaTable, const char* column, const std::string& name);
    Status deleteAccessor(ObjectKind kind, std::string_view name);
    // An object of a table whose structure may change (no handle has the table open).
    Status findOfIdleTable(ObjectKind kind, std::string_view table, std::string_view name, ObjectRow& owner,
                           ObjectRow& row);

    std::shared_ptr<Database> db_;
};

// The dictionary behind a connection handle: 5012 for anything but a dictionary connection, and
// 5135 when a change is asked of a connection that is not an administrator's.
Status dictionaryOf(uint32_t connection, bool change, std::shared_ptr<Database>& db);

// An administration entry point: the body gets the connection's dictionary or never runs.
template <class Body>
uint32_t withDictionary(uint32_t connection, bool change, Body body) {
    return engineCall([&]() -> Status {
        std::shared_ptr<Database> db;
        CE_TRY(dictionaryOf(connection, change, db));
        Dictionary dictionary(db);
        return body(dictionary);
    });
}

// A text argument of an entry point; nil reads as empty.
inline std::string_view optionalText(const char* text) { return text ? std::string_view(text) : std::string_view(); }

} // namespace ce
