// One SQLite file of the engine (a dictionary, a free table or an index file), opened once per
// process and shared by every connection to it, with the engine's metadata tables read and
// written here. Table images opened on the file are registered here so that they are shared too.
#pragma once

#include "engine/IndexDef.h"
#include "engine/RecordLayout.h"
#include "engine/Status.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace ce {

class TableImage;

struct TableSchema {
    std::string name;          // CP1251
    uint16_t tableType = 3;    // 1 NTX, 2 CDX, 3 VDT
    uint16_t charType = 1;     // 1 ANSI, 2 OEM
    RecordLayout layout;
    std::vector<IndexDef> indexes;       // structural orders
    std::vector<std::string> indexFiles; // further index files opened with the table
};

class Database {
public:
    enum class Kind { Dictionary, FreeTable, IndexFile };

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Opens an existing file (never creates one): 7041 when it is missing, 7008 when it is not a
    // file of this engine. Files already open in the process are shared.
    static Status open(const std::string& nativePath, Kind kind, std::shared_ptr<Database>& out);
    // Creates a new file holding the metadata tables of its kind; fails when the file exists.
    static Status create(const std::string& nativePath, Kind kind, std::shared_ptr<Database>& out);

    sqlite3* handle() const { return db_; }
    const std::string& path() const { return path_; }
    bool readOnly() const { return readOnly_; }

    Status exec(std::string_view sql);
    // Runs body inside a savepoint, rolled back when it fails, so that a failed change leaves
    // the file as it was.
    template <class Body>
    Status inSavepoint(Body body) {
        CE_TRY(exec("SAVEPOINT ce_change"));
        const Status status = body();
        if (!status.ok()) {
            (void)exec("ROLLBACK TO ce_change; RELEASE ce_change");
            return status;
        }
        return exec("RELEASE ce_change");
    }

    // Data tables named in the metadata, CP1251.
    Status tableNames(std::vector<std::string>& names);
    // 5132 when the table is not in the metadata; 7008 when its metadata is damaged.
    Status loadSchema(std::string_view table, TableSchema& schema);
    // Index definitions of one table held in this file (file = "" for the structural ones).
    Status loadIndexDefs(std::string_view table, std::string_view file, const RecordLayout& layout,
                         std::vector<IndexDef>& defs);
    // Login check of a dictionary: 5120 when refused.
    Status checkLogin(std::string_view user, std::string_view password, bool& administrator);

    // Images of this file's tables, keyed by upper-case table name.
    std::map<std::string, std::weak_ptr<TableImage>> images;
    // Whether a handle has the table open (its structure may not change then).
    bool imageInUse(std::string_view table) const;

private:
    Database() = default;
    static Status openFile(const std::string& nativePath, Kind kind, bool create, std::shared_ptr<Database>& out);
    Status validate(Kind kind);

    sqlite3* db_ = nullptr;
    std::string path_;
    bool readOnly_ = false;
};

// SQL text of a quoted identifier.
std::string quoteName(std::string_view utf8);

} // namespace ce
