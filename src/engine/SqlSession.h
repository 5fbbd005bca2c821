// The SQL side of one connection: the SQLite handle its statements run on (the dictionary's own,
// or for a directory of free tables an in-memory database to which the free tables an SQL text
// names are attached), its transaction, and the table images that SQL writes and rollbacks must
// keep in step. State of the transaction:
//   none --Begin--> active --Commit--> none;  active --Rollback (images reloaded)--> none
//   active --connection closed--> rolled back (images reloaded)
// A dictionary file is one SQLite handle shared by every connection to it, so one transaction at
// a time runs on it (5101 for a second connection's Begin).
#pragma once

#include "engine/Database.h"
#include "engine/Status.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

namespace ce {

class Connection;

// What one statement changed: record numbers by (database name, table name), UTF-8 as SQLite
// names them, and the tables it may have emptied without reporting rows.
struct ChangeSet {
    std::map<std::pair<std::string, std::string>, std::vector<uint32_t>> rows;
    std::set<std::pair<std::string, std::string>> truncated;
    uint32_t lastInsert = 0;
    std::pair<std::string, std::string> lastInsertTable;
};

class SqlSession {
public:
    // The session of a connection, made on first use.
    static Status of(Connection& connection, SqlSession*& out);

    SqlSession(const SqlSession&) = delete;
    SqlSession& operator=(const SqlSession&) = delete;
    ~SqlSession();

    sqlite3* handle() const { return handle_; }
    const std::shared_ptr<Database>& dictionary() const { return dictionary_; }
    // Native directory of the connection (of the dictionary file).
    const std::string& directory() const { return directory_; }

    // A directory connection attaches the free-table files a CP1251 SQL text names (".dbf" for
    // table types 1 and 2, else ".vdt"); a dictionary has its tables already.
    Status attachTablesOf(std::string_view sql, uint16_t tableType);
    // The engine file behind an SQLite database name of this session ("main" or an attachment).
    std::shared_ptr<Database> fileOf(std::string_view databaseName) const;

    // Collects the rows the statements run while it lives change.
    class Tracking {
    public:
        Tracking(SqlSession& session, ChangeSet& changes);
        ~Tracking();
        Tracking(const Tracking&) = delete;
        Tracking& operator=(const Tracking&) = delete;

    private:
        sqlite3* handle_;
    };
    // Brings the open images of the changed tables in step with the file.
    Status syncImages(const ChangeSet& changes);

    bool inTransaction() const { return inTransaction_; }
    Status begin();
    Status commit();
    Status rollback();

private:
    SqlSession() = default;
    Status exec(const char* sql);
    // Every open image of the files this session reaches is read again.
    Status reloadImages();
    std::vector<std::shared_ptr<Database>> files() const;

    sqlite3* handle_ = nullptr;
    bool ownsHandle_ = false;
    std::shared_ptr<Database> dictionary_;
    std::string directory_;
    // Attached free tables: SQLite database name to the engine file.
    std::map<std::string, std::shared_ptr<Database>> attached_;
    bool inTransaction_ = false;
};

} // namespace ce
