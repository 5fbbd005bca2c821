// Prepared statements and SQLite failures turned into engine statuses.
#include "engine/SqlStatement.h"

#include <sqlite3.h>

#include <utility>

namespace ce {

SqlStatement::SqlStatement(SqlStatement&& other) noexcept
    : stmt_(std::exchange(other.stmt_, nullptr)), db_(other.db_) {}

SqlStatement& SqlStatement::operator=(SqlStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = std::exchange(other.stmt_, nullptr);
        db_ = other.db_;
    }
    return *this;
}

SqlStatement::~SqlStatement() { sqlite3_finalize(stmt_); }

Status SqlStatement::prepare(sqlite3* db, std::string_view sql) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    db_ = db;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        return sqliteFailure(db, rc);
    return {};
}

void SqlStatement::bindText(int index, std::string_view utf8) {
    sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void SqlStatement::bindInt(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void SqlStatement::bindNull(int index) { sqlite3_bind_null(stmt_, index); }

Status SqlStatement::step(bool& row) {
    const int rc = sqlite3_step(stmt_);
    row = rc == SQLITE_ROW;
    if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        return {};
    Status failure = sqliteFailure(db_, rc);
    sqlite3_reset(stmt_);
    return failure;
}

Status SqlStatement::run() {
    bool row = true;
    while (row)
        CE_TRY(step(row));
    return {};
}

void SqlStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string SqlStatement::columnText(int col) const {
    const unsigned char* text = sqlite3_column_text(stmt_, col);
    if (!text)
        return {};
    return std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, col)));
}

int64_t SqlStatement::columnInt(int col) const { return sqlite3_column_int64(stmt_, col); }

bool SqlStatement::columnIsNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

Status sqliteFailure(sqlite3* db, int rc) {
    const int primary = rc & 0xFF;
    const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return Status(kFileDamaged, "File damaged or not a database of this engine: " + message);
    if (primary == SQLITE_READONLY)
        return Status(kTableReadOnly, "Database file is read-only: " + message);
    return Status(kSqlError, message);
}

} // namespace ce
