// A prepared SQLite statement that finalizes itself, with the few binding and reading calls the
// engine's storage code uses.
#pragma once

#include "engine/Status.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace ce {

class SqlStatement {
public:
    SqlStatement() = default;
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;
    SqlStatement(SqlStatement&& other) noexcept;
    SqlStatement& operator=(SqlStatement&& other) noexcept;
    ~SqlStatement();

    Status prepare(sqlite3* db, std::string_view sql);
    sqlite3_stmt* get() const { return stmt_; }

    void bindText(int index, std::string_view utf8);
    void bindInt(int index, int64_t value);
    void bindNull(int index);
    // Row: true with a row, false at the end; a failure becomes a status.
    Status step(bool& row);
    Status run(); // steps to the end
    void reset();

    std::string columnText(int col) const; // UTF-8, empty for null
    int64_t columnInt(int col) const;
    bool columnIsNull(int col) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    sqlite3* db_ = nullptr;
};

// The status of a failed SQLite call: damaged files give 7008, everything else 7200.
Status sqliteFailure(sqlite3* db, int rc);

} // namespace ce
